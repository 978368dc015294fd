#pragma once
// The preview's data, without any window toolkit: every row of a series held
// in memory, and the lines that draw one channel over a time range at a
// given width. A plot never gets more than a few points per pixel column,
// however long the log: each column keeps its first, lowest, highest and
// last reading (in time order), which draws the same picture as every point.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "series/Series.h"

namespace zerb {

struct PreviewData {
  std::vector<SeriesChannel> channels;
  // Row times, oldest first: the logger's civil seconds since 1970-01-01,
  // negative before it (where a log's 32-bit clock readings wrap).
  std::vector<int64_t> times;
  std::vector<std::vector<float>> values;  // values[channel][row]; NaN where the device gives none
  // A band drawn under each channel's line, as values are: its lowest and
  // highest reading per row (a summary's period); empty when there is none.
  std::vector<std::vector<float>> lows, highs;
  uint32_t interval = 0;                   // seconds from row to row (the least step of a merged series)
  std::string error;                       // why the rows could not be read; empty when they could
  std::string note;                        // what opening the log had to say (a site file not found)

  bool Empty() const { return times.empty(); }
};

// Reads every row of the series (room is made for expectedRows at once). On
// a walk that fails, the rows read so far stay and `error` says why.
PreviewData LoadPreview(Series& series, std::size_t expectedRows = 0);

// Adds a row without readings at each of the times (oldest first) that
// the data has no row at, so that lines break there: the first missing row
// of each gap between logs.
void InsertEmptyRows(PreviewData& data, std::span<const int64_t> times);

// Row times from 32-bit clock readings of rows in time order: the readings
// before the last one that is less than the row before it lie before 1970
// (2^32 seconds earlier than they read).
std::vector<int64_t> UnwrappedTimes(std::span<const uint32_t> readings);

// Pass 1 on a loaded log and its preview: the rows as
// LoadPreview(LogSeries(log, lanTime, -1, 0)) has them, made from the delta
// sets pass 1 kept (no second walk) where it kept them. A pass 1 that
// fails gives no rows and its reason in `error`.
PreviewData OpenPreview(TLog& log, bool lanTime);

struct PlotPoint {
  double time;  // civil seconds
  double value;
};
// One unbroken stretch of a channel's line; a missing value ends it.
using PlotLine = std::vector<PlotPoint>;

// The lines of one channel between `from` and `to` drawn `columns` pixels
// wide, with one reading beyond each end so that lines reach the edges.
// Digital channels come as steps: a value holds until the next reading.
// Within a column, readings after a missing value join one line again, so a
// column holds at most two stretches however the values come and go.
std::vector<PlotLine> ChannelLines(const PreviewData& data, std::size_t channel, double from, double to,
                                   int columns);

// A value holds until the next reading: a corner before every change.
PlotLine AsSteps(const PlotLine& line);

// An on/off channel's stretches on between `from` and `to` drawn `columns`
// pixels wide, as [begin, end) times: each reading on holds until the next
// row (the last one for the interval), from the row at or before `from`;
// stretches closer than a pixel column join (AddOnRun).
std::vector<std::pair<double, double>> OnRuns(const PreviewData& data, std::size_t channel, double from, double to,
                                              int columns);
void AddOnRun(std::vector<std::pair<double, double>>& runs, double start, double end, double joinWithin);

// The row whose time is nearest `time`; data must not be empty.
std::size_t NearestRow(const PreviewData& data, double time);

// A reading as its value text has it: the channel's decimal places; "-"
// for a missing value.
std::string ValueText(float value, int exponent);
// "2023-11-14 22:13:20" of civil seconds.
std::string TimeText(int64_t seconds);

}  // namespace zerb
