#pragma once
// The holdings table (history/Holdings.h) in either engine's words, and
// the statement that fills it from a store whose readings each name the
// import holding them.

#include <string>

#include "history/SchemaNotes.h"

namespace zerb {

std::string HoldingsTable(Engine engine);
// Each run of a channel's neighbouring readings of one import is a range.
const char* HoldingsFill();
// The import holding reading `r` (an SQL expression over a readings row r).
const char* HolderOfReading();

}  // namespace zerb
