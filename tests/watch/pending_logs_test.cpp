// The settle and retry rules on a clock of the test's own.

#include "watch/PendingLogs.h"

#include <gtest/gtest.h>

#include "watch/Watcher.h"

namespace zerb {
namespace {

constexpr FileStamp A{100, 1}, B{200, 2}, C{300, 3};

TEST(PendingLogs, TakesALogOnlyOnceItHasSettled) {
  // Each case: what the file's stamp is at each look (one a second), and
  // the looks at which the log is due.
  const struct {
    const char* what;
    double age;  // of the file when first seen
    std::vector<FileStamp> stamps;
    std::vector<int> due;
  } cases[] = {
      {"quiet from the start", 0, {A, A, A, A}, {2, 3}},
      {"written long ago (moved in)", 100, {A, A}, {0, 1}},
      {"still growing", 0, {A, B, B, C, C, C, C}, {6}},
      {"a time ahead of ours", -50, {A, A, A}, {2}},
  };
  for (const auto& c : cases) {
    PendingLogs pending(2, 3);
    pending.Seen("x.log", c.stamps[0], c.age, 0);
    std::vector<int> due;
    for (std::size_t at = 0; at < c.stamps.size(); ++at) {
      const auto now = static_cast<double>(at);
      if (!pending.Due(now, [&](const std::string&) { return std::optional(c.stamps[at]); }).empty())
        due.push_back(static_cast<int>(at));
    }
    EXPECT_EQ(due, c.due) << c.what;
  }
}

TEST(PendingLogs, DamagedWaitsForAChangeAndCutIsTriedAgain) {
  const auto stampA = [](const std::string&) { return std::optional(A); };
  PendingLogs pending(0, 3);
  pending.Seen("d.log", A, 10, 0);
  pending.Seen("c.log", A, 10, 0);
  EXPECT_EQ(pending.Due(0, stampA).size(), 2u);
  EXPECT_EQ(pending.Failed("d.log", A, LogFailure::Damaged, 0), FailureFate::Parked);
  EXPECT_EQ(pending.Failed("c.log", A, LogFailure::Cut, 0), FailureFate::Retry);
  EXPECT_EQ(pending.Failed("c.log", A, LogFailure::Cut, 1), FailureFate::Retry);
  EXPECT_EQ(pending.Failed("c.log", A, LogFailure::Cut, 3), FailureFate::Parked);
  // Seen again unchanged (a rescan): neither waits.
  pending.Seen("d.log", A, 10, 5);
  pending.Seen("c.log", A, 10, 5);
  EXPECT_EQ(pending.WaitingCount(), 0u);
  // Changed, it is taken again; a site file beside it brings it back too.
  pending.Seen("d.log", B, 10, 6);
  EXPECT_EQ(pending.WaitingCount(), 1u);
  pending.Reopen(".", 6);
  EXPECT_EQ(pending.WaitingCount(), 1u);
  pending.Failed("d.log", B, LogFailure::Damaged, 6);
  pending.Reopen("sub", 7);
  EXPECT_EQ(pending.WaitingCount(), 0u);
  pending.Reopen("", 7);  // "c.log" and "d.log" lie in no folder called ""
  EXPECT_EQ(pending.WaitingCount(), 0u);
}

TEST(PendingLogs, TellsACutLogFromADamagedOne) {
  EXPECT_TRUE(EndsEarly("the data area holds 143 bytes, the header says 6000"));
  EXPECT_TRUE(EndsEarly("the file ends inside the log header: it holds 3 of 114 bytes"));
  EXPECT_FALSE(EndsEarly("the log has format version 7; only version 1 is known"));
}

}  // namespace
}  // namespace zerb
