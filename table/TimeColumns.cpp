#include "table/TimeColumns.h"

#include <cstring>

#include "output/LogTime.h"
#include "table/TimeText.h"

namespace zerb {

TimeColumns::TimeColumns(TimeForm form, char separator, ZoneClock& clock)
    : form_(form), sep_(separator), clock_(clock) {}

std::vector<std::string> TimeColumns::Names() const {
  switch (form_) {
    case TimeForm::ClassicText:
    case TimeForm::ClassicSerial: return {"DATE", "TIME"};
    case TimeForm::Iso: return {"Time"};
    case TimeForm::Excel:
      if (clock_.Mark() == OffsetMark::None) return {"Time"};
      return {"Time", "UTC offset"};
    case TimeForm::Off: break;
  }
  return {};
}

char* TimeColumns::PutTo(char* p, uint32_t civil) {
  switch (form_) {
    case TimeForm::ClassicText: return PutClassicText(p, civil);
    case TimeForm::ClassicSerial:
      p += TLogTime(civil).SerialTextTo(p, sep_);
      *p++ = sep_;
      return p;
    case TimeForm::Iso:
    case TimeForm::Excel: return PutZoned(p, civil);
    case TimeForm::Off: break;
  }
  return p;
}

// "dd/mm/yyyy" and "hh:mm:ss", each in double quotes: the classic writer's.
char* TimeColumns::PutClassicText(char* p, uint32_t civil) {
  const int64_t day = civil / 86400;
  if (day != day_) {
    std::size_t n = 0;
    date_[n++] = '"';
    n += TLogTime(civil).DateTextTo(date_.data() + n);
    date_[n++] = '"';
    date_[n++] = sep_;
    dateSize_ = n;
    day_ = day;
  }
  std::memcpy(p, date_.data(), date_.size());
  p += dateSize_;
  *p++ = '"';
  p += TLogTime(civil).TimeTextTo(p);
  *p++ = '"';
  *p++ = sep_;
  return p;
}

void TimeColumns::MakeDate(int64_t day) {
  PutDate(date_.data(), day);
  date_[DateTextSize] = form_ == TimeForm::Iso ? 'T' : ' ';
  dateSize_ = DateTextSize + 1;
  day_ = day;
}

// ISO: date T time and the offset or Z. Excel: date, a space, the time; the
// offset (+00:00 for UTC) in a column of its own.
char* TimeColumns::PutZoned(char* p, uint32_t civil) {
  const ShownTime shown = clock_.At(civil);
  const int64_t day = DayOf(shown.seconds);
  if (day != day_) MakeDate(day);
  std::memcpy(p, date_.data(), 16);
  p += dateSize_;
  PutTimeOfDay(p, static_cast<uint32_t>(shown.seconds - day * 86400));
  p += 8;
  const OffsetMark mark = clock_.Mark();
  if (form_ == TimeForm::Excel && mark != OffsetMark::None) *p++ = sep_;
  if (mark == OffsetMark::Z && form_ == TimeForm::Iso) {
    *p++ = 'Z';
  } else if (mark != OffsetMark::None) {
    PutOffset(p, shown.offset);
    p += OffsetTextSize;
  }
  *p++ = sep_;
  return p;
}

}  // namespace zerb
