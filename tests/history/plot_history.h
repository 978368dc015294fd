#pragma once
// The history a store's plot is checked on: a conflict, a gap, values the
// devices gave none for, a channel added partway and changed meanings.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "history/history_support.h"
#include "support/TempDir.h"

namespace zerb::historytest {

// The logs: rows 0-399 (site file 2), 380-799 with a third sensor and a
// conflicting reading (site file 3: the output on/off, the ASM rescaled),
// then after a gap rows 900-1100.
inline std::vector<std::string> WritePlotHistory(const TempDir& dir) {
  const auto series = LongSeries(1101, 7);
  auto changed = series;
  changed[390][0] = static_cast<int16_t>(changed[390][0] + 40);
  const struct {
    const char* folder;
    int siteFile;
    std::size_t first, last;
    bool added;
  } logs[] = {{"a", 2, 0, 399, false}, {"b", 3, 380, 799, true}, {"c", 3, 900, 1100, true}};
  std::vector<std::string> paths;
  for (const auto& log : logs) {
    std::filesystem::create_directory(dir.File(log.folder));
    WriteSiteFile(dir.File(std::string(log.folder) + "/42.STE"), log.siteFile);
    paths.push_back(dir.File(std::string(log.folder) + "/42.log"));
    EXPECT_TRUE(WriteLogFile(paths.back(), CutLog(log.folder[0] == 'b' ? changed : series, log.first, log.last,
                                                  log.added)));
  }
  return paths;
}

// The time of row `row` of that history.
inline int64_t PlotRowTime(std::size_t row) { return int64_t{FirstTime} + int64_t(row) * Interval; }

}  // namespace zerb::historytest
