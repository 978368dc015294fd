// Each style's bytes on the writer fixture, written out by hand from the
// style's description (styles/Styles.cpp).

#include <gtest/gtest.h>

#include <string>

#include "classic/ConvertFlags.h"
#include "series/Series.h"
#include "styles/Styles.h"
#include "styles/SummaryTable.h"
#include "styles/TableWriter.h"
#include "styles/Windows1252.h"
#include "tests/classic/writer_support.h"

namespace zerb {
namespace {

using namespace writertest;

std::string Write(const TLog& log, const TableSettings& settings) {
  LogSeries series(log, false, -1, 0);
  StringSink sink;
  const TableResult result = WriteTable(series, settings, sink);
  EXPECT_EQ(result.status, 1) << result.error;
  EXPECT_EQ(result.rows, 3u);
  return sink.text;
}

TableSettings Style(const char* name) { return StyleSettings(name).value(); }

// Fixture rows at 12:32:56, 12:33:56, 12:34:56 on 07/03/2014; "Temp" is a
// TS4-C (°C), "Raw" a NONE sensor (no unit), "Valve/A" an output ("%"),
// "Set pt" an ASM with a blank units letter.
TEST(Styles, FixtureInEachStyle) {
  struct Row {
    const char* style;
    std::string want;
  };
  const Row rows[] = {
      {"excel-eu",
       "\xEF\xBB\xBFTime;Temp [°C];Raw;Valve/A [%];Set pt\r\n"
       "2014-03-07 12:32:56;20,2;7;5,5;21,0\r\n"
       "2014-03-07 12:33:56;-31,5;;0,0;-0,5\r\n"
       "2014-03-07 12:34:56;101,5;32767;100,0;\r\n"},
      {"pandas",
       "Time,Temp [°C],Raw,Valve/A [%],Set pt\r\n"
       "2014-03-07T12:32:56,20.2,7,5.5,21.0\r\n"
       "2014-03-07T12:33:56,-31.5,,0.0,-0.5\r\n"
       "2014-03-07T12:34:56,101.5,32767,100.0,\r\n"},
      {"long",
       "Time,Channel,Name,Unit,Type,Raw,Value\r\n"
       "2014-03-07T12:32:56,S0/2,Temp,°C,TS4-C,512,20.2\r\n"
       "2014-03-07T12:32:56,S0/3,Raw,,NONE,7,7\r\n"
       "2014-03-07T12:32:56,O1/1,Valve/A,%,VARIABLE,55,5.5\r\n"
       "2014-03-07T12:32:56,A2/1/3,Set pt,,ASM,210,21.0\r\n"
       "2014-03-07T12:33:56,S0/2,Temp,°C,TS4-C,960,-31.5\r\n"
       "2014-03-07T12:33:56,S0/3,Raw,,NONE,-1,\r\n"
       "2014-03-07T12:33:56,O1/1,Valve/A,%,VARIABLE,0,0.0\r\n"
       "2014-03-07T12:33:56,A2/1/3,Set pt,,ASM,-5,-0.5\r\n"
       "2014-03-07T12:34:56,S0/2,Temp,°C,TS4-C,51,101.5\r\n"
       "2014-03-07T12:34:56,S0/3,Raw,,NONE,32767,32767\r\n"
       "2014-03-07T12:34:56,O1/1,Valve/A,%,VARIABLE,1000,100.0\r\n"
       "2014-03-07T12:34:56,A2/1/3,Set pt,,ASM,32767,\r\n"},
  };
  auto loaded = Load(FixtureSource());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.style);
    EXPECT_EQ(Write(*loaded->log, Style(row.style)), row.want);
  }
}

// Options over a style: units row, tab, trailing separator, no header,
// classic quoting with a name to quote, 8-bit text kept or converted.
TEST(Styles, SettingsCombined) {
  auto loaded = Load(FixtureSource());
  TDev& temp = *loaded->log->Channels()[0];
  temp.SetName("T\xB0 \"in\"");
  struct Row {
    const char* why;
    TableSettings settings;
    std::string firstLines;
  };
  TableSettings unitsRow = Style("pandas");
  unitsRow.units = UnitsMode::Row;
  unitsRow.separator = '\t';
  unitsRow.trailingSeparator = true;
  TableSettings classicIso = ClassicTable(DefaultFlags);
  classicIso.time = TimeForm::Iso;
  classicIso.units = UnitsMode::Inline;
  TableSettings noHeader = Style("pandas");
  noHeader.header = false;
  noHeader.time = TimeForm::Off;
  noHeader.decimalComma = true;  // with the comma separator: quoted
  const Row rows[] = {
      {"units row, tab, trailing separator, UTF-8 name quoted for its quotes", unitsRow,
       "Time\t\"T° \"\"in\"\"\"\tRaw\tValve/A\tSet pt\t\r\n\t°C\t\t%\t\t\r\n"
       "2014-03-07T12:32:56\t20.2\t7\t5.5\t21.0\t\r\n"},
      {"classic quoting, 8-bit name and unit kept as bytes", classicIso,
       "\"Time\",\"T\xB0 \"\"in\"\" [\xB0" "C]\",\"Raw\",\"Valve/A [%]\",\"Set pt\",\r\n"
       "2014-03-07T12:32:56,20.2,7,5.5,21.0,\r\n"},
      {"no header, no time, decimal commas", noHeader, "\"20,2\",7,\"5,5\",\"21,0\"\r\n\"-31,5\",,\"0,0\",\"-0,5\"\r\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    EXPECT_EQ(Write(*loaded->log, row.settings).substr(0, row.firstLines.size()), row.firstLines);
  }
}

// A summary's units on a row of their own: a blank under each time column
// and the unit of each figure's values under it (a count has none).
TEST(Styles, SummaryWithAUnitsRow) {
  auto loaded = Load(FixtureSource());
  TableSettings settings = Style("pandas");
  settings.units = UnitsMode::Row;
  LogSeries series(*loaded->log, false, -1, 0);
  StringSink sink;
  const SummaryRequest asked{Period::Day, {Stat::Max, Stat::Count}, 0, {}};
  const TableResult result = WriteSummary(series, settings, asked, sink);
  ASSERT_EQ(result.status, 1) << result.error;
  EXPECT_EQ(sink.text.substr(0, sink.text.find("\r\n2014")),
            "Time,Temp max,Temp count,Raw max,Raw count,Valve/A max,Valve/A count,Set pt max,Set pt count\r\n"
            ",°C,,,,%,,,");
}

// A summary's value units: degree-days in K·d (Windows-1252 where the text
// stays as stored), the channel's unit for its figures, none for counts; in
// the long layout one line per figure with its unit and count, decimal
// commas where the style has them.
TEST(Styles, SummaryUnitsInEachLayout) {
  auto loaded = Load(FixtureSource());
  const SummaryRequest asked{Period::Day, {Stat::Mean, Stat::Count}, 0, {{"Temp", 15.5, false}}};
  TableSettings eu = Style("excel-eu");
  eu.units = UnitsMode::Row;
  TableSettings stored = Style("pandas");
  stored.encoding = TextEncoding::AsStored;
  stored.units = UnitsMode::Row;
  const std::string wideHead =
      "Time;Temp mean;Temp count;Raw mean;Raw count;Valve/A mean;Valve/A count;Set pt mean;Set pt count;"
      "Temp heating-degree-days\r\n";
  const struct {
    const char* why;
    TableSettings settings;
    std::vector<std::string> parts;  // each found in the text
  } rows[] = {
      {"long", Style("long"),
       {"Time,Channel,Name,Unit,Stat,Value,Count\r\n", ",S0/2,Temp,\xC2\xB0" "C,mean,", ",S0/2,Temp,,count,3,3\r\n",
        ",O1/1,Valve/A,%,mean,", ",S0/2,Temp,K\xC2\xB7" "d,heating-degree-days,"}},
      {"excel-eu with a units row", eu,
       {"\xEF\xBB\xBF" + wideHead + ";\xC2\xB0" "C;;;;%;;;;K\xC2\xB7" "d\r\n2014-03-07 00:00:00;", ";35,167;3;"}},
      {"as stored with a units row", stored, {",\xB0" "C,,,,%,,,,K\xB7" "d\r\n2014-03-07T00:00:00,"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    LogSeries series(*loaded->log, false, -1, 0);
    StringSink sink;
    const TableResult result = WriteSummary(series, row.settings, asked, sink);
    ASSERT_EQ(result.status, 1) << result.error;
    for (const std::string& part : row.parts)
      EXPECT_NE(sink.text.find(part), std::string::npos) << part << "\n" << sink.text;
  }
}

TEST(Windows1252, EveryByteGivesValidUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = Utf8FromWindows1252(all);
  EXPECT_EQ(Utf8FromWindows1252("\x80\x81\x9F\xB0\xFF"), "€\xEF\xBF\xBDŸ°ÿ");
  // Back again: every defined byte comes back, the five undefined give "?".
  std::string back = Windows1252FromUtf8(utf8);
  for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) back[static_cast<std::size_t>(b)] = static_cast<char>(b);
  EXPECT_EQ(back, all);
  EXPECT_EQ(Windows1252FromUtf8("a\xC3(\xE2\x82"), "a?(??");  // each stray byte
}

// Names from the system (file names) are kept when they are UTF-8, a
// written replacement character included; any other byte makes the whole
// text Windows-1252.
TEST(Windows1252, Utf8TextKeepsUtf8AndReadsTheRestAs8Bit) {
  const struct {
    const char* text;
    const char* utf8;
  } rows[] = {
      {"plain.log", "plain.log"},
      {"\xC2\xB0" "C.log", "°C.log"},
      {"\xB0" "C.log", "°C.log"},
      {"\xEF\xBF\xBD.log", "\xEF\xBF\xBD.log"},
      {"\xEF\xBF\xBD\xB0", "ï¿½°"},
      {"\xC2", "Â"},
  };
  for (const auto& row : rows) EXPECT_EQ(Utf8Text(row.text), row.utf8) << row.text;
}

TEST(Styles, AnUnknownNameHasNoSettings) { EXPECT_FALSE(StyleSettings("no-such-style").has_value()); }

}  // namespace
}  // namespace zerb
