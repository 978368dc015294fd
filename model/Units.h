#pragma once
// Units and their airspace items, and the Y-axis list.
//
// Unit record, 24 bytes: 0 Number, 1 AsCount, 2 RoomCount, 3-4 spare,
// 5-21 Name, 22-23 Program. Airspace items have no record: each unit is
// followed in the list by AsCount items that the reader creates.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "model/MList.h"

namespace zerb {

inline constexpr std::size_t UnitBlockSize = 24;
inline constexpr std::size_t UnitNameSize = 17;

class TAsItem : public TMListItem {
 public:
  // 0 for a unit, the 1-based airspace index for an airspace item.
  virtual unsigned AsIndex() const = 0;
  virtual unsigned UnitNumber() const = 0;
};

class TUnit : public TAsItem {
 public:
  uint8_t Number = 0;
  uint8_t AsCount = 0;    // airspace items of this unit
  uint8_t RoomCount = 0;  // how many of them, from the first, are rooms
  std::array<uint8_t, 2> Spare{};
  std::array<char, UnitNameSize> Name{};
  uint16_t Program = 0;  // shown as two 3-digit numbers, high byte first

  std::size_t BlockSize() const override { return UnitBlockSize; }
  void DecodeBlock(std::span<const uint8_t> bytes) override;
  // Writes at most 16 name characters and a NUL into the 17 name bytes.
  void EncodeBlock(std::span<uint8_t> bytes) const override;
  // Unit listing line: number, name, program "hhh-lll", counts.
  void Print(std::FILE* stream) const override;
  unsigned AsIndex() const override { return 0; }
  unsigned UnitNumber() const override { return Number; }

  // The name as text, bounded by the field width.
  std::string_view NameText() const;
  // Stores the text, cut to 16 characters, NUL-padded.
  void SetName(std::string_view text);
};

// An airspace item: no persistent block. Unit is not owned; it precedes the
// item in the same list and is destroyed with it.
class TAs : public TAsItem {
 public:
  TAs(const TUnit& unit, uint8_t index) : Unit(&unit), Index(index) {}

  const TUnit* Unit;
  uint8_t Index;  // 1-based among the unit's items

  // "ROOM n" or "CREEP n" listing line.
  void Print(std::FILE* stream) const override;
  unsigned AsIndex() const override { return Index; }
  unsigned UnitNumber() const override { return Unit->Number; }
  // A room when Index <= the unit's RoomCount.
  bool IsRoom() const { return Index <= Unit->RoomCount; }
  // Room number (Index) or creep number (Index - RoomCount).
  unsigned ItemNumber() const { return IsRoom() ? Index : Index - Unit->RoomCount; }
};

class TAsList final : public TMList {
 public:
  // Reads the count N (units and airspace items together), clears, then
  // reads unit records while Count() < N (signed), appending after each unit
  // its AsCount airspace items. Returns 0 on a short count (list untouched)
  // or a short unit record (that unit destroyed); 1 otherwise, also when
  // memory runs out (the load then ends early).
  int Load(std::FILE* stream) override;
  // Save is the list's own: Count() and the units' records (airspace items
  // write nothing), so it reloads the same only while each unit's AsCount
  // matches the items behind it, as Load builds them.
  const char* Title() const override { return "UNIT PROGAM"; }
};

// Y-axis items carry no data: the file stores only their count.
class TYAxisList final : public TMList {};

}  // namespace zerb
