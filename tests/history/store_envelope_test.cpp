// The envelope a store sums up for a plot draws what the site's rows draw
// (lines, on/off stretches), on both engines, over tests/history/
// plot_history.h's history; summed up from the rows held in memory, it is
// the same envelope.

#include <gtest/gtest.h>

#include "chart/EnvelopeLines.h"
#include "chart/PreviewData.h"
#include "history/Spans.h"
#include "history/StoreEnvelope.h"
#include "history/engine_support.h"
#include "history/plot_history.h"
#include "series/RowsEnvelope.h"

namespace zerb::historytest {
namespace {

class StoreEnvelope : public ::testing::TestWithParam<Engine> {
 protected:
  void SetUp() override {
    ZERB32_NEED_ENGINE(GetParam());
    location = NewLocation(GetParam(), dir);
    auto store = OpenStore(location, StoreAccess::Write);
    for (const std::string& log : WritePlotHistory(dir))
      ASSERT_EQ(store->Import(log, {}).status, ImportStatus::Imported) << log;
  }
  TempDir dir;
  std::string location;
};

int64_t At(std::size_t row) { return PlotRowTime(row); }

TEST_P(StoreEnvelope, DrawsWhatTheRowsDraw) {
  auto store = OpenStore(location, StoreAccess::ReadOnly);
  auto series = store->Export(42, INT64_MIN, INT64_MAX);
  ASSERT_TRUE(series);
  PreviewData rows = LoadPreview(*series);
  InsertEmptyRows(rows, GapBreaks(FindGaps(store->Spans(42, INT64_MIN, INT64_MAX))));
  struct View {
    int64_t from, to;
    int columns;
  };
  std::vector<View> views = {
      {At(0), At(1100), 1600},         // everything, fewer rows than columns
      {At(0), At(1100), 97},           // many rows per column
      {At(0), At(1100), 11},           // a column holds the gap and the overlap
      {At(0), At(1100), 1100},         // a column exactly per interval
      {At(385), At(395), 3},           // the conflict, rows beyond both ends
      {At(820), At(1000), 41},         // from inside the gap
      {At(100), At(800) + 17, 64},     // off the grid
      {At(0) - 5000, At(50), 7},       // before the first row
      {At(1050), At(1100) + 9000, 5},  // past the last row
      {At(370), At(410), 1},           // the added channel, new meanings and the conflict in one column
      {At(200), At(260), 4},           // missing values scattered in each column
  };
  // One column from a row where the output gives no value to the next such
  // row at least two rows on: a column that starts and ends without one.
  const auto logged = LongSeries(1101, 7);
  for (std::size_t first = 0, r = 1; r < 380; ++r) {
    if (logged[r][3] >= 0) continue;
    if (first > 0 && r >= first + 2) {
      views.push_back({At(first), At(r) + 1, 1});
      break;
    }
    if (first == 0) first = r;
  }
  ASSERT_EQ(views.size(), 12u);
  // The same envelopes summed up from every row held in memory.
  const SiteGrid grid(store->Spans(42, INT64_MIN, INT64_MAX));
  const HeldRows held{rows.times, rows.values, grid.Breaks(), [&grid](int64_t t) { return grid.NextRow(t); }};
  for (const auto& view : views) {
    SCOPED_TRACE(std::to_string(view.from - At(0)) + ".." + std::to_string(view.to - At(0)) + " in " +
                 std::to_string(view.columns));
    const auto envelope = store->Envelope(42, view.from, view.to, view.columns);
    ASSERT_TRUE(envelope);
    ASSERT_EQ(envelope->series.channels.size(), rows.channels.size());
    const SeriesEnvelope fromRows = EnvelopeOfRows(held, rows.channels, grid.Interval(), view.from, view.to, view.columns);
    EXPECT_EQ(fromRows.cells, envelope->series.cells);
    EXPECT_EQ(fromRows.rows, envelope->series.rows);
    EXPECT_EQ(fromRows.first, envelope->series.first);
    EXPECT_EQ(fromRows.last, envelope->series.last);
    EXPECT_EQ(fromRows.interval, envelope->series.interval);
    for (std::size_t c = 0; c < rows.channels.size(); ++c) {
      SCOPED_TRACE(rows.channels[c].name);
      const auto lines = ChannelLines(rows, c, double(view.from), double(view.to), view.columns);
      const auto drawn = EnvelopeLines(envelope->series, c);
      ASSERT_EQ(drawn.size(), lines.size());
      for (std::size_t l = 0; l < lines.size(); ++l) {
        ASSERT_EQ(drawn[l].size(), lines[l].size()) << "line " << l;
        for (std::size_t p = 0; p < lines[l].size(); ++p) {
          EXPECT_EQ(drawn[l][p].time, lines[l][p].time);
          EXPECT_EQ(drawn[l][p].value, lines[l][p].value);
        }
      }
      const double column = double(view.to - view.from) / view.columns;
      EXPECT_EQ(EnvelopeOnRuns(envelope->series, c, column),
                OnRuns(rows, c, double(view.from), double(view.to), view.columns));
    }
  }
  EXPECT_FALSE(store->Envelope(43, At(0), At(1), 10));
  EXPECT_THROW(store->Envelope(42, At(1), At(1), 10), StoreError);
  EXPECT_THROW(store->Envelope(42, At(0), At(1), 0), StoreError);
}

INSTANTIATE_TEST_SUITE_P(Engines, StoreEnvelope,
                         ::testing::Values(Engine{"SQLite", false}, Engine{"PostgreSQL", true}), EngineName);

}  // namespace
}  // namespace zerb::historytest
