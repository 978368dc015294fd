#include "table/ZoneClock.h"

#if ZERB32_TIMEZONES
#include <date/tz.h>
#endif

#include <chrono>
#include <stdexcept>

#include "table/TimeText.h"

namespace zerb {

namespace {

// A build without the zone database (ZERB32_TIMEZONES off) knows no zone
// names; fixed offsets need none.
const date::time_zone* FindZone([[maybe_unused]] const std::string& name) {
#if ZERB32_TIMEZONES
  try {
    return date::locate_zone(name);
  } catch (const std::exception&) {
    return nullptr;
  }
#else
  return nullptr;
#endif
}

}  // namespace

bool KnownZone(const std::string& name) { return FindZone(name) != nullptr; }

std::string OffsetText(int32_t offset) {
  char text[OffsetTextSize];
  PutOffset(text, offset);
  return std::string(text, OffsetTextSize);
}

std::string IsoText(int64_t seconds) {
  char text[DateTimeTextSize];
  PutDateTime(text, seconds, 'T');
  return std::string(text, DateTimeTextSize);
}

ZoneClock::ZoneClock(const TimeZoneSetting& setting) {
  switch (setting.kind) {
    case ZoneKind::Civil:
      break;
    case ZoneKind::FixedOffset:
      offset_ = setting.offsetMinutes * 60;
      mark_ = setting.utc ? OffsetMark::Z : OffsetMark::Offset;
      utcShift_ = setting.utc ? offset_ : 0;
      break;
    case ZoneKind::Named:
      zone_ = FindZone(setting.name);
      if (zone_ == nullptr) {
        error_ = "unknown time zone " + setting.name;
        break;
      }
      mark_ = setting.utc ? OffsetMark::Z : OffsetMark::Offset;
      break;
  }
}

void ZoneClock::Anchor([[maybe_unused]] uint32_t newestCivil) {
  if (zone_ == nullptr) return;
#if ZERB32_TIMEZONES
  using namespace std::chrono;
  const date::local_seconds local{seconds{newestCivil}};
  const date::local_info info = zone_->get_info(local);
  // first: the offset before a change, for every result.
  offset_ = static_cast<int32_t>(info.first.offset.count());
  const std::string newest = IsoText(newestCivil);
  const std::string used = OffsetText(offset_);
  if (info.result == date::local_info::nonexistent)
    note_ = "the newest time " + newest + " is in an hour " + zone_->name() +
            " skips; it is read with the offset before the change, " + used;
  else if (info.result == date::local_info::ambiguous)
    note_ = "the newest time " + newest + " is in an hour " + zone_->name() +
            " repeats; it is read as the first of the two, " + used;
  anchored_ = true;
  rangeBegin_ = rangeEnd_ = 0;
#endif
}

void ZoneClock::Look([[maybe_unused]] int64_t utc) {
#if ZERB32_TIMEZONES
  using namespace std::chrono;
  const date::sys_info info = zone_->get_info(date::sys_seconds{seconds{utc}});
  rangeBegin_ = info.begin.time_since_epoch().count();
  rangeEnd_ = info.end.time_since_epoch().count();
  rangeOffset_ = static_cast<int32_t>(info.offset.count());
#endif
}

}  // namespace zerb
