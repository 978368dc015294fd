#pragma once
// The clock a plot shows its times in. A plot works on the logger's civil
// seconds, which have no zone: rows a whole interval apart lie that far
// apart on the time axis whatever the machine's zone, so no hour is drawn
// twice or skipped. Its texts show those seconds as they are, or, where the
// user chose a zone for the output, the zone's reading of each time (the
// newest row placed in the zone, as the analysis styles' --tz does). The
// zone is looked up once, when the clock is made.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "styles/TableSettings.h"

namespace zerb {

class ZoneClock;

class PlotClock {
 public:
  // The logger's civil time as it is.
  PlotClock();
  // Times shown in the zone of the setting, the newest row time (civil
  // seconds) anchoring it; an unknown zone gives a civil clock with
  // Error() set.
  PlotClock(const TimeZoneSetting& zone, int64_t newestCivil);
  ~PlotClock();
  PlotClock(PlotClock&&) noexcept;
  PlotClock& operator=(PlotClock&&) noexcept;

  const std::string& Error() const { return error_; }
  bool Civil() const { return !zone_; }

  // The clock reading shown for a plot time.
  int64_t Shown(int64_t civil) const;
  // A plot time whose reading is `shown`: nothing where the zone skips
  // that reading, one of the two where it repeats it.
  std::optional<int64_t> PlotTimeOf(int64_t shown) const;

 private:
  std::unique_ptr<ZoneClock> zone_;  // mutable state: it keeps the span of the last offset it looked up
  std::string error_;
};

}  // namespace zerb
