#pragma once
// `merge`: the logs of one site joined into one series in memory. Each
// reading once, from the log with the newest end time that holds it,
// whatever the order the logs come in; the rest goes into the report.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "history/HistoryLog.h"
#include "history/HistoryTypes.h"
#include "history/MergedSeries.h"

namespace zerb {

struct LogProblem {
  std::string log;
  std::string reason;
};

struct MergeResult {
  MergedSeries series;
  HistoryReport report;
  std::vector<LogSpan> spans;          // of every merged log
  std::vector<std::string> sources;    // the path of each of those logs
  std::vector<LogProblem> failures;    // logs left out
  std::vector<LogProblem> warnings;    // logs merged with a remark
  std::string refusal;                 // set when nothing could be merged
  std::size_t merged = 0;              // logs merged
};

// Called after each log's rows are added (or the log is left out), with
// the rows it gave: for a progress report.
using LogMerged = std::function<void(uint64_t rows)>;

MergeResult MergeLogs(const std::vector<std::string>& paths, const HistoryLogOptions& options,
                      const LogMerged& logMerged = {});

}  // namespace zerb
