#include "output/Series.h"

#include "output/LogTime.h"
#include "sensor/SensorTypes.h"

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

Reading ReadingOf(const TDev& device, int16_t raw) {
  Reading r;
  r.raw = raw;
  r.present = true;
  r.value = device.Convert(raw);
  // An ASM shows its own exponent byte and is empty only at +32767; every
  // other device is empty at InvalidValue.
  if (dynamic_cast<const TAsm*>(&device)) {
    r.exponent = device.ExpByte;
    r.valid = r.value != 32767;
  } else {
    r.exponent = static_cast<int8_t>(device.Exponent());
    r.valid = r.value != InvalidValue;
  }
  return r;
}

LogSeries::LogSeries(const TLog& log, bool lanTime, int overlap, uint16_t skip, ProgressCallback callback)
    : log_(log), lanTime_(lanTime), overlap_(overlap), skip_(skip), callback_(callback) {
  for (const TDev* device : log.Channels()) channels_.push_back(ChannelOf(*device));
}

int LogSeries::ForEachRow(const RowFn& row) {
  error_.clear();
  const auto end = CsvEndTime(TLogTime(log_.PcTime()), TLogTime(log_.LanTime()), lanTime_);
  const std::span<TDev* const> devices = log_.Channels();
  std::vector<Reading> readings(devices.size());
  bool stopped = false;
  const int walked = log_.WalkRows(end.Seconds(), overlap_, skip_, callback_,
                                   [&](uint32_t time, std::span<const int16_t> values) {
                                     if (stopped) return;
                                     for (std::size_t i = 0; i < values.size(); ++i)
                                       readings[i] = ReadingOf(*devices[i], values[i]);
                                     stopped = !row(time, readings);
                                   });
  if (walked == 0 && !log_.PassError().empty()) {
    error_ = log_.PassError();
    return -1;
  }
  return walked == 1 && !stopped ? 1 : 0;
}

}  // namespace zerb
