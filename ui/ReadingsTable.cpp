#include "ui/ReadingsTable.h"

#include <algorithm>
#include <cmath>

#include "chart/Strips.h"
#include "ui/PlotView.h"

namespace zerb {

namespace {

QString Number(double value, int decimals) {
  if (std::isnan(value)) return QString();
  return QString::number(value, 'f', std::max(0, decimals));
}

int DecimalsOf(const SeriesChannel& channel) { return channel.exponent < 0 ? -channel.exponent : 0; }

}  // namespace

ReadingsTable::ReadingsTable(const PlotView& plot, QObject* parent) : QAbstractTableModel(parent), plot_(plot) {}

void ReadingsTable::Rebuild() {
  beginResetModel();
  channels_.clear();
  if (const PreviewData* data = plot_.Data()) {
    const std::vector<bool>& shown = plot_.Chart().Shown();
    for (std::size_t c = 0; c < data->channels.size(); ++c)
      if (c >= shown.size() || shown[c]) channels_.push_back(c);
  }
  figures_.assign(channels_.size(), Figures{});
  endResetModel();
  RangeChanged();
}

void ReadingsTable::SetFigures(std::vector<Figures> byChannel, double from, double to) {
  given_ = std::move(byChannel);
  givenFrom_ = from, givenTo_ = to;
  RangeChanged();
}

void ReadingsTable::RangeChanged() {
  const PreviewData* data = plot_.Data();
  if (!data || channels_.empty()) return;
  figuresKnown_ = data->values.size() == data->channels.size();
  if (!figuresKnown_) {
    // No rows: the figures given for the range shown, if any.
    figuresKnown_ = given_.size() == data->channels.size() && givenFrom_ == plot_.From() && givenTo_ == plot_.To();
    for (std::size_t i = 0; i < channels_.size(); ++i) figures_[i] = figuresKnown_ ? given_[channels_[i]] : Figures{};
    emit dataChanged(index(0, Lowest), index(int(channels_.size()) - 1, Starts));
    return;
  }
  const auto& times = data->times;
  const std::size_t begin = std::size_t(std::lower_bound(times.begin(), times.end(), plot_.From()) - times.begin());
  const std::size_t end = std::size_t(std::upper_bound(times.begin(), times.end(), plot_.To()) - times.begin());
  for (std::size_t i = 0; i < channels_.size(); ++i) {
    const std::size_t c = channels_[i];
    figures_[i] = FiguresOf(data->values[c], begin, end, data->channels[c].digital);
  }
  emit dataChanged(index(0, Lowest), index(int(channels_.size()) - 1, Starts));
}

void ReadingsTable::CursorChanged() {
  if (!channels_.empty()) emit dataChanged(index(0, AtCursor), index(int(channels_.size()) - 1, AtCursor));
}

QString ReadingsTable::Heading() const {
  const PreviewData* data = plot_.Data();
  if (!data) return QString();
  const StripChart& chart = plot_.Chart();
  const ChartTexts& texts = chart.Texts();
  const auto shown = [&](double time) { return texts.DateTime(chart.Clock().Shown(int64_t(std::llround(time)))); };
  QString heading;
  if (const auto row = plot_.CursorRow()) heading = tr("Cursor: %1 \u00b7 ").arg(shown(double(data->times[*row])));
  return heading + tr("Shown: %1 to %2").arg(shown(plot_.From()), shown(plot_.To()));
}

QString ReadingsTable::Text(int row, int column) const {
  const PreviewData* data = plot_.Data();
  if (!data || row < 0 || std::size_t(row) >= channels_.size()) return QString();
  const std::size_t c = channels_[std::size_t(row)];
  const SeriesChannel& channel = data->channels[c];
  const Figures& f = figures_[std::size_t(row)];
  const bool onOff = channel.digital;
  const int decimals = DecimalsOf(channel);
  if (column >= Lowest && !figuresKnown_) return QString();
  switch (Column(column)) {
    case Channel: return SiteText(channel.name);
    case Unit: return QString::fromStdString(StripUnit(channel));
    case AtCursor: {
      const auto cursor = plot_.CursorRow();
      if (!cursor || c >= data->values.size() || *cursor >= data->values[c].size()) return QString();
      const float value = data->values[c][*cursor];
      if (onOff && !std::isnan(value)) return value != 0 ? tr("on") : tr("off");
      return QString::fromStdString(ValueText(value, channel.exponent));
    }
    case Lowest: return onOff || f.count == 0 ? QString() : Number(f.low, decimals);
    case Highest: return onOff || f.count == 0 ? QString() : Number(f.high, decimals);
    case Mean: return onOff ? QString() : Number(f.Mean(), decimals + 1);
    case Readings: return QString::number(f.count);
    case HoursOn: return onOff ? Number(f.HoursOn(data->interval), 2) : QString();
    case Starts: return onOff ? QString::number(f.starts) : QString();
    case Columns: break;
  }
  return QString();
}

int ReadingsTable::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(channels_.size()); }

int ReadingsTable::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Columns; }

QVariant ReadingsTable::data(const QModelIndex& index, int role) const {
  if (role == Qt::DisplayRole) return Text(index.row(), index.column());
  if (role == Qt::TextAlignmentRole && index.column() >= AtCursor)
    return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
  if (role == Qt::ForegroundRole && index.column() == Channel && std::size_t(index.row()) < channels_.size()) {
    const LineStyle& style = plot_.Chart().Styles()[channels_[std::size_t(index.row())]];
    return QColor::fromRgb(QRgb(0xff000000u | style.rgb));
  }
  return {};
}

QVariant ReadingsTable::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* const names[Columns] = {"Channel", "Unit",     "At cursor", "Lowest", "Highest",
                                             "Mean",    "Readings", "Hours on",  "Starts"};
  return section >= 0 && section < Columns ? tr(names[section]) : QVariant();
}

}  // namespace zerb
