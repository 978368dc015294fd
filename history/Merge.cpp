#include "history/Merge.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <span>
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

// One log's rows as read, before they take their places in the grid.
struct Piece {
  const LogFacts* facts = nullptr;
  std::vector<int64_t> times;
  std::vector<Reading> readings;  // row after row, a reading per channel of the log
  std::vector<ChannelId> ids;     // of the log's channels
  // Per channel of the log: the grid's columns of its channel (whatever
  // meaning put a reading in one, a reading is kept once), and its own
  // column; -1 when it has none or is listed twice (read once).
  std::vector<const std::vector<std::size_t>*> columnsOf;
  std::vector<int> column;
};

// Reads one log's rows but those newer logs off its grid drop. A log that
// fails midway keeps the rows read before.
bool ReadPiece(const LogFacts& f, HistoryLog& log, std::span<const SeriesChannel> columns,
               const std::map<ChannelId, std::vector<std::size_t>>& columnsOfChannel, Piece& piece,
               MergeResult& result) {
  piece.facts = &f;
  piece.column = ColumnsOf(log.Channels(), columns);
  const std::vector<bool> repeated = RepeatedChannels(log.Channels());
  for (std::size_t i = 0; i < log.Channels().size(); ++i) {
    piece.ids.push_back(IdOf(log.Channels()[i]));
    const auto found = columnsOfChannel.find(piece.ids.back());
    piece.columnsOf.push_back(found == columnsOfChannel.end() ? nullptr : &found->second);
    if (repeated[i] || !piece.columnsOf.back()) piece.column[i] = -1;
  }
  const int walked = log.Rows().ForEachRow([&](uint32_t clock, std::span<const Reading> readings) {
    const int64_t time = log.TimeOf(clock);
    if (Dropped(f, time)) return true;
    piece.times.push_back(time);
    piece.readings.insert(piece.readings.end(), readings.begin(), readings.end());
    return true;
  });
  if (walked != 1) result.failures.push_back({f.path, log.Rows().Error()});
  return walked == 1;
}

// The distinct times of every piece, oldest first: sorted runs joined in
// pairs.
std::vector<int64_t> GridTimes(const std::vector<Piece>& pieces) {
  std::vector<std::vector<int64_t>> runs;
  for (const Piece& p : pieces) {
    std::vector<int64_t>& run = runs.emplace_back(p.times);
    if (!std::is_sorted(run.begin(), run.end())) std::sort(run.begin(), run.end());
    run.erase(std::unique(run.begin(), run.end()), run.end());
  }
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

// Places one log's rows; readings already there come from newer logs and
// stay, a differing one is a conflict.
void PlaceRows(const Piece& piece, const std::vector<LogFacts>& facts, MergeResult& result) {
  const LogFacts& f = *piece.facts;
  const std::size_t width = piece.ids.size();
  std::size_t next = 0;
  for (std::size_t r = 0; r < piece.times.size(); ++r) {
    const int64_t time = piece.times[r];
    const std::size_t at = result.series.RowIndex(time, next);
    next = at + 1;
    result.series.SetAnchor(at, f.span.last);
    const std::span<Reading> row = result.series.Row(at);
    const Reading* readings = piece.readings.data() + r * width;
    for (std::size_t i = 0; i < width; ++i) {
      if (piece.column[i] < 0) continue;
      const Reading* kept = nullptr;
      for (const std::size_t c : *piece.columnsOf[i])
        if (row[c].present) kept = &row[c];
      if (!kept) {
        row[static_cast<std::size_t>(piece.column[i])] = readings[i];
      } else if (kept->raw != readings[i].raw) {
        if (result.report.conflicts.size() < HistoryReport::ListedConflicts)
          result.report.Add({piece.ids[i], time, kept->raw, readings[i].raw, KeptLog(facts, piece.ids[i], time), f.path});
        else
          ++result.report.conflictCount;
      }
    }
  }
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
  const std::vector<SeriesChannel> columns = table.Columns();
  std::map<ChannelId, std::vector<std::size_t>> columnsOfChannel;
  for (std::size_t c = 0; c < columns.size(); ++c) columnsOfChannel[IdOf(columns[c])].push_back(c);
  FindOffGrid(facts, result.report);
  std::vector<Piece> pieces;
  HistoryLog log;
  for (LogFacts& f : facts) {
    uint64_t rows = 0;
    if (!log.FromBytes(f.path, std::move(f.bytes), options) || !log.Decode(book, BookName)) {
      result.failures.push_back({f.path, log.Error()});
    } else {
      Piece& piece = pieces.emplace_back();
      if (ReadPiece(f, log, columns, columnsOfChannel, piece, result)) {
        result.spans.push_back(f.span);
        result.sources.push_back(f.path);
        ++result.merged;
      }
      rows = piece.times.size();
    }
    if (logMerged) logMerged(rows);
  }
  result.series = MergedSeries(columns, GridTimes(pieces));
  for (Piece& piece : pieces) {
    PlaceRows(piece, facts, result);
    piece = {};
  }
  result.report.gaps = FindGaps(result.spans);
  return result;
}

}  // namespace zerb
