#include "tools/LogWriter.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "model/ByteIO.h"
#include "tools/LogText.h"

namespace zerb {
namespace {

LogSource SmallSource() {
  LogSource s;
  s.description = "Boiler house";
  s.newEntryCount = 1;
  s.interval = 900;
  s.pcTime = 0x11223344;
  s.lanTime = 0x55667788;
  s.localLanTime = 0x99AABBCC;
  s.configStart = 100;
  s.sensorSlotsA = {3, 0xFF};
  s.sensorSlotsB = {4};
  s.outputSlotsB = {9};
  s.asmSlots = {0x0421, 0x0020};  // the second is empty: low five bits 0
  s.rows = {{0, 0, 0, 0}, {-2, 5, 0, 0}};
  return s;
}

TEST(LogWriter, LaysOutEveryHeaderFieldAndArea) {
  const std::vector<uint8_t> image = MakeLogImage(SmallSource());
  const uint8_t* p = image.data();
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(p)), "Boiler house");
  struct Field {
    std::size_t offset, size;
    uint32_t want;
    const char* name;
  };
  const Field fields[] = {
      {42, 1, 1, "formatVersion"},  {43, 2, 100, "configStart"},   {45, 2, 100 + 15 + 4 + 4 - 1, "configEnd"},
      {61, 2, 1, "entryCount"},     {63, 2, 1, "newEntryCount"},   {65, 2, 900, "interval"},
      {75, 1, 1, "sensorCountA"},   {76, 1, 1, "sensorCountB"},    {77, 1, 0, "outputCountA"},
      {78, 1, 1, "outputCountB"},   {79, 1, 1, "asmCount"},        {86, 2, 2, "dataSize"},
      {90, 2, 0, "startByte"},      {93, 1, 0, "startBit"},        {102, 4, 0x11223344, "pcTime"},
      {106, 4, 0x55667788, "lanTime"}, {110, 4, 0x99AABBCC, "localLanTime"},
  };
  for (const Field& f : fields) {
    SCOPED_TRACE(f.name);
    const uint32_t got = f.size == 1 ? p[f.offset] : f.size == 2 ? load_le16(p + f.offset) : load_le32(p + f.offset);
    EXPECT_EQ(got, f.want);
  }
  const std::vector<uint8_t> config(p + 114, p + 114 + 23);
  const std::vector<uint8_t> wantConfig = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1, 0, 1, 2,
                                           3, 0xFF, 4, 9, 0x21, 0x04, 0x20, 0x00};
  EXPECT_EQ(config, wantConfig);
  // Newest values (-2, 5, 0, 0), then the data: -2 and +5 as 0x3D 0x02, two zero bits.
  const std::vector<uint8_t> tail(p + 137, p + image.size());
  const std::vector<uint8_t> wantTail = {0xFE, 0xFF, 5, 0, 0, 0, 0, 0, 0x3D, 0x02};
  EXPECT_EQ(tail, wantTail);
}

TEST(LogWriter, ChoosesTheDataSizeOrTakesTheCallers) {
  struct Row {
    int dataSize, startByte;
    std::size_t want;
    const char* why;
  };
  const Row rows[] = {
      {-1, 0, 2, "11 bits need 2 bytes"},
      {-1, 5, 6, "the start byte must lie inside"},
      {40, 39, 40, "the caller's size"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    LogSource s = SmallSource();
    s.dataSize = row.dataSize;
    s.startByte = row.startByte;
    const LogParts parts = EncodeLog(s);
    EXPECT_EQ(parts.data.size(), row.want);
    EXPECT_EQ(static_cast<std::size_t>(parts.header.dataSize), row.want);
  }
  LogSource noEntries = SmallSource();
  noEntries.rows.resize(1);
  EXPECT_EQ(EncodeLog(noEntries).data.size(), 0u);
}

TEST(LogWriter, RejectsSourcesItCannotEncode) {
  struct Row {
    const char* why;
    void (*change)(LogSource&);
  };
  const Row rows[] = {
      {"no rows", [](LogSource& s) { s.rows.clear(); }},
      {"row too narrow", [](LogSource& s) { s.rows[1].pop_back(); }},
      {"65537 rows", [](LogSource& s) { s.rows.resize(65537, s.rows[0]); }},
      {"data area too small", [](LogSource& s) { s.dataSize = 1; }},
      {"area and values above 32768", [](LogSource& s) { s.dataSize = 32762; }},
      {"start bit 8", [](LogSource& s) { s.startBit = 8; }},
      {"start byte outside", [](LogSource& s) { s.dataSize = 4, s.startByte = 4; }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    LogSource s = SmallSource();
    row.change(s);
    EXPECT_ANY_THROW(EncodeLog(s));
  }
}

TEST(LogWriter, CutsTheDescriptionAt41BytesAndFillsReservedBytes) {
  LogParts parts = EncodeLog(SmallSource());
  parts.header.description = std::string(50, 'x');
  parts.header.reservedFill = 0xEE;
  parts.trailer = {7};
  const std::vector<uint8_t> image = SerializeLog(parts);
  EXPECT_EQ(std::string(image.begin(), image.begin() + 41), std::string(41, 'x'));
  EXPECT_EQ(image[41], 0);  // reserved41 is its own field
  EXPECT_EQ(image[47], 0xEE);
  EXPECT_EQ(image[113 - 20], 0);  // startBit stays a field
  EXPECT_EQ(image.back(), 7);
}

TEST(LogText, DescribesTheSameLogAsTheSource) {
  const char* text =
      "# the small log\n"
      "description = Boiler house\n"
      "newEntryCount = 1\ninterval = 900\n"
      "pcTime = 0x11223344\nlanTime = 0x55667788\nlocalLanTime = 0x99AABBCC\n"
      "configStart = 100\n"
      "sensors = 3, 0xFF\nsensorsB = 4\noutputsB = 9\nasms = 0x0421 0x0020\n"
      "\n"
      "0 0 0 0\n"
      "-2, 5, 0, 0\n";
  EXPECT_EQ(SerializeLog(ParseLogText(text)), MakeLogImage(SmallSource()));
}

TEST(LogText, ForcesHeaderFieldsAndAddsATrailer) {
  const LogParts parts = ParseLogText(
      "sensors = 1\nheader.formatVersion = 2\nheader.dataSize = -3\nheader.entryCount = 9\n"
      "header.sensorCountB = 4\ntrailer = 2\n5\n6\n");
  EXPECT_EQ(parts.header.formatVersion, 2);
  EXPECT_EQ(parts.header.dataSize, -3);
  EXPECT_EQ(parts.header.entryCount, 9);
  EXPECT_EQ(parts.header.channelCounts[0], 1);
  EXPECT_EQ(parts.header.channelCounts[1], 4);
  EXPECT_EQ(parts.data.size(), 1u);
  EXPECT_EQ(parts.trailer.size(), 2u);
}

TEST(LogText, NamesTheLineOfAnError) {
  struct Row {
    const char* text;
    const char* message;
  };
  const Row rows[] = {
      {"sensors = 1\n\ncolour = red\n1\n", "line 3: unknown key colour"},
      {"sensors = 1\n1\n2 x\n", "line 3: not a number: x"},
      {"sensors = 1\nheader.size = 1\n1\n", "line 2: unknown header field size"},
      {"startBit = 8\n", "line 1: number out of range"},
      {"sensors = 256\n", "line 1: slot key out of range"},
      {"sensors = 1\n70000\n", "line 2: value out of 16 bits"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    try {
      ParseLogText(row.text);
      ADD_FAILURE() << "no error";
    } catch (const std::invalid_argument& e) {
      EXPECT_EQ(std::string(e.what()), row.message);
    }
  }
}

}  // namespace
}  // namespace zerb
