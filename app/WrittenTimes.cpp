#include "app/WrittenTimes.h"

#include <algorithm>

#include "model/Log.h"
#include "series/LogTime.h"

namespace zerb {

WrittenTimes WrittenTimesOf(const TLog& log, const ConvertOptions& options) {
  const WrittenRowRange rows = log.RowsWritten(options.overlap, options.skip);
  if (rows.count == 0) return {};
  const bool lan = (options.flags & FlagLanTime) != 0;
  const TLogTime end = options.xml ? XmlEndTime(TLogTime(log.PcTime()), TLogTime(log.LanTime()),
                                                TLogTime(log.LocalLanTime()), lan)
                                   : CsvEndTime(TLogTime(log.PcTime()), TLogTime(log.LanTime()), lan);
  const int64_t start = StartTime(end, log.Interval(), log.GetEntryCount()).Seconds();
  // Written rows are `stride` seconds apart, k = 0 to count - 1.
  const int64_t stride = int64_t{log.Interval()} * (int64_t{options.skip} + 1);
  const int64_t firstTime = start + int64_t{log.Interval()} * rows.first;
  int64_t kFirst = 0, kLast = int64_t{rows.count} - 1;
  const RowSelection& chosen = options.selection;
  if (stride > 0 && chosen.from && *chosen.from > firstTime) kFirst = (*chosen.from - firstTime + stride - 1) / stride;
  if (stride > 0 && chosen.to) kLast = std::min(kLast, (int64_t{*chosen.to} - firstTime) / stride);
  if (stride == 0 && ((chosen.from && *chosen.from > firstTime) || (chosen.to && *chosen.to < firstTime))) return {};
  if (kFirst > kLast || kLast < 0) return {};
  const auto at = [&](int64_t k) { return static_cast<uint32_t>(firstTime + stride * k); };
  return {at(kFirst), at(kLast)};
}

}  // namespace zerb
