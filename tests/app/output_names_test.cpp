// Output names from --output-dir and --name patterns.

#include <gtest/gtest.h>

#include "app/OutputNames.h"

namespace zerb {
namespace {

constexpr uint32_t Nov30 = 1796040000;  // 2026-11-30T12:00:00
constexpr uint32_t Dec01 = 1796126400;  // 2026-12-01T12:00:00

TEST(OutputNames, PatternsMakeTheNames) {
  const struct {
    const char* log;
    const char* folder;
    const char* pattern;
    NameFields fields;
    const char* path;
  } cases[] = {
      {"in/42.20261130.log", "", "", {}, "in/42.CSV"},
      {"in/42.20261130.log", "out", "", {}, "out/42.CSV"},
      {"in\\42.log", "out\\", "{stem}-x", {}, "out\\42-x.CSV"},
      {"in/42.20261130.log", "", "{site}-{first:%Y%m%d}", {42, Nov30, Dec01}, "in/42-20261130.CSV"},
      {"42.a.log", "", "{first:%y%m%d_%H%M%S}-{last:%d.%m.%Y}", {0, Nov30, Dec01}, "261130_120000-01.12.2026.CSV"},
      {"42.log", "", "{{{site}}}%{last:%%H}", {7, Nov30, Dec01}, "{7}%%H.CSV"},
      {"42.log", "", "{site}-{first:%Y}", {42, std::nullopt, std::nullopt}, "42-.CSV"},  // no rows written
  };
  for (const auto& c : cases)
    EXPECT_EQ(NamedOutputPath(c.log, "CSV", {c.folder, c.pattern}, c.fields), c.path) << c.pattern;
}

TEST(OutputNames, PatternProblems) {
  const struct {
    const char* pattern;
    const char* problem;  // a part of it; "" for none
  } cases[] = {
      {"{site}-{first:%Y%m%d}", ""},
      {"{stem}", ""},
      {"{sit}", "not {sit}"},
      {"{first:%Y%j}", "not %j"},
      {"{first:%}", "not % "},
      {"{stem", "a { without its }"},
      {"stem}", "a } without its {"},
      {"../{stem}", "no / or \\"},
      {"a\\b", "no / or \\"},
      {"..", "makes no file name"},
      {"", "makes no file name"},
  };
  for (const auto& c : cases) {
    const std::string problem = NamePatternProblem(c.pattern);
    if (*c.problem == '\0') {
      EXPECT_EQ(problem, "") << c.pattern;
    } else {
      EXPECT_NE(problem.find(c.problem), std::string::npos) << c.pattern << ": " << problem;
    }
  }
  EXPECT_TRUE(NameUsesRowTimes("{site}-{last:%Y}"));
  EXPECT_FALSE(NameUsesRowTimes("{site}-{stem}"));
}

}  // namespace
}  // namespace zerb
