#include "styles/ZoneClock.h"

#include "styles/TimeText.h"
#include "styles/ZoneDatabase.h"

namespace zerb {

std::string ZoneProblem(const std::string& name) { return zones::Find(name).error; }

std::optional<int> ParseUtcOffset(std::string_view text) {
  if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || text[3] != ':') return std::nullopt;
  for (const std::size_t i : {1, 2, 4, 5})
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
  const int hours = (text[1] - '0') * 10 + (text[2] - '0');
  const int minutes = (text[4] - '0') * 10 + (text[5] - '0');
  if (minutes > 59 || hours * 60 + minutes > 14 * 60) return std::nullopt;
  return (text[0] == '-' ? -1 : 1) * (hours * 60 + minutes);
}

std::string ZoneText(const TimeZoneSetting& zone) {
  switch (zone.kind) {
    case ZoneKind::Civil: return {};
    case ZoneKind::FixedOffset: return OffsetText(zone.offsetMinutes * 60);
    case ZoneKind::Named: return zone.name;
  }
  return {};
}

TimeZoneSetting ZoneOfText(const std::string& text) {
  if (text.empty()) return {};
  if (const auto minutes = ParseUtcOffset(text)) return {ZoneKind::FixedOffset, *minutes, "", false};
  return {ZoneKind::Named, 0, text, false};
}

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

int64_t ZoneClock::CivilOf(int64_t shown) const {
  if (zone_ == nullptr) return shown + utcShift_;
  const int64_t utc = mark_ == OffsetMark::Z ? shown : shown - zones::AtLocal(*zone_, shown).before;
  return utc + offset_;
}

void ZoneClock::Look(int64_t utc) {
  const zones::UtcSpan span = zones::AtUtc(*zone_, utc);
  rangeBegin_ = span.begin;
  rangeEnd_ = span.end;
  rangeOffset_ = span.offset;
}

}  // namespace zerb
