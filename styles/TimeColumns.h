#pragma once
// The time columns of a table row, in any time form, each field followed by
// the separator. The date part changes once a day and is kept between rows.

#include <array>
#include <cstring>
#include <cstdint>
#include <string>
#include <vector>

#include "series/LogTime.h"
#include "styles/TableSettings.h"
#include "styles/TimeText.h"
#include "styles/ZoneClock.h"

namespace zerb {

class TimeColumns {
 public:
  // The room PutTo may take.
  static constexpr std::size_t Room = 64;

  TimeColumns(TimeForm form, char separator, ZoneClock& clock);

  // The header names of the columns: DATE and TIME (the classic forms),
  // Time, and UTC offset (excel with a zone or offset); none for Off.
  std::vector<std::string> Names() const;

  // Writes the columns of a row at the logger's civil time to p, which has
  // Room chars; returns their end.
  char* PutTo(char* p, uint32_t civil);

 private:
  char* PutClassicText(char* p, uint32_t civil);
  char* PutZoned(char* p, uint32_t civil);
  void MakeDate(int64_t day);

  TimeForm form_;
  char sep_;
  ZoneClock& clock_;
  std::array<char, 32> date_{};  // the date text as the form writes it
  std::size_t dateSize_ = 0;
  int64_t day_ = INT64_MIN;  // the day of date_; none yet
  int64_t dayStart_ = INT64_MIN / 2;  // its first second (zoned forms); far from any time yet
};

// Inline: a row's time is a few copies, and a call per row would be a
// good part of it.
inline char* TimeColumns::PutTo(char* p, uint32_t civil) {
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

// ISO: date T time and the offset or Z. Excel: date, a space, the time; the
// offset (+00:00 for UTC) in a column of its own.
inline char* TimeColumns::PutZoned(char* p, uint32_t civil) {
  const ShownTime shown = clock_.At(civil);
  // Within the day of the date held, no division to find the day.
  if (static_cast<uint64_t>(shown.seconds - dayStart_) >= 86400) MakeDate(DayOf(shown.seconds));
  std::memcpy(p, date_.data(), 16);
  p += dateSize_;
  PutTimeOfDay(p, static_cast<uint32_t>(shown.seconds - dayStart_));
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
