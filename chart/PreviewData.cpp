#include "chart/PreviewData.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

#include "series/Envelope.h"
#include "series/ReadingRule.h"
#include "styles/TimeText.h"

namespace zerb {

PreviewData LoadPreview(Series& series, std::size_t expectedRows) {
  PreviewData data;
  const auto channels = series.Channels();
  data.channels.assign(channels.begin(), channels.end());
  data.values.resize(channels.size());
  // Rows go into columns made long enough beforehand, cut to the rows read
  // at the end.
  std::size_t rows = 0;
  auto makeRoom = [&](std::size_t size) {
    data.times.resize(size);
    for (auto& column : data.values) column.resize(size);
  };
  std::vector<uint32_t> readings32;
  makeRoom(std::max<std::size_t>(expectedRows, 1));
  readings32.reserve(data.times.size());
  const int walked = series.ForEachRow([&](uint32_t time, std::span<const Reading> readings) {
    if (rows == data.times.size()) makeRoom(2 * rows);
    readings32.push_back(time);
    const std::size_t count = std::min(readings.size(), data.values.size());
    for (std::size_t i = 0; i < count; ++i) {
      data.values[i][rows] = PlotValue(readings[i]);
    }
    ++rows;
    return true;
  });
  makeRoom(rows);
  data.times = UnwrappedTimes(readings32);
  for (std::size_t r = 1; r < rows; ++r) {
    const int64_t step = data.times[r] - data.times[r - 1];
    if (step > 0 && (data.interval == 0 || step < data.interval)) data.interval = static_cast<uint32_t>(step);
  }
  if (walked < 0) data.error = series.Error();
  return data;
}

void InsertEmptyRows(PreviewData& data, std::span<const int64_t> times) {
  if (times.empty()) return;
  const float none = std::numeric_limits<float>::quiet_NaN();
  std::vector<int64_t> merged;
  std::vector<std::vector<float>> values(data.values.size());
  std::size_t next = 0;
  for (std::size_t r = 0; r <= data.times.size(); ++r) {
    for (; next < times.size() && (r == data.times.size() || times[next] < data.times[r]); ++next) {
      if (!merged.empty() && merged.back() == times[next]) continue;
      merged.push_back(times[next]);
      for (auto& column : values) column.push_back(none);
    }
    if (r == data.times.size()) break;
    if (next < times.size() && times[next] == data.times[r]) ++next;  // a row is there already
    merged.push_back(data.times[r]);
    for (std::size_t c = 0; c < values.size(); ++c) values[c].push_back(data.values[c][r]);
  }
  data.times = std::move(merged);
  data.values = std::move(values);
}

std::vector<int64_t> UnwrappedTimes(std::span<const uint32_t> readings) {
  std::vector<int64_t> times(readings.begin(), readings.end());
  std::size_t wrap = 0;
  for (std::size_t r = 1; r < readings.size(); ++r)
    if (readings[r] < readings[r - 1]) wrap = r;
  for (std::size_t r = 0; r < wrap; ++r) times[r] -= int64_t{1} << 32;
  return times;
}

PreviewData OpenPreview(TLog& log, bool lanTime) {
  PreviewData data;
  if (log.ComputeOldestValues(nullptr) < 0) {
    data.error = log.PassError();
    return data;
  }
  LogSeries series(log, lanTime, -1, 0);
  const std::span<const int16_t> deltas = log.KeptDeltas();
  const std::size_t channels = log.ChannelCount();
  if (channels == 0 || deltas.size() != std::size_t{log.GetEntryCount()} * channels) return LoadPreview(series);
  // Row r's counts are the oldest counts plus delta sets 0 to r - 1: each
  // channel's column in one run, a value worked out only when its count
  // changes.
  data.channels.assign(series.Channels().begin(), series.Channels().end());
  const std::size_t rows = std::size_t{log.GetEntryCount()} + 1;
  data.interval = log.Interval();
  // From the newest row back: the oldest rows of a clock that reads early
  // 1970 lie before it.
  int64_t time = int64_t{*series.NewestTime()} - int64_t{data.interval} * log.GetEntryCount();
  data.times.resize(rows);
  for (int64_t& t : data.times) t = time, time += data.interval;
  data.values.assign(channels, std::vector<float>(rows));
  for (std::size_t i = 0; i < channels; ++i) {
    ReadingRule rule(*log.Channel(i));
    int16_t count = log.OldestValues()[i];
    float value = PlotValue(rule.Of(count));
    std::vector<float>& column = data.values[i];
    for (std::size_t r = 0; r + 1 < rows; ++r) {
      column[r] = value;
      const int16_t d = deltas[r * channels + i];
      if (d == 0) continue;
      count = static_cast<int16_t>(count + d);
      value = PlotValue(rule.Cached(count));
    }
    column[rows - 1] = value;
  }
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
  // Adds rows [begin, end) of values to an empty column in one tight loop;
  // false, with the column left empty, when one of them is missing.
  bool AddAll(const std::vector<float>& values, std::size_t begin, std::size_t end) {
    // The lowest and highest value first, in four lanes without a branch
    // (no chain of comparisons waiting on each other); then the first row
    // that has each.
    constexpr std::size_t Lanes = 4;
    std::array<float, Lanes> lows, highs;
    lows.fill(values[begin]);
    highs.fill(values[begin]);
    bool gaps = false;
    std::size_t r = begin;
    auto take = [&](std::size_t lane, float v) {
      gaps |= v != v;
      lows[lane] = v < lows[lane] ? v : lows[lane];
      highs[lane] = v > highs[lane] ? v : highs[lane];
    };
    for (; r + Lanes <= end; r += Lanes)
      for (std::size_t k = 0; k < Lanes; ++k) take(k, values[r + k]);
    for (; r < end; ++r) take(0, values[r]);
    const float lowValue = *std::min_element(lows.begin(), lows.end());
    const float highValue = *std::max_element(highs.begin(), highs.end());
    if (gaps) return false;
    std::size_t low = begin, high = begin;
    while (values[low] != lowValue) ++low;
    while (values[high] != highValue) ++high;
    count_ = end - begin;
    first_ = begin;
    low_ = low, lowValue_ = values[low];
    high_ = high, highValue_ = values[high];
    last_ = end - 1;
    return true;
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

}  // namespace

PlotLine AsSteps(const PlotLine& line) {
  PlotLine steps;
  steps.reserve(line.size() * 2);
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (i > 0 && line[i].value != line[i - 1].value) steps.push_back({line[i].time, line[i - 1].value});
    steps.push_back(line[i]);
  }
  return steps;
}

namespace {

// Where a time's pixel column ends: the first whole second past it. Exact
// (series/Envelope.h) where the range is whole seconds, as a store's
// envelope is cut; in floating point otherwise.
class ColumnEdges {
 public:
  ColumnEdges(double from, double to, int columns) : from_(from), to_(to), columns_(columns) {
    whole_ = from == std::floor(from) && to == std::floor(to) && std::abs(from) < 0x1p53 && std::abs(to) < 0x1p53;
  }
  int64_t End(int64_t time) const {
    if (whole_) {
      const auto from = static_cast<int64_t>(from_), to = static_cast<int64_t>(to_);
      return BucketStart(BucketOf(time, from, to, columns_) + 1, from, to, columns_);
    }
    const double columnsPerSecond = columns_ / (to_ - from_);
    const double at = std::floor((double(time) - from_) * columnsPerSecond);
    // Times are whole seconds: below the column's end is below its ceiling.
    return static_cast<int64_t>(std::clamp(std::ceil(from_ + (at + 1) / columnsPerSecond), -0x1p62, 0x1p62));
  }

 private:
  double from_, to_;
  int columns_;
  bool whole_ = false;
};

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

  const ColumnEdges edges(from, to, columns);
  PlotLine line;
  Column column;
  bool gapInColumn = false;
  auto closeLine = [&] {
    column.FlushInto(line, data, values);
    if (!line.empty()) lines.push_back(std::move(line));
    line.clear();
  };
  for (std::size_t row = begin; row < end;) {
    // A new column: its rows run up to the first at or past its end.
    column.FlushInto(line, data, values);
    gapInColumn = false;
    const int64_t limit = edges.End(times[row]);
    std::size_t stop = row + 1;
    while (stop < end && times[stop] < limit) ++stop;
    if (stop == row + 1 && !std::isnan(values[row])) {  // a row to itself: zoomed in, or a short log
      line.push_back({double(times[row]), values[row]});
      row = stop;
      continue;
    }
    if (column.AddAll(values, row, stop)) {  // no value missing: the common case
      row = stop;
      continue;
    }
    for (; row < stop; ++row) {
      if (std::isnan(values[row])) {
        if (!gapInColumn) closeLine();
        gapInColumn = true;
        continue;
      }
      column.Add(row, values[row]);
    }
  }
  closeLine();
  if (data.channels[channel].digital)
    for (PlotLine& l : lines) l = AsSteps(l);
  return lines;
}

void AddOnRun(std::vector<std::pair<double, double>>& runs, double start, double end, double joinWithin) {
  if (!runs.empty() && start - runs.back().second < joinWithin) {
    runs.back().second = end;
  } else {
    runs.push_back({start, end});
  }
}

std::vector<std::pair<double, double>> OnRuns(const PreviewData& data, std::size_t channel, double from, double to,
                                              int columns) {
  std::vector<std::pair<double, double>> runs;
  if (channel >= data.values.size() || columns <= 0) return runs;
  const auto& times = data.times;
  const double joinWithin = (to - from) / columns;
  const std::size_t begin = std::size_t(std::upper_bound(times.begin(), times.end(), from) - times.begin());
  const std::vector<float>& values = data.values[channel];
  for (std::size_t r = begin > 0 ? begin - 1 : 0; r < times.size() && double(times[r]) <= to; ++r) {
    if (std::isnan(values[r]) || values[r] == 0) continue;
    const double start = double(times[r]);
    AddOnRun(runs, start, r + 1 < times.size() ? double(times[r + 1]) : start + std::max<double>(data.interval, 1),
             joinWithin);
  }
  return runs;
}

std::size_t NearestRow(const PreviewData& data, double time) {
  const auto& times = data.times;
  const std::size_t after = std::lower_bound(times.begin(), times.end(), time) - times.begin();
  if (after == 0) return 0;
  if (after == times.size()) return times.size() - 1;
  return time - double(times[after - 1]) <= double(times[after]) - time ? after - 1 : after;
}

std::string ValueText(float value, int exponent) {
  if (std::isnan(value)) return "-";
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", exponent < 0 ? -exponent : 0, double(value));
  return text;
}

std::string TimeText(int64_t seconds) {
  char text[DateTimeTextSize];
  PutDateTime(text, seconds, ' ');
  return std::string(text, DateTimeTextSize);
}

}  // namespace zerb
