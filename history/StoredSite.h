#pragma once
// What a store knows of a site's channels, whatever the engine: every
// stored log's channel table with the description each channel was decoded
// with. From it come the export's columns, the complete descriptions that
// decode a log without its site file, the changes `history` lists, and the
// stored logs a new complete description decodes again.

#include <optional>
#include <string>
#include <vector>

#include "history/ChannelTable.h"
#include "history/SiteDescriptions.h"
#include "history/Store.h"

namespace zerb {

// One channel of one stored log.
struct StoredChannel {
  int64_t import = 0;
  LogSpan span;
  LogRank rank;
  std::string logPath;
  SeriesChannel channel;  // name and meaning as decoded
  DescriptionSource source = DescriptionSource::Site;
  std::optional<DeviceDescription> device;  // nothing for logs stored by schema version 1
  int64_t meaning = 0;                      // the store's id of its meaning
};

// The complete descriptions (own site files, with their devices).
DescriptionBook BookOf(const std::vector<StoredChannel>& rows);

// The series' columns (in export order) and the meaning id of each.
struct StoredColumns {
  std::vector<SeriesChannel> columns;
  std::vector<int64_t> meanings;
};
StoredColumns ColumnsOfSite(const std::vector<StoredChannel>& rows);

// Per channel, each description that differs from the one before it.
std::vector<DescriptionChange> DescriptionChanges(const std::vector<StoredChannel>& rows);

// A stored log's channel that the book now describes otherwise than it was
// decoded: its readings are to be decoded again from their raw counts.
struct Redecode {
  int64_t import = 0;
  LogRank rank;  // of the import
  ChannelId id;
  DeviceDescription device;
  SeriesChannel channel;
};
std::vector<Redecode> RedecodesOf(const std::vector<StoredChannel>& rows, const DescriptionBook& book);

}  // namespace zerb
