#pragma once
// How a chart writes its times: one format throughout, built from the
// reading's own fields (never through the machine's time zone). The window
// uses the user's locale; pictures made without a window use ISO 8601, the
// same on every machine.

#include <QLocale>
#include <QString>
#include <cstdint>
#include <string>

#include "chart/Ticks.h"

namespace zerb {

// A text of the site or log file (8-bit, read as Windows-1252, as the
// analysis styles read it).
QString SiteText(const std::string& stored);

class ChartTexts {
 public:
  virtual ~ChartTexts() = default;
  // The day of a clock reading (seconds since 1970-01-01, no zone).
  virtual QString Date(int64_t shown) const = 0;
  // Its time of day, with or without the seconds.
  virtual QString TimeOfDay(int64_t shown, bool seconds) const = 0;
  // Its month with the year.
  virtual QString Month(int64_t shown) const = 0;

  QString DateTime(int64_t shown) const { return Date(shown) + " " + TimeOfDay(shown, true); }
  // The label of a time tick: the time of day, or the date on a midnight
  // and for steps of days; the month or the year for longer steps.
  QString TickLabel(const TimeTick& tick, TimeStep step) const;
};

// 2026-11-28, 14:05(:00), 2026-11.
class IsoTexts final : public ChartTexts {
 public:
  QString Date(int64_t shown) const override;
  QString TimeOfDay(int64_t shown, bool seconds) const override;
  QString Month(int64_t shown) const override;
};

// The locale's short date and time formats (seconds added where the
// time format has none), the month as "MMM yyyy".
class LocaleTexts final : public ChartTexts {
 public:
  explicit LocaleTexts(const QLocale& locale);
  QString Date(int64_t shown) const override;
  QString TimeOfDay(int64_t shown, bool seconds) const override;
  QString Month(int64_t shown) const override;

 private:
  QLocale locale_;
  QString dateFormat_, timeFormat_, secondsFormat_;
};

}  // namespace zerb
