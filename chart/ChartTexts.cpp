#include "chart/ChartTexts.h"

#include <QDate>
#include <QTime>

#include "styles/Windows1252.h"

namespace zerb {

namespace {

constexpr int64_t JulianDayOf1970 = 2440588;

QDate DateOf(int64_t shown) { return QDate::fromJulianDay(JulianDayOf1970 + DayOfReading(shown)); }
QTime TimeOf(int64_t shown) { return QTime::fromMSecsSinceStartOfDay(int(SecondOfDay(shown) * 1000)); }

// A format without its zone ("t"): a clock reading has none, and Qt would
// ask the machine's zone for one.
QString WithoutZone(QString format) {
  format.remove(QLatin1Char('t'));
  return format.trimmed();
}

}  // namespace

QString SiteText(const std::string& stored) { return QString::fromStdString(Utf8FromWindows1252(stored)); }

QString ChartTexts::TickLabel(const TimeTick& tick, TimeStep step) const {
  switch (step.unit) {
    case TimeUnit::Second:
    case TimeUnit::Minute:
    case TimeUnit::Hour:
      return SecondOfDay(tick.shown) == 0 ? Date(tick.shown) : TimeOfDay(tick.shown, step.unit == TimeUnit::Second);
    case TimeUnit::Day:
    case TimeUnit::Week: return Date(tick.shown);
    case TimeUnit::Month: return Month(tick.shown);
    case TimeUnit::Year: return QString::number(DateOf(tick.shown).year());
  }
  return {};
}

QString IsoTexts::Date(int64_t shown) const { return DateOf(shown).toString(Qt::ISODate); }

QString IsoTexts::TimeOfDay(int64_t shown, bool seconds) const {
  return TimeOf(shown).toString(seconds ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
}

QString IsoTexts::Month(int64_t shown) const { return DateOf(shown).toString(QStringLiteral("yyyy-MM")); }

LocaleTexts::LocaleTexts(const QLocale& locale)
    : locale_(locale),
      dateFormat_(WithoutZone(locale.dateFormat(QLocale::ShortFormat))),
      timeFormat_(WithoutZone(locale.timeFormat(QLocale::ShortFormat))) {
  secondsFormat_ = timeFormat_;
  if (!secondsFormat_.contains(QLatin1Char('s'))) {
    const qsizetype minutes = secondsFormat_.indexOf(QLatin1String("mm"));
    if (minutes >= 0) secondsFormat_.insert(minutes + 2, QLatin1String(":ss"));
  }
}

QString LocaleTexts::Date(int64_t shown) const { return locale_.toString(DateOf(shown), dateFormat_); }

QString LocaleTexts::TimeOfDay(int64_t shown, bool seconds) const {
  return locale_.toString(TimeOf(shown), seconds ? secondsFormat_ : timeFormat_);
}

QString LocaleTexts::Month(int64_t shown) const { return locale_.toString(DateOf(shown), QStringLiteral("MMM yyyy")); }

}  // namespace zerb
