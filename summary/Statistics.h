#pragma once
// The statistics a summary writes per period and channel: one table of
// them, each with its name, the channels it applies to and the value it
// takes from the period's figures (summary/Figures.h).

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "summary/Figures.h"

namespace zerb {

enum class Stat : uint8_t { Mean, Min, Max, First, Last, On, Starts, Count };

// How a statistic's value is written.
enum class StatDigits : uint8_t {
  Channel,      // the channel's own decimals
  ChannelMore,  // two decimals more than the channel's (a mean)
  Whole,        // a count
  Hours,        // hours, to the second
};

struct StatInfo {
  std::string_view name;
  Stat stat;
  bool onOffOnly;       // only for on/off channels (on, starts)
  bool measuredDefault; // in the default list of a measuring channel
  bool onOffDefault;    // in the default list of an on/off channel
  StatDigits digits;
  // The value from a period's figures and the log's interval in seconds;
  // nothing when it has none (no valid reading).
  std::optional<double> (*value)(const Figures& figures, uint32_t intervalSeconds);
};

std::span<const StatInfo> StatTable();
const StatInfo& InfoOf(Stat stat);

// The statistics of a comma-separated list, in its order; nothing when a
// name is unknown or repeated (`problem` then names the accepted ones).
std::optional<std::vector<Stat>> ParseStats(std::string_view list, std::string& problem);
// "mean,min,max,..." of a list.
std::string StatsText(std::span<const Stat> stats);

// The statistics written for a channel: those asked for (none: the default
// list) that apply to it.
std::vector<Stat> StatsFor(bool onOff, const std::vector<Stat>& asked);

}  // namespace zerb
