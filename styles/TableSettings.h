#pragma once
// How the table writer lays out a Series as delimited text. The classic
// settings (ClassicTable in styles/Styles.h) give exactly the bytes of the
// classic CSV writer; the other styles are bundles of these settings.

#include <cstdint>
#include <string>

namespace zerb {

// The time columns of a row.
enum class TimeForm : uint8_t {
  ClassicText,    // "DATE","TIME": "dd/mm/yyyy","hh:mm:ss", each quoted
  ClassicSerial,  // "DATE","TIME": day number and millionths of the day
  Iso,            // Time: 2026-03-03T14:05:00, an offset or Z after it
  Excel,          // Time: 2026-03-03 14:05:00, the offset in a column of its own
  Off,            // no time columns
};

// Which clock the ISO and excel times are read in (the classic forms are
// always the logger's civil time).
enum class ZoneKind : uint8_t {
  Civil,        // the logger's civil time, no offset
  FixedOffset,  // a clock kept at one offset from UTC all year
  Named,        // an IANA zone, daylight saving included
};

struct TimeZoneSetting {
  ZoneKind kind = ZoneKind::Civil;
  int offsetMinutes = 0;  // FixedOffset: east of UTC positive
  std::string name;       // Named: "Europe/Berlin"
  bool utc = false;       // write UTC times (Z) instead of the zone's
  friend bool operator==(const TimeZoneSetting&, const TimeZoneSetting&) = default;  // GCOVR_EXCL_BR_LINE: the defaulted ==
};

enum class UnitsMode : uint8_t {
  Off,
  Row,     // a second header line with each column's unit
  Inline,  // "Office Temp [°C]" in the header
};

enum class TextEncoding : uint8_t {
  AsStored,              // the site file's 8-bit texts unchanged
  Utf8FromWindows1252,   // the site file's texts read as Windows-1252
};

enum class Layout : uint8_t {
  Wide,  // one line per row: the time, then one field per channel
  Long,  // one line per value: Time,Channel,Name,Unit,Type,Raw,Value
};

// What kind of file the table becomes.
enum class TableFile : uint8_t {
  Text,      // delimited text, laid out by the settings below
  Workbook,  // an .xlsx workbook of typed cells (styles/Workbook.h): the time
             // form, zone and units apply; separator, quoting, byte-order
             // mark, decimal comma and layout do not
};

struct TableSettings {
  char separator = ',';
  bool decimalComma = false;      // "21,5" instead of "21.5"
  bool trailingSeparator = true;  // every field, the last too, ends in the separator
  bool bom = false;               // a UTF-8 byte-order mark first
  bool header = true;
  // Classic quoting: header names always in double quotes and an invalid
  // value as "". Otherwise a field is quoted only when it must be (it holds
  // the separator, a quote or a line break) and an invalid value is empty.
  bool classicQuoting = true;
  TimeForm time = TimeForm::ClassicText;
  TimeZoneSetting zone;
  UnitsMode units = UnitsMode::Off;
  TextEncoding encoding = TextEncoding::AsStored;
  Layout layout = Layout::Wide;
  TableFile file = TableFile::Text;
  // A named zone's times are written as UTC instants (Z), the zone being
  // said elsewhere (--meta): a reader then gets one type of time for the
  // whole column, also across a daylight-saving change.
  bool zoneAsUtc = false;
  friend bool operator==(const TableSettings&, const TableSettings&) = default;  // GCOVR_EXCL_BR_LINE: the defaulted ==
};

}  // namespace zerb
