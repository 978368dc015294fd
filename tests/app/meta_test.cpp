// The metadata file beside an output: written through a temporary file only
// once the output is in place, with the rows the writer wrote; a failure to
// write it fails the run.

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "app/Conversion.h"
#include "app/MetaFile.h"
#include "styles/Styles.h"
#include "tests/classic/writer_support.h"

namespace zerb {
namespace {

using namespace writertest;
using nlohmann::json;

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != text.npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// Rows of the fixture's kind, many of them, so that selections thin them.
LogSource LongSource(uint16_t newEntries) {
  LogSource s = FixtureSource(newEntries);
  s.rows.assign(23, {512, 7, 55, 210});
  return s;
}

TEST(Meta, RowsAndTimesMatchWhatWasWrittenInCsvAndXml) {
  std::setlocale(LC_TIME, "C");
  TempDir dir;
  const std::string out = dir.File("out.txt");
  struct Row {
    int overlap;
    uint16_t skip;
    uint16_t flags;
    bool xml;
  };
  const Row rows[] = {{-1, 0, DefaultFlags, false}, {2, 3, DefaultFlags | FlagLanTime, false},
                      {-1, 4, DefaultFlags, true},  {0, 0, DefaultFlags | FlagLanTime, true},
                      {3, 2, DefaultFlags, true},   {-1, 65535, DefaultFlags, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.overlap) + " " + std::to_string(row.skip) + (row.xml ? " xml" : " csv"));
    auto loaded = Load(LongSource(7));
    ConvertOptions options;
    options.overlap = row.overlap;
    options.skip = row.skip;
    options.flags = row.flags;
    options.xml = row.xml;
    options.meta = true;
    if (!row.xml) options.table = StyleSettings("pandas");
    const RunResult result = ConvertToFile(*loaded->log, dir.File("1.log"), out, options, nullptr);
    ASSERT_EQ(result.status, RunStatus::Done) << result.error;
    const std::string text = ReadFile(out);
    const json meta = json::parse(ReadFile(MetaPathFor(out)));
    const std::size_t written = row.xml ? Count(text, "<DataElement>") : Count(text, "\r\n") - 1;
    EXPECT_EQ(meta["rows"], written);
    // The first and last times as the output has them (the first row's
    // time comes first, the last row's last).
    const std::string first = meta["firstTime"], last = meta["lastTime"];
    const std::string open = row.xml ? "<LocalTime>" : "\r\n2014-03-07T";
    EXPECT_EQ(text.find(open + first.substr(11)), text.find(open)) << first;
    EXPECT_EQ(text.rfind(open + last.substr(11)), text.rfind(open)) << last;
    EXPECT_EQ(meta["channels"][0]["unit"], "°C");
  }
}

// A summary's metadata: its periods as rows, and how they were made.
TEST(Meta, SummaryRecordsPeriodStatsZoneAndCoverage) {
  TempDir dir;
  auto loaded = Load(LongSource(7));
  ConvertOptions options;
  options.meta = true;
  options.table = StyleSettings("long");
  options.table->zone = {ZoneKind::FixedOffset, 60, "", false};
  options.summary = SummaryRequest{Period::Hour, {Stat::Max, Stat::Count}, 0.5, {}};
  const std::string out = dir.File("s.csv");
  ASSERT_EQ(ConvertToFile(*loaded->log, dir.File("1.log"), out, options, nullptr).status, RunStatus::Done);
  const json meta = json::parse(ReadFile(MetaPathFor(out)));
  const json& summary = meta["options"]["summary"];
  EXPECT_EQ(summary["period"], "1h");
  EXPECT_EQ(summary["stats"], "max,count");
  EXPECT_EQ(summary["periodsAlignedIn"], "+01:00");
  EXPECT_EQ(summary["minCoverage"], 0.5);
  const std::size_t periods = meta["rows"];
  EXPECT_EQ(Count(ReadFile(out), "\r\n"), 1 + periods * 2 * loaded->log->Channels().size());
}

TEST(Meta, NamesInUtf8AndAFailedMetaFailsTheRun) {
  TempDir dir;
  auto loaded = Load(FixtureSource());
  loaded->log->Channels()[0]->SetName("T\xB0 \x81");
  ConvertOptions options;
  options.meta = true;
  const std::string out = dir.File("o.CSV");
  ASSERT_EQ(ConvertToFile(*loaded->log, dir.File("1.log"), out, options, nullptr).status, RunStatus::Done);
  EXPECT_EQ(json::parse(ReadFile(MetaPathFor(out)))["channels"][0]["name"], "T° \xEF\xBF\xBD");
  // Classic output through the table writer is still the classic bytes.
  EXPECT_EQ(ReadFile(out).substr(0, 26), "\"DATE\",\"TIME\",\"T\xB0 \x81\",\"Raw\"");

  std::filesystem::remove(MetaPathFor(out));
  std::filesystem::create_directory(MetaPathFor(out));
  const RunResult failed = ConvertToFile(*loaded->log, dir.File("1.log"), out, options, nullptr);
  EXPECT_EQ(failed.status, RunStatus::WriteFailed);
  EXPECT_NE(failed.error.find(".json"), std::string::npos) << failed.error;
  EXPECT_EQ(dir.Names(), (std::set<std::string>{"o.CSV", "o.CSV.json"}));  // no temporary file left
}

// What the metadata says of the options: every time form and zone, the
// XML flags, a workbook, a range and a channel selection (a column the log
// lacks is left out, as the writers leave it out).
TEST(Meta, OptionsSayHowTheOutputWasMade) {
  auto loaded = Load(FixtureSource());
  const auto table = [](TimeForm time, TimeZoneSetting zone, TableFile file = TableFile::Text) {
    TableSettings t = *StyleSettings("pandas");
    t.time = time;
    t.zone = std::move(zone);
    t.file = file;
    return t;
  };
  const TimeZoneSetting berlin{ZoneKind::Named, 0, "Europe/Berlin", true};
  const TimeZoneSetting plusOne{ZoneKind::FixedOffset, 60, "", false};
  struct Row {
    const char* why;
    ConvertOptions options;
    const char* path;  // in the "options" object
    json expected;
  };
  ConvertOptions xml, selected;
  xml.xml = true;
  xml.flags = FlagHeaders | FlagIsoTime;
  selected.table = table(TimeForm::Off, {});
  selected.selection.from = 1394150400;
  selected.selection.channels = std::vector<std::size_t>{1, 99};
  ConvertOptions untilThen, summedInBerlin, summedCivil;
  untilThen.selection.to = 1394150400;
  summedInBerlin.table = table(TimeForm::Iso, berlin);
  summedInBerlin.summary = SummaryRequest{Period::Day, {}, 0, {{"1", HeatingBase, false}, {"2", CoolingBase, true}}};
  summedCivil.summary = SummaryRequest{};
  const Row rows[] = {
      {"iso in a named zone", {.table = table(TimeForm::Iso, berlin)}, "/table/timeZone",
       {{"zone", "Europe/Berlin"}, {"utc", true}}},
      {"excel at a fixed offset", {.table = table(TimeForm::Excel, plusOne)}, "/table/timeZone",
       {{"utcOffset", "+01:00"}, {"utc", false}}},
      {"serial", {.table = table(TimeForm::ClassicSerial, {})}, "/table/time", "serial"},
      {"workbook", {.table = table(TimeForm::Excel, {}, TableFile::Workbook)}, "/format", "xlsx"},
      {"classic", {}, "/table/timeZone", "logger civil time"},
      {"xml", xml, "", {{"format", "xml"}, {"style", "classic"}, {"clock", "pc"}, {"newEntriesOnly", false},
                        {"overlap", 0}, {"skip", 0}, {"header", true}, {"isoTime", true}}},
      {"selection", selected, "/from", "2014-03-07T00:00:00"},
      {"no time", selected, "/table/time", "off"},
      {"range end", untilThen, "/to", "2014-03-07T00:00:00"},
      {"summary in a named zone", summedInBerlin, "/summary/periodsAlignedIn", "Europe/Berlin"},
      {"default stats", summedInBerlin, "/summary/stats",
       "default: mean,min,max,count; on/off channels: on,starts,count"},
      {"degree days", summedInBerlin, "/summary/degreeDays/1",
       {{"kind", "cooling"}, {"channel", "2"}, {"baseCelsius", CoolingBase},
        {"method", "daily mean against the base, days summed over the period"}}},
      {"summary in civil time", summedCivil, "/summary/periodsAlignedIn", "logger civil time"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    const json meta = json::parse(MetaJson(*loaded->log, row.options, {}));
    EXPECT_EQ(meta["options"].at(json::json_pointer(row.path)), row.expected);
    EXPECT_EQ(meta["channels"].size(), row.options.selection.channels ? 1u : loaded->log->Channels().size());
  }
}

}  // namespace
}  // namespace zerb
