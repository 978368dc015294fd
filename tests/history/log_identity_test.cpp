// What identifies a log and places its rows: the whole number of its file
// name as the site, its SHA-256, signed times for rows before 1970, and a
// log whose rows share one time refused alike by merge and the stores.

#include <filesystem>

#include <gtest/gtest.h>

#include "history/Merge.h"
#include "history/engine_support.h"
#include "history/history_support.h"

namespace zerb::historytest {
namespace {

TEST(LogIdentity, TheSiteIsTheWholeNumberThatFindsTheSiteFile) {
  TempDir folder;
  const auto series = LongSeries(50, 1);
  const struct {
    const char* log;
    const char* siteFile;
    uint32_t site;
  } cases[] = {
      {"65578.log", "65578.STE", 65578},
      {"-42.log", "4294967254.STE", 4294967254u},
      {"4294967295_x.log", "4294967295.STE", 4294967295u},
      {"0042.log", "42.STE", 42},
  };
  for (const auto& c : cases) {
    WriteSiteFile(folder.File(c.siteFile), 1);
    ASSERT_TRUE(WriteLogFile(folder.File(c.log), CutLog(series, 0, 40, true)));
    HistoryLog log;
    ASSERT_TRUE(log.Open(folder.File(c.log), {false, true})) << c.log << ": " << log.Error();
    EXPECT_EQ(log.SiteNumber(), c.site) << c.log;
    EXPECT_EQ(log.Quality(), SiteQuality::Complete) << c.log;
  }
  const MergeResult merged = MergeLogs({folder.File("0042.log"), folder.File("65578.log")}, {});
  EXPECT_NE(merged.refusal.find("different sites"), std::string::npos);
}

TEST(LogIdentity, Sha256OfTheBytes) {
  EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

// The hash and the rows come from one reading of the bytes: a log rewritten
// after it is read, or taken again from the bytes read before (merge's
// second pass), is hashed and decoded as those bytes, never as the file's.
TEST(LogIdentity, HashAndRowsComeFromOneReading) {
  TempDir folder;
  WriteSiteFile(folder.File("42.STE"), 1);
  const auto series = LongSeries(50, 1);
  const std::vector<uint8_t> read = CutLog(series, 0, 30, true), rewritten = CutLog(series, 10, 49, true);
  const std::string bytes(read.begin(), read.end()), path = folder.File("42.log");
  HistoryLog before;
  ASSERT_TRUE(WriteLogFile(path, read));
  ASSERT_TRUE(before.Open(path, {})) << before.Error();
  for (const bool again : {false, true}) {
    SCOPED_TRACE(again ? "taken again from the bytes" : "rewritten after the reading");
    HistoryLog log;
    ASSERT_TRUE(WriteLogFile(path, again ? rewritten : read));
    ASSERT_TRUE(again ? log.FromBytes(path, bytes, {}) : log.Open(path, {})) << log.Error();
    if (!again) {
      ASSERT_TRUE(WriteLogFile(path, rewritten));
    }
    ASSERT_TRUE(log.Decode({}, "in the test")) << log.Error();
    EXPECT_EQ(log.Hash(), Sha256Hex(bytes));
    EXPECT_EQ(log.Span().last, before.Span().last);
    std::size_t rows = 0;
    log.Rows().ForEachRow([&rows](uint32_t, std::span<const Reading>) { return ++rows > 0; });
    EXPECT_EQ(rows, 31u);
  }
}

class LogPlacing : public ::testing::TestWithParam<Engine> {
 protected:
  void SetUp() override {
    ZERB32_NEED_ENGINE(GetParam());
    WriteSiteFile(folder.File("42.STE"), 1);
    WriteSiteFile(folder.File("65578.STE"), 1);
  }
  std::string Log(const std::string& name, uint32_t pcTime, uint16_t interval, std::size_t rows) {
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteLogFile(path, ClockLog(series, pcTime, interval, rows)));
    return path;
  }
  std::vector<std::vector<int16_t>> series = LongSeries(60, 2);
  TempDir folder;
};

// Rows reaching back past 1970: stored in order, first before last; two
// such logs overlap as any two do; the rows come out as conversion writes
// them.
TEST_P(LogPlacing, RowsBefore1970KeepTheirOrder) {
  const std::string a = Log("42_a.log", 1000, 300, 40), b = Log("42_b.log", 1600, 300, 40);
  auto store = OpenStore(NewLocation(GetParam(), folder), StoreAccess::Write);
  for (const std::string& log : {b, a}) {
    const ImportOutcome outcome = store->Import(log, {});
    EXPECT_EQ(outcome.status, ImportStatus::Imported) << outcome.reason;
  }
  const std::vector<LogSpan> spans = store->Spans(42, INT64_MIN, INT64_MAX);
  ASSERT_EQ(spans.size(), 2u);
  for (const LogSpan& span : spans) EXPECT_LT(span.first, span.last);
  MergeResult merged = MergeLogs({a, b}, {});
  EXPECT_EQ(Dump(*store->Export(42, INT64_MIN, INT64_MAX)), Dump(merged.series));
  // b's rows, as its own series walks them, end the merged series.
  HistoryLog one;
  ASSERT_TRUE(one.Open(b, {}) && one.Decode({}, ""));
  const std::string own = Dump(one.Rows()), all = Dump(merged.series);
  const std::string rows = own.substr(own.find("\n4294"));
  EXPECT_EQ(all.substr(all.size() - rows.size()), rows);
  EXPECT_NE(all.find("\n4294956896 "), std::string::npos);  // a's older rows come first
}

// An interval of 0 s gives every row one time: refused with one line,
// alike by merge and import, and the logs after it go on.
TEST_P(LogPlacing, ALogWhoseRowsShareOneTimeIsRefusedAlike) {
  const std::string zero = Log("42_zero.log", 1796000000, 0, 10), good = Log("42_good.log", 1796000000, 300, 10);
  auto store = OpenStore(NewLocation(GetParam(), folder), StoreAccess::Write);
  const ImportOutcome refused = store->Import(zero, {});
  EXPECT_EQ(refused.status, ImportStatus::Failed);
  EXPECT_EQ(store->Import(good, {}).status, ImportStatus::Imported);
  const MergeResult merged = MergeLogs({zero, good}, {});
  EXPECT_EQ(merged.merged, 1u);
  ASSERT_EQ(merged.failures.size(), 1u);
  EXPECT_EQ(merged.failures[0].reason, refused.reason);
  EXPECT_NE(refused.reason.find("interval is 0 s"), std::string::npos) << refused.reason;
}

// 65578.log is site 65578, beside site 42, never over it.
TEST_P(LogPlacing, SitesKeepTheirWholeNumber) {
  auto store = OpenStore(NewLocation(GetParam(), folder), StoreAccess::Write);
  for (const char* name : {"42_a.log", "65578_a.log"}) {
    series = LongSeries(60, name[0] == '4' ? 3 : 4);
    const ImportOutcome outcome = store->Import(Log(name, 1796000000, 300, 30), {});
    EXPECT_EQ(outcome.status, ImportStatus::Imported) << outcome.reason;
    EXPECT_EQ(outcome.report.conflictCount, 0u);
  }
  const std::vector<SiteSummary> sites = store->Summaries(std::nullopt);
  ASSERT_EQ(sites.size(), 2u);
  EXPECT_EQ(sites[1].site, 65578u);
  EXPECT_EQ(sites[0].readings, sites[1].readings);
}

INSTANTIATE_TEST_SUITE_P(Engines, LogPlacing, ::testing::Values(Engine{"SQLite", false}, Engine{"PostgreSQL", true}),
                         EngineName);

}  // namespace
}  // namespace zerb::historytest
