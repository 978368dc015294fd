#include "plot/PlotRun.h"

#include <QFont>

#include "app/WriteOutput.h"
#include "chart/StripChart.h"
#include "history/Merge.h"
#include "history/Spans.h"
#include "history/Store.h"
#include "styles/ChannelChoice.h"

namespace zerb {

namespace {

std::string Line(const std::string& text) { return "zerb32-plot: " + text + "\n"; }

// Text as the picture shows it on every machine: one face, one size, no
// hinting that a machine's settings would change.
QFont PictureFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

// The shown channels, or why the list names one the logs lack.
std::string ChooseShown(StripChart& chart, const PreviewData& data, const std::string& list) {
  const ChannelChoice choice = ChooseChannels(data.channels, list);
  if (!choice.problem.empty()) return choice.problem;
  for (std::size_t c = 0; c < data.channels.size(); ++c) chart.SetShown(c, false);
  for (std::size_t c : choice.columns) chart.SetShown(c, true);
  return {};
}

// Draws the chart as the options ask and writes the picture. `last`: the
// newest row time (the zone's clock is placed there).
int Draw(StripChart& chart, const PlotOptions& options, int64_t last, std::string& err) {
  if (options.channels) {
    if (const std::string problem = ChooseShown(chart, *chart.Data(), *options.channels); !problem.empty()) {
      err += Line(problem);
      return 1;
    }
  }
  if (options.zone) chart.SetClock(PlotClock(TimeZoneSetting{ZoneKind::Named, 0, *options.zone, false}, last));
  const QByteArray picture = ChartPicture(chart, QSize(options.width, options.height), PictureFont(), options.format);
  std::string error;
  if (!WriteWholeText(options.output, picture.toStdString(), error)) {
    err += Line(error);
    return 1;
  }
  return 0;
}

// The time range shown: the options' or, as a chart shows its data, from
// the first row to the last (a minute about one row alone).
std::pair<int64_t, int64_t> ShownRange(const PlotOptions& options, int64_t first, int64_t last) {
  const int64_t from = options.from ? int64_t{*options.from} : first < last ? first : first - 30;
  const int64_t to = options.to ? int64_t{*options.to} : first < last ? last : last + 30;
  return {from, to > from ? to : from + 60};
}

// A site's history from a store, summed up per pixel column by the store.
int RunStorePlot(const PlotOptions& options, std::string& err) {
  try {
    const std::unique_ptr<Store> store = OpenStore(options.db, StoreAccess::ReadOnly);
    const std::vector<SiteSummary> sites = store->Summaries(options.site);
    if (sites.empty()) {
      err += Line("site " + std::to_string(options.site) + " is not in the store " + options.db);
      return 1;
    }
    if (sites.front().readings == 0) {
      err += Line("no rows to draw");
      return 1;
    }
    const auto [from, to] = ShownRange(options, sites.front().first, sites.front().last);
    const QRectF area(QPointF(0, 0), QSizeF(options.width, options.height));
    const std::optional<SiteEnvelope> envelope =
        store->Envelope(options.site, from, to, StripChart::LineColumns(area, PictureFont()));
    if (!envelope) {
      err += Line("site " + std::to_string(options.site) + " is not in the store " + options.db);
      return 1;
    }
    StripChart chart;
    chart.SetEnvelope(&envelope->series);
    chart.SetGaps(GapStretches(envelope->gaps));
    return Draw(chart, options, sites.front().last, err);
  } catch (const StoreError& e) {
    err += Line(e.what());
    return 1;
  }
}

}  // namespace

int RunPlot(const PlotOptions& options, std::string& err) {
  if (!options.db.empty()) return RunStorePlot(options, err);
  HistoryLogOptions read;
  read.lanTime = options.lanTime;
  read.allowDefaultSite = true;
  MergeResult merged = MergeLogs(options.logs, read);
  for (const LogProblem& failure : merged.failures) err += Line(failure.log + ": " + failure.reason);
  for (const LogProblem& warning : merged.warnings) err += Line("warning: " + warning.log + ": " + warning.reason);
  if (!merged.refusal.empty()) {
    err += Line(merged.refusal);
    return 1;
  }
  PreviewData data = LoadPreview(merged.series);
  InsertEmptyRows(data, GapBreaks(merged.report.gaps));
  if (merged.merged == 0 || data.Empty()) {
    if (merged.failures.empty()) err += Line("no rows to draw");
    return 1;
  }

  StripChart chart;
  chart.SetData(&data);
  chart.SetGaps(GapStretches(merged.report.gaps));
  const auto [from, to] = ShownRange(options, data.times.front(), data.times.back());
  chart.SetRange(double(from), double(to));
  if (const int drawn = Draw(chart, options, data.times.back(), err); drawn != 0) return drawn;
  return merged.failures.empty() ? 0 : 1;
}

}  // namespace zerb
