#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/Log.h"
#include "model/Site.h"
#include "tests/model/log_support.h"
#include "tools/LogWriter.h"

namespace zerb {
namespace {

using logtest::LoadImage;

// Two sensors, one output and one ASM, three entries.
LogSource FourChannels() {
  LogSource s;
  s.description = "Plant room";
  s.interval = 60;
  s.newEntryCount = 2;
  s.pcTime = 1000000;
  s.lanTime = 2000000;
  s.localLanTime = 3000000;
  s.sensorSlotsA = {3, 0xFF};
  s.sensorSlotsB = {12};
  s.outputSlotsA = {9};
  s.asmSlots = {0x0421};
  // 60 bits of differences in 8 bytes from byte 0, bit 3.
  s.rows = {{1, 2, 3, 4}, {2, 2, 3, 4}, {0, 30, -3, 4}, {-1, 1, 40, 4}};
  s.startByte = 0;
  s.startBit = 3;
  s.dataSize = 8;
  return s;
}

std::size_t DeviceCount(TSite& site) {
  return static_cast<std::size_t>(site.Sensors.Count() + site.Outputs.Count() + site.Asms.Count());
}

TEST(LogLoad, ReadsTheHeaderAndBuildsTheChannelTable) {
  TSite site;
  auto known = std::make_unique<TSensor>();
  known->Key = 12;
  known->SetName("Flow");
  TDev* flow = known.get();
  site.Sensors.Append(std::move(known));

  TLog log(site);
  ASSERT_EQ(LoadImage(log, MakeLogImage(FourChannels())), 1) << log.LoadError();
  EXPECT_TRUE(log.IsLoaded());
  EXPECT_EQ(log.LoadError(), "");
  EXPECT_EQ(log.Description(), "Plant room");
  EXPECT_EQ(log.GetEntryCount(), 3);
  EXPECT_EQ(log.NewEntryCount(), 2);
  EXPECT_EQ(log.Interval(), 60);
  EXPECT_EQ(log.PcTime(), 1000000u);
  EXPECT_EQ(log.LanTime(), 2000000u);
  EXPECT_EQ(log.LocalLanTime(), 3000000u);
  EXPECT_EQ(log.ChannelCount(), 4);
  EXPECT_EQ(log.SensorChannelCount(), 2);
  EXPECT_EQ(log.OutputChannelCount(), 1);
  EXPECT_EQ(log.DataSize(), 8);
  EXPECT_EQ(log.StartByte(), 0);
  EXPECT_EQ(log.StartBit(), 3);
  const int16_t newest[] = {-1, 1, 40, 4};
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(log.InitialValue(i), newest[i]) << i;

  // Sensors, then outputs, then ASMs; the known key keeps its device, the
  // others get new devices with default names.
  ASSERT_EQ(log.Channels().size(), 4u);
  EXPECT_EQ(log.Channel(0)->NameText(), "SENSOR0/4");
  EXPECT_EQ(log.Channel(1), flow);
  EXPECT_EQ(log.Channel(2)->NameText(), "OUTPUT1/2");
  EXPECT_EQ(log.Channel(3)->NameText(), "ASM1/1/2");
  EXPECT_STREQ(log.Channel(0)->TypeName(), "TS4-C");
  EXPECT_STREQ(log.Channel(3)->TypeName(), "ASM");
  EXPECT_EQ(DeviceCount(site), 4u);

  // Loading again finds the devices made the first time.
  ASSERT_EQ(LoadImage(log, MakeLogImage(FourChannels())), 1);
  EXPECT_EQ(DeviceCount(site), 4u);
}

TEST(LogLoad, EmptySlotsMakeNoColumnAndOnlyTheSumOfTheHeaderCountsMatters) {
  LogSource s;
  s.sensorSlotsA = {0xFF, 5, 0xFF};
  s.outputSlotsB = {0xFF};
  s.asmSlots = {0x0020, 0x0000, 0x0003, 0xFFE0};
  s.rows = {{7, 8}};
  LogParts parts = EncodeLog(s);
  parts.header.channelCounts = {0, 0, 0, 0, 2};  // two channels, all said to be ASMs
  TSite site;
  TLog log(site);
  ASSERT_EQ(LoadImage(log, SerializeLog(parts)), 1) << log.LoadError();
  ASSERT_EQ(log.ChannelCount(), 2);
  EXPECT_EQ(log.Channel(0)->NameText(), "SENSOR0/6");
  EXPECT_EQ(log.Channel(1)->NameText(), "ASM3/0/0");
}

TEST(LogLoad, ALogWithNoChannelsOrNoEntriesLoads) {
  struct Row {
    const char* why;
    LogSource source;
  };
  LogSource noChannels;
  noChannels.rows.assign(5, {});
  LogSource oneRow = FourChannels();
  oneRow.rows.resize(1);
  oneRow.dataSize = -1;
  oneRow.startByte = 0;
  oneRow.startBit = 0;
  const Row rows[] = {{"no channels, empty data area", noChannels}, {"one row, empty data area", oneRow}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    TSite site;
    TLog log(site);
    const std::vector<uint8_t> image = MakeLogImage(row.source);
    ASSERT_EQ(LoadImage(log, image), 1) << log.LoadError();
    EXPECT_EQ(log.DataSize(), 0);
    EXPECT_EQ(log.GetEntryCount(), row.source.rows.size() - 1);
    EXPECT_EQ(log.ComputeOldestValues(logtest::NoStop), static_cast<int>(row.source.rows.size()) - 1);
  }
}

// Each rule of the load: result 0, a reason naming the fault, no device
// added to the site, the log not loaded. The sanitizers watch that nothing
// is read or written outside the fixed areas.
TEST(LogLoad, EveryFailureRuleRejectsTheLogWithAReason) {
  struct Row {
    const char* why;
    void (*change)(LogParts&);
    const char* reason;
  };
  const Row rows[] = {
      {"data area shorter than the header says", [](LogParts& p) { p.header.dataSize = 4096; },
       "the data area holds 8 bytes, the header says 4096"},
      {"two stray bytes", [](LogParts& p) { p.trailer = {0, 0}; }, "more than one byte follows the 8-byte data area"},
      {"format version 2", [](LogParts& p) { p.header.formatVersion = 2; }, "format version 2"},
      {"format version 0", [](LogParts& p) { p.header.formatVersion = 0; }, "format version 0"},
      {"used slots outnumber the channels",
       [](LogParts& p) {
         p.header.channelCounts[0] = 0;
         p.initialValues.pop_back();
       },
       "the configuration names 4 used channels, the header counts 3"},
      {"used slots fall short of the channels",
       [](LogParts& p) {
         p.header.channelCounts[1] = 2;
         p.initialValues.push_back(0);
       },
       "the configuration names 4 used channels, the header counts 5"},
      {"configuration block of 14 bytes",
       [](LogParts& p) {
         p.header.configEnd = static_cast<int16_t>(p.header.configStart + 13);
         p.config.resize(14);
       },
       "the configuration block would be 14 bytes long"},
      {"configuration block of 2049 bytes",
       [](LogParts& p) {
         p.header.configEnd = static_cast<int16_t>(p.header.configStart + 2048);
         p.config.resize(2049);
       },
       "the configuration block would be 2049 bytes long"},
      {"configuration end before its start", [](LogParts& p) { p.header.configEnd = -30000; },
       "the configuration block would be -29999 bytes long"},
      {"configuration range of 65536", [](LogParts& p) { p.header.configStart = -32768, p.header.configEnd = 32767; },
       "the configuration block would be 65536 bytes long"},
      {"slot counts reach past the block", [](LogParts& p) { p.config[14] = 200; },
       "the configuration's slots need 419 bytes, its block holds 21"},
      {"negative data size", [](LogParts& p) { p.header.dataSize = -2; }, "negative data area size (-2 bytes)"},
      {"data size and values above 32768", [](LogParts& p) { p.header.dataSize = 32762; },
       "the data area (32762 bytes) and the newest values of 4 channels need more than 32768 bytes"},
      {"odd data size rounds up past 32768", [](LogParts& p) { p.header.dataSize = 32761; },
       "the data area (32761 bytes) and the newest values of 4 channels need more than 32768 bytes"},
      {"negative start byte", [](LogParts& p) { p.header.startByte = -1; },
       "the first delta set begins at byte -1, outside the 8-byte data area"},
      {"start byte at the data size", [](LogParts& p) { p.header.startByte = 8; },
       "the first delta set begins at byte 8, outside the 8-byte data area"},
      {"start bit 8", [](LogParts& p) { p.header.startBit = 8; }, "begins at bit 8 of its byte"},
      {"empty data area with entries to decode",
       [](LogParts& p) {
         p.header.dataSize = 0;
         p.header.startByte = 0;
         p.data.clear();
       },
       "the data area is empty, but the header counts 3 delta sets of 4 channels"},
  };
  const LogParts sound = EncodeLog(FourChannels());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    LogParts parts = sound;
    row.change(parts);
    TSite site;
    TLog log(site);
    EXPECT_EQ(LoadImage(log, SerializeLog(parts)), 0);
    EXPECT_FALSE(log.IsLoaded());
    EXPECT_NE(log.LoadError().find(row.reason), std::string::npos) << log.LoadError();
    EXPECT_EQ(DeviceCount(site), 0u);
    EXPECT_EQ(log.ComputeOldestValues(logtest::NoStop), -1);
  }
}

TEST(LogLoad, AcceptsTheLargestAreaAndOneStrayByte) {
  struct Row {
    const char* why;
    void (*change)(LogParts&);
  };
  const Row rows[] = {
      {"one stray byte", [](LogParts& p) { p.trailer = {0xAB}; }},
      {"data and values fill 32768 bytes",
       [](LogParts& p) {
         p.header.dataSize = 32760;
         p.data.resize(32760);
       }},
      {"odd data size filling 32768 bytes with its pad",
       [](LogParts& p) {
         p.header.dataSize = 32759;
         p.data.resize(32759);
       }},
      {"configuration block of 2048 bytes with spare bytes",
       [](LogParts& p) {
         p.header.configEnd = static_cast<int16_t>(p.header.configStart + 2047);
         p.config.resize(2048, 0x77);
       }},
      {"reserved bytes and config bytes 0-9 set",
       [](LogParts& p) {
         p.header.reservedFill = 0xFF;
         p.header.reserved41 = 0xFF;
         for (int k = 0; k < 10; ++k) p.config[k] = 0xFF;
       }},
  };
  const LogParts sound = EncodeLog(FourChannels());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    LogParts parts = sound;
    row.change(parts);
    TSite site;
    TLog log(site);
    ASSERT_EQ(LoadImage(log, SerializeLog(parts)), 1) << log.LoadError();
    ASSERT_EQ(log.ComputeOldestValues(logtest::NoStop), 3) << log.PassError();
    const std::vector<int16_t> oldest(log.OldestValues().begin(), log.OldestValues().end());
    EXPECT_EQ(oldest, FourChannels().rows[0]);
  }
}

// A log cut at any byte fails; the whole file loads, and so does the whole
// file with one stray byte, but not with two.
TEST(LogLoad, FailsWhenCutAtAnyByte) {
  LogSource noData;
  noData.sensorSlotsA = {1, 2};
  noData.rows = {{5, 6}};
  const LogSource sources[] = {FourChannels(), noData};
  for (const LogSource& source : sources) {
    const std::vector<uint8_t> image = MakeLogImage(source);
    for (std::size_t cut = 0; cut < image.size() + 3; ++cut) {
      SCOPED_TRACE(testing::Message() << "first " << cut << " of " << image.size() << " bytes");
      std::vector<uint8_t> bytes(image.begin(), image.begin() + static_cast<long>(std::min(cut, image.size())));
      bytes.resize(cut, 0);
      TSite site;
      TLog log(site);
      const int want = cut == image.size() || cut == image.size() + 1 ? 1 : 0;
      ASSERT_EQ(LoadImage(log, bytes), want) << log.LoadError();
      EXPECT_EQ(log.LoadError().empty(), want == 1);
      if (want == 0) {
        EXPECT_EQ(DeviceCount(site), 0u);
      }
    }
  }
}

TEST(LogLoad, AFailedLoadForgetsThePreviousLog) {
  TSite site;
  TLog log(site);
  ASSERT_EQ(LoadImage(log, MakeLogImage(FourChannels())), 1);
  ASSERT_EQ(log.ComputeOldestValues(logtest::NoStop), 3);
  std::vector<uint8_t> image = MakeLogImage(FourChannels());
  image.resize(60);
  EXPECT_EQ(LoadImage(log, image), 0);
  EXPECT_EQ(log.LoadError(), "the file ends inside the log header: it holds 60 of 114 bytes");
  EXPECT_FALSE(log.IsLoaded());
  EXPECT_EQ(log.GetEntryCount(), 0);
  EXPECT_EQ(log.ChannelCount(), 0);
  EXPECT_EQ(log.Channels().size(), 0u);
  EXPECT_EQ(log.Description(), "");
  EXPECT_EQ(log.ComputeOldestValues(logtest::NoStop), -1);
  EXPECT_EQ(log.PassError(), "no log is loaded");
  EXPECT_EQ(logtest::Walk(log, 0).first, 0);
}

TEST(LogLoad, DescriptionEndsAtItsFirstZeroOrFillsAll41Bytes) {
  const struct {
    std::string stored, shown;
  } rows[] = {
      {"", ""},
      {"abc", "abc"},
      {std::string("ab\0cd", 5), "ab"},
      {std::string(41, 'D'), std::string(41, 'D')},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.shown);
    LogParts parts = EncodeLog(FourChannels());
    parts.header.description = row.stored;
    TSite site;
    TLog log(site);
    ASSERT_EQ(LoadImage(log, SerializeLog(parts)), 1);
    EXPECT_EQ(log.Description(), row.shown);
  }
}

}  // namespace
}  // namespace zerb
