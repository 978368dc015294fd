#include "model/Units.h"

#include <memory>
#include <new>

#include "model/ByteIO.h"
#include "model/PrintableText.h"

namespace zerb {

namespace {

// Unit record offsets.
constexpr std::size_t OffNumber = 0;
constexpr std::size_t OffAsCount = 1;
constexpr std::size_t OffRoomCount = 2;
constexpr std::size_t OffSpare = 3;
constexpr std::size_t OffName = 5;
constexpr std::size_t OffProgram = 22;

}  // namespace

void TUnit::DecodeBlock(std::span<const uint8_t> bytes) {
  Number = bytes[OffNumber];
  AsCount = bytes[OffAsCount];
  RoomCount = bytes[OffRoomCount];
  Spare = {bytes[OffSpare], bytes[OffSpare + 1]};
  DecodeFieldText(Name, bytes.subspan(OffName, UnitNameSize));
  Program = load_le16(&bytes[OffProgram]);
}

void TUnit::EncodeBlock(std::span<uint8_t> bytes) const {
  bytes[OffNumber] = Number;
  bytes[OffAsCount] = AsCount;
  bytes[OffRoomCount] = RoomCount;
  bytes[OffSpare] = Spare[0];
  bytes[OffSpare + 1] = Spare[1];
  EncodeFieldText(bytes.subspan(OffName, UnitNameSize), Name);
  store_le16(&bytes[OffProgram], Program);
}

void TUnit::Print(std::FILE* stream) const {
  const std::string name = PrintableText(NameText());
  std::fprintf(stream, "UNIT %3u %-16.*s %03u-%03u", Number, static_cast<int>(name.size()), name.data(),
               static_cast<unsigned>(Program >> 8), static_cast<unsigned>(Program & 0xFFu));
}

std::string_view TUnit::NameText() const { return FieldText(Name); }

void TUnit::SetName(std::string_view text) { StoreFieldText(Name, text); }

void TAs::Print(std::FILE* stream) const {
  std::fprintf(stream, "     %s %u", IsRoom() ? "ROOM" : "CREEP", ItemNumber());
}

int TAsList::Load(std::FILE* stream) {
  int16_t count = 0;
  if (!ReadListCount(stream, count)) return 0;
  Clear();
  // The count covers units and airspace items, but only units have records;
  // a unit's items may take the list past the count.
  while (Count() < count) {
    std::unique_ptr<TUnit> unit(new (std::nothrow) TUnit);
    if (unit == nullptr) return 1;
    if (unit->Load(stream) == 0) return 0;
    const TUnit& added = *unit;
    Append(std::move(unit));
    for (unsigned index = 1; index <= added.AsCount; ++index) {
      std::unique_ptr<TAs> item(new (std::nothrow) TAs(added, static_cast<uint8_t>(index)));
      if (item == nullptr) return 1;
      Append(std::move(item));
    }
  }
  return 1;
}

}  // namespace zerb
