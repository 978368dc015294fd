#include "styles/xlsx/WorkbookBook.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "series/LogTime.h"
#include "styles/TimeText.h"

namespace zerb {

namespace {

const xlsx::Functions& Lib() { return xlsx::Api(); }

}  // namespace

double SerialTime(int64_t seconds) {
  const int64_t day = DayOf(seconds);
  return static_cast<double>(day + int64_t{SerialDayOf1970}) + static_cast<double>(seconds - day * 86400) / 86400.0;
}

double ScaledValue(int32_t value, int exponent) {
  // Powers of ten up to 10^22 are exact doubles: one division (or product)
  // gives the double nearest the decimal value, 92 × 10^-1 is 9.2.
  static constexpr std::array<double, 23> Powers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const int magnitude = exponent < 0 ? -exponent : exponent;
  const double power = magnitude < 23 ? Powers[std::size_t(magnitude)] : std::pow(10.0, magnitude);
  return exponent < 0 ? value / power : value * power;
}

std::string ColumnName(uint32_t column) {
  std::string name;
  for (uint32_t n = column + 1; n > 0; n = (n - 1) / 26) name.insert(name.begin(), char('A' + (n - 1) % 26));
  return name;
}

std::size_t CharacterCount(std::string_view utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

Book::Book(const std::string& name) {
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  book_ = Lib().workbook_new_opt(name.c_str(), &options);
  if (!book_) return;
  bold_ = Lib().workbook_add_format(book_);
  Lib().format_set_bold(bold_);
  dateTime_ = NumberFormat("yyyy-mm-dd hh:mm:ss");
}

Book::~Book() {
  if (book_) Close();
}

lxw_worksheet* Book::AddSheet(const std::string& name) {
  // A sheet of this mode writes its rows to a temporary file. The library
  // can't take back a sheet whose file it failed to make (closing the book
  // then dereferences it), so the file is tried first; a book that lacks a
  // sheet is freed, never closed, as closing adds a sheet to a book of none.
  std::FILE* room = std::tmpfile();
  if (!room) {
    sheetMissing_ = true;
    return nullptr;
  }
  std::fclose(room);
  lxw_worksheet* sheet = Lib().workbook_add_worksheet(book_, name.c_str());
  sheetMissing_ = sheetMissing_ || sheet == nullptr;
  return sheet;
}

lxw_format* Book::NumberFormat(const std::string& format) {
  lxw_format* made = Lib().workbook_add_format(book_);
  Lib().format_set_num_format(made, format.c_str());
  return made;
}

lxw_format* Book::Decimals(int exponent) {
  const int decimals = std::clamp(-exponent, 0, MostDecimals);
  lxw_format*& format = decimals_[std::size_t(decimals)];
  if (!format) format = NumberFormat(decimals == 0 ? "0" : "0." + std::string(std::size_t(decimals), '0'));
  return format;
}

std::string Book::Close() {
  if (sheetMissing_) {
    Lib().lxw_workbook_free(book_);
    book_ = nullptr;
    return "a sheet could not be made";
  }
  const lxw_error error = Lib().workbook_close(book_);
  book_ = nullptr;
  return error == LXW_NO_ERROR ? std::string() : Lib().lxw_strerror(error);
}

}  // namespace zerb
