#pragma once
// The window's plot: the strips of the open log (chart/StripChart.h) with a
// cursor at a row and the time range shown, driven by mouse and keys.
//   mouse: the cursor follows it; drag pans; Shift+drag (or Ctrl+drag)
//          zooms to the box; the wheel zooms around the pointer; a double
//          click shows the whole log;
//   keys:  Left/Right move the cursor a row, Ctrl+Left/Right or
//          Page Up/Down a screen (the view follows the cursor);
//          Shift+Left/Right pan; + and - zoom around the cursor; Home shows
//          the whole log, D a day and W a week around the cursor.
// The value axes refit to what is shown at every change.

#include <QByteArray>
#include <QSize>
#include <QWidget>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "chart/ChartFiles.h"
#include "chart/PreviewData.h"
#include "chart/StripChart.h"

namespace zerb {

class PlotView : public QWidget {
  Q_OBJECT
 public:
  explicit PlotView(QWidget* parent);

  // The data to show (the data must stay valid until the next call): every
  // channel shown, the whole log, no cursor; empty data shows its error.
  // With sameRows (the open log's rows on another clock) the channels
  // shown, the rows in view and the cursor's row stay.
  void SetData(const PreviewData* preview, bool sameRows = false);
  // The range a stretch of a longer series may be shown in (a store's
  // history, fetched for the range shown): ShowRange and ShowAll keep to
  // [first, last] whatever the data holds, down to four steps of
  // `interval`. Nothing: the data's own rows. The data calls keep it.
  struct Extent {
    int64_t first = 0, last = 0;
    uint32_t interval = 0;
  };
  void SetExtent(std::optional<Extent> extent) { extent_ = extent; }
  // Another stretch of the series shown, fetched for the range shown: the
  // channels shown, the range and the cursor's time stay.
  void SetStretch(const PreviewData* rows);
  // A summary per pixel column to show (StripChart::SetEnvelope), with its
  // range; sameSeries keeps the channels shown. There is no cursor then.
  void SetEnvelope(const SeriesEnvelope* envelope, bool sameSeries);
  // The pixel columns the lines are cut to at the plot's size.
  int LineColumns() const;
  // Stretches without rows shaded (StripChart::SetGaps); SetData clears them.
  void SetGaps(std::vector<std::pair<int64_t, int64_t>> gaps);
  void SetChannelShown(std::size_t channel, bool shown);
  void SetChannelsShown(const std::vector<bool>& shown);

  const StripChart& Chart() const { return chart_; }
  const PreviewData* Data() const { return chart_.Data(); }
  std::size_t LineCount(std::size_t channel) const { return chart_.LineCount(channel); }
  const std::vector<PlotLine>& Lines(std::size_t channel) const { return chart_.Lines(channel); }
  double From() const { return chart_.From(); }
  double To() const { return chart_.To(); }
  std::optional<std::size_t> CursorRow() const { return chart_.Cursor(); }

  // The time range shown, in civil seconds; clamped to the data.
  void ShowRange(double from, double to);
  void ShowAll();
  // A span of seconds centred on the cursor (or the middle of the view).
  void ShowSpanAroundCursor(double seconds);
  // Zooms the time axis around a time (factor < 1 zooms in).
  void ZoomAround(double time, double factor);
  // Moves the range by a fraction of its width.
  void Pan(double fraction);
  // Puts the cursor on a row (clamped), moving the view to show it.
  void SetCursorRow(std::size_t row);
  void SetCursorAt(double time);

  // The plot as a picture: as shown, or `width` pixels wide at the shown
  // height.
  QByteArray Picture(PictureFormat format, int width = 0);

 signals:
  void RangeChanged();
  void CursorChanged();
  // The plot's size changed (and with it, maybe, LineColumns).
  void Resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // Lays the chart out again for the widget's size and repaints.
  void Relayout();
  void MoveCursorBy(long rows);
  double Middle() const;

  StripChart chart_;
  enum class Drag { None, Pan, Box } drag_ = Drag::None;
  double dragTime_ = 0;
  QPointF dragStart_;
  int64_t firstTime_ = 0;  // of the data shown, to follow a change of clock
  std::optional<Extent> extent_;
};

}  // namespace zerb
