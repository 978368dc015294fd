#include "python/LogArrays.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "model/FormatFixed.h"
#include "series/LogTime.h"
#include "series/ReadingRule.h"

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
  // A merge's logs were read whole before; a store that fails mid-read is
  // not one a test can make.
  if (walked != 1) error = series.Error().empty() ? "the rows could not be read" : series.Error();  // GCOVR_EXCL_BR_LINE
  return walked == 1;
}

namespace {

std::vector<ReadingRule> RulesOf(const TLog& log) {
  std::vector<ReadingRule> rules;
  for (const TDev* device : log.Channels()) rules.emplace_back(*device);
  return rules;
}

}  // namespace

LogRead CheckOpenedLog(Document& document) {
  LogRead read;
  const OpenedLog& opened = document.Opened();
  if (!opened.logLoaded) {
    read.status = opened.logOpened ? LogReadStatus::NotLoaded : LogReadStatus::NotOpened;
    read.error = opened.error;
  } else if (document.Log().ComputeOldestValues(nullptr) < 0) {
    read.status = LogReadStatus::StreamDamaged;
    read.error = document.Log().PassError();
  }
  return read;
}

LogRead ReadOpenedLog(Document& document, const LogReadOptions& options) {
  LogRead read = CheckOpenedLog(document);
  if (read.status != LogReadStatus::Read) return read;
  TLog& log = document.Log();
  read.endTime = CsvEndTime(TLogTime(log.PcTime()), TLogTime(log.LanTime()), options.lanTime).Seconds();
  LogArrays& out = read.arrays;
  for (const TDev* device : log.Channels()) out.channels.push_back(ChannelOf(*device));
  const std::vector<ReadingRule> rules = RulesOf(log);
  // Room for every row; the selection may write fewer.
  const std::size_t width = rules.size();
  const std::size_t rows = std::size_t{log.GetEntryCount()} + 1;
  out.times.resize(rows);
  out.raw.resize(rows * width);
  out.values.resize(rows * width);
  std::size_t written = 0;
  const int walked = log.WalkRows(read.endTime, options.overlap, options.skip, nullptr,
                                  [&](uint32_t time, std::span<const int16_t> values) {
                                    out.times[written] = time;
                                    int16_t* raw = out.raw.data() + written * width;
                                    double* engineering = out.values.data() + written * width;
                                    for (std::size_t i = 0; i < width; ++i) {
                                      raw[i] = values[i];
                                      engineering[i] = EngineeringValue(rules[i].Of(values[i]));
                                    }
                                    ++written;
                                  });
  out.times.resize(written);
  out.raw.resize(written * width);
  out.values.resize(written * width);
  if (walked != 1) {  // GCOVR_EXCL_BR_LINE: CheckOpenedLog walked these very rows whole
    read.status = LogReadStatus::StreamDamaged;
    read.error = log.PassError();
  }
  return read;
}

}  // namespace zerb
