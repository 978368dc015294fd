#include "series/CivilTime.h"

#include <cstdio>
#include <tuple>

#include "series/LogTime.h"

namespace zerb {

namespace {

// Days from 1970-01-01 to a date of the Gregorian calendar.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

unsigned DaysInMonth(int64_t y, unsigned m) {
  static constexpr unsigned days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return m == 2 && leap ? 29 : days[m - 1];
}

// Reads exactly `width` digits at text[at]; moves `at` past them.
std::optional<unsigned> Digits(std::string_view text, std::size_t& at, std::size_t width) {
  if (at + width > text.size()) return std::nullopt;
  unsigned n = 0;
  for (std::size_t i = 0; i < width; ++i) {
    const char c = text[at + i];
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + static_cast<unsigned>(c - '0');
  }
  at += width;
  return n;
}

bool Expect(std::string_view text, std::size_t& at, char c) {
  if (at >= text.size() || text[at] != c) return false;
  ++at;
  return true;
}

}  // namespace

std::optional<uint32_t> ParseCivilTime(std::string_view text, bool rangeEnd) {
  std::size_t at = 0;
  const auto year = Digits(text, at, 4);
  if (!year || !Expect(text, at, '-')) return std::nullopt;
  const auto month = Digits(text, at, 2);
  if (!month || !Expect(text, at, '-')) return std::nullopt;
  const auto day = Digits(text, at, 2);
  if (!day || *month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*year, *month)) return std::nullopt;
  unsigned hour = 0, minute = 0, second = 0;
  int64_t span = 86400;  // seconds the text stands for
  if (at < text.size()) {
    if (!Expect(text, at, 'T') && !Expect(text, at, ' ')) return std::nullopt;
    const auto h = Digits(text, at, 2);
    if (!h || !Expect(text, at, ':')) return std::nullopt;
    const auto m = Digits(text, at, 2);
    if (!m) return std::nullopt;
    hour = *h, minute = *m, span = 60;
    if (at < text.size()) {
      const auto s = Expect(text, at, ':') ? Digits(text, at, 2) : std::nullopt;
      if (!s) return std::nullopt;
      second = *s, span = 1;
    }
  }
  if (at != text.size() || hour > 23 || minute > 59 || second > 59) return std::nullopt;
  const int64_t seconds = DaysFromCivil(*year, *month, *day) * 86400 + hour * 3600 + minute * 60 + second +
                          (rangeEnd ? span - 1 : 0);
  if (seconds < 0 || seconds > int64_t{UINT32_MAX}) return std::nullopt;
  return static_cast<uint32_t>(seconds);
}

std::string ParseCivilRange(const std::string* from, const std::string* to, std::optional<uint32_t>& first,
                            std::optional<uint32_t>& last) {
  for (const auto& [option, text, end] : {std::tuple{"--from", from, false}, std::tuple{"--to", to, true}}) {
    if (!text) continue;
    const std::optional<uint32_t> time = ParseCivilTime(*text, end);
    if (!time) return std::string(option) + " takes YYYY-MM-DD[THH:MM[:SS]], not '" + *text + "' (a space may stand for the T)";
    (end ? last : first) = *time;
  }
  if (first && last && *first > *last) return "--from is after --to";
  return {};
}

}  // namespace zerb
