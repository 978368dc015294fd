#pragma once
// Which import holds each stored reading, kept as ranges of time per
// channel rather than per reading: a log that brings readings the store
// already has, unchanged, moves a range instead of rewriting them.
//
// A channel's ranges never overlap, and every stored reading lies in the
// range of the import that holds it. A range may also cover times without
// a reading (an overlap whose readings went), which no reading asks about:
// every import that puts a reading there takes the time over.

#include <cstdint>
#include <optional>
#include <vector>

#include "history/HistoryTypes.h"

namespace zerb {

struct Holding {
  ChannelId id;
  int64_t first = 0;
  int64_t last = 0;
  int64_t import = 0;
  friend bool operator==(const Holding&, const Holding&) = default;
};

// The holder of a reading among a set of holdings.
class HoldingIndex {
 public:
  explicit HoldingIndex(std::vector<Holding> holdings);
  std::optional<int64_t> HolderOf(ChannelId id, int64_t time) const;
  const std::vector<Holding>& All() const { return holdings_; }  // by channel and first time

 private:
  std::vector<Holding> holdings_;
};

// The holders of one channel's readings asked oldest first, as a walk of
// the stored rows asks them: each range is passed once, with no search per
// reading.
class HolderWalk {
 public:
  HolderWalk(const HoldingIndex& index, ChannelId id);
  // The holder of the reading at `time`, no earlier than the last asked.
  std::optional<int64_t> HolderOf(int64_t time) {
    while (next_ != end_ && next_->last < time) ++next_;
    if (next_ == end_ || next_->first > time) return std::nullopt;
    return next_->import;
  }

 private:
  std::vector<Holding>::const_iterator next_, end_;  // the channel's ranges not passed yet
};

struct HoldingChanges {
  std::vector<Holding> removed;  // stored ranges that go (by channel and first time)
  std::vector<Holding> added;
};

// An import takes over `taken` (ranges of one import, apart per channel):
// the stored ranges `stored` (every one that meets them) are cut around
// them.
HoldingChanges TakeOver(const std::vector<Holding>& stored, std::vector<Holding> taken);

// The runs of times one import holds, per channel, as the import walks
// its rows in time order. A run ends at a row that does not hold the
// channel, and before a held time with a stored reading of another holder
// since the run's last time.
class HeldRuns {
 public:
  explicit HeldRuns(int64_t import) : import_(import) {}
  // Row `row` (counted over every row the import walks) holds `time` on
  // `id`; `apart`: another holder's reading lies between the run's last
  // time and `time`.
  void Held(std::size_t column, ChannelId id, int64_t time, uint64_t row, bool apart);
  // The run's last time on the column, if one is open.
  std::optional<int64_t> LastOf(std::size_t column) const;
  std::vector<Holding> Done();

 private:
  struct Open {
    Holding run;
    uint64_t row = 0;
    bool open = false;
  };
  int64_t import_;
  std::vector<Open> open_;
  std::vector<Holding> done_;
};

}  // namespace zerb
