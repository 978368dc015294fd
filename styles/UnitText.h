#pragma once
// The unit of a column, from its device's units letter and type name.

#include <string_view>

namespace zerb {

// The unit text (UTF-8) of a units letter on a device of the type: the
// table's text where the letter's unit is certain for that type ("C" on a
// TS4-C is "°C"), else the letter as it stands; a blank letter gives "".
std::string_view UnitText(char unitsLetter, std::string_view typeName);

}  // namespace zerb
