#pragma once
// A table of readings over time, the shape every analysis output shares: a
// channel table, then rows oldest first, each a time and one reading per
// channel. One log gives one (LogSeries); a site's history merged from many
// logs gives another. Writers that take a Series serve both.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Devices.h"
#include "model/Log.h"

namespace zerb {

// What a column is: the device of a logged channel as its site file had it.
struct SeriesChannel {
  ChannelKind kind = ChannelKind::Sensor;
  uint16_t key = 0;
  std::string name;      // the site file's 8-bit text, as stored
  std::string typeName;  // "TS4-C", "ON/OFF", "VARIABLE", "ASM", ...
  char unitsLetter = ' ';
  int exponent = 0;  // decimal exponent of the values
  bool digital = false;
};

// "sensor", "output" or "asm": the channel's kind as a word.
std::string_view KindName(ChannelKind kind);

// One channel's reading in one row.
struct Reading {
  int16_t raw = 0;
  int32_t value = 0;     // the engineering value is value × 10^exponent
  int8_t exponent = 0;   // of this reading (its device's at the time)
  bool valid = false;    // false: the device gives no value (an empty field)
  bool present = false;  // false: the channel has no reading at this time
};

// The column of a device, and its reading of a raw count: the value, its
// exponent and validity exactly as the device's value text has them (so
// FormatFixed(value, exponent) is that text whenever valid).
SeriesChannel ChannelOf(const TDev& device);
Reading ReadingOf(const TDev& device, int16_t raw);

class Series {
 public:
  // Called for each row with its time (the logger's civil time, seconds
  // since 1970-01-01) and one reading per channel; false stops the walk.
  using RowFn = std::function<bool(uint32_t time, std::span<const Reading> readings)>;

  virtual ~Series() = default;
  virtual std::span<const SeriesChannel> Channels() const = 0;
  // Visits the rows oldest first. Returns 1 when every row was visited, 0
  // when the walk was stopped (by row or by a progress callback), -1 when
  // the rows could not be read (Error() says why).
  virtual int ForEachRow(const RowFn& row) = 0;
  virtual const std::string& Error() const = 0;
  // The time of the newest row, when the series knows it without a walk
  // (the anchor of a time zone; see styles/ZoneClock.h). Nothing: a writer
  // that needs it walks the rows once more to find it.
  virtual std::optional<uint32_t> NewestTime() const { return std::nullopt; }
  // During a walk, for the row being visited: the newest time of the log
  // the row was kept from, when the series joins several logs (each row is
  // then placed in a time zone as its own log places it). Nothing: every
  // row takes the series' one anchor, NewestTime().
  virtual std::optional<uint32_t> RowAnchor() const { return std::nullopt; }
  // The seconds between readings, when the series has one interval (each
  // reading then stands for that long). Nothing: a caller that needs it
  // takes the shortest step between rows.
  virtual std::optional<uint32_t> Interval() const { return std::nullopt; }
};

// The rows of one loaded log on which pass 1 has run, as the CSV writer
// selects and times them (its end time for the chosen clock; new-entries
// selection and skip as in the row walk).
class LogSeries final : public Series {
 public:
  LogSeries(const TLog& log, bool lanTime, int overlap, uint16_t skip, ProgressCallback callback = nullptr);
  std::span<const SeriesChannel> Channels() const override { return channels_; }
  int ForEachRow(const RowFn& row) override;
  const std::string& Error() const override { return error_; }
  // The end time of the chosen clock: the time of the log's last row.
  std::optional<uint32_t> NewestTime() const override;
  std::optional<uint32_t> Interval() const override { return log_.Interval(); }

  // The rows as ForEachRow visits them, for a caller whose row function is
  // to be inlined: row(time, readings, changed), where `changed` lists the
  // channels whose reading may differ from the previous row's (every
  // channel on the first row); false stops the walk. Defined in
  // series/LogSeriesWalk.h.
  template <class Row>
  int WalkReadings(Row&& row);
  // The same rows as raw counts: row(time, counts), one count per device
  // of Devices(), in order; false stops the walk. Defined there too.
  template <class Row>
  int WalkCounts(Row&& row);
  std::span<TDev* const> Devices() const { return log_.Channels(); }

 private:
  int WalkFailed();  // -1 with Error() set after a walk that failed, else 0

  const TLog& log_;
  bool lanTime_;
  int overlap_;
  uint16_t skip_;
  ProgressCallback callback_;
  std::vector<SeriesChannel> channels_;
  std::string error_;
};

}  // namespace zerb
