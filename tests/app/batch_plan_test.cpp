#include "app/BatchPlan.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/Paths.h"
#include "support/TempDir.h"

namespace zerb {
namespace {

struct Planned {
  PlanAction action;
  std::size_t other;
  bool operator==(const Planned&) const = default;
};

constexpr Planned Convert{PlanAction::Convert, 0};

TEST(PlanBatch, LaterLogsRepeatingOrOverwritingEarlierWorkAreMarked) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.File("sub"));
  for (const char* name : {"5.log", "6.log", "sub/5.log", "5.old.log", "5.new.log"}) std::ofstream(dir.File(name));
  std::filesystem::create_hard_link(dir.File("5.log"), dir.File("5.hard.log"));
  const struct {
    const char* name;
    std::vector<std::string> logs;
    const char* output;  // an extension beside each log, or every log's output ("-", "")
    std::vector<Planned> planned;
  } rows[] = {
      {"all different", {"5.log", "6.log", "sub/5.log"}, "CSV", {Convert, Convert, Convert}},
      {"same output text", {"5.log", "6.log", "5.old.log"}, "CSV", {Convert, Convert, {PlanAction::Collides, 0}}},
      {"same output by another way", {"5.log", "sub/../5.new.log"}, "CSV", {Convert, {PlanAction::Collides, 0}}},
      {"same log by any spelling",
       {"6.log", "5.log", "sub/../5.log", "5.hard.log"},
       "CSV",
       {Convert, Convert, {PlanAction::Repeat, 1}, {PlanAction::Repeat, 1}}},
      {"output is another log", {"5.old.log", "5.log"}, "log", {{PlanAction::HitsALog, 1}, Convert}},
      {"standard output is shared", {"5.log", "6.log"}, "-", {Convert, Convert}},
      {"nothing written", {"5.log", "6.log"}, "", {Convert, Convert}},
      {"a missing log: opening it says why", {"7.log", "7.log"}, "CSV", {Convert, Convert}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> logs;
    for (const std::string& log : row.logs) logs.push_back(dir.File(log));
    const std::string output = row.output;
    const auto plan = PlanBatch(logs, [&](const std::string& log) {
      return output.size() > 2 ? OutputPathFor(log, output) : output;
    });
    std::vector<Planned> planned;
    for (const PlannedLog& entry : plan) planned.push_back({entry.action, entry.other});
    EXPECT_EQ(planned, row.planned);
    EXPECT_EQ(plan.back().log, logs.back());
  }
}

}  // namespace
}  // namespace zerb
