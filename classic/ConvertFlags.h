#pragma once
// ConvertFlags: the conversion options packed into 16 bits, as the window
// builds them and the writers read them.

#include <cstdint>

namespace zerb {

inline constexpr uint16_t FlagTab = 0x01;       // tab separator, else comma
inline constexpr uint16_t FlagLanTime = 0x02;   // network clock, else the PC's
inline constexpr uint16_t FlagDateTime = 0x04;  // date/time columns
inline constexpr uint16_t FlagSerial = 0x08;    // ... as serial numbers (with 0x04 only)
inline constexpr uint16_t FlagHeaders = 0x10;   // header line
inline constexpr uint16_t FlagIsoTime = 0x20;   // XML: an ISO Time element per row (with 0x04 only)
inline constexpr uint16_t DefaultFlags = FlagHeaders | FlagDateTime;

}  // namespace zerb
