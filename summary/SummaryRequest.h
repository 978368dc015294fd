#pragma once
// What a summary is asked for: the period, the statistics, the share of
// readings a period needs for its figures, and degree-days.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "summary/Periods.h"
#include "summary/Statistics.h"

namespace zerb {

// Degree-days of one temperature channel against a base in °C: heating
// (base minus the daily mean, where positive) or cooling (the daily mean
// minus the base, where positive).
struct DegreeDayRequest {
  std::string channel;  // as the user names a channel (styles/ChannelChoice.h)
  double base = 0;      // °C
  bool cooling = false;
  friend bool operator==(const DegreeDayRequest&, const DegreeDayRequest&) = default;
};

inline constexpr double HeatingBase = 15.5;
inline constexpr double CoolingBase = 22.0;

struct SummaryRequest {
  Period every = Period::Day;
  std::vector<Stat> stats;  // none: each channel's default list
  // A period's figures are left empty when fewer than this share of the
  // readings its length holds at the log's interval are valid (0 to 1).
  double minCoverage = 0;
  std::vector<DegreeDayRequest> degreeDays;
  friend bool operator==(const SummaryRequest&, const SummaryRequest&) = default;
};

// CHANNEL or CHANNEL:BASE (BASE a number of °C; the last colon splits);
// nothing with `problem` set when BASE is not a number.
std::optional<DegreeDayRequest> ParseDegreeDays(std::string_view text, bool cooling, std::string& problem);

// The wide column's and the long line's word for a degree-day figure.
inline std::string_view DegreeDayStat(bool cooling) { return cooling ? "cooling-degree-days" : "heating-degree-days"; }

}  // namespace zerb
