#include "history/Holdings.h"

#include <algorithm>
#include <climits>
#include <tuple>

namespace zerb {

namespace {

bool ByStart(const Holding& a, const Holding& b) { return std::tie(a.id, a.first) < std::tie(b.id, b.first); }

}  // namespace

HoldingIndex::HoldingIndex(std::vector<Holding> holdings) : holdings_(std::move(holdings)) {
  std::sort(holdings_.begin(), holdings_.end(), ByStart);
}

std::optional<int64_t> HoldingIndex::HolderOf(ChannelId id, int64_t time) const {
  // The channel's last range starting at or before the time.
  const Holding key{id, time, time, 0};
  auto after = std::upper_bound(holdings_.begin(), holdings_.end(), key, ByStart);
  if (after == holdings_.begin()) return std::nullopt;
  const Holding& h = *std::prev(after);
  if (h.id != id || h.last < time) return std::nullopt;
  return h.import;
}

HolderWalk::HolderWalk(const HoldingIndex& index, ChannelId id) {
  const std::vector<Holding>& all = index.All();
  const auto [first, last] = std::equal_range(all.begin(), all.end(), Holding{id, 0, 0, 0},
                                              [](const Holding& a, const Holding& b) { return a.id < b.id; });
  next_ = first;
  end_ = last;
}

HoldingChanges TakeOver(const std::vector<Holding>& stored, std::vector<Holding> taken) {
  std::sort(taken.begin(), taken.end(), ByStart);
  HoldingChanges changes;
  for (const Holding& s : stored) {
    int64_t from = s.first;  // the part of s not taken yet starts here
    bool cut = false, toTheEnd = false;
    auto t = std::lower_bound(taken.begin(), taken.end(), Holding{s.id, INT64_MIN, 0, 0}, ByStart);
    for (; t != taken.end() && t->id == s.id && t->first <= s.last; ++t) {
      if (t->last < from) continue;
      cut = true;
      if (t->first > from) changes.added.push_back({s.id, from, t->first - 1, s.import});
      if (t->last >= s.last) {
        toTheEnd = true;
        break;
      }
      from = t->last + 1;
    }
    if (!cut) continue;
    changes.removed.push_back(s);
    if (!toTheEnd) changes.added.push_back({s.id, from, s.last, s.import});
  }
  changes.added.insert(changes.added.end(), taken.begin(), taken.end());
  return changes;
}

void HeldRuns::Held(std::size_t column, ChannelId id, int64_t time, uint64_t row, bool apart) {
  if (open_.size() <= column) open_.resize(column + 1);
  Open& o = open_[column];
  if (o.open && o.row + 1 == row && !apart) {
    o.run.last = time;
    o.row = row;
    return;
  }
  if (o.open) done_.push_back(o.run);
  o = {{id, time, time, import_}, row, true};
}

std::optional<int64_t> HeldRuns::LastOf(std::size_t column) const {
  if (column >= open_.size() || !open_[column].open) return std::nullopt;
  return open_[column].run.last;
}

std::vector<Holding> HeldRuns::Done() {
  for (Open& o : open_)
    if (o.open) done_.push_back(o.run), o.open = false;
  return std::move(done_);
}

}  // namespace zerb
