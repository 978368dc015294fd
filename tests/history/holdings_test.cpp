// Holdings: ranges cut around an import that takes them over, the holder
// found by time, and runs broken where the import does not hold a row.

#include <algorithm>

#include <gtest/gtest.h>

#include "history/Holdings.h"

namespace zerb {
namespace {

constexpr ChannelId A{ChannelKind::Sensor, 1}, B{ChannelKind::Output, 1};

std::vector<Holding> Sorted(std::vector<Holding> h) {
  std::sort(h.begin(), h.end(), [](const Holding& x, const Holding& y) {
    return std::tie(x.id, x.first, x.import) < std::tie(y.id, y.first, y.import);
  });
  return h;
}

TEST(Holdings, ATakeOverCutsWhatItMeetsAndNothingElse) {
  const struct {
    const char* name;
    std::vector<Holding> stored, taken, left;  // left: the stored pieces that stay
  } cases[] = {
      {"inside", {{A, 0, 100, 1}}, {{A, 40, 60, 9}}, {{A, 0, 39, 1}, {A, 61, 100, 1}}},
      {"across two", {{A, 0, 50, 1}, {A, 51, 100, 2}}, {{A, 40, 70, 9}}, {{A, 0, 39, 1}, {A, 71, 100, 2}}},
      {"whole", {{A, 0, 100, 1}}, {{A, 0, 100, 9}}, {}},
      {"covering", {{A, 50, 60, 1}}, {{A, 0, 100, 9}}, {}},
      {"two runs", {{A, 0, 100, 1}}, {{A, 10, 20, 9}, {A, 30, 40, 9}}, {{A, 0, 9, 1}, {A, 21, 29, 1}, {A, 41, 100, 1}}},
      {"ends", {{A, 0, 100, 1}}, {{A, 0, 10, 9}, {A, 90, 100, 9}}, {{A, 11, 89, 1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Holding> stored = c.stored;
    stored.push_back({B, 0, 100, 3});  // another channel, untouched
    const HoldingChanges changes = TakeOver(stored, c.taken);
    EXPECT_EQ(Sorted(changes.removed), Sorted(c.stored));
    std::vector<Holding> added = c.left;
    added.insert(added.end(), c.taken.begin(), c.taken.end());
    EXPECT_EQ(Sorted(changes.added), Sorted(added));
  }
}

TEST(Holdings, TheHolderIsTheRangeTheTimeLiesIn) {
  const HoldingIndex index({{A, 61, 100, 2}, {A, 0, 39, 1}, {A, 40, 60, 9}, {B, 0, 100, 3}});
  const struct {
    ChannelId id;
    int64_t time;
    std::optional<int64_t> holder;
  } cases[] = {{A, -1, std::nullopt}, {A, 0, 1},  {A, 39, 1},  {A, 40, 9},           {A, 60, 9},
               {A, 100, 2},           {A, 101, std::nullopt}, {B, 50, 3}, {{ChannelKind::Asm, 1}, 50, std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(index.HolderOf(c.id, c.time), c.holder) << c.time;
}

TEST(Holdings, AWalkInTimeOrderFindsTheHoldersASearchFinds) {
  const HoldingIndex index({{A, 61, 100, 2}, {A, 0, 39, 1}, {A, 45, 60, 9}, {B, 0, 100, 3}, {B, 200, 300, 4}});
  for (const ChannelId id : {A, B, ChannelId{ChannelKind::Asm, 1}}) {
    HolderWalk walk(index, id);
    for (const int64_t time : {-5, 0, 39, 40, 44, 45, 60, 61, 100, 101, 150, 200, 300, 301})
      EXPECT_EQ(walk.HolderOf(time), index.HolderOf(id, time)) << time;
  }
}

TEST(Holdings, ARunEndsWhereTheImportDoesNotHoldARow) {
  HeldRuns runs(9);
  runs.Held(0, A, 0, 1, false);
  runs.Held(0, A, 300, 2, false);
  runs.Held(1, B, 300, 2, false);
  runs.Held(0, A, 900, 4, false);   // row 3 held by another log
  runs.Held(0, A, 1200, 5, true);   // another holder's reading between
  runs.Held(0, A, 1500, 6, false);
  runs.Held(1, B, 600, 3, false);
  EXPECT_EQ(runs.LastOf(0), 1500);
  EXPECT_EQ(Sorted(runs.Done()),
            Sorted({{A, 0, 300, 9}, {A, 900, 900, 9}, {A, 1200, 1500, 9}, {B, 300, 600, 9}}));
  EXPECT_EQ(runs.LastOf(0), std::nullopt);
}

}  // namespace
}  // namespace zerb
