#pragma once
// The clock a series' rows are shown in: a time zone's anchor placed at the
// series' newest row time (found by a walk of its own when the series does
// not know it), and placed again for each row kept from another log, so
// that every row is shown as its own log's conversion shows it.

#include <optional>
#include <string>

#include "series/Series.h"
#include "styles/ZoneClock.h"

namespace zerb {

// The newest row time of the series: NewestTime(), else that of a walk.
std::optional<uint32_t> NewestRowTime(Series& series);

class SeriesClock {
 public:
  // The zone applies when `zoned` (the ISO and excel time forms); other
  // forms show civil times.
  SeriesClock(Series& series, const TimeZoneSetting& zone, bool zoned);

  ZoneClock& Clock() { return clock_; }
  // Why the zone cannot be used (an unknown zone); "" when it can.
  const std::string& Error() const { return clock_.Error(); }
  // A newest time in a skipped or repeated hour, said as a sentence.
  const std::string& AnchorNote() const { return note_; }

  // Called in a walk before each row is shown.
  void BeforeRow(const Series& series) { BeforeRow(series.RowAnchor()); }
  // The same with the row's anchor as RowAnchor() gives it.
  void BeforeRow(std::optional<uint32_t> own) {
    if (zoned_ && own && own != anchor_) clock_.Anchor(*(anchor_ = own));
  }

 private:
  static const TimeZoneSetting& Civil();

  ZoneClock clock_;
  bool zoned_;
  std::optional<uint32_t> anchor_;
  std::string note_;
};

}  // namespace zerb
