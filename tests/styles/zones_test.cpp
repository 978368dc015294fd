// Row times in time zones and at fixed offsets. The expected texts were
// worked out with Python's zoneinfo (Debian's python3, system tzdata), not
// with this program: the newest civil time placed in the zone with fold=0,
// then each row's instant (interval seconds apart, in real time) shown with
// datetime.astimezone(zone).isoformat(), or strftime("...Z") in UTC; the
// fixed offsets with datetime.timezone(timedelta(minutes=...)).

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "series/Series.h"
#include "styles/Styles.h"
#include "styles/TableWriter.h"
#include "styles/ZoneClock.h"
#include "tests/classic/writer_support.h"

namespace zerb {
namespace {

using namespace writertest;

struct Written {
  std::string times;  // each row's time columns, rows separated by a blank
  TableResult result;
};

// The fixture's devices over `rows` rows ending at the civil time `newest`.
Written Write(const TimeZoneSetting& zone, TimeForm form, uint32_t newest, uint16_t interval, std::size_t rows) {
  LogSource source = FixtureSource();
  source.pcTime = newest;
  source.interval = interval;
  source.rows.assign(rows, {512, 7, 55, 210});
  auto loaded = Load(source);
  TableSettings settings = StyleSettings("pandas").value();
  settings.time = form;
  settings.zone = zone;
  settings.header = false;
  LogSeries series(*loaded->log, false, -1, 0);
  StringSink sink;
  Written w;
  w.result = WriteTable(series, settings, sink);
  std::istringstream in(sink.text);
  for (std::string line; std::getline(in, line);)
    w.times += (w.times.empty() ? "" : " ") + line.substr(0, line.find(",20.2"));
  return w;
}

TimeZoneSetting Named(const char* name, bool utc = false) { return {ZoneKind::Named, 0, name, utc}; }
TimeZoneSetting Fixed(int minutes, bool utc = false) { return {ZoneKind::FixedOffset, minutes, "", utc}; }

// Also fixed offsets and the excel form's offset column (the last rows,
// newest 2026-01-01T00:30:00, rows an hour apart).
TEST(Zones, BothDaylightSavingChangesNorthAndSouthAndFixedOffsets) {
  struct Row {
    TimeZoneSetting zone;
    TimeForm form;
    uint32_t newest;
    uint16_t interval;
    std::size_t rows;
    const char* want;
    bool noted;  // the newest time is in a skipped or repeated hour
  };
  const Row rows[] = {
      // newest 2026-03-29T05:00:00: the skipped hour 02:00-03:00 is not written
      {Named("Europe/Berlin"), TimeForm::Iso, 1774760400, 1800, 8, "2026-03-29T00:30:00+01:00 2026-03-29T01:00:00+01:00 2026-03-29T01:30:00+01:00 2026-03-29T03:00:00+02:00 2026-03-29T03:30:00+02:00 2026-03-29T04:00:00+02:00 2026-03-29T04:30:00+02:00 2026-03-29T05:00:00+02:00", false},
      // newest 2026-10-25T04:00:00: the repeated hour is written twice with two offsets
      {Named("Europe/Berlin"), TimeForm::Iso, 1792900800, 1800, 8, "2026-10-25T01:30:00+02:00 2026-10-25T02:00:00+02:00 2026-10-25T02:30:00+02:00 2026-10-25T02:00:00+01:00 2026-10-25T02:30:00+01:00 2026-10-25T03:00:00+01:00 2026-10-25T03:30:00+01:00 2026-10-25T04:00:00+01:00", false},
      // newest 2026-04-05T04:00:00 (Sydney's autumn)
      {Named("Australia/Sydney"), TimeForm::Iso, 1775361600, 1800, 8, "2026-04-05T01:30:00+11:00 2026-04-05T02:00:00+11:00 2026-04-05T02:30:00+11:00 2026-04-05T02:00:00+10:00 2026-04-05T02:30:00+10:00 2026-04-05T03:00:00+10:00 2026-04-05T03:30:00+10:00 2026-04-05T04:00:00+10:00", false},
      // newest 2026-10-04T04:00:00 (Sydney's spring)
      {Named("Australia/Sydney"), TimeForm::Iso, 1791086400, 1800, 8, "2026-10-03T23:30:00+10:00 2026-10-04T00:00:00+10:00 2026-10-04T00:30:00+10:00 2026-10-04T01:00:00+10:00 2026-10-04T01:30:00+10:00 2026-10-04T03:00:00+11:00 2026-10-04T03:30:00+11:00 2026-10-04T04:00:00+11:00", false},
      // newest 2026-10-25T04:00:00, in UTC
      {Named("Europe/Berlin", true), TimeForm::Iso, 1792900800, 1800, 4, "2026-10-25T01:30:00Z 2026-10-25T02:00:00Z 2026-10-25T02:30:00Z 2026-10-25T03:00:00Z", false},
      // newest 2026-03-29T02:30:00, in the skipped hour
      {Named("Europe/Berlin"), TimeForm::Iso, 1774751400, 1800, 3, "2026-03-29T01:30:00+01:00 2026-03-29T03:00:00+02:00 2026-03-29T03:30:00+02:00", true},
      // newest 2026-10-25T02:30:00, in the repeated hour
      {Named("Europe/Berlin"), TimeForm::Iso, 1792895400, 1800, 4, "2026-10-25T01:00:00+02:00 2026-10-25T01:30:00+02:00 2026-10-25T02:00:00+02:00 2026-10-25T02:30:00+02:00", true},
      // newest 2026-01-10T12:00:00, a zone at offset zero
      {Named("Europe/London"), TimeForm::Iso, 1768046400, 3600, 2, "2026-01-10T11:00:00+00:00 2026-01-10T12:00:00+00:00", false},
      {Fixed(330), TimeForm::Iso, 1767227400, 3600, 2, "2025-12-31T23:30:00+05:30 2026-01-01T00:30:00+05:30", false},
      {Fixed(-180, true), TimeForm::Iso, 1767227400, 3600, 2, "2026-01-01T02:30:00Z 2026-01-01T03:30:00Z", false},
      {Fixed(0), TimeForm::Iso, 1767227400, 3600, 2, "2025-12-31T23:30:00+00:00 2026-01-01T00:30:00+00:00", false},
      {Fixed(330), TimeForm::Excel, 1767227400, 3600, 2, "2025-12-31 23:30:00,+05:30 2026-01-01 00:30:00,+05:30", false},
      {Fixed(-180, true), TimeForm::Excel, 1767227400, 3600, 2, "2026-01-01 02:30:00,+00:00 2026-01-01 03:30:00,+00:00", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.want);
    const Written w = Write(row.zone, row.form, row.newest, row.interval, row.rows);
    EXPECT_EQ(w.result.status, 1);
    EXPECT_EQ(w.times, row.want);
    EXPECT_EQ(!w.result.anchorNote.empty(), row.noted) << w.result.anchorNote;
  }
}

TEST(Zones, UnknownZoneFailsTheWrite) {
  EXPECT_EQ(ZoneProblem("Australia/Sydney"), "");
  const Written w = Write(Named("Europe/Atlantis"), TimeForm::Iso, 1767227400, 60, 2);
  EXPECT_EQ(w.result.status, -1);
  EXPECT_NE(w.result.error.find("Europe/Atlantis"), std::string::npos);
  EXPECT_EQ(w.times, "");
}

}  // namespace
}  // namespace zerb
