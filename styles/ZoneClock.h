#pragma once
// Row times in a time zone. A log's rows are a grid back from its newest
// time, and the logger's clock has no zone. The newest time is placed in
// the zone once (the anchor): the UTC offset it has there is the clock's
// offset from UTC, and every row lies that many seconds after UTC, in real
// seconds. Each row's UTC instant is then shown in the zone with the offset
// of that instant, so a daylight-saving change never repeats or skips an
// hour of rows.
//
// A newest time the zone skips (the hour clocks jump over) is read with the
// offset before the change; one the zone repeats (the hour clocks go
// through twice) is read as its first occurrence, also with the offset
// before the change. This is how Python's zoneinfo reads a local time with
// fold=0. AnchorNote() says when either happened.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "styles/TableSettings.h"

namespace zerb {

namespace zones {
struct Zone;
}

// Empty when the system's time-zone database has a zone of that name, else
// why not ("unknown time zone NAME", or zones not available at all).
std::string ZoneProblem(const std::string& name);

// What goes after a time: nothing, "+HH:MM"/"-HH:MM", or "Z".
enum class OffsetMark : uint8_t { None, Offset, Z };

struct ShownTime {
  int64_t seconds = 0;  // the clock reading shown, seconds since 1970-01-01 00:00
  int32_t offset = 0;   // its offset from UTC in seconds (0 with Z)
};

class ZoneClock {
 public:
  // A clock for the setting; a Named setting whose zone the database lacks
  // gives a clock with Error() set, which shows civil times.
  explicit ZoneClock(const TimeZoneSetting& setting);
  const std::string& Error() const { return error_; }

  // Whether the rows need the newest time first (a named zone).
  bool NeedsAnchor() const { return zone_ != nullptr && !anchored_; }
  // Places the newest row time (the logger's civil time) in the zone.
  void Anchor(uint32_t newestCivil);
  // Empty, or a sentence about a newest time in a skipped or repeated hour.
  const std::string& AnchorNote() const { return note_; }

  OffsetMark Mark() const { return mark_; }
  // The logger's clock minus UTC, in seconds: the anchor's offset for a
  // zone (once anchored), the fixed offset, or 0 for civil time. A row's
  // UTC instant is its civil time minus this.
  int32_t ClockOffset() const { return offset_; }
  // The time shown for a row at the logger's civil time.
  ShownTime At(uint32_t civil) {
    if (zone_ == nullptr) return {civil - int64_t{utcShift_}, mark_ == OffsetMark::Z ? 0 : offset_};
    const int64_t utc = int64_t{civil} - offset_;
    if (mark_ == OffsetMark::Z) return {utc, 0};
    if (utc < rangeBegin_ || utc >= rangeEnd_) Look(utc);
    return {utc + rangeOffset_, rangeOffset_};
  }

  // The logger's civil time at which this clock shows `shown` (the first
  // time, where a change repeats it; the offset before the change, where
  // it skips it). For a clock that shows UTC (Z), `shown` is UTC.
  int64_t CivilOf(int64_t shown) const;

 private:
  void Look(int64_t utc);

  const zones::Zone* zone_ = nullptr;
  std::string name_;
  OffsetMark mark_ = OffsetMark::None;
  int32_t offset_ = 0;    // civil time minus UTC (the anchor's, for a zone)
  int32_t utcShift_ = 0;  // subtracted from civil times (UTC output of a fixed offset)
  bool anchored_ = false;
  // The zone's offset over [rangeBegin_, rangeEnd_), in UTC seconds.
  int64_t rangeBegin_ = 0, rangeEnd_ = 0;
  int32_t rangeOffset_ = 0;
  std::string error_;
  std::string note_;
};

// The minutes east of UTC of "+HH:MM" or "-HH:MM", at most 14 hours;
// nothing for any other text.
std::optional<int> ParseUtcOffset(std::string_view text);

// A logger's zone as a store records it: an IANA name, or a fixed offset
// written "+HH:MM". The text of a setting, and the setting of a text.
std::string ZoneText(const TimeZoneSetting& zone);
TimeZoneSetting ZoneOfText(const std::string& text);

// "+HH:MM" or "-HH:MM" of an offset in seconds (minutes truncated).
std::string OffsetText(int32_t offset);
// "YYYY-MM-DDThh:mm:ss" of a clock reading in seconds since 1970.
std::string IsoText(int64_t seconds);

}  // namespace zerb
