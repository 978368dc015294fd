#pragma once
// What a log's channels were decoded with. A site file that loads whole
// describes its devices completely; a missing or damaged one leaves the
// log's channels with default devices (SENSORu/c names, sensors read as
// TS4-C), whose values mean nothing. A history keeps every complete
// description with the log it came with, and decodes a log that lacks one
// with the description that applies to it, so a download without its site
// file never renames or rescales what a complete description decoded.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/HistoryTypes.h"
#include "model/Devices.h"

namespace zerb {

// The site description a log was decoded with, as a whole.
enum class SiteQuality : uint8_t {
  Complete,    // its site file, loaded whole
  Incomplete,  // its site file, damaged or cut short
  None,        // no site file
  Stored,      // descriptions a history kept from complete site files
};
std::string_view QualityName(SiteQuality quality);

// Where one channel's description came from.
enum class DescriptionSource : uint8_t {
  Site,     // the log's own complete site file
  Stored,   // a complete site file of another log of the site
  Default,  // none complete: the default device, or a damaged site file's
};
std::string_view SourceName(DescriptionSource source);
DescriptionSource SourceFromName(std::string_view name);  // Default for anything unknown

// A device as its site file describes it: enough to rebuild it, so raw
// counts decode exactly as that site file decodes them.
struct DeviceDescription {
  std::string name;  // the site file's 8-bit text
  uint8_t typeCode = 0;
  int8_t expByte = 0;
  char unitsByte = ' ';
  friend bool operator==(const DeviceDescription&, const DeviceDescription&) = default;
};

DeviceDescription DescriptionOf(const TDev& device);
// Gives the device the description (its kind stays the device's).
void Describe(TDev& device, const DeviceDescription& description);
// A device of the channel's kind and key with the description.
std::unique_ptr<TDev> DeviceFor(ChannelId id, const DeviceDescription& description);

// What a column's values mean: readings of one channel with another type,
// units or exponent never share a column.
struct Meaning {
  std::string typeName;
  char unitsLetter = ' ';
  int exponent = 0;
  bool digital = false;
  friend auto operator<=>(const Meaning&, const Meaning&) = default;
};
Meaning MeaningOf(const SeriesChannel& channel);

// One complete description of a channel and the log it came with.
struct DescriptionVersion {
  ChannelId id;
  DeviceDescription device;
  LogSpan span;
  LogRank rank;
  std::string log;  // where it came from, for messages
};

// The complete descriptions known of one site.
class DescriptionBook {
 public:
  void Add(DescriptionVersion version);
  bool Empty() const { return versions_.empty(); }
  // The description that applies to a log spanning `span`: that of the
  // newest log (by rank) that starts at or before the span's end; when
  // every such log starts after it, that of the oldest (lowest rank).
  const DescriptionVersion* For(ChannelId id, const LogSpan& span) const;

 private:
  std::map<ChannelId, std::vector<DescriptionVersion>> versions_;
};

}  // namespace zerb
