#include "history/FoldedPeriods.h"

#include "styles/ZoneClock.h"

namespace zerb {

std::optional<FoldedSummary> FoldInStore(Store& store, uint32_t site, int64_t from, int64_t to,
                                         std::span<const SeriesChannel> channels, const TableSettings& table,
                                         const SummaryRequest& asked) {
  PeriodQuery query;
  if (!DegreeDayColumns(channels, asked, query.degreeDays).empty()) return std::nullopt;
  query.minCoverage = asked.minCoverage;
  // As the summary writers align periods: in the zone where times are
  // shown in one (a workbook always), on the logger's clock otherwise.
  const bool zoned =
      table.file == TableFile::Workbook || table.time == TimeForm::Iso || table.time == TimeForm::Excel;
  query.every = asked.every;
  FoldedSummary folded;
  if (zoned && table.zone.kind == ZoneKind::Named) {
    TimeZoneSetting local = table.zone;
    local.utc = false;
    std::optional<int64_t> offset;
    for (const StoredLog& log : store.Logs(site, from, to)) {
      ZoneClock clock(local);
      if (!clock.Error().empty()) return std::nullopt;
      clock.Anchor(static_cast<uint32_t>(log.span.last));
      if (offset && *offset != clock.ClockOffset()) return std::nullopt;
      offset = clock.ClockOffset();
      folded.anchor = static_cast<uint32_t>(log.span.last);
    }
    query.zone = table.zone.name;
    query.clockOffset = offset.value_or(0);
  }
  std::optional<StoredPeriods> stored = store.FoldPeriods(site, from, to, query);
  if (!stored) return std::nullopt;
  folded.interval = stored->interval == 0 ? 1 : stored->interval;
  folded.empty = stored->empty;
  folded.first = stored->first;
  folded.last = stored->last;
  folded.periods = std::move(stored->periods);
  folded.localKeys = IsCalendarPeriod(asked.every);
  return folded;
}

}  // namespace zerb
