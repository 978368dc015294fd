#pragma once
// The options of one conversion run, shared by the window and the command line.

#include <cstdint>
#include <optional>
#include <string>

#include "classic/ConvertFlags.h"
#include "series/SelectedSeries.h"
#include "styles/TableSettings.h"
#include "summary/SummaryRequest.h"

namespace zerb {

struct ConvertOptions {
  uint16_t flags = DefaultFlags;
  int32_t overlap = -1;  // negative: new entries only is off
  uint16_t skip = 0;
  bool xml = false;
  // The CSV layout (styles/Styles.h: StyleSettings of a style name, then any
  // option changed). None: the classic CSV output of the flags, on its own
  // writer. The flags still choose the clock (FlagLanTime) either way.
  std::optional<TableSettings> table{};
  std::string styleName = "classic";  // the style the table came from, as named
  bool meta = false;  // <output>.json beside a regular output file
  // The rows (by time) and channels written; anything but all of them is
  // written by the table writer (the classic CSV through ClassicTable).
  // Not with XML, which writes whole logs.
  RowSelection selection{};
  // One row per period instead of one per reading (styles/SummaryTable.h);
  // with a table layout other than the classic one.
  std::optional<SummaryRequest> summary{};
};

}  // namespace zerb
