#include "ui/HistoryView.h"

#include <algorithm>
#include <cmath>

#include "history/Spans.h"
#include "history/postgres/PgAddress.h"

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

SiteHistory OpenSiteHistory(const std::string& location, uint32_t site, int64_t first, int64_t last, int columns) {
  SiteHistory view;
  view.site = site;
  view.first = first, view.last = last;
  // As a chart shows its data: a minute about a row alone.
  view.request = {first < last ? first : first - 30, first < last ? last : last + 30, std::max(1, columns)};
  try {
    const std::unique_ptr<Store> store = OpenStore(location, StoreAccess::ReadOnly);
    view.gaps = FindGaps(store->Spans(site, first, last));
    view.logs = store->Logs(site, first, last);
    ReadView(*store, view);
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
  view.request = request;
  try {
    ReadView(*OpenStore(location, StoreAccess::ReadOnly), view);
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
