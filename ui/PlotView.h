#pragma once
// The preview's plot: every shown channel of the open log over time, drawn
// from lines cut to the plot's width (PreviewData). The mouse wheel and
// + / - zoom the time axis, dragging and the arrow keys pan it, Home or a
// double click shows the whole log; the readout gives the time and values
// of the row under the cursor.

#include <QChartView>
#include <QColor>
#include <QString>
#include <cstddef>
#include <vector>

#include "ui/PreviewData.h"

class QDateTimeAxis;
class QLabel;
class QLineSeries;
class QValueAxis;

namespace zerb {

class PlotView : public QChartView {
  Q_OBJECT
 public:
  explicit PlotView(QWidget* parent);

  // The data to show, all channels shown; nullptr or empty data clears the
  // plot (with the data's error, if any, as its message). The data must
  // stay valid until the next call.
  void SetData(const PreviewData* data);
  void SetChannelShown(std::size_t channel, bool shown);
  // The colour of a channel's line.
  static QColor ChannelColor(std::size_t channel);

  // What the plot holds now, for its tests.
  std::size_t LineCount(std::size_t channel) const;
  const std::vector<PlotLine>& Lines(std::size_t channel) const { return lines_.at(channel); }
  double From() const { return from_; }
  double To() const { return to_; }
  QString ReadoutText() const;

  // The time range shown, in civil seconds; clamped to the data.
  void ShowRange(double from, double to);
  // Zooms the time axis around a time (factor < 1 zooms in).
  void ZoomAround(double time, double factor);
  // Moves the range by a fraction of its width.
  void Pan(double fraction);
  // Reads out the row nearest the time.
  void ReadOutAt(double time);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // Cuts the lines again for the range and width, and fits the value axis.
  void Redraw();
  void SetChannelSeries(std::size_t channel, const std::vector<PlotLine>& lines);
  double TimeAt(QPointF viewPoint) const;
  int PlotWidth() const;

  const PreviewData* data_ = nullptr;
  std::vector<bool> shown_;
  std::vector<std::vector<PlotLine>> lines_;
  std::vector<std::vector<QLineSeries*>> series_;
  double from_ = 0, to_ = 0;
  QDateTimeAxis* timeAxis_ = nullptr;
  QValueAxis* valueAxis_ = nullptr;
  QLabel* readout_ = nullptr;
  bool dragging_ = false;
  double dragTime_ = 0;
};

}  // namespace zerb
