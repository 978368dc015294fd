#pragma once
// The times of the first and last rows a conversion writes, known before
// it runs: the rows -n and -s leave, within --from and --to.

#include <cstdint>
#include <optional>

#include "app/ConvertOptions.h"

namespace zerb {

class TLog;

struct WrittenTimes {
  std::optional<uint32_t> first, last;  // nothing when no row is written
};

// For a loaded log, on the clock the options choose.
WrittenTimes WrittenTimesOf(const TLog& log, const ConvertOptions& options);

}  // namespace zerb
