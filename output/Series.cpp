#include "output/Series.h"

#include <array>

#include "output/LogTime.h"
#include "sensor/SensorTypes.h"

namespace zerb {

namespace {

ChannelKind KindOf(const TDev& device) {
  if (dynamic_cast<const TAsm*>(&device)) return ChannelKind::Asm;
  if (dynamic_cast<const TOutput*>(&device)) return ChannelKind::Output;
  return ChannelKind::Sensor;
}

// A device's reading rule with its kind and exponent worked out once: they
// stay put during a walk, and a dynamic_cast per value would cost more than
// the rest of the reading.
struct ReadingRule {
  const TDev* device;
  bool isAsm;
  int8_t exponent;

  explicit ReadingRule(const TDev& d)
      : device(&d),
        isAsm(dynamic_cast<const TAsm*>(&d) != nullptr),
        exponent(isAsm ? d.ExpByte : static_cast<int8_t>(d.Exponent())) {}

  // An ASM shows its own exponent byte and is empty only at +32767; every
  // other device is empty at InvalidValue.
  Reading Of(int16_t raw) const {
    Reading r;
    r.raw = raw;
    r.present = true;
    r.value = device->Convert(raw);
    r.exponent = exponent;
    r.valid = r.value != (isAsm ? 32767 : InvalidValue);
    return r;
  }

  // The reading of a raw count, from the last few made (one per count
  // modulo 8): counts move among a few neighbours, and a conversion is a
  // virtual call and a sensor rule.
  Reading Cached(int16_t raw) {
    Reading& held = held_[static_cast<uint16_t>(raw) & 7];
    if (!held.present || held.raw != raw) held = Of(raw);
    return held;
  }

 private:
  std::array<Reading, 8> held_{};  // present is false until made
};

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
  error_.clear();
  const std::span<TDev* const> devices = log_.Channels();
  std::vector<Reading> readings(devices.size());
  std::vector<ReadingRule> rules;
  for (const TDev* device : devices) rules.emplace_back(*device);
  // A reading depends on the device and the raw count alone: it is made
  // again only when a channel's count changes. The changed channels are
  // listed first without a branch per channel (whether a count changed is
  // as good as random, and a mispredicted branch costs more than the test).
  std::vector<int16_t> last(devices.size());
  std::vector<uint32_t> changed(devices.size());
  bool first = true;
  bool stopped = false;
  const int walked = log_.WalkRows(*NewestTime(), overlap_, skip_, callback_,
                                   [&](uint32_t time, std::span<const int16_t> values) {
                                     if (stopped) return;
                                     std::size_t count = 0;
                                     for (std::size_t i = 0; i < values.size(); ++i) {
                                       changed[count] = static_cast<uint32_t>(i);
                                       count += first || values[i] != last[i] ? 1 : 0;
                                     }
                                     for (std::size_t k = 0; k < count; ++k) {
                                       const uint32_t i = changed[k];
                                       readings[i] = rules[i].Cached(values[i]);
                                       last[i] = values[i];
                                     }
                                     first = false;
                                     stopped = !row(time, readings);
                                   });
  if (walked == 0 && !log_.PassError().empty()) {
    error_ = log_.PassError();
    return -1;
  }
  return walked == 1 && !stopped ? 1 : 0;
}

}  // namespace zerb
