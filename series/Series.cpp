#include "series/Series.h"

#include "series/LogSeriesWalk.h"
#include "series/LogTime.h"
#include "series/ReadingRule.h"

namespace zerb {

std::string_view KindName(ChannelKind kind) {
  switch (kind) {
    case ChannelKind::Sensor: return "sensor";
    case ChannelKind::Output: return "output";
    case ChannelKind::Asm: return "asm";
  }
  return "sensor";
}

SeriesChannel ChannelOf(const TDev& device) {
  SeriesChannel c;
  c.kind = device.Kind();
  c.key = device.Key;
  c.name = std::string(device.NameText());
  c.typeName = device.TypeName();
  c.unitsLetter = device.UnitsChar();
  c.exponent = device.ValueExponent();
  c.digital = device.IsDigital();
  return c;
}

Reading ReadingOf(const TDev& device, int16_t raw) { return ReadingRule(device).Of(raw); }

LogSeries::LogSeries(const TLog& log, bool lanTime, int overlap, uint16_t skip, ProgressCallback callback)
    : log_(log), lanTime_(lanTime), overlap_(overlap), skip_(skip), callback_(callback) {
  for (const TDev* device : log.Channels()) channels_.push_back(ChannelOf(*device));
}

std::optional<uint32_t> LogSeries::NewestTime() const {
  return CsvEndTime(TLogTime(log_.PcTime()), TLogTime(log_.LanTime()), lanTime_).Seconds();
}

int LogSeries::ForEachRow(const RowFn& row) {
  return WalkReadings([&](uint32_t time, std::span<const Reading> readings, std::span<const uint32_t>) {
    return row(time, readings);
  });
}

int LogSeries::WalkFailed() {
  if (log_.PassError().empty()) return 0;
  error_ = log_.PassError();
  return -1;
}

}  // namespace zerb
