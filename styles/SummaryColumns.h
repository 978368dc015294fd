#pragma once
// What every summary layout shares: its columns (per channel one per
// statistic, as asked or the channel's defaults, then one per degree-day
// figure), each column's value in a period and how many decimals it is
// written with, and the walk that folds a series into periods on the
// settings' zone (the logger's civil time without one).

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "series/Series.h"
#include "styles/TableSettings.h"
#include "styles/TableWriter.h"
#include "styles/ZoneClock.h"
#include "summary/PeriodTally.h"
#include "summary/SummaryRequest.h"

namespace zerb {

struct SummaryColumn {
  std::size_t channel = 0;
  Stat stat = Stat::Mean;
  int degreeDay = -1;  // index of the degree-day figure, or -1
};

class SummaryColumns {
 public:
  SummaryColumns(std::span<const SeriesChannel> channels, const SummaryRequest& asked,
                 std::vector<DegreeDayColumn> degree, uint32_t interval);

  const std::vector<SummaryColumn>& All() const { return columns_; }
  const SeriesChannel& ChannelOf(const SummaryColumn& column) const { return channels_[column.channel]; }
  // "mean", "on", "heating-degree-days", ...
  std::string_view StatName(const SummaryColumn& column) const;
  // The column's figure for the period: nothing where it has none (no
  // valid reading, or fewer than the coverage asks for; a count always).
  std::optional<double> Value(const SummaryColumn& column, const PeriodRow& row) const;
  // Decimals the figure is written with: the channel's, two more for a
  // mean, 4 for hours and degree-days 2, none for counts.
  int Decimals(const SummaryColumn& column) const;
  // The readings (or days, for degree-days) the figure is made of.
  uint64_t Count(const SummaryColumn& column, const PeriodRow& row) const;
  // Hours on, none for a count, "K·d" for degree-days, else the channel's
  // unit (UTF-8, before any encoding).
  enum class ValueUnit : uint8_t { Channel, Hours, None, KelvinDays };
  ValueUnit UnitKind(const SummaryColumn& column) const;

 private:
  std::span<const SeriesChannel> channels_;
  std::vector<DegreeDayColumn> degree_;
  uint32_t interval_;
  std::vector<SummaryColumn> columns_;
};

// Why a summary cannot be made of these channels (a degree-day channel
// they lack or that is not a temperature); "" when it can. `columns` gets
// the degree-day columns when it can.
std::string DegreeDayColumns(std::span<const SeriesChannel> channels, const SummaryRequest& asked,
                             std::vector<DegreeDayColumn>& columns);

// The one line of a usage error for a degree-day channel that the
// channels have but that is not a temperature (°C or °F); "" when there is
// none (a channel they lack is DegreeDayColumns' problem).
std::string DegreeDayTypeProblem(std::span<const SeriesChannel> channels, const SummaryRequest& asked);

// Called once before the periods with the clock their starts are shown on;
// false stops the walk (a write failed).
using SummaryStart = std::function<bool(ZoneClock& shown, const SummaryColumns& columns)>;
// Called with each period, its start as a civil time; false stops the walk.
using SummaryPeriod = std::function<bool(uint32_t start, const PeriodRow& row)>;

// Periods folded elsewhere (a store's query) from the rows a walk of the
// series would give: each channel's figures and each degree-day figure (in
// the order DegreeDayColumns gives them) per period start (the logger's
// civil time), the interval, the first and last row time, and the newest
// time of the logs the rows came from (where every row has one clock: the
// anchor each row would place, see styles/SeriesClock.h).
struct FoldedSummary {
  uint32_t interval = 1;
  bool empty = true;  // no rows
  int64_t first = 0, last = 0;
  uint32_t anchor = 0;
  // By key, ascending, each channel's figures: the key is the period's
  // start on the logger's clock, or on the local clock when `localKeys`
  // (the walk finds the logger's time of it).
  std::vector<std::pair<int64_t, FoldedPeriod>> periods;
  bool localKeys = false;
};

// Folds the series into the asked periods; with `folded`, the series only
// gives its channels and the periods are those folded. The result as WriteTable's, with
// rows counting periods and first/last the civil times of the first and
// last period's start; status -1 with `error` set when the request does not
// fit the channels or the zone is unknown (before `start` is called), the
// walk failed, or a callback returned false (then `error` is empty). Times
// are shown in the settings' zone when `zoned`, else as civil times.
TableResult WalkSummary(Series& series, const TableSettings& settings, const SummaryRequest& asked, bool zoned,
                        const SummaryStart& start, const SummaryPeriod& period,
                        const FoldedSummary* folded = nullptr);

}  // namespace zerb
