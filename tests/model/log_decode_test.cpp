#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "model/Log.h"
#include "model/Site.h"
#include "tests/model/log_support.h"
#include "tools/LogWriter.h"

namespace zerb {
namespace {

using logtest::LoadImage;
using logtest::NoStop;
using logtest::Rows;

// A log of `channels` sensor channels over the given data bytes.
std::vector<uint8_t> HandMadeLog(unsigned channels, uint16_t entries, std::vector<uint8_t> data, int startByte = 0,
                                 int startBit = 0) {
  LogSource s;
  for (unsigned i = 0; i < channels; ++i) s.sensorSlotsA.push_back(static_cast<uint8_t>(i + 1));
  s.rows = {std::vector<int16_t>(channels)};
  LogParts parts = EncodeLog(s);
  parts.header.entryCount = entries;
  parts.header.dataSize = static_cast<int16_t>(data.size());
  parts.header.startByte = static_cast<int16_t>(startByte);
  parts.header.startBit = static_cast<uint8_t>(startBit);
  parts.data = std::move(data);
  return SerializeLog(parts);
}

TEST(LogDecode, DecodesTheFirstDeltaSetAndMovesTheCursors) {
  struct Row {
    const char* why;
    unsigned channels;
    std::vector<uint8_t> data;
    int startByte, startBit;
    std::vector<int16_t> want;
    uint16_t endByte;
    uint8_t endBit;
  };
  const Row rows[] = {
      {"0x3D 0x02 is (-2, +5)", 2, {0x3D, 0x02}, 0, 0, {-2, 5}, 1, 3},
      {"a zero byte holds eight zero differences", 8, {0x00, 0xFF}, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}, 1, 0},
      {"eight zero bits of a one-byte ring come round to the start", 8, {0x00}, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}, 0, 0},
      // +5 (bits 1,1,0,0,0,1,0) from bit 6 of the last byte goes on in byte 0.
      {"a code across the end of the area continues at byte 0", 1, {0x08, 0x00, 0xC0}, 2, 6, {5}, 0, 5},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    TSite site;
    TLog log(site);
    ASSERT_EQ(LoadImage(log, HandMadeLog(row.channels, 1, row.data, row.startByte, row.startBit)), 1)
        << log.LoadError();
    ASSERT_EQ(log.ComputeOldestValues(NoStop), 1);
    EXPECT_EQ(log.ByteCursor(), row.endByte);
    EXPECT_EQ(log.BitCursor(), row.endBit);
    // The newest values are 0, so row 0 is minus the differences.
    for (std::size_t i = 0; i < row.channels; ++i) EXPECT_EQ(log.OldestValues()[i], -row.want[i]) << i;
  }
}

TEST(LogDecode, DecodeEntryContinuesFromTheCursorsAndRefusesShortOutput) {
  TSite site;
  TLog log(site);
  std::vector<int16_t> deltas(2);
  EXPECT_FALSE(log.DecodeEntry(deltas));  // not loaded
  ASSERT_EQ(LoadImage(log, HandMadeLog(2, 2, {0x3D, 0x02})), 1);
  ASSERT_EQ(log.ComputeOldestValues(NoStop), 2);  // resets and moves the cursors
  EXPECT_EQ(log.ByteCursor(), 1);
  EXPECT_EQ(log.BitCursor(), 5);  // 11 bits, then two zero codes
  std::vector<int16_t> one(1);
  EXPECT_FALSE(log.DecodeEntry(one));
  ASSERT_TRUE(log.DecodeEntry(deltas));
  EXPECT_EQ(deltas, (std::vector<int16_t>{0, 0}));
  EXPECT_EQ(log.BitCursor(), 7);
}

// Five leading one-bits cannot be decoded: pass 1 stops with -1 and says
// where, whatever the ring size, and nothing outside the area is read.
TEST(LogDecode, FiveLeadingOnesMarkTheStreamDamaged) {
  struct Row {
    const char* why;
    unsigned channels;
    uint16_t entries;
    std::vector<uint8_t> data;
    const char* reason;
  };
  const Row rows[] = {
      {"first code", 1, 3, {0x1F},
       "the log's data is damaged: delta set 0, channel 1 has a code with five or more leading one-bits at byte 0, "
       "bit 0 of the data area"},
      {"all ones, one byte", 3, 1, {0xFF}, "delta set 0, channel 1"},
      {"all ones, three bytes", 1, 9, {0xFF, 0xFF, 0xFF}, "delta set 0, channel 1"},
      {"after two zero sets", 2, 3, {0xF0, 0x01}, "delta set 2, channel 1 has a code with five or more leading one-bits "
                                                   "at byte 0, bit 4"},
      {"second channel", 2, 1, {0x3E}, "delta set 0, channel 2 has a code with five or more leading one-bits at byte 0, "
                                       "bit 1"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    TSite site;
    TLog log(site);
    ASSERT_EQ(LoadImage(log, HandMadeLog(row.channels, row.entries, row.data)), 1) << log.LoadError();
    EXPECT_EQ(log.ComputeOldestValues(NoStop), -1);
    EXPECT_NE(log.PassError().find(row.reason), std::string::npos) << log.PassError();
    EXPECT_EQ(logtest::Walk(log, 0).first, 0);  // no walk without a sound pass 1
  }
}

TEST(LogDecode, Pass1CallsBackAfterEachEntryAndStopsWhenAsked) {
  static std::vector<uint16_t> seen;
  static int stopAt;
  const ProgressCallback record = [](uint16_t e) {
    seen.push_back(e);
    return e == stopAt ? 1 : 0;
  };
  struct Row {
    uint16_t entries;
    int stop;
    int result;
    std::size_t calls;
  };
  const Row rows[] = {{0, -1, 0, 0}, {5, -1, 5, 5}, {5, 0, -1, 1}, {5, 4, -1, 5}, {5, 2, -1, 3}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.entries << " entries, stop at " << row.stop);
    TSite site;
    TLog log(site);
    ASSERT_EQ(LoadImage(log, HandMadeLog(1, row.entries, {0x00})), 1) << log.LoadError();
    seen.clear();
    stopAt = row.stop;
    EXPECT_EQ(log.ComputeOldestValues(record), row.result);
    ASSERT_EQ(seen.size(), row.calls);
    for (std::size_t k = 0; k < seen.size(); ++k) EXPECT_EQ(seen[k], k);
    EXPECT_EQ(log.PassError(), "");  // a stop is not a fault
  }
}

// The backbone: random rows written by the log writer at a random place in
// a ring with slack come back through pass 1 and the row walk.
TEST(LogDecode, RandomRowsComeBackThroughPass1AndTheWalk) {
  std::mt19937 rng(20240611);
  for (int trial = 0; trial < 300; ++trial) {
    const std::size_t channels = 1 + rng() % 8;
    const std::size_t count = 1 + rng() % 200;
    const Rows rows = logtest::RandomRows(rng, count, channels);
    LogSource source = logtest::SensorSource(rows);
    source.interval = static_cast<uint16_t>(rng());
    const LogParts minimal = EncodeLog(source);
    source.dataSize = static_cast<int>(minimal.data.size() + rng() % 4);
    if (source.dataSize == 0) source.dataSize = 1;
    source.startByte = static_cast<int>(rng() % static_cast<unsigned>(source.dataSize));
    source.startBit = static_cast<int>(rng() % 8);
    const LogParts parts = EncodeLog(source);
    SCOPED_TRACE(testing::Message() << "trial " << trial << ": " << count << " rows of " << channels
                                    << ", data " << source.dataSize << " from " << source.startByte << "."
                                    << source.startBit);
    TSite site;
    TLog log(site);
    ASSERT_EQ(LoadImage(log, SerializeLog(parts)), 1) << log.LoadError();
    ASSERT_EQ(log.ComputeOldestValues(NoStop), static_cast<int>(count - 1)) << log.PassError();
    EXPECT_EQ(std::vector<int16_t>(log.OldestValues().begin(), log.OldestValues().end()), rows[0]);

    const auto endTime = static_cast<uint32_t>(rng());
    const auto [result, written] = logtest::Walk(log, endTime);
    ASSERT_EQ(result, 1);
    ASSERT_EQ(written.size(), count);
    for (std::size_t r = 0; r < count; ++r) {
      EXPECT_EQ(written[r].values, rows[r]) << "row " << r;
      EXPECT_EQ(written[r].time, endTime - uint32_t{source.interval} * static_cast<uint32_t>(count - 1 - r));
    }
  }
}

TEST(LogDecode, TheLongestLogDecodesWholly) {
  Rows rows(65536, std::vector<int16_t>(2));
  for (std::size_t r = 1; r < rows.size(); ++r) {
    rows[r] = rows[r - 1];
    if (r % 1000 == 0) rows[r][0] = static_cast<int16_t>(rows[r][0] + 32767);
    if (r % 7 == 0) rows[r][1] = static_cast<int16_t>(rows[r][1] - 1);
  }
  LogSource source = logtest::SensorSource(rows);
  source.startByte = 100;
  TSite site;
  TLog log(site);
  ASSERT_EQ(LoadImage(log, MakeLogImage(source)), 1) << log.LoadError();
  ASSERT_EQ(log.GetEntryCount(), 65535);
  static uint16_t last;
  const ProgressCallback keep = [](uint16_t e) {
    last = e;
    return 0;
  };
  ASSERT_EQ(log.ComputeOldestValues(keep), 65535);
  EXPECT_EQ(last, 65534);
  EXPECT_EQ(log.OldestValues()[0], 0);
  EXPECT_EQ(log.OldestValues()[1], 0);
  std::size_t r = 0;
  bool same = true;
  EXPECT_EQ(log.WalkRows(0, -1, 0, keep, [&](uint32_t, std::span<const int16_t> v) {
    same = same && v[0] == rows[r][0] && v[1] == rows[r][1];
    ++r;
  }), 1);
  EXPECT_TRUE(same);
  EXPECT_EQ(r, 65536u);
  EXPECT_EQ(last, 65535);
}

}  // namespace
}  // namespace zerb
