#include "ui/HistoryView.h"

#include <algorithm>
#include <cmath>

#include "history/Spans.h"
#include "history/postgres/PgAddress.h"
#include "series/RowsEnvelope.h"

namespace zerb {

namespace {

// Rows are wanted where the range holds few enough of them. With the
// interval not yet known, the envelope is fetched and tells.
bool FewRows(const SiteHistory& site, const ViewRequest& request) {
  if (request.wholeRows) return true;
  if (site.interval == 0) return false;
  return (request.to - request.from) / site.interval + 1 <= RowsPerColumn * request.columns;
}

void ReadRows(Store& store, SiteHistory& view) {
  const ViewRequest& request = view.request;
  const int64_t span = request.to - request.from;
  view.heldFrom = request.wholeRows ? view.first : std::max(view.first, request.from - span);
  view.heldTo = request.wholeRows ? view.last : std::min(view.last, request.to + span);
  const std::unique_ptr<Series> series = store.Export(view.site, view.heldFrom, view.heldTo);
  if (!series) {
    view.error = "no site " + std::to_string(view.site) + " in the store";
    return;
  }
  view.data = LoadPreview(*series);
  view.error = view.data.error;
  std::vector<int64_t> breaks;
  for (const int64_t at : GapBreaks(view.gaps))
    if (at > view.heldFrom && at < view.heldTo) breaks.push_back(at);
  InsertEmptyRows(view.data, breaks);
  // A stretch inside a gap still spans the range it was fetched for.
  if (view.data.Empty()) InsertEmptyRows(view.data, std::vector<int64_t>{view.heldFrom, view.heldTo});
  if (view.interval == 0) view.interval = view.data.interval;
}

void ReadView(Store& store, SiteHistory& view) {
  if (!FewRows(view, view.request)) {
    std::optional<SiteEnvelope> envelope =
        store.Envelope(view.site, view.request.from, view.request.to, view.request.columns);
    if (!envelope) {
      view.error = "no site " + std::to_string(view.site) + " in the store";
      return;
    }
    if (view.interval == 0) view.interval = envelope->series.interval;
    if (envelope->series.rows > RowsPerColumn * view.request.columns) {
      view.data.channels = envelope->series.channels;
      view.data.interval = envelope->series.interval;
      view.envelope = std::move(envelope->series);
      return;
    }
  }
  ReadRows(store, view);
}

// Where the request's range starts and ends among the held rows.
std::pair<std::size_t, std::size_t> HeldRange(const std::vector<int64_t>& times, int64_t from, int64_t to) {
  return {std::size_t(std::lower_bound(times.begin(), times.end(), from) - times.begin()),
          std::size_t(std::upper_bound(times.begin(), times.end(), to) - times.begin())};
}

// The rows of [view.heldFrom, view.heldTo] as ReadRows reads them.
void CutRows(const HeldSite& held, SiteHistory& view) {
  const PreviewData& all = held.rows;
  const auto [begin, end] = HeldRange(all.times, view.heldFrom, view.heldTo);
  const std::vector<int64_t>& breaks = held.grid.Breaks();
  PreviewData& data = view.data;
  data = PreviewData{};
  data.channels = all.channels;
  data.values.resize(all.values.size());
  std::optional<int64_t> last;  // the stored row before, a gap's row counting not
  for (std::size_t r = begin; r < end; ++r) {
    const int64_t t = all.times[r];
    const bool gap = std::binary_search(breaks.begin(), breaks.end(), t);
    if (gap && (t == view.heldFrom || t == view.heldTo)) continue;
    if (!gap) {
      const int64_t step = last ? t - *last : 0;
      if (step > 0 && (data.interval == 0 || step < data.interval)) data.interval = uint32_t(step);
      last = t;
    }
    data.times.push_back(t);
    for (std::size_t c = 0; c < all.values.size(); ++c) data.values[c].push_back(all.values[c][r]);
  }
  // last: the previous stored row, a gap's row between them counting not.
  if (data.Empty()) InsertEmptyRows(data, std::vector<int64_t>{view.heldFrom, view.heldTo});
  if (view.interval == 0) view.interval = data.interval;
}

// The view of the request from the held rows, as ReadView reads it.
void CutView(const HeldSite& held, SiteHistory& view) {
  const ViewRequest& request = view.request;
  const std::vector<int64_t>& times = held.rows.times;
  const std::vector<int64_t>& breaks = held.grid.Breaks();
  const auto [begin, end] = HeldRange(times, request.from, request.to);
  std::size_t rows = end - begin;
  for (const int64_t t : breaks) rows -= t >= request.from && t <= request.to ? 1 : 0;
  if (view.interval == 0) view.interval = held.grid.Interval();
  if (!request.wholeRows && int64_t(rows) > RowsPerColumn * request.columns) {
    const HeldRows source{times, held.rows.values, breaks, [&held](int64_t t) { return held.grid.NextRow(t); }};
    view.envelope = EnvelopeOfRows(source, held.rows.channels, held.grid.Interval(), request.from, request.to,
                                   request.columns);
    view.data.channels = held.rows.channels;
    view.data.interval = held.grid.Interval();
    return;
  }
  const int64_t span = request.to - request.from;
  view.heldFrom = request.wholeRows ? view.first : std::max(view.first, request.from - span);
  view.heldTo = request.wholeRows ? view.last : std::min(view.last, request.to + span);
  CutRows(held, view);
}

// The site's every row, where they come to at most `cells` values.
std::shared_ptr<const HeldSite> HoldRows(Store& store, uint32_t site, const std::vector<LogSpan>& spans,
                                         std::size_t cells) {
  const std::unique_ptr<Series> series = store.Export(site, INT64_MIN, INT64_MAX);
  if (!series) return nullptr;
  uint64_t rows = 0;
  for (const LogSpan& span : spans) rows += span.interval > 0 ? uint64_t(span.last - span.first) / span.interval + 1 : 1;
  if (rows * std::max<std::size_t>(series->Channels().size(), 1) > cells) return nullptr;
  auto held = std::make_shared<HeldSite>(HeldSite{LoadPreview(*series, std::size_t(rows)), SiteGrid(spans)});
  if (!held->rows.error.empty()) throw StoreError(held->rows.error);
  InsertEmptyRows(held->rows, held->grid.Breaks());
  return held;
}

// `view` failed: its message scrubbed of any password, and nothing held.
SiteHistory& Failed(SiteHistory& view, const std::string& location) {
  view.error = ScrubbedMessage(view.error, location);
  view.data = PreviewData{};
  view.data.error = view.error;
  view.envelope.reset();
  view.heldFrom = 0, view.heldTo = -1;
  return view;
}

}  // namespace

SiteHistory OpenSiteHistory(const std::string& location, uint32_t site, int64_t first, int64_t last, int columns,
                            std::size_t heldCells) {
  SiteHistory view;
  view.site = site;
  view.first = first, view.last = last;
  // As a chart shows its data: a minute about a row alone.
  view.request = {first < last ? first : first - 30, first < last ? last : last + 30, std::max(1, columns)};
  try {
    const std::unique_ptr<Store> store = OpenStore(location, StoreAccess::ReadOnly);
    const std::vector<LogSpan> spans = store->Spans(site, first, last);
    view.gaps = FindGaps(spans);
    view.logs = store->Logs(site, first, last);
    view.held = HoldRows(*store, site, spans, heldCells);
    if (view.held) CutView(*view.held, view);
    else ReadView(*store, view);
  } catch (const std::exception& e) {
    view.error = e.what();
  }
  return view.error.empty() ? view : Failed(view, location);
}

SiteHistory FetchSiteView(const std::string& location, const SiteHistory& shown, const ViewRequest& request) {
  SiteHistory view;
  view.site = shown.site;
  view.first = shown.first, view.last = shown.last, view.interval = shown.interval;
  view.gaps = shown.gaps, view.logs = shown.logs;
  view.held = shown.held;
  view.request = request;
  try {
    if (view.held) CutView(*view.held, view);
    else ReadView(*OpenStore(location, StoreAccess::ReadOnly), view);
  } catch (const std::exception& e) {
    view.error = e.what();
  }
  return view.error.empty() ? view : Failed(view, location);
}

bool ViewHolds(const SiteHistory& shown, const ViewRequest& request) {
  if (!shown.error.empty()) return false;
  if (shown.envelope) return !request.wholeRows && shown.request == request;
  if (!FewRows(shown, request)) return false;
  const int64_t from = request.wholeRows ? shown.first : std::max(shown.first, request.from);
  const int64_t to = request.wholeRows ? shown.last : std::min(shown.last, request.to);
  return shown.heldFrom <= from && shown.heldTo >= to;
}

std::optional<std::vector<Figures>> FiguresOfRange(const std::string& location, const SiteHistory& shown,
                                                   const std::atomic<bool>& stop, std::string& error) {
  if (!shown.envelope) return std::nullopt;
  const SeriesEnvelope& envelope = *shown.envelope;
  if (shown.held) {
    // As the readings table has them from its rows: the reading before the
    // range is the last valid one, however many rows back.
    const PreviewData& rows = shown.held->rows;
    const auto [begin, end] = HeldRange(rows.times, envelope.from, envelope.to);
    std::vector<Figures> figures;
    for (std::size_t c = 0; c < envelope.channels.size(); ++c) {
      if (stop.load(std::memory_order_relaxed)) return std::nullopt;
      figures.push_back(FiguresOf(rows.values[c], begin, end, envelope.channels[c].digital));
    }
    return figures;
  }
  std::vector<FigureTally> tallies;
  for (std::size_t c = 0; c < envelope.channels.size(); ++c) {
    tallies.emplace_back(envelope.channels[c].digital);
    const auto& cells = envelope.cells[c];
    if (cells.empty() || cells.front().bucket != BeforeBucket) continue;
    const EnvelopeColumn& before = cells.front();
    const EnvelopeCell& last = before.after.count > 0 ? before.after : before.before;
    if (last.count > 0) tallies.back().Before(double(last.last.value));
  }
  try {
    const std::unique_ptr<Store> store = OpenStore(location, StoreAccess::ReadOnly);
    const std::unique_ptr<Series> rows = store->Export(shown.site, envelope.from, envelope.to);
    if (!rows) return std::nullopt;
    const int walked = rows->ForEachRow([&](uint32_t, std::span<const Reading> readings) {
      for (std::size_t c = 0; c < std::min(readings.size(), tallies.size()); ++c)
        if (const float value = PlotValue(readings[c]); !std::isnan(value)) tallies[c].Add(double(value));
      return !stop.load(std::memory_order_relaxed);
    });
    if (walked < 0) error = ScrubbedMessage(rows->Error(), location);
    if (walked != 1) return std::nullopt;
  } catch (const std::exception& e) {
    error = ScrubbedMessage(e.what(), location);
    return std::nullopt;
  }
  std::vector<Figures> figures;
  for (const FigureTally& tally : tallies) figures.push_back(tally.Result());
  return figures;
}

}  // namespace zerb
