#pragma once
// Sensor types: the table of the 24 known type codes and the integer rule
// that turns a raw count into an engineering value for each.
//
// An engineering value is a signed 16-bit fixed-point integer whose decimal
// exponent is minus the type's decimal places (TS4-C 215 is 21.5 degrees).
// Everything here is integer arithmetic; nothing uses floating point.

#include <array>
#include <cstdint>

namespace zerb {

// Marks a raw value that cannot be converted (bit pattern 0x8001).
inline constexpr int InvalidValue = -32767;

// A type's rule: raw count (unsigned 16-bit) in, signed 16-bit value out.
using SensorRule = int16_t (*)(uint16_t raw);

struct SensorTypeInfo {
  const char* name;
  char units;
  uint8_t decimals;
  SensorRule convert;
};

inline constexpr unsigned SensorTypeCount = 24;
inline constexpr unsigned MaxSensorType = SensorTypeCount - 1;

extern const std::array<SensorTypeInfo, SensorTypeCount> SensorTypeTable;


// The type's name; "UNKNOWN" for a code outside the table.
const char* SensorTypeName(unsigned code);

// What a sensor device does with its type code. Codes outside the table
// (24 to 255, read from a site file) never index the table: they convert
// to InvalidValue with exponent 0, a blank units letter and no digital flag.
int SensorConvert(unsigned code, int raw);  // InvalidValue for raw < 0
int SensorExponent(unsigned code);          // minus the decimal places
char SensorUnitsChar(unsigned code);
bool SensorIsDigital(unsigned code);        // true only for NCTRIP (8)

}  // namespace zerb
