#include "styles/UnitText.h"

#include <array>

namespace zerb {

namespace {

// Only where the type fixes what its letter means: temperature sensors in
// degrees Celsius or Fahrenheit, the AKS 33 pressure transmitters in bar.
// MINIRT's "F", SPUD's "M", SDPL's "P" and an ASM's or output's letter
// (set freely in the site file) are written as they stand; so are letters
// that are their own unit: "%", "V" (POT), "A" (CT50A).
constexpr std::array<CertainUnit, 12> Table = {{
    {'C', "TS4-C", "°C"},   {'C', "TS1V", "°C"},    {'C', "TS1V2", "°C"},  {'C', "PT1K", "°C"},
    {'C', "TSSHTC", "°C"},  {'F', "TS4-F", "°F"},   {'F', "TS1V2F", "°F"}, {'F', "TS1KF", "°F"},
    {'F', "PT1KF", "°F"},   {'F', "TSSHTF", "°F"},  {'B', "AKS33L", "bar"}, {'B', "AKS33H", "bar"},
}};

}  // namespace

std::span<const CertainUnit> CertainUnits() { return Table; }

std::string_view UnitText(char unitsLetter, std::string_view typeName) {
  for (const CertainUnit& row : Table)
    if (row.letter == unitsLetter && row.typeName == typeName) return row.text;
  if (unitsLetter == ' ' || unitsLetter == '\0') return {};
  // A view of the letter itself: one static char per byte value.
  static constexpr std::array<char, 256> Letters = [] {
    std::array<char, 256> letters{};
    for (std::size_t i = 0; i < letters.size(); ++i) letters[i] = static_cast<char>(i);
    return letters;
  }();
  return {&Letters[static_cast<unsigned char>(unitsLetter)], 1};
}

}  // namespace zerb
