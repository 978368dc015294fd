#pragma once
// Logs shaped like a site's real downloads, for timing batches and the
// history from outside: raw counts that wander slowly as logged readings
// do, the sample site's eight slots, and the longest log a file holds.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/LogWriter.h"

namespace zerb {

using LogRows = std::vector<std::vector<int16_t>>;

// `count` rows of `channels` counts from 500: in each row a channel moves
// by -2 to 2 once in `stillOneIn` rows (staying within 100 to 900), so the
// ring holds mostly one-bit codes.
LogRows WanderingRows(std::size_t channels, std::size_t count, unsigned stillOneIn, unsigned seed);

// The rows as a log of the sample site's slots (five sensors, two outputs,
// one ASM): every 5 minutes, its newest row at `pcTime` on the PC clock,
// the LAN clock 42 s behind.
LogSource SampleShapedLog(LogRows rows, uint32_t pcTime = 1796040000);

// 65,536 rows of three channels a minute apart, the longest a log holds.
LogSource LongestLog();

}  // namespace zerb
