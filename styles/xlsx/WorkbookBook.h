#pragma once
// A workbook being written (libxlsxwriter, constant-memory mode) and the
// cell formats its sheets share. The library must be loaded
// (styles/LibXlsxwriter.h).

#include <array>
#include <string>
#include <string_view>

#include "styles/xlsx/LibXlsxwriter.h"

namespace zerb {

// A clock reading (seconds since 1970-01-01) as a date-time cell's number:
// days since the spreadsheet's day 0, the time of day as the fraction.
double SerialTime(int64_t seconds);
// A stored value (value × 10^exponent) as a number.
double ScaledValue(int32_t value, int exponent);
// The sheet's name of a column: 0 is "A", 26 "AA".
std::string ColumnName(uint32_t column);
// Characters of a UTF-8 text, for column widths.
std::size_t CharacterCount(std::string_view utf8);

class Book {
 public:
  // The workbook the library writes to the file `name` when it is closed.
  explicit Book(const std::string& name);
  Book(const Book&) = delete;
  Book& operator=(const Book&) = delete;
  // A book never closed is closed here; its file is thrown away.
  ~Book();

  bool Made() const { return book_ != nullptr; }
  // The new sheet; null when the library can't make one (its temporary
  // file, in constant-memory mode), which Close() then reports.
  lxw_worksheet* AddSheet(const std::string& name);
  lxw_format* Bold() const { return bold_; }
  lxw_format* DateTime() const { return dateTime_; }
  // "0", "0.0", "0.00", ...: as many decimals as a negative exponent says.
  lxw_format* Decimals(int exponent);
  // Writes the file; "" when it was written, else the library's reason, or
  // that a sheet could not be made (then nothing is written).
  std::string Close();

 private:
  static constexpr int MostDecimals = 15;
  lxw_format* NumberFormat(const std::string& format);

  lxw_workbook* book_ = nullptr;
  lxw_format* bold_ = nullptr;
  lxw_format* dateTime_ = nullptr;
  bool sheetMissing_ = false;
  std::array<lxw_format*, MostDecimals + 1> decimals_{};
};

}  // namespace zerb
