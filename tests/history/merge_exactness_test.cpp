// Logs cut from one long series at random overlaps and gaps, merged and
// written as classic CSV, against the conversion of one log that holds the
// whole span: the same bytes where the cuts cover it, whatever order the
// logs come in, and the same again through the store.

#include <algorithm>
#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "app/Document.h"
#include "classic/ConvertFlags.h"
#include "classic/CsvWriter.h"
#include "history/Merge.h"
#include "history/Spans.h"
#include "history/Store.h"
#include "history/history_support.h"
#include "styles/Styles.h"
#include "styles/TableWriter.h"
#include "support/TempDir.h"

namespace zerb::historytest {
namespace {

using test::TempDir;

struct Case {
  const char* name;
  bool gaps;
  bool channelAddedHalfway;
  bool siteFileChangedHalfway;
  bool fillGaps;
  bool lanTime;
  unsigned seed;
};

struct Cut {
  std::size_t first, last;
  bool withAdded;
  int siteVersion;
  std::string path;
};

constexpr std::size_t Rows = 700;

std::vector<Cut> MakeCuts(const Case& c, std::mt19937& random) {
  std::vector<Cut> cuts;
  for (std::size_t first = 0;;) {
    const std::size_t last = std::min(first + 40 + random() % 80, Rows - 1);
    const bool late = last >= Rows / 2;
    cuts.push_back({first, last, !c.channelAddedHalfway || late, c.siteFileChangedHalfway && late ? 2 : 1, {}});
    if (last == Rows - 1) return cuts;
    const std::size_t gap = c.gaps && random() % 3 == 0 ? 2 + random() % 10 : 0;
    first = std::min(gap ? last + gap : last + 1 - random() % 31, Rows - 1);  // 0 to 30 rows shared
  }
}

std::vector<std::string> Split(const std::string& text, char sep) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, sep);) parts.push_back(part);
  return parts;
}

std::string Join(const std::vector<std::string>& parts, const std::string& sep) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) text += (i ? sep : "") + parts[i];
  return text;
}

// The classic CSV of one log, as the converter writes it.
std::string Convert(const std::string& path, uint16_t flags) {
  Document document;
  EXPECT_TRUE(document.Open(path).logLoaded);
  EXPECT_GE(document.Log().ComputeOldestValues(nullptr), 0);
  StringSink sink;
  EXPECT_EQ(WriteCsv(document.Log(), sink, -1, 0, flags, nullptr), 1);
  return sink.text;
}

// Row r of the merge: each field from the newest cut covering r that holds
// its channel, converted with that cut's site file; empty where none does.
std::string ExpectedCsv(const std::vector<Cut>& cuts, const std::vector<std::string> whole[2], bool fillGaps) {
  std::vector<const Cut*> newestFirst;
  for (const Cut& cut : cuts) newestFirst.push_back(&cut);
  std::sort(newestFirst.begin(), newestFirst.end(), [](const Cut* a, const Cut* b) { return a->last > b->last; });
  std::string csv = whole[newestFirst.front()->siteVersion - 1][0] + "\n";
  for (std::size_t r = 0; r < Rows; ++r) {
    std::vector<std::string> fields = Split(whole[0][r + 1], ',');  // date, time, 5 values, "\r"
    for (std::size_t column = 0; column < 5; ++column) {
      fields[2 + column].clear();
      for (const Cut* cut : newestFirst)
        if (cut->first <= r && r <= cut->last && (column != 2 || cut->withAdded)) {
          fields[2 + column] = Split(whole[cut->siteVersion - 1][r + 1], ',')[2 + column];
          break;
        }
    }
    const bool covered = std::any_of(cuts.begin(), cuts.end(), [r](const Cut& c) { return c.first <= r && r <= c.last; });
    if (covered || fillGaps) csv += Join(fields, ",") + "\n";
  }
  return csv;
}

int WriteMerged(Series& series, const std::vector<Gap>& gaps, bool fillGaps, uint16_t flags, std::string& csv) {
  std::vector<int64_t> fill;
  for (const Gap& gap : gaps)
    for (int64_t t : fillGaps ? FillTimes(gap) : std::vector<int64_t>{}) fill.push_back(t);
  GapFilledSeries filled(series, fill, 0);
  StringSink sink;
  // Without fill rows the series goes to the writer itself, as the CLI hands it.
  const int written = WriteTable(fill.empty() ? series : filled, ClassicTable(flags), sink).status;
  csv = sink.text;
  return written;
}

class MergeExactness : public ::testing::TestWithParam<Case> {};

TEST_P(MergeExactness, MergedCsvIsTheWholeLogsCsv) {
  const Case& c = GetParam();
  std::mt19937 random(c.seed);
  const auto series = LongSeries(Rows, c.seed);
  TempDir folder;
  const std::string sites[2] = {folder.File("v1"), folder.File("v2")};
  const uint16_t flags = DefaultFlags | (c.lanTime ? FlagLanTime : 0);
  std::string wholeCsv[2];
  std::vector<std::string> whole[2];
  for (int v = 0; v < 2; ++v) {
    std::filesystem::create_directory(sites[v]);
    WriteSiteFile(sites[v] + "/42.STE", v + 1);
    ASSERT_TRUE(WriteLogFile(sites[v] + "/42.log", CutLog(series, 0, Rows - 1, true)));
    wholeCsv[v] = Convert(sites[v] + "/42.log", flags);
    whole[v] = Split(wholeCsv[v], '\n');
  }
  std::vector<Cut> cuts = MakeCuts(c, random);
  std::vector<std::string> paths;
  for (std::size_t k = 0; k < cuts.size(); ++k) {
    Cut& cut = cuts[k];
    cut.path = sites[cut.siteVersion - 1] + "/42_" + std::to_string(k) + ".log";
    ASSERT_TRUE(WriteLogFile(cut.path, CutLog(series, cut.first, cut.last, cut.withAdded)));
    paths.push_back(cut.path);
  }
  std::shuffle(paths.begin(), paths.end(), random);

  const std::string expected = ExpectedCsv(cuts, whole, c.fillGaps);
  if (!c.gaps && !c.channelAddedHalfway && !c.siteFileChangedHalfway) {
    EXPECT_EQ(expected, wholeCsv[0]);  // the whole log itself
  }

  const HistoryLogOptions options{c.lanTime, true};
  MergeResult merged = MergeLogs(paths, options);
  ASSERT_EQ(merged.merged, cuts.size()) << (merged.failures.empty() ? merged.refusal : merged.failures[0].reason);
  EXPECT_EQ(merged.report.conflictCount, 0u);
  EXPECT_TRUE(merged.report.offGrid.empty());
  std::string csv;
  ASSERT_EQ(WriteMerged(merged.series, merged.report.gaps, c.fillGaps, flags, csv), 1);
  EXPECT_EQ(csv, expected);
  const bool uncovered = std::any_of(cuts.begin() + 1, cuts.end(), [&](const Cut& cut) { return cut.first > (&cut - 1)->last + 1; });
  EXPECT_EQ(merged.report.gaps.empty(), !uncovered);

  // The store, fed the logs in another order, gives the same bytes; a second
  // import of every log adds nothing.
  std::shuffle(paths.begin(), paths.end(), random);
  auto store = OpenStore(folder.File("history.db"), StoreAccess::Write);
  for (const auto status : {ImportStatus::Imported, ImportStatus::Skipped})
    for (const std::string& path : paths) EXPECT_EQ(store->Import(path, options).status, status) << path;
  auto stored = store->Export(42, INT64_MIN, INT64_MAX);
  ASSERT_NE(stored, nullptr);
  std::string exported;
  ASSERT_EQ(WriteMerged(*stored, FindGaps(store->Spans(42, INT64_MIN, INT64_MAX)), c.fillGaps, flags, exported), 1);
  EXPECT_EQ(exported, expected);
}

INSTANTIATE_TEST_SUITE_P(Cuts, MergeExactness,
                         ::testing::Values(Case{"Overlaps", false, false, false, false, false, 1},
                                           Case{"OverlapsLanClock", false, false, false, false, true, 2},
                                           Case{"Gaps", true, false, false, false, false, 3},
                                           Case{"GapsFilled", true, false, false, true, false, 4},
                                           Case{"ChannelAdded", false, true, false, false, false, 5},
                                           Case{"SiteFileChanged", false, false, true, false, false, 6},
                                           Case{"Everything", true, true, true, true, true, 7}),
                         [](const ::testing::TestParamInfo<Case>& p) { return std::string(p.param.name); });

// Two cuts apart: the merged rows are theirs alone, oldest first, however
// far apart they lie.
TEST(MergeGrid, HoldsTheRowsOfTheLogsAndNoTimeBetween) {
  const auto series = LongSeries(Rows, 8);
  const struct {
    std::size_t firstA, lastA, firstB, lastB;
  } cases[] = {{0, 99, 110, 209}, {0, 9, 600, 609}, {0, 199, 150, 250}, {5, 5, 600, 699}};
  for (const auto& c : cases) {
    TempDir folder;
    WriteSiteFile(folder.File("42.STE"), 1);
    const std::vector<std::string> paths = {folder.File("42_a.log"), folder.File("42_b.log")};
    ASSERT_TRUE(WriteLogFile(paths[0], CutLog(series, c.firstA, c.lastA, true)));
    ASSERT_TRUE(WriteLogFile(paths[1], CutLog(series, c.firstB, c.lastB, true)));
    MergeResult merged = MergeLogs(paths, HistoryLogOptions{false, true});
    ASSERT_EQ(merged.merged, 2u) << c.firstB;
    std::vector<int64_t> expected;
    for (const LogSpan& span : {merged.spans[1], merged.spans[0]})
      for (int64_t t = span.first; t <= span.last; t += span.interval)
        if (expected.empty() || t > expected.back()) expected.push_back(t);
    std::vector<int64_t> times;
    for (std::size_t r = 0; r < merged.series.RowCount(); ++r) times.push_back(merged.series.TimeAt(r));
    EXPECT_EQ(times, expected) << c.firstB;
  }
}

}  // namespace
}  // namespace zerb::historytest
