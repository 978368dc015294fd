#include <gtest/gtest.h>

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
using logtest::Walk;

// A loaded log whose row r holds (r, -r), pass 1 done.
void LoadCountingLog(TLog& log, uint16_t entries, uint16_t newEntries, uint16_t interval = 60) {
  Rows rows;
  for (int r = 0; r <= entries; ++r) rows.push_back({static_cast<int16_t>(r), static_cast<int16_t>(-r)});
  LogSource source = logtest::SensorSource(rows);
  source.newEntryCount = newEntries;
  source.interval = interval;
  ASSERT_EQ(LoadImage(log, MakeLogImage(source)), 1) << log.LoadError();
  ASSERT_EQ(log.ComputeOldestValues(NoStop), entries);
}

// The first row of the new-entries selection, computed apart from TLog.
long ExpectedStartRow(long entries, long newEntries, long overlap) {
  if (overlap < 0) return 0;
  const long s = ((entries - newEntries) % 65536 + 65536) % 65536;
  const long o = overlap % 65536;
  return s <= o ? 0 : s - o;
}

TEST(LogWalk, WritesExactlyTheSelectedRowsWithTheirTimes) {
  const uint16_t entryCounts[] = {0, 1, 7, 20};
  const int overlaps[] = {-1, -5, 0, 1, 2, 4, 65535, 65537};
  const uint16_t skips[] = {0, 1, 2, 3, 65535};
  for (uint16_t entries : entryCounts) {
    const uint16_t newCounts[] = {0, 1, 3, entries, static_cast<uint16_t>(entries + 1),
                                  static_cast<uint16_t>(entries + 5), 65535};
    for (uint16_t newEntries : newCounts) {
      TSite site;
      TLog log(site);
      LoadCountingLog(log, entries, newEntries);
      for (int overlap : overlaps) {
        for (uint16_t skip : skips) {
          SCOPED_TRACE(testing::Message() << "entries " << entries << ", new " << newEntries << ", overlap "
                                          << overlap << ", skip " << skip);
          const long startRow = ExpectedStartRow(entries, newEntries, overlap);
          EXPECT_EQ(log.StartRow(overlap), static_cast<uint32_t>(startRow));
          std::vector<logtest::WrittenRow> want;
          for (long r = 0; r <= entries; ++r)
            if (r >= startRow && r % (skip + 1) == 0)
              want.push_back({static_cast<uint32_t>(5000 - 60 * (entries - r)),
                              {static_cast<int16_t>(r), static_cast<int16_t>(-r)}});
          const auto [result, written] = Walk(log, 5000, overlap, skip);
          EXPECT_EQ(result, 1);
          EXPECT_EQ(written, want);
          // The count without a walk names the same rows.
          const WrittenRowRange range = log.RowsWritten(overlap, skip);
          ASSERT_EQ(range.count, want.size());
          if (!want.empty()) {
            EXPECT_EQ(range.first, static_cast<uint32_t>(want.front().values[0]));
            EXPECT_EQ(range.last, static_cast<uint32_t>(want.back().values[0]));
          }
        }
      }
    }
  }
}

TEST(LogWalk, CallsBackBeforeEveryRowAndStopsAtOnce) {
  static std::vector<uint16_t> seen;
  static int stopAt;
  const ProgressCallback record = [](uint16_t r) {
    seen.push_back(r);
    return r == stopAt ? 1 : 0;
  };
  struct Row {
    uint16_t entries;
    int stop;
    int result;
    std::size_t calls, rows;
  };
  const Row rows[] = {
      {0, -1, 1, 1, 1}, {4, -1, 1, 5, 5}, {4, 0, 0, 1, 0}, {4, 3, 0, 4, 3}, {4, 4, 0, 5, 4},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.entries << " entries, stop at " << row.stop);
    TSite site;
    TLog log(site);
    LoadCountingLog(log, row.entries, 0);
    seen.clear();
    stopAt = row.stop;
    const auto [result, written] = Walk(log, 0, -1, 0, record);
    EXPECT_EQ(result, row.result);
    EXPECT_EQ(written.size(), row.rows);
    ASSERT_EQ(seen.size(), row.calls);
    for (std::size_t k = 0; k < seen.size(); ++k) EXPECT_EQ(seen[k], k);
  }
}

TEST(LogWalk, RowTimesCountBackFromTheEndTimeAndWrap) {
  TSite site;
  TLog log(site);
  LoadCountingLog(log, 10, 0, 60);
  const auto [result, written] = Walk(log, 100);
  ASSERT_EQ(written.size(), 11u);
  EXPECT_EQ(written[0].time, 100u - 600u);  // before 1970: wraps to near 2^32
  EXPECT_EQ(written[10].time, 100u);
  EXPECT_EQ(log.EndTime(), 100u);
  EXPECT_EQ(log.StartTime(), 100u - 600u);
  EXPECT_EQ(log.RowTime(), 160u);  // one interval after the last row
}

TEST(LogWalk, OneRowLogsAndChannelFreeLogs) {
  struct Row {
    const char* why;
    Rows rows;
  };
  const Row rows[] = {
      {"no entries: the newest values at the end time", {{-7, 32767}}},
      {"no channels: rows of times only", Rows(4)},
      {"16-bit wrap: 32767 + 1 reads -32768", {{32767, -32768}, {-32768, 32767}, {-32767, -32768}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    TSite site;
    TLog log(site);
    LogSource source = logtest::SensorSource(row.rows);
    source.interval = 10;
    ASSERT_EQ(LoadImage(log, MakeLogImage(source)), 1) << log.LoadError();
    ASSERT_EQ(log.ComputeOldestValues(NoStop), static_cast<int>(row.rows.size()) - 1);
    const auto [result, written] = Walk(log, 1000);
    EXPECT_EQ(result, 1);
    ASSERT_EQ(written.size(), row.rows.size());
    for (std::size_t r = 0; r < written.size(); ++r) {
      EXPECT_EQ(written[r].values, row.rows[r]);
      EXPECT_EQ(written[r].time, 1000 - 10 * (row.rows.size() - 1 - r));
    }
  }
}

TEST(LogWalk, NeedsPass1OnTheCurrentLoadAndRepeats) {
  TSite site;
  TLog log(site);
  LoadCountingLog(log, 5, 0);
  const auto first = Walk(log, 0, -1, 1);
  const auto again = Walk(log, 0, -1, 1);
  EXPECT_EQ(again, first);

  Rows rows = {{1, 1}, {2, 2}};
  ASSERT_EQ(LoadImage(log, MakeLogImage(logtest::SensorSource(rows))), 1);
  EXPECT_EQ(Walk(log, 0).first, 0);
  EXPECT_EQ(log.PassError(), "the oldest values have not been computed");
  ASSERT_EQ(log.ComputeOldestValues(NoStop), 1);
  EXPECT_EQ(Walk(log, 0).second.size(), 2u);
}

// Pass 2 reads the delta sets pass 1 kept; a walk stopped over them leaves
// the cursors where decoding would have.
TEST(LogWalk, AStopOverKeptDeltasLeavesTheCursorsOfDecoding) {
  static int stopAt;
  const ProgressCallback stop = [](uint16_t r) { return r == stopAt ? 1 : 0; };
  for (const int row : {1, 3, 7}) {
    SCOPED_TRACE(row);
    TSite site;
    TLog walked(site), decoded(site);
    LoadCountingLog(walked, 7, 0);
    LoadCountingLog(decoded, 7, 0);
    stopAt = row;
    EXPECT_EQ(Walk(walked, 0, -1, 0, stop).first, 0);
    stopAt = row - 1;  // pass 1 calls back after each set
    EXPECT_EQ(decoded.ComputeOldestValues(stop), -1);
    EXPECT_EQ(walked.ByteCursor(), decoded.ByteCursor());
    EXPECT_EQ(walked.BitCursor(), decoded.BitCursor());
  }
}

}  // namespace
}  // namespace zerb
