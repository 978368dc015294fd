// The buckets a range is cut into for a plot: exact whole-number edges,
// also for times before the range and for widths that don't divide it.

#include <gtest/gtest.h>

#include "series/Envelope.h"

namespace zerb {
namespace {

TEST(EnvelopeBuckets, EachSecondFallsInTheBucketThatStartsAtOrBeforeIt) {
  const struct {
    int64_t from, to, columns;
  } ranges[] = {{0, 10, 3}, {-7, 5, 4}, {1767225600, 1767225600 + 31536000, 1600}, {100, 101, 7}, {0, 86400, 1}};
  for (const auto& r : ranges) {
    SCOPED_TRACE(std::to_string(r.from) + ".." + std::to_string(r.to) + "/" + std::to_string(r.columns));
    EXPECT_EQ(BucketStart(0, r.from, r.to, r.columns), r.from);
    EXPECT_EQ(BucketOf(r.to, r.from, r.to, r.columns), r.columns);
    EXPECT_LT(BucketOf(r.from - 1, r.from, r.to, r.columns), 0);
    for (int64_t k = -1; k <= r.columns; ++k) {
      const int64_t start = BucketStart(k, r.from, r.to, r.columns);
      const int64_t next = BucketStart(k + 1, r.from, r.to, r.columns);
      if (next == start) continue;  // a bucket narrower than a second holds none
      EXPECT_EQ(BucketOf(start, r.from, r.to, r.columns), k);
      EXPECT_EQ(BucketOf(next - 1, r.from, r.to, r.columns), k);
    }
  }
}

TEST(EnvelopeBuckets, CellsKeepTheEarliestOfEqualExtremes) {
  EnvelopeCell cell;
  for (const EnvelopePoint p : {EnvelopePoint{1, 5}, {2, 3}, {3, 9}, {4, 3}, {5, 9}, {6, 4}}) cell.Add(p);
  EXPECT_EQ(cell.count, 6u);
  EXPECT_EQ(cell.first, (EnvelopePoint{1, 5}));
  EXPECT_EQ(cell.low, (EnvelopePoint{2, 3}));
  EXPECT_EQ(cell.high, (EnvelopePoint{3, 9}));
  EXPECT_EQ(cell.last, (EnvelopePoint{6, 4}));
}

}  // namespace
}  // namespace zerb
