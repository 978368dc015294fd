// The bounds that a site file or a log header can push: each one at its
// edge and one past it. Loads that fail must fail with their reason and add
// nothing to the site; loads that pass must decode exactly what was written.
// The sanitizers watch that nothing is read outside the fixed areas.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/Devices.h"
#include "model/Log.h"
#include "model/Site.h"
#include "tests/model/log_support.h"
#include "tests/model/model_bytes.h"
#include "tools/LogWriter.h"

namespace zerb {
namespace {

using logtest::LoadImage;
using logtest::NoStop;

// Two sensors and one ASM: a 19-byte configuration block (15 + 2 + 2).
LogSource TwoSensorsOneAsm() {
  LogSource s;
  s.sensorSlotsA = {1, 2};
  s.asmSlots = {0x0021};
  s.rows = {{10, -20, 30}, {11, -22, 34}, {9, -21, 38}};
  return s;
}

struct BoundRow {
  const char* why;
  void (*change)(LogParts&);
  const char* reason;  // nullptr: the log loads and decodes to the source's rows
};

void ExpectLoadAsSaid(const BoundRow& row, const LogSource& source) {
  SCOPED_TRACE(row.why);
  LogParts parts = EncodeLog(source);
  row.change(parts);
  TSite site;
  TLog log(site);
  const int loaded = LoadImage(log, SerializeLog(parts));
  if (row.reason != nullptr) {
    EXPECT_EQ(loaded, 0);
    EXPECT_NE(log.LoadError().find(row.reason), std::string::npos) << log.LoadError();
    EXPECT_EQ(site.Sensors.Count() + site.Outputs.Count() + site.Asms.Count(), 0);
    return;
  }
  ASSERT_EQ(loaded, 1) << log.LoadError();
  ASSERT_EQ(log.ComputeOldestValues(NoStop), static_cast<int>(parts.header.entryCount)) << log.PassError();
  const auto [walked, rows] = logtest::Walk(log, 0);
  ASSERT_EQ(walked, 1);
  ASSERT_EQ(rows.size(), source.rows.size());
  for (std::size_t r = 0; r < rows.size(); ++r) EXPECT_EQ(rows[r].values, source.rows[r]) << "row " << r;
}

TEST(LogBounds, ConfigurationBlockLength) {
  const BoundRow rows[] = {
      {"end one before start: length 0", [](LogParts& p) { p.header.configEnd = p.header.configStart - 1; },
       "would be 0 bytes long"},
      {"end two before start: length -1", [](LogParts& p) { p.header.configEnd = p.header.configStart - 2; },
       "would be -1 bytes long"},
      {"end at start: length 1", [](LogParts& p) { p.header.configEnd = p.header.configStart; },
       "would be 1 bytes long"},
      {"a spare byte after the slots",
       [](LogParts& p) {
         p.config.push_back(0xEE);
         ++p.header.configEnd;
       },
       nullptr},
      {"start and end far from 0",
       [](LogParts& p) {
         p.header.configStart = -32768;
         p.header.configEnd = static_cast<int16_t>(-32768 + p.config.size() - 1);
       },
       nullptr},
  };
  for (const BoundRow& row : rows) ExpectLoadAsSaid(row, TwoSensorsOneAsm());

  // Exactly the 15 bytes before the first slot: a log with no channels.
  LogSource bare;
  bare.rows.assign(3, {});
  const LogParts parts = EncodeLog(bare);
  ASSERT_EQ(parts.config.size(), 15u);
  TSite site;
  TLog log(site);
  ASSERT_EQ(LoadImage(log, SerializeLog(parts)), 1) << log.LoadError();
  EXPECT_EQ(log.ChannelCount(), 0);
}

TEST(LogBounds, SlotCountsAtTheEndOfTheBlock) {
  const BoundRow rows[] = {
      {"slots end with the block", [](LogParts&) {}, nullptr},
      {"one more ASM slot than the block holds", [](LogParts& p) { p.config[14] = 2; },
       "the configuration's slots need 21 bytes, its block holds 19"},
      {"the last ASM word half outside the block",
       [](LogParts& p) {
         p.config.pop_back();
         --p.header.configEnd;
       },
       "the configuration's slots need 19 bytes, its block holds 18"},
      {"one more sensor slot than the block holds", [](LogParts& p) { p.config[10] = 3; },
       "the configuration's slots need 20 bytes, its block holds 19"},
      {"one more output slot than the block holds", [](LogParts& p) { p.config[13] = 1; },
       "the configuration's slots need 20 bytes, its block holds 19"},
      {"every count at 255", [](LogParts& p) { std::fill(p.config.begin() + 10, p.config.begin() + 15, 0xFF); },
       "the configuration's slots need 1545 bytes, its block holds 19"},
  };
  for (const BoundRow& row : rows) ExpectLoadAsSaid(row, TwoSensorsOneAsm());
}

TEST(LogBounds, DataSizeAndStartPosition) {
  const BoundRow rows[] = {
      {"data size -1", [](LogParts& p) { p.header.dataSize = -1; }, "negative data area size (-1 bytes)"},
      {"data size -32768", [](LogParts& p) { p.header.dataSize = -32768; }, "negative data area size (-32768 bytes)"},
      {"start at the last byte, codes wrap to byte 0",
       [](LogParts& p) {
         // The same codes one byte on round the ring: the last byte comes first.
         std::rotate(p.data.begin(), p.data.begin() + 1, p.data.end());
         p.header.startByte = static_cast<int16_t>(p.data.size() - 1);
       },
       nullptr},
      {"start bit 255", [](LogParts& p) { p.header.startBit = 255; }, "begins at bit 255 of its byte"},
      {"start byte 1 of an empty area",
       [](LogParts& p) {
         p.header.entryCount = 0;
         p.header.dataSize = 0;
         p.header.startByte = 1;
         p.data.clear();
       },
       "begins at byte 1, outside the 0-byte data area"},
  };
  for (const BoundRow& row : rows) ExpectLoadAsSaid(row, TwoSensorsOneAsm());

  // Start bit 7: the first code begins in the top bit of the start byte.
  LogSource late = TwoSensorsOneAsm();
  late.startByte = 1;
  late.startBit = 7;
  late.dataSize = 8;
  ExpectLoadAsSaid({"start bit 7", [](LogParts&) {}, nullptr}, late);
}

// Every code takes at least one bit and the delta sets go once round the
// ring, so entries × channels may not pass the area's bits.
TEST(LogBounds, DeltaSetsMustFitTheRingOnce) {
  struct Row {
    const char* why;
    uint16_t entries;
    unsigned channels;
    int16_t dataSize;
    bool loads;
  };
  const Row rows[] = {
      {"8 one-bit codes in one byte", 1, 8, 1, true},
      {"2 × 4 codes in one byte", 4, 2, 1, true},
      {"9 codes in one byte", 3, 3, 1, false},
      {"the longest log of the widest table in one byte", 65535, 255, 1, false},
      {"65535 sets of one channel in 8192 bytes", 65535, 1, 8192, true},
      {"65536 sets would not: one channel more", 65535, 2, 8192, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    LogSource s;
    for (unsigned i = 0; i < row.channels; ++i) s.sensorSlotsA.push_back(static_cast<uint8_t>(i));
    s.rows = {std::vector<int16_t>(row.channels, 7)};
    LogParts parts = EncodeLog(s);
    // All codes zero: every row holds the newest values.
    parts.header.entryCount = row.entries;
    parts.header.dataSize = row.dataSize;
    parts.data.assign(static_cast<std::size_t>(row.dataSize), 0);
    TSite site;
    TLog log(site);
    ASSERT_EQ(LoadImage(log, SerializeLog(parts)), row.loads ? 1 : 0) << log.LoadError();
    if (!row.loads) {
      EXPECT_NE(log.LoadError().find("delta sets of " + std::to_string(row.channels) + " channels, at least"),
                std::string::npos)
          << log.LoadError();
      EXPECT_EQ(site.Sensors.Count(), 0);
      continue;
    }
    ASSERT_EQ(log.ComputeOldestValues(NoStop), row.entries);
    for (int16_t v : log.OldestValues()) EXPECT_EQ(v, 7);
  }
}

// An odd data area is padded before the newest values: the decoder must
// wrap at the data size and never read the padding or the values as codes.
TEST(LogBounds, OddDataSizeKeepsValuesOutOfTheRing) {
  for (int16_t size : {int16_t{1}, int16_t{3}, int16_t{32767}}) {
    SCOPED_TRACE(size);
    LogSource s;
    const unsigned channels = size == 32767 ? 0 : 8;
    for (unsigned i = 0; i < channels; ++i) s.sensorSlotsA.push_back(static_cast<uint8_t>(i));
    s.rows = {std::vector<int16_t>(channels, -1), std::vector<int16_t>(channels, -1)};
    s.dataSize = size;
    LogParts parts = EncodeLog(s);  // zero codes: eight per byte, padding 0xFF would read as ones
    TSite site;
    TLog log(site);
    ASSERT_EQ(LoadImage(log, SerializeLog(parts)), 1) << log.LoadError();
    ASSERT_EQ(log.ComputeOldestValues(NoStop), 1) << log.PassError();
    for (std::size_t i = 0; i < channels; ++i) {
      EXPECT_EQ(log.InitialValue(i), -1);
      EXPECT_EQ(log.OldestValues()[i], -1);
    }
  }
  // 32767 data bytes leave room for no value: one channel is one too many.
  LogSource one;
  one.sensorSlotsA = {1};
  one.rows = {{5}};
  LogParts parts = EncodeLog(one);
  parts.header.dataSize = 32767;
  parts.data.assign(32767, 0);
  TSite site;
  TLog log(site);
  EXPECT_EQ(LoadImage(log, SerializeLog(parts)), 0);
  EXPECT_NE(log.LoadError().find("need more than 32768 bytes"), std::string::npos) << log.LoadError();
}

// Text fields filled to their width with no NUL: the text is the whole
// field and stops there, whatever bytes follow.
TEST(SiteBounds, TextFieldsWithoutNul) {
  test::Bytes file;
  file.siteHeader(256, std::string(41, 'N'), std::string(41, 'T'))
      .u16(1)
      .unit(7, 0, 0, std::string(17, 'U'), 0x4142)
      .u16(1)
      .device(std::string(11, 'S'), 0x4443, 1, 2, 0, 'C')
      .u16(1)
      .device(std::string(11, 'O'), 0x4645, 1, 1, 0, '%')
      .u16(1)
      .device(std::string(11, 'A'), 0x4847, 1, 0, 0, ' ');
  TSite site;
  test::File in = test::ReadStream(file.data);
  ASSERT_EQ(site.Load(in.get()), 1);
  EXPECT_EQ(site.NameText(), std::string(41, 'N'));
  EXPECT_EQ(site.TelephoneText(), std::string(41, 'T'));
  const auto* unit = dynamic_cast<const TUnit*>(site.Units.Head());
  ASSERT_NE(unit, nullptr);
  EXPECT_EQ(unit->NameText(), std::string(17, 'U'));
  EXPECT_EQ(unit->Program, 0x4142);
  const struct {
    TDevList* list;
    char letter;
    uint16_t key;
  } lists[] = {{&site.Sensors, 'S', 0x4443}, {&site.Outputs, 'O', 0x4645}, {&site.Asms, 'A', 0x4847}};
  for (const auto& l : lists) {
    SCOPED_TRACE(l.letter);
    const auto* dev = dynamic_cast<const TDev*>(l.list->Head());
    ASSERT_NE(dev, nullptr);
    EXPECT_EQ(dev->NameText(), std::string(11, l.letter));
    EXPECT_EQ(dev->Key, l.key);
  }
}

// The exponent byte at its two ends gives 128 zeros or 128 fraction digits.
TEST(SiteBounds, ExponentByteAtItsEnds) {
  struct Row {
    const char* why;
    bool asmDevice;
    int8_t expByte;
    int raw;
    std::string text;
  };
  const Row rows[] = {
      {"variable output, 127", false, 127, 5, "5" + std::string(127, '0')},
      {"variable output, -128", false, -128, 5, "0." + std::string(127, '0') + "5"},
      {"variable output, -128, zero", false, -128, 0, "0." + std::string(128, '0')},
      {"asm, -128, most negative shown", true, -128, -32767, "-0." + std::string(123, '0') + "32767"},
      {"asm, 127, negative", true, 127, -3, "-3" + std::string(127, '0')},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    TOutputList outputs;
    TASMList asms;
    TDev* dev = row.asmDevice ? asms.FindOrCreate(1) : outputs.FindOrCreate(1);
    if (!row.asmDevice) dev->TypeCode = 1;
    dev->ExpByte = row.expByte;
    EXPECT_EQ(dev->ValueText(row.raw), row.text);
  }
}

}  // namespace
}  // namespace zerb
