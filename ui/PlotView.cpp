#include "ui/PlotView.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace zerb {

namespace {

// The shortest range shown: a few rows of the log.
double MinimumSpan(const PreviewData& preview) {
  if (preview.times.size() < 2) return 60;
  return std::max(1.0, 4.0 * double(preview.times.back() - preview.times.front()) / double(preview.times.size() - 1));
}

constexpr double Day = 86400;

}  // namespace

PlotView::PlotView(QWidget* parent) : QWidget(parent) {
  setObjectName("preview");
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  chart_.SetTexts(std::make_unique<LocaleTexts>(QLocale()));
  SetData(nullptr);
}

void PlotView::SetData(const PreviewData* preview, bool sameRows) {
  const std::vector<bool> shown = chart_.Shown();
  const std::optional<std::size_t> cursor = chart_.Cursor();
  const double from = From(), to = To();
  const int64_t oldFirst = firstTime_;
  chart_.SetData(preview);
  const PreviewData* now = chart_.Data();
  if (!now) {
    Relayout();
    emit RangeChanged();
    emit CursorChanged();
    return;
  }
  firstTime_ = now->times.front();
  if (sameRows && shown.size() == now->channels.size()) {
    for (std::size_t c = 0; c < shown.size(); ++c) chart_.SetShown(c, shown[c]);
    if (cursor && *cursor < now->times.size()) chart_.SetCursor(cursor);
    const double shift = double(firstTime_ - oldFirst);
    ShowRange(from + shift, to + shift);
  } else {
    ShowAll();
  }
  emit CursorChanged();
}

void PlotView::SetStretch(const PreviewData* rows) {
  const std::vector<bool> shown = chart_.Shown();
  const PreviewData* before = chart_.Data();
  std::optional<double> cursorTime;
  if (before && chart_.Cursor() && *chart_.Cursor() < before->times.size())
    cursorTime = double(before->times[*chart_.Cursor()]);
  const double from = From(), to = To();
  chart_.SetData(rows);
  const PreviewData* now = chart_.Data();
  if (now && shown.size() == now->channels.size())
    for (std::size_t c = 0; c < shown.size(); ++c) chart_.SetShown(c, shown[c]);
  if (now && cursorTime) chart_.SetCursor(NearestRow(*now, *cursorTime));
  if (now) firstTime_ = now->times.front();
  chart_.SetRange(from, to);
  Relayout();
  emit RangeChanged();
  emit CursorChanged();
}

void PlotView::SetEnvelope(const SeriesEnvelope* envelope, bool sameSeries) {
  const std::vector<bool> shown = chart_.Shown();
  chart_.SetEnvelope(envelope);
  if (const PreviewData* now = chart_.Data()) {
    if (sameSeries && shown.size() == now->channels.size())
      for (std::size_t c = 0; c < shown.size(); ++c) chart_.SetShown(c, shown[c]);
    firstTime_ = now->times.front();
  }
  Relayout();
  emit RangeChanged();
  emit CursorChanged();
}

int PlotView::LineColumns() const { return StripChart::LineColumns(QRectF(rect()), font()); }

void PlotView::SetGaps(std::vector<std::pair<int64_t, int64_t>> gaps) {
  chart_.SetGaps(std::move(gaps));
  update();
}

void PlotView::SetChannelShown(std::size_t channel, bool shown) {
  if (channel >= chart_.Shown().size() || chart_.Shown()[channel] == shown) return;
  chart_.SetShown(channel, shown);
  Relayout();
  emit RangeChanged();
}

void PlotView::SetChannelsShown(const std::vector<bool>& shown) {
  for (std::size_t c = 0; c < shown.size(); ++c) chart_.SetShown(c, shown[c]);
  Relayout();
  emit RangeChanged();
}

void PlotView::ShowRange(double from, double to) {
  const PreviewData* preview = chart_.Data();
  if (!preview) return;
  const double first = extent_ ? double(extent_->first) : double(preview->times.front());
  const double last = extent_ ? double(extent_->last) : double(preview->times.back());
  const double shortest = !extent_ ? MinimumSpan(*preview) : extent_->interval ? 4.0 * extent_->interval : 60.0;
  const double span = std::clamp(to - from, shortest, std::max(last - first, shortest));
  from = std::clamp(from, first, std::max(first, last - span));
  chart_.SetRange(from, from + span);
  Relayout();
  emit RangeChanged();
}

void PlotView::ShowAll() {
  if (extent_ && extent_->first < extent_->last) ShowRange(double(extent_->first), double(extent_->last));
  else if (const PreviewData* preview = chart_.Data()) ShowRange(double(preview->times.front()), double(preview->times.back()));
}

double PlotView::Middle() const {
  const PreviewData* preview = chart_.Data();
  if (preview && chart_.Cursor()) return double(preview->times[*chart_.Cursor()]);
  return (From() + To()) / 2;
}

void PlotView::ShowSpanAroundCursor(double seconds) {
  const double middle = Middle();
  ShowRange(middle - seconds / 2, middle + seconds / 2);
}

void PlotView::ZoomAround(double time, double factor) {
  ShowRange(time - (time - From()) * factor, time + (To() - time) * factor);
}

void PlotView::Pan(double fraction) {
  const double shift = (To() - From()) * fraction;
  ShowRange(From() + shift, To() + shift);
}

void PlotView::SetCursorRow(std::size_t row) {
  const PreviewData* preview = chart_.Data();
  if (!preview || chart_.Envelope()) return;  // no rows to put it on
  row = std::min(row, preview->times.size() - 1);
  chart_.SetCursor(row);
  const double time = double(preview->times[row]);
  if (time < From()) {
    ShowRange(time, time + To() - From());
  } else if (time > To()) {
    ShowRange(time - (To() - From()), time);
  } else {
    update();
  }
  emit CursorChanged();
}

void PlotView::SetCursorAt(double time) {
  if (const PreviewData* preview = chart_.Data()) SetCursorRow(NearestRow(*preview, time));
}

void PlotView::MoveCursorBy(long rows) {
  const PreviewData* preview = chart_.Data();
  if (!preview) return;
  const long at = long(chart_.Cursor().value_or(NearestRow(*preview, Middle())));
  SetCursorRow(std::size_t(std::clamp(at + rows, 0L, long(preview->times.size()) - 1)));
}

QByteArray PlotView::Picture(PictureFormat format, int width) {
  const QSize size = width > 0 ? QSize(width, height()) : this->size();
  const QByteArray bytes = ChartPicture(chart_, size, font(), format);
  Relayout();
  return bytes;
}

void PlotView::Relayout() {
  chart_.Layout(QRectF(rect()), font());
  update();
}

void PlotView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  chart_.Paint(painter);
}

void PlotView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Relayout();
  emit Resized();
}

void PlotView::wheelEvent(QWheelEvent* event) {
  if (!chart_.Data()) return;
  const double steps = event->angleDelta().y() / 120.0;
  ZoomAround(chart_.TimeAt(event->position().x()), std::pow(0.8, steps));
  event->accept();
}

void PlotView::keyPressEvent(QKeyEvent* event) {
  const PreviewData* preview = chart_.Data();
  if (!preview) return QWidget::keyPressEvent(event);
  const Qt::KeyboardModifiers mods = event->modifiers();
  const bool screen = (mods & Qt::ControlModifier) != 0, pan = (mods & Qt::ShiftModifier) != 0;
  // Rows in view: a screen's step of the cursor.
  const auto rowsShown = [&] {
    const auto first = std::lower_bound(preview->times.begin(), preview->times.end(), From());
    const auto last = std::upper_bound(preview->times.begin(), preview->times.end(), To());
    return std::max(1L, long(last - first) - 1);
  };
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
      const long sign = event->key() == Qt::Key_Left ? -1 : 1;
      if (pan) Pan(0.25 * double(sign));
      else MoveCursorBy(sign * (screen ? rowsShown() : 1));
      break;
    }
    case Qt::Key_PageUp: MoveCursorBy(-rowsShown()); break;
    case Qt::Key_PageDown: MoveCursorBy(rowsShown()); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: ZoomAround(Middle(), 0.5); break;
    case Qt::Key_Minus: ZoomAround(Middle(), 2); break;
    case Qt::Key_Home: ShowAll(); break;
    case Qt::Key_D: ShowSpanAroundCursor(Day); break;
    case Qt::Key_W: ShowSpanAroundCursor(7 * Day); break;
    default: return QWidget::keyPressEvent(event);
  }
  event->accept();
}

void PlotView::mousePressEvent(QMouseEvent* event) {
  if (chart_.Data() && event->button() == Qt::LeftButton) {
    const bool box = (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) != 0;
    drag_ = box ? Drag::Box : Drag::Pan;
    dragStart_ = event->position();
    dragTime_ = chart_.TimeAt(event->position().x());
    setFocus(Qt::MouseFocusReason);
  }
  event->accept();
}

void PlotView::mouseMoveEvent(QMouseEvent* event) {
  if (!chart_.Data()) return;
  const QPointF at = event->position();
  if (drag_ == Drag::Pan) {
    // The time grabbed stays under the pointer.
    const double shift = dragTime_ - chart_.TimeAt(at.x());
    ShowRange(From() + shift, To() + shift);
  } else if (drag_ == Drag::Box) {
    chart_.SetBox(QRectF(dragStart_, at));
    update();
  }
  const QRectF plot = chart_.PlotRect();
  if (drag_ == Drag::None && at.x() >= plot.left() && at.x() <= plot.right()) SetCursorAt(chart_.TimeAt(at.x()));
  event->accept();
}

void PlotView::mouseReleaseEvent(QMouseEvent* event) {
  if (drag_ == Drag::Box) {
    chart_.SetBox(std::nullopt);
    const double left = std::min(dragStart_.x(), event->position().x());
    const double right = std::max(dragStart_.x(), event->position().x());
    if (right - left >= 4) {
      ShowRange(chart_.TimeAt(left), chart_.TimeAt(right));
    } else {
      update();
    }
  }
  drag_ = Drag::None;
  event->accept();
}

void PlotView::mouseDoubleClickEvent(QMouseEvent* event) {
  ShowAll();
  event->accept();
}

}  // namespace zerb
