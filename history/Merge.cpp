#include "history/Merge.h"

#include <algorithm>
#include <map>
#include <set>

#include "history/ChannelTable.h"
#include "history/Spans.h"

namespace zerb {

namespace {

constexpr const char* BookName = "among the merged logs";

// What the first reading of a log tells the merge.
struct LogFacts {
  std::string path;
  std::string bytes;  // the one reading of the log, hashed and decoded alike
  uint32_t site = 0;
  LogRank rank;
  LogSpan span;
  DecodeInputs inputs;
  std::vector<SeriesChannel> channels;  // as decoded
  std::vector<LogSpan> dropped;         // spans of newer logs off this one's grid
};

std::vector<LogFacts> ReadFacts(const std::vector<std::string>& paths, const HistoryLogOptions& options,
                                DescriptionBook& book, MergeResult& result) {
  std::vector<LogFacts> facts;
  HistoryLog log;
  for (const std::string& path : paths) {
    if (!log.Open(path, options)) {
      result.failures.push_back({path, log.Error()});
      continue;
    }
    for (DescriptionVersion& version : log.OwnDescriptions()) book.Add(std::move(version));
    facts.push_back({path, log.Bytes(), log.SiteNumber(), log.Rank(), log.Span(), log.Inputs(), {}, {}});
  }
  std::sort(facts.begin(), facts.end(), [](const LogFacts& a, const LogFacts& b) { return a.rank > b.rank; });
  return facts;
}

std::string SitesRefusal(const std::vector<LogFacts>& facts) {
  std::set<uint32_t> sites;
  for (const LogFacts& f : facts) sites.insert(f.site);
  if (sites.size() <= 1) return {};
  std::string text = "the logs belong to different sites:";
  for (const LogFacts& f : facts) text += " " + f.path + " (site " + std::to_string(f.site) + ")";
  return text;
}

// Decides each log's descriptions now that every complete one is known;
// refused logs leave the merge.
void DecideDescriptions(std::vector<LogFacts>& facts, const DescriptionBook& book, MergeResult& result) {
  std::vector<LogFacts> kept;
  for (LogFacts& f : facts) {
    const Decision decision = Decide(f.inputs, book, BookName);
    if (!decision.error.empty()) {
      result.failures.push_back({f.path, decision.error});
      continue;
    }
    if (!decision.warning.empty()) result.warnings.push_back({f.path, decision.warning});
    for (const ChannelPlan& p : decision.plan) f.channels.push_back(p.channel);
    kept.push_back(std::move(f));
  }
  facts = std::move(kept);
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

bool Dropped(const LogFacts& f, int64_t time) {
  return std::any_of(f.dropped.begin(), f.dropped.end(),
                     [time](const LogSpan& s) { return time >= s.first && time <= s.last; });
}

// The log a kept reading came from: the newest one holding it.
std::string KeptLog(const std::vector<LogFacts>& facts, ChannelId id, int64_t time) {
  for (const LogFacts& f : facts) {
    const bool holds = std::any_of(f.channels.begin(), f.channels.end(),
                                   [id](const SeriesChannel& c) { return IdOf(c) == id; });
    if (holds && time >= f.span.first && time <= f.span.last && !Dropped(f, time)) return f.path;
  }
  return {};
}

// Adds one log's rows; readings already there come from newer logs and stay
// (whatever column their meaning put them in: a reading is kept once).
bool AddRows(const LogFacts& f, HistoryLog& log, const std::vector<LogFacts>& facts,
             const std::map<ChannelId, std::vector<std::size_t>>& columnsOfChannel, MergeResult& result,
             uint64_t& rows) {
  const std::span<const SeriesChannel> columns = result.series.Channels();
  const std::vector<int> column = ColumnsOf(log.Channels(), columns);
  const std::vector<bool> repeated = RepeatedChannels(log.Channels());
  const int walked = log.Rows().ForEachRow([&](uint32_t clock, std::span<const Reading> readings) {
    const int64_t time = log.TimeOf(clock);
    if (Dropped(f, time)) return true;
    ++rows;
    std::vector<Reading>& row = result.series.RowAt(time, f.span.last);
    for (std::size_t i = 0; i < readings.size(); ++i) {
      if (repeated[i] || column[i] < 0) continue;
      const ChannelId id = IdOf(log.Channels()[i]);
      const Reading* kept = nullptr;
      for (const std::size_t c : columnsOfChannel.at(id))
        if (row[c].present) kept = &row[c];
      if (!kept) {
        row[static_cast<std::size_t>(column[i])] = readings[i];
      } else if (kept->raw != readings[i].raw) {
        if (result.report.conflicts.size() < HistoryReport::ListedConflicts)
          result.report.Add({id, time, kept->raw, readings[i].raw, KeptLog(facts, id, time), f.path});
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

MergeResult MergeLogs(const std::vector<std::string>& paths, const HistoryLogOptions& options,
                      const LogMerged& logMerged) {
  MergeResult result;
  DescriptionBook book;
  std::vector<LogFacts> facts = ReadFacts(paths, options, book, result);
  result.refusal = SitesRefusal(facts);
  if (!result.refusal.empty()) return result;
  DecideDescriptions(facts, book, result);
  ChannelTable table;
  for (const LogFacts& f : facts) table.Add(f.channels, f.span);
  result.series = MergedSeries(table.Columns());
  std::map<ChannelId, std::vector<std::size_t>> columnsOfChannel;
  for (std::size_t c = 0; c < result.series.Channels().size(); ++c)
    columnsOfChannel[IdOf(result.series.Channels()[c])].push_back(c);
  FindOffGrid(facts, result.report);
  HistoryLog log;
  for (LogFacts& f : facts) {
    uint64_t rows = 0;
    if (!log.FromBytes(f.path, std::move(f.bytes), options) || !log.Decode(book, BookName)) {
      result.failures.push_back({f.path, log.Error()});
    } else if (AddRows(f, log, facts, columnsOfChannel, result, rows)) {
      result.spans.push_back(f.span);
      result.sources.push_back(f.path);
      ++result.merged;
    }
    if (logMerged) logMerged(rows);
  }
  result.report.gaps = FindGaps(result.spans);
  return result;
}

}  // namespace zerb
