#pragma once
// The columns of a merged series: the newest log's channel table in its
// order, then the channels that only older logs hold, each after the
// channels of its kind, by key. Each channel's name and type are those of
// the newest log holding it (a renamed channel keeps its key and takes the
// newest name).

#include <span>
#include <vector>

#include "history/HistoryTypes.h"

namespace zerb {

class ChannelTable {
 public:
  // Adds a log's channels; logs come newest first.
  void Add(std::span<const SeriesChannel> channels);
  // The columns, in order.
  std::vector<SeriesChannel> Columns() const;

 private:
  std::vector<SeriesChannel> newest_;  // the first table added
  std::vector<SeriesChannel> older_;   // channels only older tables hold
  bool any_ = false;
};

// Per channel of a log's table: true when an earlier channel has its kind
// and key (a slot repeated); its readings are left out.
std::vector<bool> RepeatedChannels(std::span<const SeriesChannel> channels);

// The column of each channel of `channels` in `columns` (-1 when absent).
std::vector<int> ColumnsOf(std::span<const SeriesChannel> channels, std::span<const SeriesChannel> columns);

}  // namespace zerb
