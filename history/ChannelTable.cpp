#include "history/ChannelTable.h"

#include <algorithm>

namespace zerb {

namespace {

bool Holds(const std::vector<SeriesChannel>& table, ChannelId id) {
  return std::any_of(table.begin(), table.end(), [id](const SeriesChannel& c) { return IdOf(c) == id; });
}

}  // namespace

void ChannelTable::Add(std::span<const SeriesChannel> channels) {
  if (!any_) {
    newest_.assign(channels.begin(), channels.end());
    any_ = true;
    return;
  }
  for (const SeriesChannel& c : channels)
    if (!Holds(newest_, IdOf(c)) && !Holds(older_, IdOf(c))) older_.push_back(c);
}

std::vector<SeriesChannel> ChannelTable::Columns() const {
  std::vector<SeriesChannel> older = older_;
  std::sort(older.begin(), older.end(), [](const SeriesChannel& a, const SeriesChannel& b) { return IdOf(a) < IdOf(b); });
  std::vector<SeriesChannel> columns;
  for (ChannelKind kind : {ChannelKind::Sensor, ChannelKind::Output, ChannelKind::Asm}) {
    for (const SeriesChannel& c : newest_)
      if (c.kind == kind) columns.push_back(c);
    for (const SeriesChannel& c : older)
      if (c.kind == kind) columns.push_back(c);
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
                                 [&](const SeriesChannel& column) { return IdOf(column) == IdOf(c); });
    index.push_back(at == columns.end() ? -1 : static_cast<int>(at - columns.begin()));
  }
  return index;
}

}  // namespace zerb
