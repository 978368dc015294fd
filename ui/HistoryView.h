#pragma once
// What the window's plot draws of a site's history, fetched for the range
// shown at the plot's width, without any window toolkit: the rows where the
// range holds few of them (a cursor's readings and the figures come from
// them), else the store's summary per pixel column (Store::Envelope), which
// draws the same picture for a fraction of the rows. Each call opens its own
// connection and closes it before it returns (see HistoryJobs.h); none
// throws: a failure comes back as one sentence for the user.

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chart/PreviewData.h"
#include "history/Store.h"
#include "history/StoreEnvelope.h"
#include "series/Envelope.h"
#include "summary/Figures.h"

namespace zerb {

// The range shown, in whole seconds (to > from), and the plot's width in
// pixel columns (StripChart::LineColumns).
struct ViewRequest {
  int64_t from = 0, to = 1;
  int columns = 1;
  bool wholeRows = false;  // every row of the site, whatever the range (a summary per period is made of them)
  friend bool operator==(const ViewRequest&, const ViewRequest&) = default;
};

// Above this many rows per pixel column the summary is fetched, below it
// the rows (the store's own advice: Store::Envelope).
constexpr int64_t RowsPerColumn = 4;

// A site's every row, read once when the site is opened where they are few
// enough (HeldCellsMost): every view of it, summary or rows, and its
// figures come from them without the store.
struct HeldSite {
  PreviewData rows;  // an empty row opening each gap
  SiteGrid grid;
};

// The most values (rows x columns) a site's rows are held for: a year of
// twenty channels every five minutes is about 2 million, 8 MB.
constexpr std::size_t HeldCellsMost = 16'000'000;

struct SiteHistory {
  uint32_t site = 0;
  int64_t first = 0, last = 0;  // the site's first and last row time
  uint32_t interval = 0;        // the least step between its rows; 0 until known
  std::vector<Gap> gaps;        // all the site's
  std::vector<StoredLog> logs;  // with their conflicts
  ViewRequest request;          // what the view below was fetched for
  // The rows of [heldFrom, heldTo] (the range shown and as much again each
  // side, so that a pan or a zoom out a little needs no fetch), an empty
  // row opening each gap so lines break there; without an envelope. With
  // one: the channels and interval only.
  PreviewData data;
  int64_t heldFrom = 0, heldTo = -1;
  std::optional<SeriesEnvelope> envelope;  // of the request's range and width
  std::shared_ptr<const HeldSite> held;    // shared by the site's views; none for a site too long
  std::string error;  // why the view could not be read (nothing else then holds)
};

// The site's history as first shown: its gaps and stored logs, its rows
// held where they come to at most `heldCells` values, and the view of
// [first, last] at `columns` (whose envelope tells the interval).
SiteHistory OpenSiteHistory(const std::string& location, uint32_t site, int64_t first, int64_t last, int columns,
                            std::size_t heldCells = HeldCellsMost);
// The view of `request` for the site of `shown` (its first, last, interval,
// gaps, logs and held rows are kept): from the held rows where there are
// any, else from the store.
SiteHistory FetchSiteView(const std::string& location, const SiteHistory& shown, const ViewRequest& request);
// Whether `shown` already draws `request` as a fetch would.
bool ViewHolds(const SiteHistory& shown, const ViewRequest& request);

// The figures of each channel over the rows in [from, to], as the readings
// table works them out from rows in memory (the reading before `from` as
// the envelope's cell before the range has it), from the held rows or the
// store's. Nothing when `stop` turned
// true during the walk (a newer view is wanted) or the rows could not be
// read (`error` then says why).
std::optional<std::vector<Figures>> FiguresOfRange(const std::string& location, const SiteHistory& shown,
                                                   const std::atomic<bool>& stop, std::string& error);

}  // namespace zerb
