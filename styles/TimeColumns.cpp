#include "styles/TimeColumns.h"

#include <cstring>

#include "series/LogTime.h"
#include "styles/TimeText.h"

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
  dayStart_ = day * 86400;
}

}  // namespace zerb
