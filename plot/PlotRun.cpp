#include "plot/PlotRun.h"

#include <QFont>

#include "app/WriteOutput.h"
#include "chart/StripChart.h"
#include "history/Merge.h"
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

}  // namespace

int RunPlot(const PlotOptions& options, std::string& err) {
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
  std::vector<int64_t> breaks;
  for (const Gap& gap : merged.report.gaps) breaks.push_back(gap.after + gap.interval);
  InsertEmptyRows(data, breaks);
  if (merged.merged == 0 || data.Empty()) {
    if (merged.failures.empty()) err += Line("no rows to draw");
    return 1;
  }

  StripChart chart;
  chart.SetData(&data);
  if (options.channels) {
    if (const std::string problem = ChooseShown(chart, data, *options.channels); !problem.empty()) {
      err += Line(problem);
      return 1;
    }
  }
  if (options.zone) chart.SetClock(PlotClock(TimeZoneSetting{ZoneKind::Named, 0, *options.zone, false}, data.times.back()));
  const double from = options.from ? double(*options.from) : chart.From();
  const double to = options.to ? double(*options.to) : chart.To();
  chart.SetRange(from, to > from ? to : from + 60);

  const QByteArray picture = ChartPicture(chart, QSize(options.width, options.height), PictureFont(), options.format);
  std::string error;
  if (!WriteWholeText(options.output, picture.toStdString(), error)) {
    err += Line(error);
    return 1;
  }
  return merged.failures.empty() ? 0 : 1;
}

}  // namespace zerb
