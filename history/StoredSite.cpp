#include "history/StoredSite.h"

#include <algorithm>
#include <map>

namespace zerb {

DescriptionBook BookOf(const std::vector<StoredChannel>& rows) {
  DescriptionBook book;
  for (const StoredChannel& r : rows)
    if (r.source == DescriptionSource::Site && r.device) book.Add({IdOf(r.channel), *r.device, r.span, r.rank, r.logPath});
  return book;
}

StoredColumns ColumnsOfSite(const std::vector<StoredChannel>& rows) {
  // Logs newest first, each with its channels in table order.
  std::vector<const StoredChannel*> order;
  for (const StoredChannel& r : rows) order.push_back(&r);
  std::stable_sort(order.begin(), order.end(),
                   [](const StoredChannel* a, const StoredChannel* b) { return a->rank > b->rank; });
  ChannelTable table;
  for (std::size_t i = 0; i < order.size();) {
    std::size_t j = i;
    std::vector<SeriesChannel> channels;
    for (; j < order.size() && order[j]->import == order[i]->import; ++j) channels.push_back(order[j]->channel);
    table.Add(channels, order[i]->span);
    i = j;
  }
  StoredColumns out{table.Columns(), {}};
  for (const SeriesChannel& column : out.columns) {
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const StoredChannel& r) { return ColumnOf(r.channel) == ColumnOf(column); });
    out.meanings.push_back(row == rows.end() ? 0 : row->meaning);
  }
  return out;
}

std::vector<DescriptionChange> DescriptionChanges(const std::vector<StoredChannel>& rows) {
  std::vector<const StoredChannel*> order;
  for (const StoredChannel& r : rows) order.push_back(&r);
  std::stable_sort(order.begin(), order.end(), [](const StoredChannel* a, const StoredChannel* b) {
    return std::tie(a->span.first, a->rank) < std::tie(b->span.first, b->rank);
  });
  std::map<ChannelId, const StoredChannel*> current;
  std::vector<DescriptionChange> changes;
  for (const StoredChannel* r : order) {
    const StoredChannel*& last = current[IdOf(r->channel)];
    if (last && last->channel.name == r->channel.name && MeaningOf(last->channel) == MeaningOf(r->channel)) continue;
    last = r;
    changes.push_back({r->span.first, r->channel, r->source});
  }
  std::stable_sort(changes.begin(), changes.end(), [](const DescriptionChange& a, const DescriptionChange& b) {
    return IdOf(a.channel) < IdOf(b.channel);
  });
  return changes;
}

std::vector<Redecode> RedecodesOf(const std::vector<StoredChannel>& rows, const DescriptionBook& book) {
  std::vector<Redecode> redecodes;
  for (const StoredChannel& r : rows) {
    if (r.source == DescriptionSource::Site) continue;
    const ChannelId id = IdOf(r.channel);
    const DescriptionVersion* applies = book.For(id, r.span);
    if (!applies || (r.source == DescriptionSource::Stored && r.device == applies->device)) continue;
    const bool listed = std::any_of(redecodes.begin(), redecodes.end(),
                                    [&](const Redecode& d) { return d.import == r.import && d.id == id; });
    if (!listed) redecodes.push_back({r.import, r.rank, id, applies->device, ChannelOf(*DeviceFor(id, applies->device))});
  }
  return redecodes;
}

}  // namespace zerb
