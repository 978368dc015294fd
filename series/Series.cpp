#include "series/Series.h"

#include "sensor/SensorTypes.h"
#include "series/LogSeriesWalk.h"
#include "series/LogTime.h"
#include "series/ReadingRule.h"

namespace zerb {

namespace {

ChannelKind KindOf(const TDev& device) {
  if (dynamic_cast<const TAsm*>(&device)) return ChannelKind::Asm;
  if (dynamic_cast<const TOutput*>(&device)) return ChannelKind::Output;
  return ChannelKind::Sensor;
}

}  // namespace

SeriesChannel ChannelOf(const TDev& device) {
  SeriesChannel c;
  c.kind = KindOf(device);
  c.key = device.Key;
  c.name = std::string(device.NameText());
  c.typeName = device.TypeName();
  c.unitsLetter = device.UnitsChar();
  c.exponent = c.kind == ChannelKind::Asm ? device.ExpByte : device.Exponent();
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
