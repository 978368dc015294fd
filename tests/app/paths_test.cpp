#include "app/Paths.h"

#include <gtest/gtest.h>

namespace zerb {
namespace {

struct SiteCase {
  const char* log;
  bool found;
  const char* sitePath;
  uint16_t number;
};

TEST(SiteFileFor, TakesTheLeadingNumberOfTheFileName) {
  const SiteCase cases[] = {
      {"C:\\logs\\123.log", true, "C:\\logs\\123.STE", 123},
      {"123.log", true, "123.STE", 123},
      {"C:\\logs\\0042.log", true, "C:\\logs\\42.STE", 42},
      {"/var/logs/0042x.log", true, "/var/logs/42.STE", 42},
      {"/a\\b/  7.log", true, "/a\\b/7.STE", 7},       // blanks before the number
      {"/logs.d/5.old.log", true, "/logs.d/5.STE", 5},  // dots in the folder don't matter
      {"70000.log", true, "70000.STE", 4464},           // site number keeps the low 16 bits
      {"4294967295.log", true, "4294967295.STE", 65535},
      {"4294967296.log", false, "", 0},  // passes 32 bits
      {"site.log", false, "", 0},
      // Read as a "%u" scan reads: any white space, then an optional sign.
      {"\n\v\f\r 9.log", true, "9.STE", 9},
      {"+42.log", true, "42.STE", 42},
      {"-5.log", true, "4294967291.STE", 65531},  // "-" negates modulo 2^32
      {"-0.log", true, "0.STE", 0},
      {"+-5.log", false, "", 0},
      {"- 5.log", false, "", 0},
      {"-4294967296.log", false, "", 0},
      {"/logs/", false, "", 0},
      {"", false, "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.log);
    const auto ref = SiteFileFor(c.log);
    ASSERT_EQ(ref.has_value(), c.found);
    if (!c.found) continue;
    EXPECT_EQ(ref->path, c.sitePath);
    EXPECT_EQ(ref->number, c.number);
  }
}

TEST(SiteFileAt, TakesTheNumberOfTheSiteFileElseOfTheLog) {
  const struct {
    const char* site;
    const char* log;
    uint16_t number;
  } cases[] = {
      {"/sites/42.STE", "/logs/7.log", 42},
      {"/sites/current.STE", "/logs/7.log", 7},
      {"/sites/current.STE", "/logs/week.log", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.site);
    const SiteFileRef ref = SiteFileAt(c.site, c.log);
    EXPECT_EQ(ref.path, c.site);
    EXPECT_EQ(ref.number, c.number);
  }
}

TEST(OutputPathFor, CutsAtTheFirstDotOfTheFileName) {
  const struct {
    const char* log;
    const char* ext;
    const char* out;
  } cases[] = {
      {"C:\\logs\\123.log", "CSV", "C:\\logs\\123.CSV"},
      {"123.log", "CSV", "123.CSV"},
      {"C:\\logs\\5.old.log", "CSV", "C:\\logs\\5.CSV"},
      {"C:\\data.old\\5.log", "CSV", "C:\\data.old\\5.CSV"},
      {"/data.old/5.log", "xml", "/data.old/5.xml"},
      {"/data.old/5", "CSV", "/data.old/5.CSV"},  // no dot in the name
      {"5.log", "", "5."},
      {"5.log", ".txt", "5..txt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.log);
    EXPECT_EQ(OutputPathFor(c.log, c.ext), c.out);
  }
}

}  // namespace
}  // namespace zerb
