#include "model/Site.h"

#include <array>

#include "model/ByteIO.h"

namespace zerb {

namespace {

// Header offsets.
constexpr std::size_t OffVersion = 0;
constexpr std::size_t OffName = 2;
constexpr std::size_t OffTelephone = 43;
constexpr std::size_t OffSpare = 84;

// Extension offsets (from its start, file offset 85).
constexpr std::size_t OffExtWordA = 0;
constexpr std::size_t OffExtWordB = 2;
constexpr std::size_t OffExtTime = 4;

}  // namespace

void TSite::DecodeBlock(std::span<const uint8_t> bytes) {
  FormatVersion = load_le16(&bytes[OffVersion]);
  DecodeFieldText(Name, bytes.subspan(OffName, SiteTextSize));
  DecodeFieldText(Telephone, bytes.subspan(OffTelephone, SiteTextSize));
  Spare = bytes[OffSpare];
}

void TSite::EncodeBlock(std::span<uint8_t> bytes) const {
  store_le16(&bytes[OffVersion], FormatVersion);
  EncodeFieldText(bytes.subspan(OffName, SiteTextSize), Name);
  EncodeFieldText(bytes.subspan(OffTelephone, SiteTextSize), Telephone);
  bytes[OffSpare] = Spare;
}

int TSite::Load(std::FILE* stream) {
  Reset();
  if (TMObject::Load(stream) == 0) return 0;
  if (FormatVersion >= SiteVersionWithExtension) {
    std::array<uint8_t, SiteExtensionSize> ext{};
    if (!ReadBlock(stream, ext)) return 0;
    ExtWordA = load_le16(&ext[OffExtWordA]);
    ExtWordB = load_le16(&ext[OffExtWordB]);
    ExtTime = load_le32(&ext[OffExtTime]);
    if (YAxes.Load(stream) == 0) return 0;
  }
  if (Units.Load(stream) == 0) return 0;
  if (Sensors.Load(stream) == 0) return 0;
  if (Outputs.Load(stream) == 0) return 0;
  if (Asms.Load(stream) == 0) return 0;
  return 1;
}

int TSite::Save(std::FILE* stream) {
  FormatVersion = SiteVersionWithExtension;
  if (TMObject::Save(stream) == 0) return 0;
  std::array<uint8_t, SiteExtensionSize> ext{};
  store_le16(&ext[OffExtWordA], ExtWordA);
  store_le16(&ext[OffExtWordB], ExtWordB);
  store_le32(&ext[OffExtTime], ExtTime);
  if (!WriteBlock(stream, ext)) return 0;
  if (YAxes.Save(stream) == 0) return 0;
  if (Units.Save(stream) == 0) return 0;
  if (Sensors.Save(stream) == 0) return 0;
  if (Outputs.Save(stream) == 0) return 0;
  if (Asms.Save(stream) == 0) return 0;
  return 1;
}

void TSite::Reset() {
  Name.fill('\0');
  Telephone.fill('\0');
  ExtWordA = 900;
  ExtWordB = 0;
  ExtTime = 0;
  Units.Clear();
  Sensors.Clear();
  Outputs.Clear();
  Asms.Clear();
  YAxes.Clear();
  SiteNumber = 0;
}

std::string_view TSite::NameText() const { return FieldText(Name); }
std::string_view TSite::TelephoneText() const { return FieldText(Telephone); }
void TSite::SetName(std::string_view text) { StoreFieldText(Name, text); }
void TSite::SetTelephone(std::string_view text) { StoreFieldText(Telephone, text); }

}  // namespace zerb
