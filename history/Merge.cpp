#include "history/Merge.h"

#include <algorithm>
#include <map>
#include <set>

#include "history/ChannelTable.h"
#include "history/Spans.h"

namespace zerb {

namespace {

// What the first reading of a log tells the merge.
struct LogFacts {
  std::string path;
  uint16_t site = 0;
  LogRank rank;
  LogSpan span;
  std::vector<SeriesChannel> channels;
  std::vector<LogSpan> dropped;  // spans of newer logs off this one's grid
};

std::vector<LogFacts> ReadFacts(const std::vector<std::string>& paths, const HistoryLogOptions& options,
                                MergeResult& result) {
  std::vector<LogFacts> facts;
  HistoryLog log;
  for (const std::string& path : paths) {
    if (!log.Open(path, options)) {
      result.failures.push_back({path, log.Error()});
      continue;
    }
    if (!log.Warning().empty()) result.warnings.push_back({path, log.Warning()});
    auto channels = log.Channels();
    facts.push_back({path, log.SiteNumber(), log.Rank(), log.Span(), {channels.begin(), channels.end()}, {}});
  }
  std::sort(facts.begin(), facts.end(), [](const LogFacts& a, const LogFacts& b) { return a.rank > b.rank; });
  return facts;
}

std::string SitesRefusal(const std::vector<LogFacts>& facts) {
  std::set<uint16_t> sites;
  for (const LogFacts& f : facts) sites.insert(f.site);
  if (sites.size() <= 1) return {};
  std::string text = "the logs belong to different sites:";
  for (const LogFacts& f : facts) text += " " + f.path + " (site " + std::to_string(f.site) + ")";
  return text;
}

void FindOffGrid(std::vector<LogFacts>& facts, HistoryReport& report) {
  for (std::size_t newer = 0; newer < facts.size(); ++newer)
    for (std::size_t older = newer + 1; older < facts.size(); ++older) {
      const LogSpan& a = facts[newer].span;
      const LogSpan& b = facts[older].span;
      if (!Overlaps(a, b)) continue;
      const auto shift = GridShift(a, b);
      if (!shift) continue;
      report.offGrid.push_back({facts[newer].path, facts[older].path, *shift, a.interval, b.interval});
      facts[older].dropped.push_back(a);
    }
}

bool Dropped(const LogFacts& f, uint32_t time) {
  return std::any_of(f.dropped.begin(), f.dropped.end(),
                     [time](const LogSpan& s) { return time >= s.first && time <= s.last; });
}

// The log a kept reading came from: the newest one holding it.
std::string KeptLog(const std::vector<LogFacts>& facts, ChannelId id, uint32_t time) {
  for (const LogFacts& f : facts) {
    const bool holds = std::any_of(f.channels.begin(), f.channels.end(),
                                   [id](const SeriesChannel& c) { return IdOf(c) == id; });
    if (holds && time >= f.span.first && time <= f.span.last && !Dropped(f, time)) return f.path;
  }
  return {};
}

// Adds one log's rows; readings already there come from newer logs and stay.
bool AddRows(const LogFacts& f, HistoryLog& log, const std::vector<LogFacts>& facts, MergeResult& result) {
  const std::span<const SeriesChannel> columns = result.series.Channels();
  const std::vector<int> column = ColumnsOf(log.Channels(), columns);
  const std::vector<bool> repeated = RepeatedChannels(log.Channels());
  const int walked = log.Rows().ForEachRow([&](uint32_t time, std::span<const Reading> readings) {
    if (Dropped(f, time)) return true;
    std::vector<Reading>& row = result.series.RowAt(time);
    for (std::size_t i = 0; i < readings.size(); ++i) {
      if (repeated[i] || column[i] < 0) continue;
      Reading& cell = row[static_cast<std::size_t>(column[i])];
      if (!cell.present) {
        cell = readings[i];
      } else if (cell.raw != readings[i].raw) {
        const ChannelId id = IdOf(columns[static_cast<std::size_t>(column[i])]);
        if (result.report.conflicts.size() < HistoryReport::ListedConflicts)
          result.report.Add({id, time, cell.raw, readings[i].raw, KeptLog(facts, id, time), f.path});
        else
          ++result.report.conflictCount;
      }
    }
    return true;
  });
  if (walked != 1) result.failures.push_back({f.path, log.Rows().Error()});
  return walked == 1;
}

}  // namespace

MergeResult MergeLogs(const std::vector<std::string>& paths, const HistoryLogOptions& options) {
  MergeResult result;
  std::vector<LogFacts> facts = ReadFacts(paths, options, result);
  result.refusal = SitesRefusal(facts);
  if (!result.refusal.empty()) return result;
  ChannelTable table;
  for (const LogFacts& f : facts) table.Add(f.channels);
  result.series = MergedSeries(table.Columns());
  FindOffGrid(facts, result.report);
  HistoryLog log;
  for (const LogFacts& f : facts) {
    if (!log.Open(f.path, options) || log.Hash() != f.rank.hash) {
      result.failures.push_back({f.path, log.Error().empty() ? "the log changed while it was merged" : log.Error()});
      continue;
    }
    if (AddRows(f, log, facts, result)) {
      result.spans.push_back(f.span);
      ++result.merged;
    }
  }
  result.report.gaps = FindGaps(result.spans);
  return result;
}

}  // namespace zerb
