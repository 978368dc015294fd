#pragma once
// The plot of a log as strips (chart/Strips.h), painted on any surface: the
// window's plot, an SVG or a PNG file. The chart holds what is shown (the
// data, the channels shown, the time range, the cursor) and, after
// Layout(), where everything goes: each strip's value axis fitted to the
// readings in the range, the time ticks, and every line cut to the width
// (a few points per pixel column, however long the log: at the width the
// plot has with the usual margin for the value labels, also where wider
// labels narrow it a little, so that the cut does not depend on them).

#include <QFont>
#include <QFontMetricsF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "chart/ChartTexts.h"
#include "chart/PlotClock.h"
#include "chart/PreviewData.h"
#include "chart/Strips.h"
#include "chart/Ticks.h"
#include "series/Envelope.h"

class QPainter;

namespace zerb {

class StripChart {
 public:
  StripChart();
  ~StripChart();

  // The data to show, every channel shown, the whole time range; nullptr
  // or empty data clears the chart (the data's error, if any, becomes its
  // message). The data must stay valid until the next call.
  void SetData(const PreviewData* data);
  const PreviewData* Data() const { return data_; }
  // A series' envelope to show instead of its rows (a long stretch of a
  // store's history): the envelope's channels, every one shown, and its
  // range. Fetched for the chart's range in whole seconds and LineColumns
  // columns, it draws the picture the rows would. There are no rows: Data()
  // holds the channels and the first and last row time only, and a cursor
  // means nothing. The envelope must stay valid until the next call;
  // SetData ends it.
  void SetEnvelope(const SeriesEnvelope* envelope);
  const SeriesEnvelope* Envelope() const { return envelope_; }
  // The pixel columns the lines are cut to when laid out in `area` with
  // text in `font`: the width an envelope is to be fetched for.
  static int LineColumns(const QRectF& area, const QFont& font);
  // Stretches without rows (gaps between logs: the last row time before
  // and the first after each), shaded across every strip and lane. SetData
  // and SetEnvelope clear them.
  void SetGaps(std::vector<std::pair<int64_t, int64_t>> gaps) { gaps_ = std::move(gaps); }
  const std::vector<std::pair<int64_t, int64_t>>& Gaps() const { return gaps_; }
  void SetShown(std::size_t channel, bool shown);
  const std::vector<bool>& Shown() const { return shown_; }
  void SetClock(PlotClock clock) { clock_ = std::move(clock); }
  const PlotClock& Clock() const { return clock_; }
  void SetTexts(std::unique_ptr<ChartTexts> texts) { texts_ = std::move(texts); }
  const ChartTexts& Texts() const { return *texts_; }
  // A sentence shown in place of the plot (why there is none).
  void SetMessage(const QString& message) { message_ = message; }
  const QString& Message() const { return message_; }
  // The time range, in plot times; taken as given.
  void SetRange(double from, double to) { from_ = from, to_ = to; }
  double From() const { return from_; }
  double To() const { return to_; }
  void SetCursor(std::optional<std::size_t> row) { cursor_ = row; }
  std::optional<std::size_t> Cursor() const { return cursor_; }
  // A box being dragged out, in the surface's coordinates.
  void SetBox(std::optional<QRectF> box) { box_ = box; }
  // Smooth lines (pictures) or crisp, fast ones (the window).
  void SetAntialiased(bool on) { antialiased_ = on; }

  // Places everything in `area` for text in `font`: strips, lanes, axes,
  // value scales, time ticks, and the lines cut to the plot's width. Call
  // after any change above, before Paint.
  void Layout(const QRectF& area, const QFont& font);
  void Paint(QPainter& painter) const;

  // After Layout: where things are.
  QRectF PlotRect() const { return plot_; }
  double XOf(double time) const;
  double TimeAt(double x) const;
  const StripPlan& Plan() const { return plan_; }
  const std::vector<ValueScale>& Scales() const { return scales_; }
  const std::vector<QRectF>& StripRects() const { return stripRects_; }
  // Where each strip's values go: the strip below its legend's band.
  const std::vector<QRectF>& ValueRects() const { return valueRects_; }
  const std::vector<QRectF>& LaneRects() const { return laneRects_; }
  const TimeScale& Ticks() const { return ticks_; }
  const std::vector<LineStyle>& Styles() const { return styles_; }
  // A channel's lines (empty for hidden and on/off channels).
  const std::vector<PlotLine>& Lines(std::size_t channel) const { return lines_.at(channel); }
  std::size_t LineCount(std::size_t channel) const { return channel < lines_.size() ? lines_[channel].size() : 0; }
  // An on/off channel's stretches on, as plot times [begin, end).
  const std::vector<std::pair<double, double>>& OnRuns(std::size_t channel) const { return onRuns_.at(channel); }

 private:
  void CutLines(int columns);
  void FitScales(const QFontMetricsF& metrics);
  void PlaceRows(const QFontMetricsF& metrics);
  void PaintStrip(QPainter& painter, std::size_t strip) const;
  double LineWidth(const QPolygonF& line) const;
  // A channel's band (PreviewData::lows, highs), if it has one.
  void PaintBand(QPainter& painter, std::size_t channel, const QRectF& values, const ValueScale& scale) const;
  void PaintLegend(QPainter& painter, std::size_t strip) const;
  void PaintLanes(QPainter& painter) const;
  void PaintTimeAxis(QPainter& painter) const;
  void PaintGaps(QPainter& painter, const QRectF& rect) const;

  const PreviewData* data_ = nullptr;
  const SeriesEnvelope* envelope_ = nullptr;
  PreviewData shape_;  // an envelope's channels and time span
  std::vector<std::pair<int64_t, int64_t>> gaps_;
  std::vector<bool> shown_;
  PlotClock clock_;
  std::unique_ptr<ChartTexts> texts_;
  QString message_;
  double from_ = 0, to_ = 1;
  std::optional<std::size_t> cursor_;
  std::optional<QRectF> box_;
  bool antialiased_ = false;

  QRectF area_, plot_;
  QFont font_;
  StripPlan plan_;
  std::vector<LineStyle> styles_;
  std::vector<ValueScale> scales_;
  std::vector<QRectF> stripRects_, valueRects_, laneRects_;
  TimeScale ticks_;
  std::vector<std::vector<PlotLine>> lines_;
  std::vector<std::vector<QPolygonF>> polylines_;
  std::vector<std::vector<std::pair<double, double>>> onRuns_;
};

}  // namespace zerb
