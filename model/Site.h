#pragma once
// The site model and its file <number>.STE.
//
// File layout: an 85-byte header (0 FormatVersion, 2-42 Name, 43-83
// Telephone, 84 spare); when FormatVersion >= 257 an 8-byte extension
// (ExtWordA, ExtWordB, ExtTime) and the Y-axis list; then the unit, sensor,
// output and ASM lists, each a 2-byte count and its records.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "model/Devices.h"
#include "model/MList.h"
#include "model/Units.h"

namespace zerb {

inline constexpr std::size_t SiteHeaderSize = 85;
inline constexpr std::size_t SiteExtensionSize = 8;
inline constexpr std::size_t SiteTextSize = 41;
// First version with the extension and the Y-axis list; Save writes it.
inline constexpr uint16_t SiteVersionWithExtension = 257;

class TSite final : public TMObject {
 public:
  TSite() { Reset(); }
  TSite(const TSite&) = delete;
  TSite& operator=(const TSite&) = delete;
  ~TSite() = default;

  uint16_t FormatVersion = 0;
  std::array<char, SiteTextSize> Name{};
  std::array<char, SiteTextSize> Telephone{};
  uint8_t Spare = 0;
  uint16_t ExtWordA = 900;
  uint16_t ExtWordB = 0;
  uint32_t ExtTime = 0;  // seconds since 1970-01-01
  TYAxisList YAxes;
  uint16_t SiteNumber = 0;  // from the log file's name, never in the file
  TAsList Units;
  TSensorList Sensors;
  TOutputList Outputs;
  TASMList Asms;
  // Members are destroyed in reverse: Asms, Outputs, Sensors, Units, YAxes.

  // The 85-byte header: FormatVersion, Name, Telephone, spare byte.
  std::size_t BlockSize() const override { return SiteHeaderSize; }
  void DecodeBlock(std::span<const uint8_t> bytes) override;
  // Texts are written with at most 40 characters and a NUL.
  void EncodeBlock(std::span<uint8_t> bytes) const override;

  // Resets, then reads the file front to back. Returns 1 when every section
  // was read completely, else 0; whatever was read before the failing
  // section stays (a cut record is destroyed). Bytes after the ASM list are
  // not read.
  int Load(std::FILE* stream) override;
  // Sets FormatVersion to 257 and writes header, extension, Y-axes, units,
  // sensors, outputs and ASMs. Returns 1 when all was written, else 0.
  int Save(std::FILE* stream) override;

  // Empties texts and lists, ExtWordA 900, ExtWordB and ExtTime 0,
  // SiteNumber 0; FormatVersion stays.
  void Reset();
  void SetSiteNumber(uint16_t number) { SiteNumber = number; }

  // Texts bounded by their 41-byte fields.
  std::string_view NameText() const;
  std::string_view TelephoneText() const;
  // Store a text cut to 40 characters, NUL-padded.
  void SetName(std::string_view text);
  void SetTelephone(std::string_view text);
};

}  // namespace zerb
