#include "styles/ZoneClock.h"

#include "styles/TimeText.h"
#include "styles/ZoneDatabase.h"

namespace zerb {

std::string ZoneProblem(const std::string& name) { return zones::Find(name).error; }

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
      name_ = setting.name;
      if (zones::Lookup found = zones::Find(setting.name); found.zone != nullptr)
        zone_ = found.zone;
      else {
        error_ = std::move(found.error);
        break;
      }
      mark_ = setting.utc ? OffsetMark::Z : OffsetMark::Offset;
      break;
  }
}

void ZoneClock::Anchor(uint32_t newestCivil) {
  if (zone_ == nullptr) return;
  const zones::LocalOffset local = zones::AtLocal(*zone_, newestCivil);
  offset_ = local.before;
  const std::string newest = IsoText(newestCivil);
  const std::string used = OffsetText(offset_);
  if (local.fall == zones::LocalFall::Skipped)
    note_ = "the newest time " + newest + " is in an hour " + name_ +
            " skips; it is read with the offset before the change, " + used;
  else if (local.fall == zones::LocalFall::Repeated)
    note_ = "the newest time " + newest + " is in an hour " + name_ +
            " repeats; it is read as the first of the two, " + used;
  anchored_ = true;
  rangeBegin_ = rangeEnd_ = 0;
}

void ZoneClock::Look(int64_t utc) {
  const zones::UtcSpan span = zones::AtUtc(*zone_, utc);
  rangeBegin_ = span.begin;
  rangeEnd_ = span.end;
  rangeOffset_ = span.offset;
}

}  // namespace zerb
