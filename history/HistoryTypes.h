#pragma once
// What a site's history is made of. A reading is identified by (site,
// channel kind, channel key, row time); a channel by its kind and key, so a
// renamed channel stays one column. Row times are the logger's civil time
// on the time base chosen when the log was read (PC or LAN clock), in
// seconds since 1970-01-01, signed: a log whose rows reach back past 1970
// keeps them in order. Sites are keyed by the whole number of the site
// file's name (32 bits).

#include <cstdint>
#include <string>
#include <vector>

#include "series/Series.h"

namespace zerb {

struct ChannelId {
  ChannelKind kind = ChannelKind::Sensor;
  uint16_t key = 0;
  friend auto operator<=>(const ChannelId&, const ChannelId&) = default;
};

inline ChannelId IdOf(const SeriesChannel& c) { return {c.kind, c.key}; }

struct ReadingKey {
  uint32_t site = 0;
  ChannelId channel;
  int64_t time = 0;
  friend auto operator<=>(const ReadingKey&, const ReadingKey&) = default;
};

// The row times of one log: first, first + interval, ..., last.
struct LogSpan {
  int64_t first = 0;
  int64_t last = 0;
  uint16_t interval = 0;
};

// Which of two logs wins a reading both hold: the one whose rows end later;
// at equal ends the larger content hash, so the choice never depends on the
// order the logs come in.
struct LogRank {
  int64_t end = 0;
  std::string hash;
  friend auto operator<=>(const LogRank&, const LogRank&) = default;
};

// A stretch longer than the interval with no row: `after` is the last row
// time before it, `before` the first one after it, `interval` that of the
// rows after it (the grid empty rows are filled on).
struct Gap {
  int64_t after = 0;
  int64_t before = 0;
  uint16_t interval = 0;
};

// A reading two logs hold with different raw counts.
struct Conflict {
  ChannelId channel;
  int64_t time = 0;
  int16_t keptRaw = 0;
  int16_t otherRaw = 0;
  std::string keptLog;
  std::string otherLog;
};

// Two logs whose rows overlap in time but not on one grid (a clock reset
// between downloads, a changed interval): the older log's rows within the
// newer log's span are dropped. shift: seconds from the older log's grid to
// the newer one's, in (-interval/2, interval/2].
struct OffGridOverlap {
  std::string newerLog;
  std::string olderLog;
  int32_t shift = 0;
  uint16_t newerInterval = 0;
  uint16_t olderInterval = 0;
};

// What merging found besides the rows. A conflict is a reading some log
// holds with a raw count other than the kept one (the newest log's): one
// per such log and reading, so the count never depends on the order the
// logs come in.
struct HistoryReport {
  static constexpr std::size_t ListedConflicts = 10;
  std::size_t conflictCount = 0;    // conflicts found (an import: added to the store)
  std::size_t resolvedCount = 0;    // an import: earlier conflicts that no longer stand
  std::vector<Conflict> conflicts;  // the first ListedConflicts
  std::vector<OffGridOverlap> offGrid;
  std::vector<Gap> gaps;

  void Add(Conflict conflict) {
    if (conflicts.size() < ListedConflicts) conflicts.push_back(std::move(conflict));
    ++conflictCount;
  }
};

}  // namespace zerb
