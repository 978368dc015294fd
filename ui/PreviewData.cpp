#include "ui/PreviewData.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>

namespace zerb {

namespace {

// 10^exponent for the exponents a reading can have (a signed byte).
class PowersOfTen {
 public:
  PowersOfTen() {
    for (int e = -128; e < 128; ++e) table_[std::size_t(e + 128)] = std::pow(10.0, e);
  }
  double operator()(int8_t exponent) const { return table_[std::size_t(exponent + 128)]; }

 private:
  double table_[256];
};

}  // namespace

PreviewData LoadPreview(Series& series, std::size_t expectedRows) {
  static const PowersOfTen powerOfTen;
  PreviewData data;
  const auto channels = series.Channels();
  data.channels.assign(channels.begin(), channels.end());
  data.values.resize(channels.size());
  const float missing = std::numeric_limits<float>::quiet_NaN();
  // Rows go into columns made long enough beforehand, cut to the rows read
  // at the end.
  std::size_t rows = 0;
  auto makeRoom = [&](std::size_t size) {
    data.times.resize(size);
    for (auto& column : data.values) column.resize(size);
  };
  makeRoom(std::max<std::size_t>(expectedRows, 1));
  const int walked = series.ForEachRow([&](uint32_t time, std::span<const Reading> readings) {
    if (rows == data.times.size()) makeRoom(2 * rows);
    data.times[rows] = time;
    const std::size_t count = std::min(readings.size(), data.values.size());
    for (std::size_t i = 0; i < count; ++i) {
      const Reading& r = readings[i];
      data.values[i][rows] = r.present && r.valid ? static_cast<float>(r.value * powerOfTen(r.exponent)) : missing;
    }
    ++rows;
    return true;
  });
  makeRoom(rows);
  if (walked < 0) data.error = series.Error();
  return data;
}

namespace {

// The readings of one pixel column on one stretch: indexes of the first,
// lowest, highest and last.
class Column {
 public:
  bool Empty() const { return count_ == 0; }
  void Add(std::size_t row, float value) {
    if (count_++ == 0) first_ = low_ = high_ = row;
    if (value < lowValue_ || count_ == 1) low_ = row, lowValue_ = value;
    if (value > highValue_ || count_ == 1) high_ = row, highValue_ = value;
    last_ = row;
  }
  // Appends the column's points in time order, each row once.
  void FlushInto(PlotLine& line, const PreviewData& data, const std::vector<float>& values) {
    if (count_ == 0) return;
    std::size_t rows[4] = {first_, low_, high_, last_};
    std::sort(rows, rows + 4);
    const std::size_t* end = std::unique(rows, rows + 4);
    for (const std::size_t* r = rows; r != end; ++r) line.push_back({double(data.times[*r]), values[*r]});
    count_ = 0;
  }

 private:
  std::size_t count_ = 0, first_ = 0, low_ = 0, high_ = 0, last_ = 0;
  float lowValue_ = 0, highValue_ = 0;
};

// A value holds until the next reading: a corner before every change.
PlotLine AsSteps(const PlotLine& line) {
  PlotLine steps;
  steps.reserve(line.size() * 2);
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (i > 0 && line[i].value != line[i - 1].value) steps.push_back({line[i].time, line[i - 1].value});
    steps.push_back(line[i]);
  }
  return steps;
}

}  // namespace

std::vector<PlotLine> ChannelLines(const PreviewData& data, std::size_t channel, double from, double to,
                                   int columns) {
  std::vector<PlotLine> lines;
  if (channel >= data.values.size() || data.Empty() || columns <= 0 || !(to > from)) return lines;
  const std::vector<float>& values = data.values[channel];
  const auto& times = data.times;
  std::size_t begin = std::lower_bound(times.begin(), times.end(), from) - times.begin();
  std::size_t end = std::upper_bound(times.begin(), times.end(), to) - times.begin();
  if (begin > 0) --begin;
  if (end < times.size()) ++end;

  const double columnsPerSecond = columns / (to - from);
  // Times only grow: the column is worked out again only past its end.
  double columnEnd = -std::numeric_limits<double>::infinity();
  PlotLine line;
  Column column;
  bool gapInColumn = false;
  auto closeLine = [&] {
    column.FlushInto(line, data, values);
    if (!line.empty()) lines.push_back(std::move(line));
    line.clear();
  };
  for (std::size_t row = begin; row < end; ++row) {
    if (times[row] >= columnEnd) {
      const long at = static_cast<long>(std::floor((times[row] - from) * columnsPerSecond));
      columnEnd = from + double(at + 1) / columnsPerSecond;
      column.FlushInto(line, data, values);
      gapInColumn = false;
    }
    if (std::isnan(values[row])) {
      if (!gapInColumn) closeLine();
      gapInColumn = true;
      continue;
    }
    column.Add(row, values[row]);
  }
  closeLine();
  if (data.channels[channel].digital)
    for (PlotLine& l : lines) l = AsSteps(l);
  return lines;
}

std::size_t NearestRow(const PreviewData& data, double time) {
  const auto& times = data.times;
  const std::size_t after = std::lower_bound(times.begin(), times.end(), time) - times.begin();
  if (after == 0) return 0;
  if (after == times.size()) return times.size() - 1;
  return time - times[after - 1] <= times[after] - time ? after - 1 : after;
}

std::string ValueText(float value, int exponent) {
  if (std::isnan(value)) return "-";
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", exponent < 0 ? -exponent : 0, double(value));
  return text;
}

std::string TimeText(uint32_t seconds) {
  const std::time_t t = seconds;
  std::tm civil{};
  gmtime_r(&t, &civil);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &civil);
  return text;
}

}  // namespace zerb
