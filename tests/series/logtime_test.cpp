#include "series/LogTime.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>

#include "classic/LocalTime.h"

namespace zerb {
namespace {

// ---- Calendar and texts at known instants ----------------------------------

struct KnownTime {
  uint32_t count;
  const char* date;
  const char* time;
  const char* serial;  // with a comma separator
};

const KnownTime KnownTimes[] = {
    {0, "01/01/1970", "00:00:00", "25569,0E-6"},
    {43200, "01/01/1970", "12:00:00", "25569,500000E-6"},
    {86399, "01/01/1970", "23:59:59", "25569,999988E-6"},  // truncated
    {68212800, "29/02/1972", "12:00:00", "26358,500000E-6"},
    {68256000, "01/03/1972", "00:00:00", "26359,0E-6"},
    {94694399, "31/12/1972", "23:59:59", "26664,999988E-6"},
    {94694400, "01/01/1973", "00:00:00", "26665,0E-6"},
    {946684799, "31/12/1999", "23:59:59", "36525,999988E-6"},
    {946684800, "01/01/2000", "00:00:00", "36526,0E-6"},
    {951786000, "29/02/2000", "01:00:00", "36585,41666E-6"},
    {1394195696, "07/03/2014", "12:34:56", "41705,524259E-6"},
    {2147483647, "19/01/2038", "03:14:07", "50424,134803E-6"},
    {2147483648, "19/01/2038", "03:14:08", "50424,134814E-6"},
    {4102444800, "01/01/2100", "00:00:00", "73051,0E-6"},
    {4107542399, "28/02/2100", "23:59:59", "73109,999988E-6"},
    {4107542400, "01/03/2100", "00:00:00", "73110,0E-6"},  // 2100 is no leap year
    {4294944000, "07/02/2106", "00:00:00", "75279,0E-6"},
    {4294967295, "07/02/2106", "06:28:15", "75279,269618E-6"},
};

TEST(LogTimeText, KnownInstants) {
  for (const KnownTime& row : KnownTimes) {
    SCOPED_TRACE(row.count);
    const TLogTime t(row.count);
    EXPECT_EQ(t.DateText(), row.date);
    EXPECT_EQ(t.TimeText(), row.time);
    EXPECT_EQ(t.SerialText(','), row.serial);

    char buf[LogTimeTextCapacity];
    EXPECT_EQ(std::string(buf, t.DateTextTo(buf)), row.date);
    EXPECT_EQ(std::string(buf, t.TimeTextTo(buf)), row.time);
    EXPECT_EQ(std::string(buf, t.SerialTextTo(buf, ',')), row.serial);
  }
}

TEST(LogTimeText, SharedBufferIsTerminatedAndReused) {
  const TLogTime t(4294967295);
  const std::string_view serial = t.SerialText(',');  // the longest text
  ASSERT_EQ(serial.size(), 15u);
  EXPECT_EQ(serial.data()[serial.size()], '\0');
  const std::string_view date = t.DateText();
  EXPECT_EQ(date.data(), serial.data());
  EXPECT_STREQ(date.data(), "07/02/2106");
}

// ---- Every day of the range against an independent calendar ----------------

struct Civil {
  unsigned year, month, day;
};

// Gregorian date of a day count since 1970-01-01 (Howard Hinnant's
// civil_from_days, shifted to years starting in March).
Civil CivilFromDays(int64_t z) {
  z += 719468;
  const int64_t era = z / 146097;  // z is never negative here
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t day = doy - (153 * mp + 2) / 5 + 1;
  const int64_t month = mp < 10 ? mp + 3 : mp - 9;
  const int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  return {static_cast<unsigned>(year), static_cast<unsigned>(month),
          static_cast<unsigned>(day)};
}

TEST(LogTimeSweep, EveryDayOfTheRange) {
  const uint32_t offsets[] = {0, 1, 3599, 43200, 86399};
  const uint32_t lastDay = UINT32_MAX / 86400;
  char want[32];
  char buf[LogTimeTextCapacity];
  for (uint32_t day = 0; day <= lastDay; ++day) {
    const Civil c = CivilFromDays(day);
    for (uint32_t sod : offsets) {
      const uint64_t wide = uint64_t{day} * 86400 + sod;
      if (wide > UINT32_MAX) continue;
      const auto count = static_cast<uint32_t>(wide);
      const TLogTime t(count);

      std::snprintf(want, sizeof want, "%02u/%02u/%04u", c.day, c.month, c.year);
      ASSERT_EQ(std::string(buf, t.DateTextTo(buf)), want) << "count " << count;
      ASSERT_EQ(t.DateText(), want) << "count " << count;

      std::snprintf(want, sizeof want, "%02u:%02u:%02u", sod / 3600, sod / 60 % 60, sod % 60);
      ASSERT_EQ(std::string(buf, t.TimeTextTo(buf)), want) << "count " << count;

      const std::string serial = std::to_string(day + 25569ull) + "\t" +
                                 std::to_string(uint64_t{sod} * 1000000 / 86400) + "E-6";
      ASSERT_EQ(std::string(buf, t.SerialTextTo(buf, '\t')), serial) << "count " << count;

      const CalendarDate cal = CalendarOf(count);
      ASSERT_TRUE(cal.year == c.year && cal.month == c.month && cal.day == c.day)
          << "count " << count;
      ASSERT_EQ(std::floor(t.ToDateTime()), day + 25569.0L) << "count " << count;
    }
  }
}

// gmtime of the C library as the second opinion on every struct tm field.
TEST(LocalTimeSweep, CivilTmMatchesGmtime) {
  const uint32_t lastDay = UINT32_MAX / 86400;
  for (uint32_t day = 0; day <= lastDay; ++day) {
    const uint64_t wide = uint64_t{day} * 86400 + day * 7919u % 86400;  // a varied time of day
    const auto count = static_cast<uint32_t>(wide > UINT32_MAX ? UINT32_MAX : wide);
    const std::time_t tt = static_cast<std::time_t>(count);
    std::tm ref{};
    ASSERT_NE(gmtime_r(&tt, &ref), nullptr);
    const std::tm got = CivilTmOf(count);
    ASSERT_TRUE(got.tm_sec == ref.tm_sec && got.tm_min == ref.tm_min &&
                got.tm_hour == ref.tm_hour && got.tm_mday == ref.tm_mday &&
                got.tm_mon == ref.tm_mon && got.tm_year == ref.tm_year &&
                got.tm_wday == ref.tm_wday && got.tm_yday == ref.tm_yday)
        << "count " << count;
  }
}

// ---- Value operations and the floating day number ---------------------------

struct AddRow {
  uint32_t start;
  int32_t seconds;
  uint32_t want;
};

TEST(LogTimeValue, AddWrapsModulo2To32) {
  const AddRow rows[] = {
      {1000, 60, 1060},
      {10, -20, 4294967286u},
      {4294967290u, 10, 4},
      {0, INT32_MIN, 2147483648u},
      {4294967295u, INT32_MAX, 2147483646u},
  };
  for (const AddRow& row : rows) {
    SCOPED_TRACE(row.start);
    TLogTime t(row.start);
    EXPECT_EQ(t.Add(row.seconds), row.seconds);
    EXPECT_EQ(t.Seconds(), row.want);
  }
}

TEST(LogTimeValue, ToDateTimeIsTheOleDayNumber) {
  const struct {
    uint32_t count;
    long double want;
  } rows[] = {
      {0, 25569.0L},
      {43200, 25569.5L},
      {86400, 25570.0L},
      {1394195696, 41705.0L + 45296.0L / 86400},
      {4294967295u, 75279.0L + 23295.0L / 86400},  // unsigned, never negative
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.count);
    EXPECT_NEAR(static_cast<double>(TLogTime(row.count).ToDateTime()),
                static_cast<double>(row.want), 1e-9);
  }
}

// ---- Time base -------------------------------------------------------------

struct TimeBaseRow {
  const char* what;
  uint32_t pc, lan, localLan;
  bool lanBase;
  uint32_t csvEnd, xmlEnd;
};

TEST(TimeBase, EndTimeOfEachWriter) {
  const TimeBaseRow rows[] = {
      {"PC base, PC ahead", 1000, 400, 500, false, 1000, 1100},
      {"LAN base", 1000, 400, 500, true, 400, 500},
      {"PC base, PC behind", 100, 400, 300, false, 100, 0},
      {"PC base wraps below 0", 100, 400, 200, false, 100, 4294967196u},
      {"PC base wraps past 2^32", 4294967295u, 0, 10, false, 4294967295u, 9},
      {"LAN clocks agree", 7000, 5000, 5000, false, 7000, 7000},
  };
  for (const TimeBaseRow& row : rows) {
    SCOPED_TRACE(row.what);
    const TLogTime pc(row.pc), lan(row.lan), local(row.localLan);
    EXPECT_EQ(CsvEndTime(pc, lan, row.lanBase).Seconds(), row.csvEnd);
    EXPECT_EQ(XmlEndTime(pc, lan, local, row.lanBase).Seconds(), row.xmlEnd);
  }
}

struct StartRow {
  uint32_t end;
  uint16_t interval, entryCount;
  uint32_t start;
};

TEST(TimeBase, StartTimeAndRowStampsEndAtEndTime) {
  const StartRow rows[] = {
      {1000, 60, 3, 820},
      {1000, 60, 0, 1000},
      {100, 60, 3, 4294967216u},             // starts in 2106, wraps back
      {0, 65535, 65535, 131071},              // largest span, 4294836225
      {4294967295u, 1, 65535, 4294901760u},
  };
  for (const StartRow& row : rows) {
    SCOPED_TRACE(row.end);
    const TLogTime start = StartTime(TLogTime(row.end), row.interval, row.entryCount);
    EXPECT_EQ(start.Seconds(), row.start);
    TLogTime rowTime = start;
    for (unsigned k = 0; k < row.entryCount; ++k) rowTime.Add(row.interval);
    EXPECT_EQ(rowTime.Seconds(), row.end);
  }
}

// ---- Locale time of day ----------------------------------------------------

TEST(LocalTime, CLocaleGivesHoursMinutesSeconds) {
  const struct {
    uint32_t count;
    const char* want;
  } rows[] = {
      {0, "00:00:00"},
      {86399, "23:59:59"},
      {1394195696, "12:34:56"},
      {4107542400u, "00:00:00"},
      {4294967295u, "06:28:15"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.count);
    char buf[32];
    EXPECT_EQ(LocalTimeTextTo(buf, sizeof buf, row.count), 8u);
    EXPECT_STREQ(buf, row.want);
  }
}

TEST(LocalTime, TooSmallBufferGivesEmptyText) {
  char buf[8] = {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'};
  EXPECT_EQ(LocalTimeTextTo(buf, sizeof buf, 1394195696), 0u);  // 8 chars + NUL
  EXPECT_EQ(buf[0], '\0');
  EXPECT_EQ(LocalTimeTextTo(buf, 0, 0), 0u);
}

// Restores the C time locale however the test ends.
struct TimeLocaleGuard {
  ~TimeLocaleGuard() { std::setlocale(LC_TIME, "C"); }
};

TEST(LocalTime, OtherLocaleFollowsItsTimeFormat) {
  const char* const candidates[] = {"en_US.UTF-8", "en_US.utf8", "de_DE.UTF-8",
                                    "de_DE.utf8", "en_GB.UTF-8", "fr_FR.UTF-8"};
  TimeLocaleGuard guard;
  const char* chosen = nullptr;
  for (const char* name : candidates) {
    if (std::setlocale(LC_TIME, name) != nullptr) {
      chosen = name;
      break;
    }
  }
  if (chosen == nullptr) GTEST_SKIP() << "no non-C locale installed";
  SCOPED_TRACE(chosen);
  for (uint32_t count : {0u, 43199u, 46800u, 1394195696u, 4294967295u}) {
    SCOPED_TRACE(count);
    const std::time_t tt = static_cast<std::time_t>(count);
    std::tm ref{};
    ASSERT_NE(gmtime_r(&tt, &ref), nullptr);
    char want[64];
    char got[64];
    const std::size_t n = std::strftime(want, sizeof want, "%X", &ref);
    EXPECT_EQ(LocalTimeTextTo(got, sizeof got, count), n);
    EXPECT_STREQ(got, want);
  }
}

}  // namespace
}  // namespace zerb
