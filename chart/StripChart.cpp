#include "chart/StripChart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

#include "chart/EnvelopeLines.h"

namespace zerb {

namespace {

constexpr double Gap = 6;          // between strips
constexpr double LaneGap = 2;      // between lanes
constexpr double LaneMost = 14;    // a lane's height at most
constexpr double LaneLeast = 3;    // ... and at least
constexpr double LanesShare = 0.35;  // of the height, at most, where there are strips too
const QColor GapShade(0xe4, 0xe4, 0xe4);
const QColor Frame(0xc0, 0xc0, 0xc0), Grid(0xe8, 0xe8, 0xe8), Ink(0x30, 0x30, 0x30), LaneGround(0xf2, 0xf2, 0xf2);

QColor ColorOf(const LineStyle& style) { return QColor::fromRgb(QRgb(0xff000000u | style.rgb)); }

QPen PenOf(const LineStyle& style, double width) {
  QPen pen(ColorOf(style), width);
  static const Qt::PenStyle dashes[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
  pen.setStyle(dashes[style.dash % 4]);
  return pen;
}

QString Number(double value, int decimals) {
  if (value == 0) value = 0;  // no "-0"
  return QString::number(value, 'f', decimals);
}

}  // namespace

StripChart::StripChart() : texts_(std::make_unique<IsoTexts>()) {}
StripChart::~StripChart() = default;

void StripChart::SetData(const PreviewData* data) {
  envelope_ = nullptr;
  gaps_.clear();
  data_ = data && !data->Empty() ? data : nullptr;
  const std::size_t channels = data_ ? data_->channels.size() : 0;
  shown_.assign(channels, true);
  styles_ = data_ ? LineStyles(data_->channels) : std::vector<LineStyle>{};
  lines_.assign(channels, {});
  polylines_.assign(channels, {});
  onRuns_.assign(channels, {});
  cursor_.reset();
  message_ = data && !data->error.empty() ? QStringLiteral("No plot: ") + QString::fromStdString(data->error) : QString();
  if (data_) {
    const double first = double(data_->times.front()), last = double(data_->times.back());
    from_ = first < last ? first : first - 30;
    to_ = first < last ? last : last + 30;
  }
}

void StripChart::SetEnvelope(const SeriesEnvelope* envelope) {
  shape_ = {};
  if (envelope) {
    shape_.channels = envelope->channels;
    shape_.interval = envelope->interval;
    const bool any = std::any_of(envelope->cells.begin(), envelope->cells.end(), [](const auto& c) { return !c.empty(); });
    if (any) shape_.times = {envelope->first.value_or(envelope->from), envelope->last.value_or(envelope->to)};
  }
  SetData(&shape_);
  if (!data_) return;
  envelope_ = envelope;
  from_ = double(envelope->from), to_ = double(envelope->to);
}

namespace {

// The margin left of the strips for the value labels: that of a usual
// number, widened where the labels need more.
double UsualMargin(const QFontMetricsF& metrics) { return metrics.horizontalAdvance(QStringLiteral("-0000.0")) + 10; }
constexpr double RightMargin = 8;

}  // namespace

int StripChart::LineColumns(const QRectF& area, const QFont& font) {
  return std::max(1, int(area.width() - UsualMargin(QFontMetricsF(font)) - RightMargin));
}

void StripChart::SetShown(std::size_t channel, bool shown) {
  if (channel < shown_.size()) shown_[channel] = shown;
}

double StripChart::XOf(double time) const {
  return plot_.left() + (time - from_) / (to_ - from_) * plot_.width();
}

double StripChart::TimeAt(double x) const {
  return from_ + (x - plot_.left()) / std::max(1.0, plot_.width()) * (to_ - from_);
}

void StripChart::Layout(const QRectF& area, const QFont& font) {
  area_ = area;
  font_ = font;
  plan_ = {};
  scales_.clear();
  stripRects_.clear();
  valueRects_.clear();
  laneRects_.clear();
  ticks_ = {};
  if (!data_) {
    plot_ = area;
    return;
  }
  const QFontMetricsF metrics(font);
  plan_ = PlanStrips(data_->channels, shown_);
  // The margin left of the strips holds the value labels: widened once if
  // the fitted scales' labels need more than a usual number.
  double margin = UsualMargin(metrics);
  CutLines(LineColumns(area, font));
  for (int round = 0; round < 2; ++round) {
    plot_ = area.adjusted(margin, metrics.height() / 2 + 2, -RightMargin, -(2 * metrics.height() + 10));
    plot_.setSize(QSizeF(std::max(1.0, plot_.width()), std::max(1.0, plot_.height())));
    PlaceRows(metrics);
    FitScales(metrics);
    double widest = 0;
    for (std::size_t s = 0; s < scales_.size(); ++s)
      for (double tick : scales_[s].ticks)
        widest = std::max(widest, metrics.horizontalAdvance(Number(tick, scales_[s].decimals)));
    if (widest + 10 <= margin) break;
    margin = widest + 10;
  }
  const double labelWidth = metrics.horizontalAdvance(texts_->Date(0)) + 24;
  ticks_ = TimeScaleFor(from_, to_, std::max(2, int(plot_.width() / labelWidth)), clock_);
  // The lines in pixels, once per layout rather than at every paint.
  for (std::size_t s = 0; s < plan_.strips.size(); ++s) {
    const QRectF& rect = valueRects_[s];
    const ValueScale& scale = scales_[s];
    const double perValue = rect.height() / (scale.high - scale.low);
    for (std::size_t c : plan_.strips[s].channels) {
      polylines_[c].clear();
      for (const PlotLine& line : lines_[c]) {
        QPolygonF points;
        points.reserve(qsizetype(line.size()));
        for (const PlotPoint& p : line) points.append(QPointF(XOf(p.time), rect.bottom() - (p.value - scale.low) * perValue));
        polylines_[c].push_back(std::move(points));
      }
    }
  }
}

void StripChart::PlaceRows(const QFontMetricsF& metrics) {
  stripRects_.clear();
  valueRects_.clear();
  laneRects_.clear();
  const std::size_t lanes = plan_.lanes.size(), strips = plan_.strips.size();
  double laneHeight = 0;
  if (lanes > 0) {
    const double room = strips > 0 ? plot_.height() * LanesShare : plot_.height();
    laneHeight = std::clamp(std::floor(room / double(lanes)) - LaneGap, LaneLeast, LaneMost);
  }
  const double lanesHeight = double(lanes) * (laneHeight + LaneGap);
  const double stripsHeight = plot_.height() - lanesHeight - (strips > 0 && lanes > 0 ? Gap : 0);
  const double stripHeight = strips > 0 ? std::max(8.0, (stripsHeight - Gap * double(strips - 1)) / double(strips)) : 0;
  double y = plot_.top();
  // The values keep clear of the legend's band where the strip has room.
  const double band = metrics.height() + 4;
  for (std::size_t s = 0; s < strips; ++s, y += stripHeight + Gap) {
    stripRects_.push_back(QRectF(plot_.left(), y, plot_.width(), stripHeight));
    valueRects_.push_back(stripRects_.back().adjusted(0, stripHeight > 3 * band ? band : 0, 0, 0));
  }
  y = plot_.bottom() - lanesHeight + LaneGap;
  for (std::size_t l = 0; l < lanes; ++l, y += laneHeight + LaneGap)
    laneRects_.push_back(QRectF(plot_.left(), y, plot_.width(), laneHeight));
}

void StripChart::CutLines(int columns) {
  for (auto& l : lines_) l.clear();
  for (auto& p : polylines_) p.clear();
  for (auto& r : onRuns_) r.clear();
  if (envelope_) {
    for (const Strip& strip : plan_.strips)
      for (std::size_t c : strip.channels) lines_[c] = EnvelopeLines(*envelope_, c);
    for (std::size_t c : plan_.lanes) onRuns_[c] = EnvelopeOnRuns(*envelope_, c, (to_ - from_) / columns);
    return;
  }
  for (const Strip& strip : plan_.strips)
    for (std::size_t c : strip.channels) lines_[c] = ChannelLines(*data_, c, from_, to_, columns);
  for (std::size_t c : plan_.lanes) onRuns_[c] = zerb::OnRuns(*data_, c, from_, to_, columns);
}

void StripChart::FitScales(const QFontMetricsF& metrics) {
  scales_.clear();
  for (std::size_t s = 0; s < plan_.strips.size(); ++s) {
    double low = std::numeric_limits<double>::infinity(), high = -low;
    double anyLow = low, anyHigh = high;  // with the readings just outside the range
    for (std::size_t c : plan_.strips[s].channels)
      for (const PlotLine& line : lines_[c])
        for (const PlotPoint& p : line) {
          anyLow = std::min(anyLow, p.value), anyHigh = std::max(anyHigh, p.value);
          if (p.time < from_ || p.time > to_) continue;
          low = std::min(low, p.value), high = std::max(high, p.value);
        }
    if (!(low <= high)) low = anyLow, high = anyHigh;
    for (std::size_t c : plan_.strips[s].channels) {
      if (c >= data_->lows.size() || data_->lows[c].empty()) continue;
      for (std::size_t r = 0; r < data_->times.size(); ++r) {
        if (double(data_->times[r]) < from_ || double(data_->times[r]) > to_ || std::isnan(data_->lows[c][r])) continue;
        low = std::min(low, double(data_->lows[c][r])), high = std::max(high, double(data_->highs[c][r]));
      }
    }
    const int maxTicks = std::max(1, int(valueRects_[s].height() / (metrics.height() * 1.6)));
    scales_.push_back(ValueScaleFor(low, high, maxTicks));
  }
}

void StripChart::Paint(QPainter& painter) const {
  painter.save();
  painter.setFont(font_);
  painter.fillRect(area_, Qt::white);
  if (!data_ || !message_.isEmpty()) {
    painter.setPen(Ink);
    painter.drawText(area_, Qt::AlignCenter | Qt::TextWordWrap, message_);
    painter.restore();
    return;
  }
  painter.setRenderHint(QPainter::Antialiasing, antialiased_);
  for (std::size_t s = 0; s < plan_.strips.size(); ++s) PaintStrip(painter, s);
  PaintLanes(painter);
  PaintTimeAxis(painter);
  if (cursor_ && *cursor_ < data_->times.size()) {
    const double x = XOf(double(data_->times[*cursor_]));
    if (x >= plot_.left() - 0.5 && x <= plot_.right() + 0.5) {
      painter.setRenderHint(QPainter::Antialiasing, false);
      painter.setPen(QPen(Ink, 1));
      painter.drawLine(QPointF(x, plot_.top()), QPointF(x, plot_.bottom()));
    }
  }
  if (box_) {
    painter.setPen(QPen(QColor(0, 0x77, 0xbb), 1));
    painter.setBrush(QColor(0, 0x77, 0xbb, 40));
    painter.drawRect(box_->normalized());
  }
  painter.restore();
}

void StripChart::PaintBand(QPainter& painter, std::size_t c, const QRectF& values, const ValueScale& scale) const {
  if (c >= data_->lows.size() || data_->lows[c].empty()) return;
  const double perValue = values.height() / (scale.high - scale.low);
  const auto y = [&](float v) { return values.bottom() - (double(v) - scale.low) * perValue; };
  QColor fill = QColor::fromRgb(QRgb(0xff000000u | styles_[c].rgb));
  fill.setAlpha(60);
  painter.setPen(Qt::NoPen);
  painter.setBrush(fill);
  // Each unbroken stretch of rows is one polygon: the highs forward, the
  // lows back.
  const std::vector<float>& lows = data_->lows[c];
  const std::vector<float>& highs = data_->highs[c];
  for (std::size_t r = 0; r < lows.size();) {
    if (std::isnan(lows[r])) {
      ++r;
      continue;
    }
    std::size_t end = r;
    while (end < lows.size() && !std::isnan(lows[end])) ++end;
    QPolygonF band;
    for (std::size_t i = r; i < end; ++i) band << QPointF(XOf(double(data_->times[i])), y(highs[i]));
    for (std::size_t i = end; i-- > r;) band << QPointF(XOf(double(data_->times[i])), y(lows[i]));
    painter.drawPolygon(band);
    r = end;
  }
  painter.setBrush(Qt::NoBrush);
}

// Antialiased, a line is drawn a little wider than a pixel, except where it
// has more points than the pixel columns it crosses: its points already
// fill those columns, and outlining a wider pen along a line that turns
// within every column costs many times the one-pixel pen, which the
// painter draws directly.
double StripChart::LineWidth(const QPolygonF& line) const {
  if (!antialiased_) return 1;
  const double columns = line.isEmpty() ? 0 : line.back().x() - line.front().x();
  return double(line.size()) > columns + 1 ? 1 : 1.3;
}

void StripChart::PaintStrip(QPainter& painter, std::size_t s) const {
  const QRectF& rect = stripRects_[s];
  const QRectF& values = valueRects_[s];
  const ValueScale& scale = scales_[s];
  const QFontMetricsF metrics(font_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(Grid, 1));
  for (const TimeTick& tick : ticks_.ticks) painter.drawLine(QPointF(XOf(tick.at), rect.top()), QPointF(XOf(tick.at), rect.bottom()));
  const double perValue = values.height() / (scale.high - scale.low);
  for (double v : scale.ticks) {
    const double y = values.bottom() - (v - scale.low) * perValue;
    painter.setPen(QPen(Grid, 1));
    painter.drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
    // Labels stay beside their own strip, clear of the next one's.
    painter.setPen(Ink);
    const double top = std::clamp(y - metrics.height() / 2, rect.top() - 1, rect.bottom() + 1 - metrics.height());
    const QRectF label(area_.left(), top, rect.left() - area_.left() - 5, metrics.height());
    painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, Number(v, scale.decimals));
  }
  PaintGaps(painter, rect);
  painter.setPen(QPen(Frame, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect);
  painter.save();
  painter.setClipRect(rect.adjusted(0, -1, 0, 1));
  painter.setRenderHint(QPainter::Antialiasing, antialiased_);
  for (std::size_t c : plan_.strips[s].channels) PaintBand(painter, c, values, scale);
  for (std::size_t c : plan_.strips[s].channels)
    for (const QPolygonF& line : polylines_[c]) {
      painter.setPen(PenOf(styles_[c], LineWidth(line)));
      painter.drawPolyline(line);
    }
  painter.restore();
  PaintLegend(painter, s);
}

// The unit and the channels of a strip in its top corner, over whatever
// runs there: as many names as fit, then how many more there are.
void StripChart::PaintLegend(QPainter& painter, std::size_t s) const {
  const QRectF& rect = stripRects_[s];
  const std::vector<std::size_t>& channels = plan_.strips[s].channels;
  QFont bold = font_;
  bold.setBold(true);
  const QFontMetricsF metrics(font_), boldMetrics(bold);
  const double height = std::max(metrics.height(), boldMetrics.height()) + 2;
  const QString unit = QString::fromStdString(plan_.strips[s].unit);
  const double sample = 16, room = rect.width() - 8;
  // Lay out first, then draw over one backing box.
  double x = 4 + (unit.isEmpty() ? 0 : boldMetrics.horizontalAdvance(unit) + 10);
  std::size_t fitting = 0;
  for (; fitting < channels.size(); ++fitting) {
    const double width = sample + 4 + metrics.horizontalAdvance(SiteText(data_->channels[channels[fitting]].name)) + 12;
    const double more = fitting + 1 < channels.size() ? metrics.horizontalAdvance(QStringLiteral("+999 more")) : 0;
    if (x + width + more > room) break;
    x += width;
  }
  const QString rest = fitting < channels.size() ? QStringLiteral("+%1 more").arg(channels.size() - fitting) : QString();
  if (!rest.isEmpty()) x += metrics.horizontalAdvance(rest) + 4;
  const QRectF box(rect.left() + 1, rect.top() + 1, std::min(x, room), height);
  painter.fillRect(box, QColor(255, 255, 255, 225));
  double at = box.left() + 4;
  painter.setPen(Ink);
  if (!unit.isEmpty()) {
    painter.setFont(bold);
    painter.drawText(QRectF(at, box.top(), boldMetrics.horizontalAdvance(unit) + 1, height), Qt::AlignVCenter, unit);
    at += boldMetrics.horizontalAdvance(unit) + 10;
    painter.setFont(font_);
  }
  for (std::size_t i = 0; i < fitting; ++i) {
    const std::size_t c = channels[i];
    const QString name = SiteText(data_->channels[c].name);
    painter.setPen(PenOf(styles_[c], 2));
    painter.drawLine(QPointF(at, box.center().y()), QPointF(at + sample, box.center().y()));
    at += sample + 4;
    painter.setPen(Ink);
    painter.drawText(QRectF(at, box.top(), metrics.horizontalAdvance(name) + 1, height), Qt::AlignVCenter, name);
    at += metrics.horizontalAdvance(name) + 12;
  }
  if (!rest.isEmpty()) painter.drawText(QRectF(at, box.top(), metrics.horizontalAdvance(rest) + 1, height), Qt::AlignVCenter, rest);
}

void StripChart::PaintLanes(QPainter& painter) const {
  const QFontMetricsF metrics(font_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (std::size_t l = 0; l < laneRects_.size(); ++l) {
    const QRectF& rect = laneRects_[l];
    const std::size_t c = plan_.lanes[l];
    const QColor color = ColorOf(styles_[c]);
    painter.fillRect(rect, LaneGround);
    PaintGaps(painter, rect);
    for (const auto& [begin, end] : onRuns_[c]) {
      const double left = std::max(rect.left(), XOf(begin)), right = std::min(rect.right(), XOf(end));
      if (right > left) painter.fillRect(QRectF(left, rect.top(), std::max(1.0, right - left), rect.height()), color);
    }
    if (rect.height() + 2 >= metrics.height() * 0.7) {
      const QString name = SiteText(data_->channels[c].name);
      const double room = rect.left() - area_.left() - 5;
      painter.setPen(color.darker(120));
      painter.drawText(QRectF(area_.left(), rect.center().y() - metrics.height() / 2, room, metrics.height()),
                       Qt::AlignRight | Qt::AlignVCenter, metrics.elidedText(name, Qt::ElideRight, room));
    }
  }
}

// A gap's stretch without rows, from just after the last row before it to
// the first row after it, lightly shaded under the lines.
void StripChart::PaintGaps(QPainter& painter, const QRectF& rect) const {
  for (const auto& [after, before] : gaps_) {
    const double left = std::max(rect.left(), XOf(double(after))), right = std::min(rect.right(), XOf(double(before)));
    if (right > left) painter.fillRect(QRectF(left, rect.top(), std::max(1.0, right - left), rect.height()), GapShade);
  }
}

void StripChart::PaintTimeAxis(QPainter& painter) const {
  const QFontMetricsF metrics(font_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(Grid, 1));
  for (const QRectF& lane : laneRects_)
    for (const TimeTick& tick : ticks_.ticks) painter.drawLine(QPointF(XOf(tick.at), lane.top()), QPointF(XOf(tick.at), lane.bottom()));
  painter.setPen(Ink);
  const double y = plot_.bottom() + 4;
  double freeFrom = area_.left();
  for (const TimeTick& tick : ticks_.ticks) {
    const QString label = texts_->TickLabel(tick, ticks_.step);
    const double width = metrics.horizontalAdvance(label);
    const double x = std::clamp(XOf(tick.at) - width / 2, area_.left(), area_.right() - width);
    if (x < freeFrom) continue;  // no label over another
    painter.drawLine(QPointF(XOf(tick.at), plot_.bottom()), QPointF(XOf(tick.at), plot_.bottom() + 3));
    painter.drawText(QRectF(x, y, width + 1, metrics.height()), Qt::AlignLeft | Qt::AlignTop, label);
    freeFrom = x + width + 8;
  }
  const QString range = texts_->DateTime(clock_.Shown(int64_t(std::floor(from_)))) + QStringLiteral(" \u2013 ") +
                        texts_->DateTime(clock_.Shown(int64_t(std::ceil(to_))));
  painter.drawText(QRectF(plot_.left(), y + metrics.height() + 2, plot_.width(), metrics.height()),
                   Qt::AlignLeft | Qt::AlignTop, range);
}

}  // namespace zerb
