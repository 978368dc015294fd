#pragma once
// Named bundles of table settings: the styles a user picks by name.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "styles/TableSettings.h"

namespace zerb {

// "classic", "excel", "excel-eu", "pandas", "long", "xlsx", in that order.
std::span<const std::string_view> StyleNames();

// The settings of a style; nothing for an unknown name. "classic" gives
// ClassicTable(DefaultFlags).
std::optional<TableSettings> StyleSettings(std::string_view name);

// The settings whose output is the classic CSV writer's for these
// conversion flags (separator, header line, date/time columns).
TableSettings ClassicTable(uint16_t flags);

}  // namespace zerb
