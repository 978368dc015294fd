// The XML writer's document, written out by hand from the element formats;
// every line ends in CR LF.

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <string_view>

#include "classic/ConvertFlags.h"
#include "classic/XmlNames.h"
#include "classic/XmlWriter.h"
#include "series/LogTime.h"
#include "tests/classic/writer_support.h"

namespace zerb {
namespace {

using namespace writertest;

class XmlWriter : public ::testing::Test {
 protected:
  // LocalTime follows LC_TIME; the C locale gives HH:MM:SS.
  void SetUp() override { std::setlocale(LC_TIME, "C"); }
};

std::pair<int, std::string> Xml(TLog& log, uint16_t flags, int overlap = -1, uint16_t skip = 0,
                                ProgressCallback callback = nullptr) {
  StringSink sink;
  const int result = WriteXml(log, sink, overlap, skip, flags, callback);
  return {result, sink.text};
}

constexpr std::string_view Open = "<RootElement>\r\n";
constexpr std::string_view Close = "</RootElement>\r\n";

std::string Date(std::string_view month, std::string_view day, std::string_view year, std::string_view time) {
  return "\t\t<Month>" + std::string(month) + "</Month>\r\n\t\t<Day>" + std::string(day) + "</Day>\r\n\t\t<Year>" +
         std::string(year) + "</Year>\r\n\t\t<LocalTime>" + std::string(time) + "</LocalTime>\r\n";
}

// The fixture's channels, site number 42, values of rows 0, 1 and 2.
const std::string Values0 =
    "\t\t<Location Name=\"42\">\r\n"
    "\t\t\t<Temp SensorType=\"TS4-C\">20.2</Temp>\r\n"
    "\t\t\t<Raw SensorType=\"NONE\">7</Raw>\r\n"
    "\t\t\t<Valve-A SensorType=\"VARIABLE\">5.5</Valve-A>\r\n"
    "\t\t\t<Set_pt SensorType=\"ASM\">21.0</Set_pt>\r\n"
    "\t\t</Location>\r\n";
const std::string Values1 =
    "\t\t<Location Name=\"42\">\r\n"
    "\t\t\t<Temp SensorType=\"TS4-C\">-31.5</Temp>\r\n"
    "\t\t\t<Raw SensorType=\"NONE\"></Raw>\r\n"
    "\t\t\t<Valve-A SensorType=\"VARIABLE\">0.0</Valve-A>\r\n"
    "\t\t\t<Set_pt SensorType=\"ASM\">-0.5</Set_pt>\r\n"
    "\t\t</Location>\r\n";
const std::string Values2 =
    "\t\t<Location Name=\"42\">\r\n"
    "\t\t\t<Temp SensorType=\"TS4-C\">101.5</Temp>\r\n"
    "\t\t\t<Raw SensorType=\"NONE\">32767</Raw>\r\n"
    "\t\t\t<Valve-A SensorType=\"VARIABLE\">100.0</Valve-A>\r\n"
    "\t\t\t<Set_pt SensorType=\"ASM\"></Set_pt>\r\n"
    "\t\t</Location>\r\n";

std::string Element(const std::string& date, const std::string& values) {
  return "\t<DataElement>\r\n" + date + values + "\t</DataElement>\r\n";
}

// PC clock: local LAN 00:00:30 plus the PC-LAN offset of 100 s.
const std::string Pc0 = Element(Date("03", "07", "2014", "00:00:10"), Values0);
const std::string Pc1 = Element(Date("03", "07", "2014", "00:01:10"), Values1);
const std::string Pc2 = Element(Date("03", "07", "2014", "00:02:10"), Values2);

std::unique_ptr<LoadedLog> LoadFixture(uint16_t newEntries = 0) {
  auto loaded = Load(FixtureSource(newEntries));
  loaded->site.SetSiteNumber(42);
  return loaded;
}

TEST_F(XmlWriter, OptionSets) {
  struct Row {
    const char* why;
    uint16_t flags;
    std::string want;
  };
  const Row rows[] = {
      {"defaults: date and time on the PC clock (local LAN + PC - LAN)", DefaultFlags,
       std::string(Open) + Pc0 + Pc1 + Pc2 + std::string(Close)},
      {"separator, serial and header bits change nothing", DefaultFlags | FlagTab | FlagSerial,
       std::string(Open) + Pc0 + Pc1 + Pc2 + std::string(Close)},
      {"LAN clock: the last row at localLanTime, across midnight", FlagDateTime | FlagLanTime,
       std::string(Open) + Element(Date("03", "06", "2014", "23:58:30"), Values0) +
           Element(Date("03", "06", "2014", "23:59:30"), Values1) +
           Element(Date("03", "07", "2014", "00:00:30"), Values2) + std::string(Close)},
      {"date/time off: only the Location element", FlagHeaders | FlagLanTime,
       std::string(Open) + Element("", Values0) + Element("", Values1) + Element("", Values2) + std::string(Close)},
  };
  auto loaded = LoadFixture();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    const auto [result, text] = Xml(*loaded->log, row.flags);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(text, row.want);
  }
}

TEST_F(XmlWriter, RowSelection) {
  struct Row {
    const char* why;
    uint16_t newEntries;
    int overlap;
    uint16_t skip;
    std::string want;
  };
  const Row rows[] = {
      {"skip 1: rows 0 and 2", 0, -1, 1, std::string(Open) + Pc0 + Pc2 + std::string(Close)},
      {"new only, 1 new entry, overlap 0", 1, 0, 0, std::string(Open) + Pc1 + Pc2 + std::string(Close)},
      {"new only with skip 1: rows counted from row 0", 1, 0, 1, std::string(Open) + Pc2 + std::string(Close)},
      {"no row written: the root element alone", 5, 0, 0, std::string(Open) + std::string(Close)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    auto loaded = LoadFixture(row.newEntries);
    const auto [result, text] = Xml(*loaded->log, DefaultFlags, row.overlap, row.skip);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(text, row.want);
  }
}

TEST_F(XmlWriter, StopLeavesCompleteElementsAndNoClosingTag) {
  struct Row {
    long stopRow;
    int result;
    std::string want;
  };
  const Row rows[] = {
      {0, 0, std::string(Open)},
      {1, 0, std::string(Open) + Pc0},
      {2, 0, std::string(Open) + Pc0 + Pc1},
      {3, 1, std::string(Open) + Pc0 + Pc1 + Pc2 + std::string(Close)},
  };
  auto loaded = LoadFixture();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.stopRow);
    StopRow = row.stopRow;
    const auto [result, text] = Xml(*loaded->log, DefaultFlags, -1, 0, StopAtRow);
    EXPECT_EQ(result, row.result);
    EXPECT_EQ(text, row.want);
  }
}

// Month and day with two digits, the year whole, from the exact calendar:
// a leap day, the last day of a year, 2100 (no leap year), the end of the
// range.
TEST_F(XmlWriter, CalendarFields) {
  struct Row {
    uint32_t time;
    std::string date;
  };
  const Row rows[] = {
      {0, Date("01", "01", "1970", "00:00:00")},
      {951786000, Date("02", "29", "2000", "01:00:00")},
      {946684799, Date("12", "31", "1999", "23:59:59")},
      {4107542399, Date("02", "28", "2100", "23:59:59")},
      {4107542400, Date("03", "01", "2100", "00:00:00")},
      {4294967295, Date("02", "07", "2106", "06:28:15")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.time);
    LogSource source;
    source.localLanTime = row.time;
    source.pcTime = 5000;
    source.lanTime = 5000;
    source.rows = {{}};
    auto loaded = Load(source, false);
    EXPECT_EQ(Xml(*loaded->log, FlagDateTime).second, std::string(Open) + "\t<DataElement>\r\n" + row.date +
                                                           "\t\t<Location Name=\"0\">\r\n\t\t</Location>\r\n"
                                                           "\t</DataElement>\r\n" +
                                                           std::string(Close));
  }
}

// The date part of a row element is kept between rows: every row's fields
// must still be those of its own time, over 136 years in steps of 65521 s
// (past the wrap in 2106) and over every second of 18 hours.
TEST_F(XmlWriter, DateAndTimeOfEveryRow) {
  struct Row {
    uint16_t interval;
    uint32_t localLanTime;
  };
  const Row rows[] = {{65521, 4294967295}, {1, 1394195696}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.interval);
    LogSource source;
    source.interval = row.interval;
    source.localLanTime = row.localLanTime;
    source.rows.assign(65536, {});
    auto loaded = Load(source, false);
    const uint32_t start = row.localLanTime - uint32_t{row.interval} * 65535;
    std::string want(Open);
    for (uint32_t r = 0; r < 65536; ++r) {
      const TLogTime t(start + r * row.interval);
      const std::string date(t.DateText());  // DD/MM/YYYY
      want += "\t<DataElement>\r\n" + Date(date.substr(3, 2), date.substr(0, 2), date.substr(6), std::string(t.TimeText())) +
              "\t\t<Location Name=\"0\">\r\n\t\t</Location>\r\n\t</DataElement>\r\n";
    }
    want += Close;
    const auto [result, text] = Xml(*loaded->log, FlagDateTime | FlagLanTime);
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(text == want);
  }
}

// Device names as element names: "/" becomes "-", a name made valid.
TEST_F(XmlWriter, ElementNamesInDocument) {
  auto loaded = std::make_unique<LoadedLog>();
  AddDevice<TOutput>(loaded->site.Outputs, "9 A<b>", 8, 1);
  LogSource source;
  source.sensorSlotsA = {3 * 8 + 2};  // not in the site: SENSOR3/3, TS4-C
  source.outputSlotsA = {8};
  source.rows = {{1024, 7}};
  std::vector<uint8_t> image = MakeLogImage(source);
  std::FILE* f = fmemopen(image.data(), image.size(), "rb");
  ASSERT_EQ(loaded->log->Load(f), 1);
  std::fclose(f);
  ASSERT_EQ(loaded->log->ComputeOldestValues(nullptr), 0);
  loaded->site.SetSiteNumber(65535);
  EXPECT_EQ(Xml(*loaded->log, 0).second, std::string(Open) +
                                             "\t<DataElement>\r\n"
                                             "\t\t<Location Name=\"65535\">\r\n"
                                             "\t\t\t<SENSOR3-3 SensorType=\"TS4-C\"></SENSOR3-3>\r\n"
                                             "\t\t\t<_9_A_b_ SensorType=\"VARIABLE\">7</_9_A_b_>\r\n"
                                             "\t\t</Location>\r\n"
                                             "\t</DataElement>\r\n" +
                                             std::string(Close));
}

// 1200 channels, 200 of them an ASM whose exponent 100 makes 101-digit
// texts: a row of more than 64 KiB of text. Keys missing from the site give
// default devices (TS4-C sensors, ON/OFF outputs).
TEST_F(XmlWriter, RowsLargerThanTheBuffer) {
  auto loaded = std::make_unique<LoadedLog>();
  AddDevice<TAsm>(loaded->site.Asms, "Big", AsmKey, 0, 100);
  LogSource source;
  std::vector<int16_t> row0, row1;
  std::string want0, want1;
  auto add = [&](const std::string& name, const char* type, int16_t raw0, std::string text0, int16_t raw1,
                 std::string text1) {
    const std::string open = "\t\t\t<" + name + " SensorType=\"" + type + "\">";
    const std::string close = "</" + name + ">\r\n";
    row0.push_back(raw0);
    row1.push_back(raw1);
    want0 += open + text0 + close;
    want1 += open + text1 + close;
  };
  auto name = [](const char* kind, int key) {
    return kind + std::to_string(key >> 3) + "-" + std::to_string((key & 7) + 1);
  };
  for (std::vector<uint8_t>* slots : {&source.sensorSlotsA, &source.sensorSlotsB})
    for (int k = 1; k <= 250; ++k) {
      slots->push_back(static_cast<uint8_t>(k));
      add(name("SENSOR", k), "TS4-C", 512, "20.2", 960, "-31.5");
    }
  for (std::vector<uint8_t>* slots : {&source.outputSlotsA, &source.outputSlotsB})
    for (int k = 1; k <= 250; ++k) {
      slots->push_back(static_cast<uint8_t>(k));
      add(name("OUTPUT", k), "ON/OFF", 1, "50", -1, "");
    }
  for (int k = 0; k < 200; ++k) {
    source.asmSlots.push_back(AsmKey);
    add("Big", "ASM", 5, "5" + std::string(100, '0'), 32767, "");
  }
  source.rows = {row0, row1};  // sensors, outputs, ASMs: the channel order
  std::vector<uint8_t> image = MakeLogImage(source);
  std::FILE* f = fmemopen(image.data(), image.size(), "rb");
  ASSERT_EQ(loaded->log->Load(f), 1) << loaded->log->LoadError();
  std::fclose(f);
  ASSERT_EQ(loaded->log->ComputeOldestValues(nullptr), 1);
  ASSERT_GT(want0.size(), 65536u);
  const std::string location = "\t\t<Location Name=\"0\">\r\n";
  const std::string end = "\t\t</Location>\r\n\t</DataElement>\r\n";
  EXPECT_EQ(Xml(*loaded->log, 0).second, std::string(Open) + "\t<DataElement>\r\n" + location + want0 + end +
                                             "\t<DataElement>\r\n" + location + want1 + end + std::string(Close));
}

TEST(XmlNames, ElementNameOfDeviceName) {
  struct Row {
    std::string_view device;
    const char* element;
  };
  const Row rows[] = {
      {"Outside", "Outside"},           // valid names stay as they are
      {"a.b-c_D9", "a.b-c_D9"},
      {"_x", "_x"},
      {"SENSOR3/3", "SENSOR3-3"},       // "/" becomes "-"
      {"ASM31/15/127", "ASM31-15-127"},
      {"Duct Press", "Duct_Press"},     // every other byte becomes "_"
      {"a<b>&\"c'", "a_b___c_"},
      {"tab\tx", "tab_x"},
      {"\xC3\xA9t\xC3\xA9", "__t__"},   // non-ASCII bytes one by one
      {"", "_"},                        // empty
      {"9lives", "_9lives"},            // a digit, "-" or "." in front
      {"-x", "_-x"},
      {".x", "_.x"},
      {"/x", "_-x"},                    // "/" in front becomes "-" first
      {" x", "_x"},                     // a blank in front is "_": no prefix
      {std::string_view("a\0b", 3), "a_b"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.element);
    EXPECT_EQ(XmlElementName(row.device), row.element);
  }
}

TEST_F(XmlWriter, WalkThatCannotRunIsAFailure) {
  auto loaded = Load(FixtureSource(), true, /*pass1=*/false);
  EXPECT_EQ(Xml(*loaded->log, 0).first, -1);
}

TEST_F(XmlWriter, WriteFailureAtEveryByte) {
  auto loaded = LoadFixture();
  const std::string full = std::string(Open) + Pc0 + Pc1 + Pc2 + std::string(Close);
  ExpectWriteFailureAtEveryByte(
      full, [&](OutputSink& sink) { return WriteXml(*loaded->log, sink, -1, 0, DefaultFlags, nullptr); });
}

// Several 64 KiB blocks: a failure at a block boundary or in the last block
// (where the closing tag goes) is still -1, with no write after it.
TEST_F(XmlWriter, WriteFailureInLongOutput) {
  LogSource source = FixtureSource();
  source.rows.assign(1500, {512, 7, 55, 210});
  auto loaded = Load(source);
  StringSink whole;
  ASSERT_EQ(WriteXml(*loaded->log, whole, -1, 0, DefaultFlags, nullptr), 1);
  ASSERT_GT(whole.text.size(), 2u * 65536);
  ExpectWriteFailureAt(whole.text, {0, 65535, 65536, 65537, whole.text.size() - Close.size(), whole.text.size() - 1},
                       [&](OutputSink& sink) { return WriteXml(*loaded->log, sink, -1, 0, DefaultFlags, nullptr); });
}

}  // namespace
}  // namespace zerb
