#pragma once
// The columns of a merged series. A column is a channel (kind and key) with
// one meaning (type, units, exponent): a channel whose meaning changed
// between logs has a column per meaning, oldest first, each named with the
// span of the logs it holds; a renamed channel keeps one column and takes
// the newest name. Order: the newest log's channel table, then the
// channels only older logs hold, each after the channels of its kind, by
// key.

#include <map>
#include <span>
#include <vector>

#include "history/HistoryTypes.h"
#include "history/SiteDescriptions.h"

namespace zerb {

// A column: a channel with one meaning.
struct ColumnId {
  ChannelId channel;
  Meaning meaning;
  friend auto operator<=>(const ColumnId&, const ColumnId&) = default;
};
inline ColumnId ColumnOf(const SeriesChannel& c) { return {IdOf(c), MeaningOf(c)}; }

class ChannelTable {
 public:
  // Adds a log's channels and span; logs come newest first.
  void Add(std::span<const SeriesChannel> channels, const LogSpan& span);
  // The columns, in order.
  std::vector<SeriesChannel> Columns() const;

 private:
  struct Kept {
    SeriesChannel channel;  // the newest log's
    int64_t first = 0, last = 0;
  };
  std::vector<ChannelId> newest_;  // the first table added, in order
  std::vector<ChannelId> older_;   // channels only older tables hold
  std::map<ColumnId, Kept> columns_;
  bool any_ = false;
};

// Per channel of a log's table: true when an earlier channel has its kind
// and key (a slot repeated); its readings are left out.
std::vector<bool> RepeatedChannels(std::span<const SeriesChannel> channels);

// The column of each channel of `channels` in `columns` (-1 when absent).
std::vector<int> ColumnsOf(std::span<const SeriesChannel> channels, std::span<const SeriesChannel> columns);

}  // namespace zerb
