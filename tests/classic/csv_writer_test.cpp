// The CSV writer's bytes, written out by hand from the line format: every
// field followed by the separator, every line ended by CR LF.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "classic/ConvertFlags.h"
#include "classic/CsvWriter.h"
#include "series/LogTime.h"
#include "tests/classic/writer_support.h"

namespace zerb {
namespace {

using namespace writertest;

// The lines, each ended by CR LF.
std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) text.append(line).append("\r\n");
  return text;
}

std::pair<int, std::string> Csv(TLog& log, uint16_t flags, int overlap = -1, uint16_t skip = 0,
                                ProgressCallback callback = nullptr) {
  StringSink sink;
  const int result = WriteCsv(log, sink, overlap, skip, flags, callback);
  return {result, sink.text};
}

// Data lines of the fixture: PC times 12:32:56, 12:33:56, 12:34:56 (serial
// day 41705, fractions 45176, 45236, 45296 s x 10000 / 864, truncated).
constexpr std::string_view Header = R"("DATE","TIME","Temp","Raw","Valve/A","Set pt",)";
constexpr std::string_view Row0 = R"("07/03/2014","12:32:56",20.2,7,5.5,21.0,)";
constexpr std::string_view Row1 = R"("07/03/2014","12:33:56",-31.5,"",0.0,-0.5,)";
constexpr std::string_view Row2 = R"("07/03/2014","12:34:56",101.5,32767,100.0,"",)";

TEST(CsvWriter, OptionSets) {
  struct Row {
    const char* why;
    uint16_t flags;
    std::string want;
  };
  const Row rows[] = {
      {"defaults: header, quoted date and time, PC clock", DefaultFlags, Lines({Header, Row0, Row1, Row2})},
      {"headers and date/time off: value fields only, each followed by the separator", 0,
       Lines({"20.2,7,5.5,21.0,", R"(-31.5,"",0.0,-0.5,)", R"(101.5,32767,100.0,"",)"})},
      {"header without date/time", FlagHeaders, Lines({R"("Temp","Raw","Valve/A","Set pt",)", "20.2,7,5.5,21.0,",
                                                        R"(-31.5,"",0.0,-0.5,)", R"(101.5,32767,100.0,"",)"})},
      {"serial with tab: day and fraction are two tab-separated fields",
       FlagHeaders | FlagDateTime | FlagSerial | FlagTab,
       Lines({"\"DATE\"\t\"TIME\"\t\"Temp\"\t\"Raw\"\t\"Valve/A\"\t\"Set pt\"\t",
              "41705\t522870E-6\t20.2\t7\t5.5\t21.0\t", "41705\t523564E-6\t-31.5\t\"\"\t0.0\t-0.5\t",
              "41705\t524259E-6\t101.5\t32767\t100.0\t\"\"\t"})},
      {"LAN clock: the last row is at lanTime (12:33:16)", FlagHeaders | FlagDateTime | FlagLanTime,
       Lines({Header, R"("07/03/2014","12:31:16",20.2,7,5.5,21.0,)", R"("07/03/2014","12:32:16",-31.5,"",0.0,-0.5,)",
              R"("07/03/2014","12:33:16",101.5,32767,100.0,"",)"})},
      {"LAN clock, serial, comma", FlagDateTime | FlagSerial | FlagLanTime,
       Lines({"41705,521712E-6,20.2,7,5.5,21.0,", R"(41705,522407E-6,-31.5,"",0.0,-0.5,)",
              R"(41705,523101E-6,101.5,32767,100.0,"",)"})},
      {"serial flag without date/time writes no date/time", FlagSerial, Lines({"20.2,7,5.5,21.0,",
                                                                               R"(-31.5,"",0.0,-0.5,)",
                                                                               R"(101.5,32767,100.0,"",)"})},
  };
  auto loaded = Load(FixtureSource());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    const auto [result, text] = Csv(*loaded->log, row.flags);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(text, row.want);
  }
}

TEST(CsvWriter, LinesEndInCarriageReturnLineFeed) {
  auto loaded = Load(FixtureSource());
  EXPECT_EQ(Csv(*loaded->log, 0).second, "20.2,7,5.5,21.0,\r\n-31.5,\"\",0.0,-0.5,\r\n101.5,32767,100.0,\"\",\r\n");
}

TEST(CsvWriter, RowSelection) {
  struct Row {
    const char* why;
    uint16_t newEntries;
    int overlap;
    uint16_t skip;
    std::string want;
  };
  const Row rows[] = {
      {"skip 1: rows 0 and 2", 0, -1, 1, Lines({Header, Row0, Row2})},
      {"skip 2: row 0 only", 0, -1, 2, Lines({Header, Row0})},
      {"new only, 1 new entry, overlap 0: the last two rows", 1, 0, 0, Lines({Header, Row1, Row2})},
      {"new only, 1 new entry, overlap 1: every row", 1, 1, 0, Lines({Header, Row0, Row1, Row2})},
      {"new only, 0 new entries: the last row", 0, 0, 0, Lines({Header, Row2})},
      {"new only with skip 1 keeps rows counted from row 0", 1, 0, 1, Lines({Header, Row2})},
      {"more new entries than entries: nothing past the header", 5, 0, 0, Lines({Header})},
      {"overlap -1 is off, whatever the new count", 1, -1, 0, Lines({Header, Row0, Row1, Row2})},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    auto loaded = Load(FixtureSource(row.newEntries));
    const auto [result, text] = Csv(*loaded->log, DefaultFlags, row.overlap, row.skip);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(text, row.want);
  }
}

TEST(CsvWriter, NamesAreQuotedWithInnerQuotesDoubled) {
  struct Row {
    const char* name;
    uint16_t flags;
    std::string_view header;
  };
  const Row rows[] = {
      {"a\"b,c", FlagHeaders, "\"a\"\"b,c\","},
      {"\"\"", FlagHeaders, "\"\"\"\"\"\","},
      {"tab\there", FlagHeaders | FlagTab, "\"tab\there\"\t"},
      {"x;y z", FlagHeaders, "\"x;y z\","},
      {"", FlagHeaders, "\"\","},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto loaded = std::make_unique<LoadedLog>();
    AddDevice<TSensor>(loaded->site.Sensors, row.name, 1, 0);
    LogSource source;
    source.sensorSlotsA = {1};
    source.rows = {{4}};
    std::vector<uint8_t> image = MakeLogImage(source);
    std::FILE* f = fmemopen(image.data(), image.size(), "rb");
    ASSERT_EQ(loaded->log->Load(f), 1);
    std::fclose(f);
    ASSERT_EQ(loaded->log->ComputeOldestValues(nullptr), 0);
    const char sep = (row.flags & FlagTab) ? '\t' : ',';
    EXPECT_EQ(Csv(*loaded->log, row.flags).second, Lines({row.header, std::string("4") + sep}));
  }
}

TEST(CsvWriter, ShapesOfLog) {
  struct Row {
    const char* why;
    LogSource source;
    uint16_t flags;
    std::string want;
  };
  LogSource single = FixtureSource();
  single.rows = {{51, 1, 2, 3}};
  LogSource empty = FixtureSource();
  empty.sensorSlotsA = {0xFF};
  empty.sensorSlotsB = {};
  empty.outputSlotsA = {};
  empty.asmSlots = {0};
  empty.rows = {{}, {}, {}};
  const Row rows[] = {
      {"entryCount 0: one line, the newest values at pcTime", single, DefaultFlags,
       Lines({Header, R"("07/03/2014","12:34:56",101.5,1,0.2,0.3,)"})},
      {"no channels, header on, date/time off: an empty header line", empty, FlagHeaders, Lines({"", "", "", ""})},
      {"no channels with date/time: the times alone", empty, DefaultFlags,
       Lines({R"("DATE","TIME",)", R"("07/03/2014","12:32:56",)", R"("07/03/2014","12:33:56",)",
              R"("07/03/2014","12:34:56",)"})},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    auto loaded = Load(row.source);
    const auto [result, text] = Csv(*loaded->log, row.flags);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(text, row.want);
  }
}

// An ASM's own exponent may reach 127: a value text far longer than usual,
// changing length from row to row.
TEST(CsvWriter, LongValueTexts) {
  auto loaded = std::make_unique<LoadedLog>();
  AddDevice<TAsm>(loaded->site.Asms, "Big", AsmKey, 0, 100);
  AddDevice<TSensor>(loaded->site.Sensors, "Raw", 2, 0);
  LogSource source;
  source.sensorSlotsA = {2};
  source.asmSlots = {AsmKey};
  source.rows = {{1, 5}, {2, -7}, {3, 0}, {4, 32767}, {5, 12}};
  std::vector<uint8_t> image = MakeLogImage(source);
  std::FILE* f = fmemopen(image.data(), image.size(), "rb");
  ASSERT_EQ(loaded->log->Load(f), 1);
  std::fclose(f);
  ASSERT_EQ(loaded->log->ComputeOldestValues(nullptr), 4);
  const std::string zeros(100, '0');
  EXPECT_EQ(Csv(*loaded->log, 0).second,
            Lines({"1,5" + zeros + ",", "2,-7" + zeros + ",", "3,0,", "4,\"\",", "5,12" + zeros + ","}));
}

// The writer keeps a row's date between rows: every row's columns must
// still be the time texts of the row's own time, over every second of 18
// hours (from 1970 and from 2014) and over 136 years in steps of 65521 s
// (past the wrap in 2106).
TEST(CsvWriter, TimeColumnsMatchTheTimeTexts) {
  struct Row {
    uint16_t interval;
    uint32_t pcTime;
  };
  const Row rows[] = {{1, 1394195696}, {1, 65535}, {65521, 4294967295}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.interval);
    LogSource source;
    source.interval = row.interval;
    source.pcTime = row.pcTime;
    source.rows.assign(65536, {});
    auto loaded = Load(source, false);
    const uint32_t start = row.pcTime - uint32_t{row.interval} * 65535;
    for (uint16_t flags : {FlagDateTime, uint16_t(FlagDateTime | FlagSerial | FlagTab)}) {
      const char sep = (flags & FlagTab) ? '\t' : ',';
      std::string want;
      for (uint32_t r = 0; r < 65536; ++r) {
        const TLogTime t(start + r * row.interval);
        if (flags & FlagSerial) {
          want.append(t.SerialText(sep)).append(1, sep);
        } else {
          want.append("\"").append(t.DateText()).append("\"").append(1, sep);
          want.append("\"").append(t.TimeText()).append("\"").append(1, sep);
        }
        want.append("\r\n");
      }
      const auto [result, text] = Csv(*loaded->log, flags);
      EXPECT_EQ(result, 1);
      EXPECT_TRUE(text == want) << "serial " << ((flags & FlagSerial) != 0);
    }
  }
}

// 1250 channels, 250 of them with 101-digit texts: the fields of a line
// need more room than the 64 KiB the writer formats into at once.
TEST(CsvWriter, LinesWiderThanTheBuffer) {
  auto loaded = std::make_unique<LoadedLog>();
  AddDevice<TAsm>(loaded->site.Asms, "Big", AsmKey, 0, 100);
  LogSource source;
  std::vector<int16_t> row0, row1;
  std::string want0, want1;
  for (std::vector<uint8_t>* slots :
       {&source.sensorSlotsA, &source.sensorSlotsB, &source.outputSlotsA, &source.outputSlotsB})
    for (int k = 1; k <= 250; ++k) {
      const bool sensor = slots == &source.sensorSlotsA || slots == &source.sensorSlotsB;
      slots->push_back(static_cast<uint8_t>(k));
      row0.push_back(sensor ? 512 : 1);  // TS4-C 20.2; ON/OFF 50
      row1.push_back(sensor ? 960 : -1);  // TS4-C -31.5; invalid
      want0 += sensor ? "20.2," : "50,";
      want1 += sensor ? "-31.5," : "\"\",";
    }
  for (int k = 0; k < 250; ++k) {
    source.asmSlots.push_back(AsmKey);
    row0.push_back(5);
    row1.push_back(-7);
    want0 += "5" + std::string(100, '0') + ",";
    want1 += "-7" + std::string(100, '0') + ",";
  }
  source.rows = {row0, row1};
  std::vector<uint8_t> image = MakeLogImage(source);
  std::FILE* f = fmemopen(image.data(), image.size(), "rb");
  ASSERT_EQ(loaded->log->Load(f), 1) << loaded->log->LoadError();
  std::fclose(f);
  ASSERT_EQ(loaded->log->ComputeOldestValues(nullptr), 1);
  EXPECT_EQ(Csv(*loaded->log, 0).second, Lines({want0, want1}));
}

// The writer keeps the texts of a few recent raw values per channel, one
// per raw value modulo 8: values that share a place, come back, or turn
// invalid must still give their own texts.
TEST(CsvWriter, RecentValuesComeBackWithTheirOwnTexts) {
  auto loaded = std::make_unique<LoadedLog>();
  AddDevice<TSensor>(loaded->site.Sensors, "Raw", 2, 0);
  LogSource source;
  source.sensorSlotsA = {2};
  const std::vector<int16_t> raws = {1, 9, 1, 17, 9, 9, 2, 1, 7, -1, 7, -1, -9, 32767, -32768, 0, 8, 0};
  std::string want;
  for (int16_t raw : raws) {
    source.rows.push_back({raw});
    want += (raw < 0 ? std::string("\"\"") : std::to_string(raw)) + ",\r\n";
  }
  std::vector<uint8_t> image = MakeLogImage(source);
  std::FILE* f = fmemopen(image.data(), image.size(), "rb");
  ASSERT_EQ(loaded->log->Load(f), 1);
  std::fclose(f);
  ASSERT_EQ(loaded->log->ComputeOldestValues(nullptr), static_cast<int>(raws.size()) - 1);
  EXPECT_EQ(Csv(*loaded->log, 0).second, want);
}

TEST(CsvWriter, StopLeavesCompleteLines) {
  struct Row {
    long stopRow;
    int result;
    std::string want;
  };
  const Row rows[] = {
      {0, 0, Lines({Header})},
      {1, 0, Lines({Header, Row0})},
      {2, 0, Lines({Header, Row0, Row1})},
      {3, 1, Lines({Header, Row0, Row1, Row2})},  // row 3 does not exist: no stop
  };
  auto loaded = Load(FixtureSource());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.stopRow);
    StopRow = row.stopRow;
    const auto [result, text] = Csv(*loaded->log, DefaultFlags, -1, 0, StopAtRow);
    EXPECT_EQ(result, row.result);
    EXPECT_EQ(text, row.want);
  }
}

// A stop after a skipped row: nothing of the skipped row, the last line whole.
TEST(CsvWriter, StopAfterSkippedRow) {
  auto loaded = Load(FixtureSource());
  StopRow = 2;
  const auto [result, text] = Csv(*loaded->log, DefaultFlags, -1, 1, StopAtRow);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(text, Lines({Header, Row0}));
}

TEST(CsvWriter, WalkThatCannotRunIsAFailure) {
  auto loaded = Load(FixtureSource(), true, /*pass1=*/false);
  EXPECT_EQ(Csv(*loaded->log, 0).first, -1);
  TSite site;
  TLog unloaded(site);
  EXPECT_EQ(Csv(unloaded, 0).first, -1);
}

// Every limit of a small output: the writer reports -1, the sink got the
// bytes that fit, and nothing is asked of it after the failed write.
TEST(CsvWriter, WriteFailureAtEveryByte) {
  auto loaded = Load(FixtureSource());
  const std::string full = Lines({Header, Row0, Row1, Row2});
  ExpectWriteFailureAtEveryByte(
      full, [&](OutputSink& sink) { return WriteCsv(*loaded->log, sink, -1, 0, DefaultFlags, nullptr); });
}

// An output of several 64 KiB blocks failing in the first, at a block
// boundary and in the last block: -1 and no write after the failed one.
TEST(CsvWriter, WriteFailureInLongOutput) {
  LogSource source = FixtureSource();
  source.rows.clear();
  for (int r = 0; r < 4000; ++r) source.rows.push_back({512, static_cast<int16_t>(r), 55, 210});
  auto loaded = Load(source);
  StringSink whole;
  ASSERT_EQ(WriteCsv(*loaded->log, whole, -1, 0, DefaultFlags, nullptr), 1);
  ASSERT_GT(whole.text.size(), 2u * 65536);
  ExpectWriteFailureAt(whole.text, {0, 1, 65535, 65536, 65537, whole.text.size() - 1}, [&](OutputSink& sink) {
    return WriteCsv(*loaded->log, sink, -1, 0, DefaultFlags, nullptr);
  });
}

}  // namespace
}  // namespace zerb
