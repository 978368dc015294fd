#pragma once
// Row times: an unsigned 32-bit count of seconds since 1970-01-01 00:00:00,
// read as the civil time of the clock that produced it (no time zone, no
// daylight saving). The range ends at 2106-02-07 06:28:15 (count 2^32 - 1);
// all arithmetic on counts wraps modulo 2^32.
//
// The value operations are inline so that model code can hold times without
// linking the output library; the calendar and text operations live in
// LogTime.cpp.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zerb {

// Calendar fields of a count, as Breakdown() leaves them.
struct BrokenDownFields {
  unsigned hour = 0;    // 0-23
  unsigned minute = 0;  // 0-59
  unsigned second = 0;  // 0-59
  unsigned day = 1;     // 1-31
  unsigned month = 1;   // 1-12
  unsigned year = 1970; // 1970-2106
};

// The record that every TLogTime::Breakdown() of this thread overwrites (one
// per thread, so that documents converted side by side never share it).
extern thread_local BrokenDownFields BrokenDownTime;

// Days before month m of a common year, m = 1 to 13 (index 0 is January).
inline constexpr std::array<uint16_t, 13> MonthStart = {
    0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

// Room a caller gives the ...TextTo forms: the longest text (a serial text)
// has 15 characters, so 20 leaves margin; no terminator is written.
inline constexpr std::size_t LogTimeTextCapacity = 20;

// Serial day number of 1970-01-01, counted from 1899-12-30.
inline constexpr uint32_t SerialDayOf1970 = 25569;

// The calendar fields of a count, Gregorian over the whole range (2100 is
// not a leap year). Pure; touches no shared state.
BrokenDownFields BreakdownOf(uint32_t count);

class TLogTime {
 public:
  constexpr TLogTime() = default;
  constexpr explicit TLogTime(uint32_t count) : count_(count) {}

  // The count of seconds since 1970-01-01 00:00:00.
  constexpr uint32_t Seconds() const { return count_; }
  // Stores a count.
  constexpr void Set(uint32_t count) { count_ = count; }
  // Adds a signed number of seconds modulo 2^32; returns the amount added.
  constexpr int32_t Add(int32_t seconds) {
    count_ += static_cast<uint32_t>(seconds);
    return seconds;
  }

  // Fills this thread's BrokenDownTime from the count.
  void Breakdown() const;

  // The texts below are views of one 20-byte buffer per thread (also
  // NUL-terminated there) that the next SerialText, DateText or TimeText
  // call overwrites: write each one out before asking for the next.

  // "<day number><separator><millionths of the day>E-6", e.g. "41705,524259E-6":
  // the day counted from 1899-12-30, the time of day truncated to millionths
  // of a day, both without leading zeros.
  std::string_view SerialText(char separator) const;
  // "DD/MM/YYYY". Calls Breakdown().
  std::string_view DateText() const;
  // "HH:MM:SS". Calls Breakdown().
  std::string_view TimeText() const;

  // The same texts written into the caller's buffer, which must hold
  // LogTimeTextCapacity chars; no terminator is written, the shared buffer
  // and BrokenDownTime are left alone. Return the number of chars written.
  std::size_t SerialTextTo(char* out, char separator) const;
  std::size_t DateTextTo(char* out) const;
  std::size_t TimeTextTo(char* out) const;
  // "YYYY-MM-DDTHH:MM:SS" (19 chars).
  std::size_t IsoTextTo(char* out) const;

  // The count as days since 1899-12-30 00:00 with the time of day as the
  // fraction (count / 86400 + 25569), in extended precision.
  long double ToDateTime() const;

  friend constexpr bool operator==(TLogTime, TLogTime) = default;

 private:
  uint32_t count_ = 0;
};

// Time of the last row for the CSV writer: the LAN clock's reading with the
// LAN time base, else the PC clock's (lanTime + (pcTime - lanTime), wrapping).
TLogTime CsvEndTime(TLogTime pcTime, TLogTime lanTime, bool lanBase);

// Time of the last row for the XML writer: the local LAN reading, shifted by
// the PC-LAN clock offset unless the LAN time base is chosen (wrapping).
TLogTime XmlEndTime(TLogTime pcTime, TLogTime lanTime, TLogTime localLanTime,
                    bool lanBase);

// Time of row 0: endTime - interval * entryCount. The product fits 32 bits;
// the subtraction wraps, so a long log ending early in 1970 starts in 2106.
TLogTime StartTime(TLogTime endTime, uint16_t interval, uint16_t entryCount);

}  // namespace zerb
