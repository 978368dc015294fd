#include "chart/Strips.h"

#include <iterator>
#include <map>

#include "styles/UnitText.h"

namespace zerb {

namespace {

// Twelve colours of even weight that colour-blind readers tell apart in
// neighbouring pairs (after Paul Tol's qualitative schemes), dark enough
// for thin lines on white.
constexpr uint32_t Palette[] = {0x0077BB, 0xEE7733, 0x009988, 0xCC3311, 0x33BBEE, 0xEE3377,
                                0x117733, 0x882255, 0xAA4499, 0x999933, 0x332288, 0x555555};
constexpr std::size_t Dashes = 4;

// Lanes group apart from every strip.
std::string GroupOf(const SeriesChannel& channel) {
  return channel.digital ? std::string("\n on/off") : StripUnit(channel);
}

}  // namespace

std::string StripUnit(const SeriesChannel& channel) {
  return std::string(UnitText(channel.unitsLetter, channel.typeName));
}

StripPlan PlanStrips(std::span<const SeriesChannel> channels, const std::vector<bool>& shown) {
  StripPlan plan;
  std::map<std::string, std::size_t> stripOf;
  for (std::size_t c = 0; c < channels.size(); ++c) {
    if (c < shown.size() && !shown[c]) continue;
    if (channels[c].digital) {
      plan.lanes.push_back(c);
      continue;
    }
    const std::string unit = StripUnit(channels[c]);
    const auto [at, added] = stripOf.try_emplace(unit, plan.strips.size());
    if (added) plan.strips.push_back({unit, {}});
    plan.strips[at->second].channels.push_back(c);
  }
  return plan;
}

std::vector<LineStyle> LineStyles(std::span<const SeriesChannel> channels) {
  std::vector<LineStyle> styles;
  std::map<std::string, std::size_t> counted;
  for (const SeriesChannel& channel : channels) {
    const std::size_t k = counted[GroupOf(channel)]++;
    styles.push_back({Palette[k % std::size(Palette)], static_cast<uint8_t>(k / std::size(Palette) % Dashes)});
  }
  return styles;
}

}  // namespace zerb
