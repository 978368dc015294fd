#pragma once
// Thermistor curve of the TS4 sensor, indexed by (1023 - raw) / 4.

#include <array>
#include <cstdint>

namespace zerb {

// Tenths of a degree Celsius by (1023 - raw) / 4; entries 10 to 243 are used.
extern const std::array<int16_t, 256> TS4Table;

}  // namespace zerb
