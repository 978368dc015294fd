#include "styles/SeriesClock.h"

namespace zerb {

std::optional<uint32_t> NewestRowTime(Series& series) {
  if (auto newest = series.NewestTime()) return newest;
  std::optional<uint32_t> last;
  series.ForEachRow([&](uint32_t time, std::span<const Reading>) {
    last = time;
    return true;
  });
  return last;
}

const TimeZoneSetting& SeriesClock::Civil() {
  static const TimeZoneSetting civil;
  return civil;
}

SeriesClock::SeriesClock(Series& series, const TimeZoneSetting& zone, bool zoned)
    : clock_(zoned ? zone : Civil()), zoned_(zoned) {
  if (!clock_.Error().empty() || !clock_.NeedsAnchor()) return;
  if (auto newest = NewestRowTime(series)) clock_.Anchor(*newest);
  note_ = clock_.AnchorNote();
  anchor_ = series.NewestTime();
}

}  // namespace zerb
