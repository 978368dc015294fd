#pragma once
// The rows of a series as flat arrays, ready to hand to NumPy without a
// Python object per row: times, raw counts and engineering values, each row
// holding one element per channel (row-major).

#include <cstdint>
#include <string>
#include <vector>

#include "app/Document.h"
#include "series/Series.h"

namespace zerb {

struct LogArrays {
  std::vector<SeriesChannel> channels;
  std::vector<int64_t> times;  // civil seconds since 1970-01-01, one per row
  std::vector<int16_t> raw;    // rows × channels
  std::vector<double> values;  // rows × channels; NaN where not valid
  std::size_t Rows() const { return times.size(); }
};

// The engineering value of a reading as a double: the nearest double to the
// decimal text FormatFixed(value, exponent) gives, so that it equals what a
// CSV reader parses from the converter's output; NaN when not valid.
double EngineeringValue(const Reading& reading);

// Reads every row of the series (one log's, or a site's history). Returns
// false, with the series' reason in `error`, when its rows cannot be read.
bool ReadSeries(Series& series, LogArrays& out, std::string& error);

// How one log is read: the CSV writer's choices of rows and clock.
struct LogReadOptions {
  bool lanTime = false;
  int overlap = -1;  // negative: every row, not only the new entries
  uint16_t skip = 0;
};

// Why reading a log failed, if it did.
enum class LogReadStatus { Read, NotOpened, NotLoaded, StreamDamaged };

struct LogRead {
  LogReadStatus status = LogReadStatus::Read;
  std::string error;
  LogArrays arrays;
  uint32_t endTime = 0;  // time of the log's newest row on the chosen clock
};

// Whether the rows of an opened document (Open has run) can be walked: pass
// 1 run, status Read; else why not, without arrays.
LogRead CheckOpenedLog(Document& document);

// Pass 1 then the rows of an opened document (Open has run), the readings
// as ReadingOf gives them, the rows and times as LogSeries selects them.
LogRead ReadOpenedLog(Document& document, const LogReadOptions& options);

}  // namespace zerb
