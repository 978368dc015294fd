#pragma once
// A device's reading of raw counts during a walk (see ReadingOf in
// series/Series.h), with its exponent and empty value asked once: they stay
// put during a walk, and two more virtual calls per value would cost more
// than the rest of the reading.

#include <array>
#include <cstdint>

#include "model/Devices.h"
#include "series/Series.h"

namespace zerb {

struct ReadingRule {
  const TDev* device;
  int emptyValue;
  int8_t exponent;

  explicit ReadingRule(const TDev& d)
      : device(&d), emptyValue(d.EmptyValue()), exponent(static_cast<int8_t>(d.ValueExponent())) {}

  // The value, exponent and validity of the device's value text.
  Reading Of(int16_t raw) const {
    Reading r;
    r.raw = raw;
    r.present = true;
    r.value = device->Convert(raw);
    r.exponent = exponent;
    r.valid = r.value != emptyValue;
    return r;
  }

  // The reading of a raw count, from the last few made (one per count
  // modulo 8): counts move among a few neighbours, and a conversion is a
  // virtual call and a sensor rule. A reference, not a copy: a Reading
  // returned by value goes through a stack temporary whose two part-stores
  // the copy into the caller then reads across, and the store forwarding
  // that fails there costs more than the rest of the reading.
  const Reading& Cached(int16_t raw) {
    Reading& held = held_[static_cast<uint16_t>(raw) & 7];
    if (!held.present || held.raw != raw) held = Of(raw);
    return held;
  }

 private:
  std::array<Reading, 8> held_{};  // present is false until made
};

}  // namespace zerb
