#pragma once
// The time columns of a table row, in any time form, each field followed by
// the separator. The date part changes once a day and is kept between rows.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "table/TableSettings.h"
#include "table/ZoneClock.h"

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
};

}  // namespace zerb
