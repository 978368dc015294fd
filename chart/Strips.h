#pragma once
// How a plot stacks its channels: one strip per unit (°C, %, Pa, ... and
// one for channels without a unit), each with a value axis of its own, in
// the order their first channels come; the on/off channels as thin lanes
// under the strips, filled while on. All share the time axis.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "series/Series.h"

namespace zerb {

struct Strip {
  std::string unit;                   // UTF-8; empty for channels without a unit
  std::vector<std::size_t> channels;  // shown channels, in channel order
};

struct StripPlan {
  std::vector<Strip> strips;
  std::vector<std::size_t> lanes;  // shown on/off channels, in channel order
};

// The unit a channel's strip is labelled with (styles/UnitText.h).
std::string StripUnit(const SeriesChannel& channel);

// The plan for the shown channels (a channel beyond `shown` counts as shown).
StripPlan PlanStrips(std::span<const SeriesChannel> channels, const std::vector<bool>& shown);

// A channel's line: a colour of a qualitative palette whose neighbours
// differ, and after every round of the palette another dash pattern, so
// that channels of one strip stay apart well beyond the palette's size.
struct LineStyle {
  uint32_t rgb = 0;   // 0xRRGGBB
  uint8_t dash = 0;   // 0 solid, 1 dashed, 2 dotted, 3 dash-dotted
  friend bool operator==(LineStyle, LineStyle) = default;
};
// Each channel's style, counted within its strip (or the lanes) over all
// channels, shown or not, so hiding one changes no other's.
std::vector<LineStyle> LineStyles(std::span<const SeriesChannel> channels);

}  // namespace zerb
