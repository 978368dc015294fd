#include "summary/SummaryRequest.h"

#include <charconv>
#include <cmath>

namespace zerb {

std::optional<DegreeDayRequest> ParseDegreeDays(std::string_view text, bool cooling, std::string& problem) {
  const char* option = cooling ? "--cooling-degree-days" : "--degree-days";
  DegreeDayRequest request{std::string(text), cooling ? CoolingBase : HeatingBase, cooling};
  if (const std::size_t colon = text.rfind(':'); colon != std::string_view::npos) {
    const std::string_view base = text.substr(colon + 1);
    double value = 0;
    const auto [end, error] = std::from_chars(base.data(), base.data() + base.size(), value);
    if (error != std::errc() || end != base.data() + base.size() || !std::isfinite(value)) {
      problem = std::string(option) + " takes CHANNEL[:BASE] with BASE in °C, not '" + std::string(text) + "'";
      return std::nullopt;
    }
    request.channel = std::string(text.substr(0, colon));
    request.base = value;
  }
  if (request.channel.empty()) {
    problem = std::string(option) + " needs a channel: CHANNEL[:BASE]";
    return std::nullopt;
  }
  return request;
}

}  // namespace zerb
