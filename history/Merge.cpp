#include "history/Merge.h"

#include <algorithm>
#include <cassert>
#include <iterator>
#include <map>
#include <optional>
#include <span>
#include <set>

#include "history/ChannelTable.h"
#include "history/Spans.h"
#include "series/LogSeriesWalk.h"
#include "series/ReadingRule.h"

namespace zerb {

namespace {

constexpr const char* BookName = "among the merged logs";

// What the first reading of a log tells the merge.
struct LogFacts {
  std::string path;
  std::unique_ptr<HistoryLog> log;  // read, hashed and through pass 1 once; decoded when its rows are read
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
  for (const std::string& path : paths) {
    auto log = std::make_unique<HistoryLog>();
    if (!log->Open(path, options)) {
      result.failures.push_back({path, log->Error()});
      continue;
    }
    for (DescriptionVersion& version : log->OwnDescriptions()) book.Add(std::move(version));
    const uint32_t site = log->SiteNumber();
    const LogRank rank = log->Rank();
    const LogSpan span = log->Span();
    DecodeInputs inputs = log->Inputs();
    facts.push_back({path, std::move(log), site, rank, span, std::move(inputs), {}, {}});
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

// The times of a log's rows on the merged grid: every interval of its span
// but those newer logs off its grid drop, oldest first. A log's rows lie
// exactly there: the logger writes one every interval up to its last.
std::vector<int64_t> RowTimes(const LogFacts& f) {
  std::vector<int64_t> times;
  const int64_t step = f.span.interval == 0 ? 1 : f.span.interval;
  times.reserve(static_cast<std::size_t>((f.span.last - f.span.first) / step) + 1);
  const bool drops = !f.dropped.empty();
  for (int64_t t = f.span.first; t <= f.span.last; t += step)
    if (!drops || !Dropped(f, t)) times.push_back(t);
  return times;
}

// Every interval from the first row of the logs to the last, when they
// share one interval and phase (no log is then off another's grid): a
// time no log gives goes with the rows without a log. Nothing when that
// grid would be more than twice as long as their rows together, so that a
// gap of years between two logs costs no memory.
std::optional<std::vector<int64_t>> SharedGrid(const std::vector<LogFacts>& facts) {
  if (facts.empty() || facts.front().span.interval == 0) return std::nullopt;
  const int64_t step = facts.front().span.interval;
  int64_t first = INT64_MAX, last = INT64_MIN, rows = 0;
  for (const LogFacts& f : facts) {
    if (f.span.interval != step || (f.span.first - facts.front().span.first) % step != 0) return std::nullopt;
    first = std::min(first, f.span.first);
    last = std::max(last, f.span.last);
    rows += (f.span.last - f.span.first) / step + 1;
  }
  const int64_t count = (last - first) / step + 1;
  if (count > 2 * rows) return std::nullopt;
  std::vector<int64_t> times(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < times.size(); ++i) times[i] = first + static_cast<int64_t>(i) * step;
  return times;
}

// The distinct row times of every log, oldest first: sorted runs joined in
// pairs.
std::vector<int64_t> GridTimes(const std::vector<LogFacts>& facts) {
  if (auto shared = SharedGrid(facts)) return std::move(*shared);
  std::vector<std::vector<int64_t>> runs;
  for (const LogFacts& f : facts) runs.push_back(RowTimes(f));
  if (runs.empty()) return {};
  while (runs.size() > 1) {
    std::vector<std::vector<int64_t>> joined;
    for (std::size_t i = 0; i + 1 < runs.size(); i += 2) {
      std::vector<int64_t>& both = joined.emplace_back();
      both.reserve(runs[i].size() + runs[i + 1].size());
      std::set_union(runs[i].begin(), runs[i].end(), runs[i + 1].begin(), runs[i + 1].end(), std::back_inserter(both));
    }
    if (runs.size() % 2 == 1) joined.push_back(std::move(runs.back()));
    runs = std::move(joined);
  }
  return std::move(runs.front());
}

// Where one channel of a log goes in the grid: its own column (-1 when it
// has none or is listed twice: read once), and every column of its channel
// (whatever meaning put a reading in one, a reading is kept once).
struct ChannelTarget {
  ChannelId id;
  int column = -1;
  std::span<const std::size_t> columns;
  bool alone = false;  // its own column is its channel's only one
};

std::vector<ChannelTarget> TargetsOf(std::span<const SeriesChannel> channels, std::span<const SeriesChannel> columns,
                                     const std::map<ChannelId, std::vector<std::size_t>>& columnsOfChannel) {
  std::vector<ChannelTarget> targets;
  const std::vector<int> column = ColumnsOf(channels, columns);
  const std::vector<bool> repeated = RepeatedChannels(channels);
  for (std::size_t i = 0; i < channels.size(); ++i) {
    ChannelTarget& t = targets.emplace_back(ChannelTarget{IdOf(channels[i]), column[i], {}, false});
    const auto found = columnsOfChannel.find(t.id);
    if (found != columnsOfChannel.end()) t.columns = found->second;
    if (repeated[i] || t.columns.empty()) t.column = -1;
    t.alone = t.columns.size() == 1 && t.column >= 0 && t.columns[0] == static_cast<std::size_t>(t.column);
  }
  return targets;
}

// The reading a row holds for a channel, from any of its columns; null
// when it has none.
const Reading* KeptReading(const ChannelTarget& t, std::span<const Reading> row) {
  if (t.alone) return row[static_cast<std::size_t>(t.column)].present ? &row[static_cast<std::size_t>(t.column)] : nullptr;
  const Reading* kept = nullptr;
  for (const std::size_t c : t.columns)
    if (row[c].present) kept = &row[c];
  return kept;
}

// Places one row of a log's raw counts; a reading already there comes from
// a newer log and stays, a differing one is a conflict. A reading is made
// only for a count that is placed.
void PlaceRow(std::span<const ChannelTarget> targets, std::span<ReadingRule> rules, std::span<const int16_t> counts,
              std::span<Reading> row, int64_t time, const LogFacts& f, const std::vector<LogFacts>& facts,
              HistoryReport& report) {
  for (std::size_t i = 0; i < counts.size(); ++i) {
    const ChannelTarget& t = targets[i];
    if (t.column < 0) continue;
    const Reading* kept = KeptReading(t, row);
    if (!kept) {
      row[static_cast<std::size_t>(t.column)] = rules[i].Cached(counts[i]);
    } else if (kept->raw != counts[i]) {
      if (report.conflicts.size() < HistoryReport::ListedConflicts)
        report.Add({t.id, time, kept->raw, counts[i], KeptLog(facts, t.id, time), f.path});
      else
        ++report.conflictCount;
    }
  }
}

// Places one log's rows in the grid as they are read, but those newer logs
// off its grid drop; counts them in `rows`. A log that fails midway keeps
// the rows read before.
bool PlaceLog(const LogFacts& f, HistoryLog& log, const std::vector<LogFacts>& facts,
              const std::map<ChannelId, std::vector<std::size_t>>& columnsOfChannel, MergeResult& result,
              uint64_t& rows) {
  MergedSeries& series = result.series;
  // A history log's rows are always its one log's; their walk is inlined.
  auto& walk = static_cast<LogSeries&>(log.Rows());
  const std::vector<ChannelTarget> targets = TargetsOf(log.Channels(), series.Channels(), columnsOfChannel);
  std::vector<ReadingRule> rules;
  for (const TDev* device : walk.Devices()) rules.emplace_back(*device);
  const bool drops = !f.dropped.empty();
  std::size_t next = 0;  // the row after the last placed: where the next row mostly is
  const int walked = walk.WalkCounts([&](uint32_t clock, std::span<const int16_t> counts) {
    const int64_t time = log.TimeOf(clock);
    if (drops && Dropped(f, time)) return true;
    const std::size_t at = series.RowIndex(time, next);
    next = at + 1;
    assert(at < series.RowCount() && series.TimeAt(at) == time);  // the grid holds every row time of the log
    series.SetAnchor(at, f.span.last);
    PlaceRow(targets, rules, counts, series.Row(at), time, f, facts, result.report);
    ++rows;
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
  std::vector<SeriesChannel> columns = table.Columns();
  std::map<ChannelId, std::vector<std::size_t>> columnsOfChannel;
  for (std::size_t c = 0; c < columns.size(); ++c) columnsOfChannel[IdOf(columns[c])].push_back(c);
  FindOffGrid(facts, result.report);
  result.series = MergedSeries(std::move(columns), GridTimes(facts));
  for (LogFacts& f : facts) {
    uint64_t rows = 0;
    if (!f.log->Decode(book, BookName)) {
      result.failures.push_back({f.path, f.log->Error()});
    } else if (PlaceLog(f, *f.log, facts, columnsOfChannel, result, rows)) {
      result.spans.push_back(f.span);
      result.sources.push_back(f.path);
      ++result.merged;
    }
    f.log.reset();
    if (logMerged) logMerged(rows);
  }
  // Times only a log that failed would have given.
  result.series.DropRowsWithoutLog();
  result.report.gaps = FindGaps(result.spans);
  return result;
}

}  // namespace zerb
