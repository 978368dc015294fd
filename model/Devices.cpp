#include "model/Devices.h"

#include <algorithm>
#include <array>
#include <climits>
#include <new>
#include <stdexcept>

#include "model/ByteIO.h"
#include "model/FormatFixed.h"
#include "model/PrintableText.h"
#include "sensor/SensorTypes.h"

namespace zerb {

namespace {

// Device record offsets.
constexpr std::size_t OffKey = 11;
constexpr std::size_t OffLogged = 13;
constexpr std::size_t OffTypeCode = 14;
constexpr std::size_t OffSpare = 15;
constexpr std::size_t OffExpByte = 16;
constexpr std::size_t OffUnitsByte = 17;

// Room for the longest default name ("OUTPUT255/8", "ASM31/15/127") and more.
using NameBuffer = std::array<char, 24>;

std::string_view Formatted(NameBuffer& buffer, int length) {
  if (length < 0) return {};
  return std::string_view(buffer.data(), std::min<std::size_t>(static_cast<std::size_t>(length), buffer.size() - 1));
}

}  // namespace

void TDev::DecodeBlock(std::span<const uint8_t> bytes) {
  DecodeFieldText(Name, bytes.first(DevNameFileSize));
  Key = load_le16(&bytes[OffKey]);
  Logged = bytes[OffLogged];
  TypeCode = bytes[OffTypeCode];
  Spare = bytes[OffSpare];
  ExpByte = static_cast<int8_t>(bytes[OffExpByte]);
  UnitsByte = static_cast<char>(bytes[OffUnitsByte]);
}

void TDev::EncodeBlock(std::span<uint8_t> bytes) const {
  EncodeFieldText(bytes.first(DevNameFileSize), Name);
  store_le16(&bytes[OffKey], Key);
  bytes[OffLogged] = Logged;
  bytes[OffTypeCode] = TypeCode;
  bytes[OffSpare] = Spare;
  bytes[OffExpByte] = static_cast<uint8_t>(ExpByte);
  bytes[OffUnitsByte] = static_cast<uint8_t>(UnitsByte);
}

std::string_view TDev::ValueText(int raw) const {
  const int value = Convert(raw);
  if (value == EmptyValue()) return {};
  return FormatFixed(value, ValueExponent());
}

int TDev::EmptyValue() const { return InvalidValue; }

std::string_view TDev::NameText() const { return FieldText(Name); }

void TDev::SetName(std::string_view text) { StoreFieldText(Name, text); }

void TIODev::Print(std::FILE* stream) const {
  const std::string name = PrintableText(NameText());
  // Columns under "UNIT/CHANNEL NAME        TYPE      LOG".
  std::fprintf(stream, "%4u/%-8u %-11.*s %-9s %s", UnitNumber(), ChannelNumber(), static_cast<int>(name.size()),
               name.data(), TypeName(), LoggedText());
}

void TSensor::SetDefaultName() {
  NameBuffer buffer{};
  SetName(Formatted(buffer, std::snprintf(buffer.data(), buffer.size(), "SENSOR%u/%u", UnitNumber() & 0xFFu,
                                          ChannelNumber())));
}

int TSensor::Convert(int raw) const { return SensorConvert(TypeCode, raw); }
int TSensor::Exponent() const { return SensorExponent(TypeCode); }
char TSensor::UnitsChar() const { return SensorUnitsChar(TypeCode); }
bool TSensor::IsDigital() const { return SensorIsDigital(TypeCode); }
const char* TSensor::TypeName() const { return SensorTypeName(TypeCode); }
unsigned TSensor::MaxType() const { return MaxSensorType; }

void TOutput::SetDefaultName() {
  NameBuffer buffer{};
  SetName(Formatted(buffer, std::snprintf(buffer.data(), buffer.size(), "OUTPUT%u/%u", UnitNumber() & 0xFFu,
                                          ChannelNumber())));
}

int TOutput::Convert(int raw) const {
  if (raw < 0) return InvalidValue;
  if (TypeCode != 0) return raw;
  // ON/OFF is scaled by 50 as a plain int, not cut to 16 bits. Logged values
  // are 16-bit; a larger raw value whose product would overflow is invalid.
  if (raw > INT_MAX / 50) return InvalidValue;
  return raw * 50;
}

void TAsm::Print(std::FILE* stream) const {
  const std::string name = PrintableText(NameText());
  // Columns under "UNIT AIRSPACE MESSAGE NAME        EXPONENT UNITS LOG".
  std::fprintf(stream, "%4u %8u %7u %-11.*s %8d %5c %s", UnitNumber(), AirspaceNumber(), MessageNumber(),
               static_cast<int>(name.size()), name.data(), ExpByte, UnitsByte, LoggedText());
}

void TAsm::SetDefaultName() {
  NameBuffer buffer{};
  SetName(Formatted(buffer, std::snprintf(buffer.data(), buffer.size(), "ASM%u/%u/%u", UnitNumber(),
                                          AirspaceNumber(), MessageNumber())));
}

int TAsm::Convert(int raw) const { return TypeCode == 0 ? raw : TSensor::Convert(raw); }

TDev* TDevList::FindOrCreate(uint16_t key) {
  for (TMListItem* item = First(); item != nullptr; item = Next()) {
    auto* dev = dynamic_cast<TDev*>(item);
    if (dev != nullptr && dev->Key == key) return dev;
  }
  std::unique_ptr<TMListItem> item = NewItem();
  if (item == nullptr) throw std::bad_alloc();
  auto* dev = dynamic_cast<TDev*>(item.get());
  if (dev == nullptr) throw std::logic_error("device list makes items that are not devices");
  Append(std::move(item));
  dev->Key = key;
  dev->SetDefaultName();
  First();
  return dev;
}

void TDevList::Print(std::FILE* stream) const {
  if (Head() == nullptr) return;
  std::fprintf(stream, "\n%s\n%s\n", Title(), Heading());
  for (const TMListItem* item = Head(); item != nullptr; item = item->Next()) {
    item->Print(stream);
    std::fputc('\n', stream);
  }
}

const char* TSensorList::Heading() const { return "UNIT/CHANNEL NAME        TYPE      LOG"; }
const char* TOutputList::Heading() const { return "UNIT/CHANNEL NAME        TYPE      LOG"; }
const char* TASMList::Heading() const { return "UNIT AIRSPACE MESSAGE NAME        EXPONENT UNITS LOG"; }

std::unique_ptr<TMListItem> TSensorList::NewItem() {
  return std::unique_ptr<TMListItem>(new (std::nothrow) TSensor);
}
std::unique_ptr<TMListItem> TOutputList::NewItem() {
  return std::unique_ptr<TMListItem>(new (std::nothrow) TOutput);
}
std::unique_ptr<TMListItem> TASMList::NewItem() {
  return std::unique_ptr<TMListItem>(new (std::nothrow) TAsm);
}

}  // namespace zerb
