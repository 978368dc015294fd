#include "chart/PlotClock.h"

#include "styles/ZoneClock.h"

namespace zerb {

PlotClock::PlotClock() = default;
PlotClock::~PlotClock() = default;
PlotClock::PlotClock(PlotClock&&) noexcept = default;
PlotClock& PlotClock::operator=(PlotClock&&) noexcept = default;

PlotClock::PlotClock(const TimeZoneSetting& zone, int64_t newestCivil) {
  if (zone.kind == ZoneKind::Civil) return;
  zone_ = std::make_unique<ZoneClock>(zone);
  if (!zone_->Error().empty()) {
    error_ = zone_->Error();
    zone_.reset();
    return;
  }
  if (zone_->NeedsAnchor()) zone_->Anchor(static_cast<uint32_t>(newestCivil));
}

// The zone's clock takes 32-bit readings; plot times outside them are shown
// as they are.
int64_t PlotClock::Shown(int64_t civil) const {
  if (!zone_ || civil < 0 || civil > int64_t{UINT32_MAX}) return civil;
  return zone_->At(static_cast<uint32_t>(civil)).seconds;
}

// Offsets are constant between changes: from a first guess, a step or two
// by the difference finds the time, unless the reading lies in a skipped
// hour.
std::optional<int64_t> PlotClock::PlotTimeOf(int64_t shown) const {
  int64_t civil = shown;
  for (int step = 0; step < 3; ++step) {
    const int64_t off = shown - Shown(civil);
    if (off == 0) return civil;
    civil += off;
  }
  return std::nullopt;
}

}  // namespace zerb
