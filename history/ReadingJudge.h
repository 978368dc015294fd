#pragma once
// Which log keeps a reading several stored logs hold, and the conflicts
// that leaves, whatever the engine and whatever the order the logs came in.
// A reading is kept from the log that ranks highest (LogRank); every other
// log holding it with another raw count is one conflict, recorded with the
// kept log. The store keeps only the kept reading and the conflicts, and a
// log holds a reading when it has the channel, the time lies on its grid
// within its span, and no higher-ranked log off its grid covers the time;
// so the raw count of every holder is known: the conflict's, else the
// kept one.

#include <map>
#include <vector>

#include "history/HistoryTypes.h"

namespace zerb {

struct StoredImport {
  LogRank rank;
  LogSpan span;
  std::string path;
  std::vector<ChannelId> channels;
};

struct StoredReading {
  ChannelId id;
  int64_t time = 0;
  int16_t raw = 0;
  int64_t import = 0;  // the import that holds it
  // What the row holds besides: a reading that would write the same again
  // is not written.
  bool valid = false;
  int32_t value = 0;
  int8_t exponent = 0;
  int64_t meaning = 0;
  friend auto operator<=>(const StoredReading& a, const StoredReading& b) {
    return std::tie(a.id, a.time) <=> std::tie(b.id, b.time);
  }
  friend bool operator==(const StoredReading& a, const StoredReading& b) { return a.id == b.id && a.time == b.time; }
};

struct StoredConflict {
  ChannelId id;
  int64_t time = 0;
  int16_t keptRaw = 0;
  int16_t otherRaw = 0;
  int64_t kept = 0;
  int64_t other = 0;
};

// What importing a log changes besides its own readings.
struct ConflictChanges {
  std::vector<std::pair<ChannelId, int64_t>> cleared;  // every conflict at these readings goes
  std::vector<StoredConflict> added;
  std::map<int64_t, int64_t> counts;  // per import, the change of its conflict count
};

class ReadingJudge {
 public:
  // `stored`: the site's logs overlapping the new one; `readings` and
  // `conflicts`: the stored ones within the new log's span.
  ReadingJudge(int64_t import, const StoredImport& log, std::map<int64_t, StoredImport> stored,
               std::vector<StoredReading> readings, const std::vector<StoredConflict>& conflicts);

  // Stored logs off the new log's grid: those it outranks lose their rows
  // within its span; those that outrank it drop its rows within theirs.
  std::vector<int64_t> Outranked() const;
  bool Dropped(int64_t time) const;
  const std::map<int64_t, StoredImport>& Stored() const { return stored_; }

  enum class Verdict { Insert, Replace, Keep };
  // The new log's reading: whether it goes in, and the conflicts it makes
  // or ends (added to `changes` and `report`).
  Verdict Judge(ChannelId id, int64_t time, int16_t raw, ConflictChanges& changes, HistoryReport& report);
  // The stored reading at the time, if any.
  const StoredReading* Find(ChannelId id, int64_t time) const;
  // Whether a stored reading of the channel lies strictly between two times.
  bool StoredBetween(ChannelId id, int64_t after, int64_t before) const;

 private:
  bool Holds(int64_t import, const StoredImport& log, ChannelId id, int64_t time) const;
  void Add(StoredConflict c, ConflictChanges& changes, HistoryReport& report) const;

  int64_t import_;
  StoredImport log_;
  std::map<int64_t, StoredImport> stored_;
  std::vector<StoredReading> readings_;  // sorted
  std::map<std::pair<ChannelId, int64_t>, std::vector<StoredConflict>> conflicts_;
};

// Takes out of `conflicts` every one at a reading one of `imports` took
// part in (their rows there go), recording it in `changes`.
void DropConflictsOf(const std::vector<int64_t>& imports, std::vector<StoredConflict>& conflicts,
                     ConflictChanges& changes, HistoryReport& report);

}  // namespace zerb
