#pragma once
// The unit of a column, from its device's units letter and type name.

#include <span>
#include <string_view>

namespace zerb {

// The unit text (UTF-8) of a units letter on a device of the type: the
// table's text where the letter's unit is certain for that type ("C" on a
// TS4-C is "°C"), else the letter as it stands; a blank letter gives "".
std::string_view UnitText(char unitsLetter, std::string_view typeName);

// The letters whose unit a type fixes, with that unit: the rows UnitText
// translates (every other letter is its own unit).
struct CertainUnit {
  char letter;
  std::string_view typeName;
  std::string_view text;
};
std::span<const CertainUnit> CertainUnits();

}  // namespace zerb
