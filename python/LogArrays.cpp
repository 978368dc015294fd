#include "python/LogArrays.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "model/FormatFixed.h"
#include "output/LogTime.h"

namespace zerb {

namespace {

// Powers of ten that doubles hold exactly: one multiplication or division by
// one of them is correctly rounded, as parsing the decimal text is.
constexpr int ExactPowers = 23;
constexpr std::array<double, ExactPowers> PowersOfTen = [] {
  std::array<double, ExactPowers> p{};
  double v = 1;
  for (double& x : p) {
    x = v;
    v *= 10;
  }
  return p;
}();

}  // namespace

double EngineeringValue(const Reading& reading) {
  if (!reading.valid) return std::numeric_limits<double>::quiet_NaN();
  const auto value = static_cast<double>(reading.value);
  const int exponent = reading.exponent;
  if (exponent >= 0 && exponent < ExactPowers) return value * PowersOfTen[static_cast<std::size_t>(exponent)];
  if (exponent < 0 && -exponent < ExactPowers) return value / PowersOfTen[static_cast<std::size_t>(-exponent)];
  return std::strtod(std::string(FormatFixed(reading.value, exponent)).c_str(), nullptr);
}

bool ReadSeries(Series& series, LogArrays& out, std::string& error) {
  const auto channels = series.Channels();
  out.channels.assign(channels.begin(), channels.end());
  const int walked = series.ForEachRow([&out](uint32_t time, std::span<const Reading> readings) {
    out.times.push_back(time);
    for (const Reading& reading : readings) {
      out.raw.push_back(reading.raw);
      out.values.push_back(reading.present ? EngineeringValue(reading) : std::numeric_limits<double>::quiet_NaN());
    }
    return true;
  });
  if (walked < 0) error = series.Error();
  return walked >= 0;
}

LogRead ReadOpenedLog(Document& document, const LogReadOptions& options) {
  LogRead read;
  const OpenedLog& opened = document.Opened();
  if (!opened.logLoaded) {
    read.status = opened.logOpened ? LogReadStatus::NotLoaded : LogReadStatus::NotOpened;
    read.error = opened.error;
    return read;
  }
  TLog& log = document.Log();
  if (log.ComputeOldestValues(nullptr) < 0) {
    read.status = LogReadStatus::StreamDamaged;
    read.error = log.PassError();
    return read;
  }
  read.endTime = CsvEndTime(TLogTime(log.PcTime()), TLogTime(log.LanTime()), options.lanTime).Seconds();
  const std::size_t rows = std::size_t{log.GetEntryCount()} + 1;
  read.arrays.times.reserve(rows);
  read.arrays.raw.reserve(rows * log.ChannelCount());
  read.arrays.values.reserve(rows * log.ChannelCount());
  LogSeries series(log, options.lanTime, options.overlap, options.skip);
  if (!ReadSeries(series, read.arrays, read.error)) read.status = LogReadStatus::StreamDamaged;
  return read;
}

}  // namespace zerb
