#include "history/ChannelTable.h"

#include <algorithm>

#include "styles/ZoneClock.h"

namespace zerb {

void ChannelTable::Add(std::span<const SeriesChannel> channels, const LogSpan& span) {
  for (const SeriesChannel& c : channels) {
    const ChannelId id = IdOf(c);
    auto& order = any_ ? older_ : newest_;
    if (std::find(newest_.begin(), newest_.end(), id) == newest_.end() &&
        std::find(older_.begin(), older_.end(), id) == older_.end())
      order.push_back(id);
    auto [at, added] = columns_.try_emplace(ColumnOf(c), Kept{c, span.first, span.last});
    if (!added) at->second.first = std::min(at->second.first, span.first), at->second.last = std::max(at->second.last, span.last);
  }
  any_ = true;
}

std::vector<SeriesChannel> ChannelTable::Columns() const {
  std::vector<ChannelId> older = older_;
  std::sort(older.begin(), older.end());
  std::vector<SeriesChannel> columns;
  auto addChannel = [&](ChannelId id) {
    std::vector<const Kept*> meanings;
    for (const auto& [column, kept] : columns_)
      if (column.channel == id) meanings.push_back(&kept);
    std::sort(meanings.begin(), meanings.end(),
              [](const Kept* a, const Kept* b) { return std::tie(a->first, a->last) < std::tie(b->first, b->last); });
    for (const Kept* kept : meanings) {
      columns.push_back(kept->channel);
      if (meanings.size() > 1) columns.back().name += " (" + IsoText(kept->first) + " to " + IsoText(kept->last) + ")";
    }
  };
  for (ChannelKind kind : {ChannelKind::Sensor, ChannelKind::Output, ChannelKind::Asm}) {
    for (ChannelId id : newest_)
      if (id.kind == kind) addChannel(id);
    for (ChannelId id : older)
      if (id.kind == kind) addChannel(id);
  }
  return columns;
}

std::vector<bool> RepeatedChannels(std::span<const SeriesChannel> channels) {
  std::vector<bool> repeated(channels.size());
  for (std::size_t i = 0; i < channels.size(); ++i)
    for (std::size_t j = 0; j < i && !repeated[i]; ++j) repeated[i] = IdOf(channels[j]) == IdOf(channels[i]);
  return repeated;
}

std::vector<int> ColumnsOf(std::span<const SeriesChannel> channels, std::span<const SeriesChannel> columns) {
  std::vector<int> index;
  for (const SeriesChannel& c : channels) {
    const auto at = std::find_if(columns.begin(), columns.end(),
                                 [&](const SeriesChannel& column) { return ColumnOf(column) == ColumnOf(c); });
    index.push_back(at == columns.end() ? -1 : static_cast<int>(at - columns.begin()));
  }
  return index;
}

}  // namespace zerb
