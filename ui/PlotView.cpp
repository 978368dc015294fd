#include "ui/PlotView.h"

#include <QDateTime>
#include <QDateTimeAxis>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QValueAxis>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "styles/UnitText.h"

namespace zerb {

namespace {

// Row times are the logger's civil time; the time axis shows local time, so
// a civil time goes to the axis as the local time with the same fields.
double AxisMs(double civilSeconds) {
  const QDateTime utc = QDateTime::fromMSecsSinceEpoch(qint64(std::llround(civilSeconds * 1000)), Qt::UTC);
  return double(QDateTime(utc.date(), utc.time()).toMSecsSinceEpoch());
}

double CivilSeconds(double axisMs) {
  const QDateTime local = QDateTime::fromMSecsSinceEpoch(qint64(std::llround(axisMs)));
  return double(QDateTime(local.date(), local.time(), Qt::UTC).toMSecsSinceEpoch()) / 1000;
}

QString Latin1(const std::string& text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

// The shortest range shown: a few rows of the log.
double MinimumSpan(const PreviewData& data) {
  if (data.times.size() < 2) return 60;
  return std::max(1.0, 4.0 * (data.times.back() - data.times.front()) / double(data.times.size() - 1));
}

}  // namespace

PlotView::PlotView(QWidget* parent) : QChartView(parent) {
  setObjectName("preview");
  setRenderHint(QPainter::Antialiasing, false);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  auto* plot = new QChart;
  plot->legend()->hide();
  plot->setMargins(QMargins(4, 4, 4, 4));
  timeAxis_ = new QDateTimeAxis(plot);
  timeAxis_->setFormat("dd.MM. HH:mm");
  timeAxis_->setTickCount(5);
  valueAxis_ = new QValueAxis(plot);
  plot->addAxis(timeAxis_, Qt::AlignBottom);
  plot->addAxis(valueAxis_, Qt::AlignLeft);
  // The view comes with a chart of its own, which it gives up unowned.
  QChart* own = chart();
  setChart(plot);
  delete own;
  readout_ = new QLabel(this);
  readout_->setObjectName("readout");
  readout_->setTextFormat(Qt::PlainText);
  readout_->setAttribute(Qt::WA_TransparentForMouseEvents);
  SetData(nullptr);
}

QColor PlotView::ChannelColor(std::size_t channel) {
  static const QColor palette[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
                                   QColor(0xff, 0x7f, 0x0e), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
                                   QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f), QColor(0xbc, 0xbd, 0x22),
                                   QColor(0x17, 0xbe, 0xcf)};
  return palette[channel % std::size(palette)];
}

void PlotView::SetData(const PreviewData* preview) {
  data_ = preview && !preview->Empty() ? preview : nullptr;
  for (auto& channel : series_) {
    for (QLineSeries* s : channel) {
      chart()->removeSeries(s);
      delete s;
    }
  }
  series_.clear();
  lines_.clear();
  const std::size_t channels = data_ ? data_->channels.size() : 0;
  series_.resize(channels);
  lines_.resize(channels);
  shown_.assign(channels, true);
  chart()->setTitle(preview && !preview->error.empty() ? "No preview: " + QString::fromStdString(preview->error) : QString());
  timeAxis_->setVisible(data_ != nullptr);
  valueAxis_->setVisible(data_ != nullptr);
  readout_->clear();
  if (data_) ShowRange(data_->times.front(), data_->times.back());
}

void PlotView::SetChannelShown(std::size_t channel, bool shown) {
  if (channel >= shown_.size() || shown_[channel] == shown) return;
  shown_[channel] = shown;
  Redraw();
}

std::size_t PlotView::LineCount(std::size_t channel) const { return channel < lines_.size() ? lines_[channel].size() : 0; }

QString PlotView::ReadoutText() const { return readout_->text(); }

void PlotView::ShowRange(double from, double to) {
  if (!data_) return;
  const double first = data_->times.front(), last = data_->times.back();
  const double shortest = MinimumSpan(*data_);
  const double span = std::clamp(to - from, shortest, std::max(last - first, shortest));
  from = std::clamp(from, first, std::max(first, last - span));
  from_ = from;
  to_ = from + span;
  Redraw();
}

void PlotView::ZoomAround(double time, double factor) {
  ShowRange(time - (time - from_) * factor, time + (to_ - time) * factor);
}

void PlotView::Pan(double fraction) {
  const double shift = (to_ - from_) * fraction;
  ShowRange(from_ + shift, to_ + shift);
}

void PlotView::ReadOutAt(double time) {
  if (!data_) return;
  const std::size_t row = NearestRow(*data_, time);
  QString text = QString::fromStdString(TimeText(data_->times[row]));
  for (std::size_t c = 0; c < data_->channels.size(); ++c) {
    if (!shown_[c]) continue;
    const SeriesChannel& channel = data_->channels[c];
    const std::string_view unit = UnitText(channel.unitsLetter, channel.typeName);
    text += "   " + Latin1(channel.name) + " " + QString::fromStdString(ValueText(data_->values[c][row], channel.exponent)) +
            QString::fromUtf8(unit.data(), qsizetype(unit.size()));
  }
  readout_->setText(text);
  readout_->adjustSize();
}

// Before the chart's first layout its plot area is empty: the view's width
// stands in for it.
int PlotView::PlotWidth() const {
  const int area = int(chart()->plotArea().width());
  return std::max(1, area > 1 ? area : width());
}

void PlotView::Redraw() {
  if (!data_) return;
  double low = INFINITY, high = -INFINITY;
  for (std::size_t c = 0; c < lines_.size(); ++c) {
    lines_[c] = shown_[c] ? ChannelLines(*data_, c, from_, to_, PlotWidth()) : std::vector<PlotLine>{};
    for (const PlotLine& line : lines_[c]) {
      for (const PlotPoint& p : line) low = std::min(low, p.value), high = std::max(high, p.value);
    }
    SetChannelSeries(c, lines_[c]);
  }
  if (!(low <= high)) low = 0, high = 1;
  const double margin = high > low ? (high - low) * 0.05 : 1;
  valueAxis_->setRange(low - margin, high + margin);
  timeAxis_->setRange(QDateTime::fromMSecsSinceEpoch(qint64(AxisMs(from_))),
                      QDateTime::fromMSecsSinceEpoch(qint64(AxisMs(to_))));
}

// One series per unbroken line, kept from one redraw to the next.
void PlotView::SetChannelSeries(std::size_t channel, const std::vector<PlotLine>& lines) {
  std::vector<QLineSeries*>& pool = series_[channel];
  while (pool.size() < lines.size()) {
    auto* s = new QLineSeries;
    s->setPen(QPen(ChannelColor(channel), 1.5));
    chart()->addSeries(s);
    s->attachAxis(timeAxis_);
    s->attachAxis(valueAxis_);
    pool.push_back(s);
  }
  while (pool.size() > lines.size()) {
    chart()->removeSeries(pool.back());
    delete pool.back();
    pool.pop_back();
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    QList<QPointF> points;
    points.reserve(qsizetype(lines[i].size()));
    for (const PlotPoint& p : lines[i]) points.append(QPointF(AxisMs(p.time), p.value));
    pool[i]->replace(points);
  }
}

double PlotView::TimeAt(QPointF viewPoint) const {
  const QPointF scene = mapToScene(viewPoint.toPoint());
  const QPointF value = chart()->mapToValue(chart()->mapFromScene(scene));
  return CivilSeconds(value.x());
}

void PlotView::resizeEvent(QResizeEvent* event) {
  QChartView::resizeEvent(event);
  readout_->move(8, 2);
  Redraw();
}

void PlotView::wheelEvent(QWheelEvent* event) {
  if (!data_) return;
  const double steps = event->angleDelta().y() / 120.0;
  ZoomAround(TimeAt(event->position()), std::pow(0.8, steps));
  event->accept();
}

void PlotView::keyPressEvent(QKeyEvent* event) {
  if (!data_) return QChartView::keyPressEvent(event);
  const double middle = (from_ + to_) / 2;
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: ZoomAround(middle, 0.5); break;
    case Qt::Key_Minus: ZoomAround(middle, 2); break;
    case Qt::Key_Left: Pan(-0.25); break;
    case Qt::Key_Right: Pan(0.25); break;
    case Qt::Key_Home: ShowRange(data_->times.front(), data_->times.back()); break;
    default: return QChartView::keyPressEvent(event);
  }
  event->accept();
}

void PlotView::mousePressEvent(QMouseEvent* event) {
  if (data_ && event->button() == Qt::LeftButton) {
    dragging_ = true;
    dragTime_ = TimeAt(event->position());
    setFocus(Qt::MouseFocusReason);
  }
  event->accept();
}

void PlotView::mouseMoveEvent(QMouseEvent* event) {
  if (!data_) return;
  const double time = TimeAt(event->position());
  if (dragging_) {
    // The time grabbed stays under the cursor.
    const double shift = dragTime_ - time;
    ShowRange(from_ + shift, to_ + shift);
  }
  ReadOutAt(dragging_ ? dragTime_ : time);
  event->accept();
}

void PlotView::mouseReleaseEvent(QMouseEvent* event) {
  dragging_ = false;
  event->accept();
}

void PlotView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (data_) ShowRange(data_->times.front(), data_->times.back());
  event->accept();
}

}  // namespace zerb
