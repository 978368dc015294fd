#pragma once
// Devices (one logged channel each) and the site's device lists.
//
// Device record, 18 bytes: 0-10 Name, 11-12 Key, 13 Logged, 14 TypeCode,
// 15 spare, 16 ExpByte, 17 UnitsByte.
// Sensor and output keys are unit × 8 + channel (channel 0-7); ASM keys hold
// the unit in bits 0-4, the airspace in bits 5-8 and the message in 9-15.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "model/MList.h"

namespace zerb {

inline constexpr std::size_t DevBlockSize = 18;
// Bytes of a device name in the file; the text is at most 10 characters.
inline constexpr std::size_t DevNameFileSize = 11;
// Bytes of a device name in memory: a default ASM name reaches 12
// characters ("ASM31/15/127") and is kept whole.
inline constexpr std::size_t DevNameSize = 13;

// Which device list a logged channel comes from (stored as 0, 1, 2).
enum class ChannelKind : uint8_t { Sensor, Output, Asm };

class TDev : public TMListItem {
 public:
  // Name, bounded by the field: the text ends at the first NUL or at the end.
  std::array<char, DevNameSize> Name{};
  uint16_t Key = 0;
  uint8_t Logged = 1;  // 0 = not logged
  uint8_t TypeCode = 0;
  uint8_t Spare = 0;
  int8_t ExpByte = 0;
  char UnitsByte = ' ';

  std::size_t BlockSize() const override { return DevBlockSize; }
  void DecodeBlock(std::span<const uint8_t> bytes) override;
  // Writes at most 10 name characters and a NUL into the 11 name bytes.
  void EncodeBlock(std::span<uint8_t> bytes) const override;

  // Writes the default name for the Key into Name.
  virtual void SetDefaultName() = 0;
  virtual unsigned UnitNumber() const = 0;
  // Engineering value of a raw logged value (sign-extended 16-bit);
  // InvalidValue when it cannot be converted. Here: raw unchanged.
  virtual int Convert(int raw) const { return raw; }
  // Decimal exponent of Convert's result. Here: ExpByte.
  virtual int Exponent() const { return ExpByte; }
  virtual char UnitsChar() const { return UnitsByte; }
  // Text of a raw value: empty when Convert gives EmptyValue(), else
  // FormatFixed(value, ValueExponent()). A view of the process-wide text
  // buffer, valid until the next ValueText or FormatFixed call.
  std::string_view ValueText(int raw) const;
  // The converted value that leaves the text empty. Here: InvalidValue.
  virtual int EmptyValue() const;
  // The decimal exponent of the text's number. Here: Exponent().
  virtual int ValueExponent() const { return Exponent(); }
  // The units letter of the device's listing. Here: UnitsChar().
  virtual char ListedUnitsChar() const { return UnitsChar(); }
  virtual ChannelKind Kind() const = 0;
  virtual bool IsDigital() const = 0;
  // Constant text naming the device's type.
  virtual const char* TypeName() const = 0;

  // The name as text, bounded by the field width.
  std::string_view NameText() const;
  // Stores the text, cut to DevNameSize - 1 characters, NUL-padded.
  void SetName(std::string_view text);
  // "YES" when logged, else "NO".
  const char* LoggedText() const { return Logged ? "YES" : "NO"; }
};

// A sensor or output: Key = unit × 8 + channel.
class TIODev : public TDev {
 public:
  unsigned UnitNumber() const override { return Key >> 3; }
  // Channel 1-8, shown 1-based.
  unsigned ChannelNumber() const { return (Key & 7u) + 1; }
  // Channel listing line: unit/channel, name, type, logged.
  void Print(std::FILE* stream) const override;
  virtual bool IsInput() const = 0;
  virtual unsigned MaxType() const = 0;
};

// A sensor: value rule, exponent, units letter and type name all follow the
// sensor type in TypeCode (2, "TS4-C", when not loaded from a file).
class TSensor : public TIODev {
 public:
  TSensor() { TypeCode = 2; }
  // "SENSOR<unit>/<channel>".
  void SetDefaultName() override;
  int Convert(int raw) const override;
  int Exponent() const override;
  char UnitsChar() const override;
  bool IsDigital() const override;
  const char* TypeName() const override;
  bool IsInput() const override { return true; }
  unsigned MaxType() const override;
  ChannelKind Kind() const override { return ChannelKind::Sensor; }
};

// An output: TypeCode 0 is ON/OFF (shown as raw × 50), else VARIABLE.
class TOutput : public TIODev {
 public:
  TOutput() { UnitsByte = '%'; }
  // "OUTPUT<unit>/<channel>".
  void SetDefaultName() override;
  // InvalidValue for raw < 0; raw for VARIABLE; raw × 50 for ON/OFF.
  int Convert(int raw) const override;
  bool IsDigital() const override { return TypeCode == 0; }
  const char* TypeName() const override { return TypeCode != 0 ? "VARIABLE" : "ON/OFF"; }
  bool IsInput() const override { return false; }
  unsigned MaxType() const override { return 1; }
  ChannelKind Kind() const override { return ChannelKind::Output; }
};

// An ASM channel: unit bits 0-4, airspace bits 5-8, message bits 9-15.
class TAsm : public TSensor {
 public:
  TAsm() {
    TypeCode = 0;
    Key = 1;
  }
  // ASM listing line: unit, airspace, message, name, exponent, units, logged.
  void Print(std::FILE* stream) const override;
  // "ASM<unit>/<airspace>/<message>", up to 12 characters.
  void SetDefaultName() override;
  unsigned UnitNumber() const override { return Key & 0x1Fu; }
  unsigned AirspaceNumber() const { return (Key >> 5) & 0xFu; }
  unsigned MessageNumber() const { return Key >> 9; }
  // Raw unchanged when TypeCode is 0, else the sensor rule.
  int Convert(int raw) const override;
  // An ASM's text is empty only at +32767 (-32767 is a number), and its
  // number and listing carry its own exponent byte and units letter,
  // whatever its type says (its Exponent() and UnitsChar() are the type's).
  int EmptyValue() const override { return 32767; }
  int ValueExponent() const override { return ExpByte; }
  char ListedUnitsChar() const override { return UnitsByte; }
  bool IsDigital() const override { return false; }
  const char* TypeName() const override { return "ASM"; }
  ChannelKind Kind() const override { return ChannelKind::Asm; }
};

// A list of devices with lookup by key.
class TDevList : public TMList {
 public:
  // The first device whose Key equals key (cursor left on it); when there is
  // none, a new device of the list's kind with its constructor values, the
  // key and its default name, appended, with the cursor put back on the
  // first item. Never null: throws std::bad_alloc when memory is exhausted,
  // std::logic_error when the list's NewItem makes no device.
  TDev* FindOrCreate(uint16_t key);

  const char* Title() const override { return "LIST"; }
  // Writes "\n<title>\n<heading>\n" and each device's line with a line
  // break; nothing for an empty list.
  void Print(std::FILE* stream) const override;
  virtual const char* Heading() const = 0;
  // Width of a key in the log's channel table, and its empty-slot value.
  virtual int KeySize() const { return 1; }
  virtual int NoKey() const { return -1; }
};

class TSensorList final : public TDevList {
 public:
  std::unique_ptr<TMListItem> NewItem() override;
  const char* Title() const override { return "SENSORS"; }
  const char* Heading() const override;
};

class TOutputList final : public TDevList {
 public:
  std::unique_ptr<TMListItem> NewItem() override;
  const char* Title() const override { return "OUTPUTS"; }
  const char* Heading() const override;
};

class TASMList final : public TDevList {
 public:
  std::unique_ptr<TMListItem> NewItem() override;
  const char* Title() const override { return "ASMS"; }
  const char* Heading() const override;
  int KeySize() const override { return 2; }
  int NoKey() const override { return 0; }
};

}  // namespace zerb
