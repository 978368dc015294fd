#pragma once
// Channels as a user names them on a command line: a comma-separated list
// of channel ids ("S1/1", "O2/3", "A1/2/3", as the long style writes them)
// and names (the site file's text, read as Windows-1252 or as its bytes),
// each with the spaces around it ignored.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "series/Series.h"

namespace zerb {

struct ChannelChoice {
  std::vector<std::size_t> columns;  // in the order named; a name several channels share gives each, in column order
  std::string problem;               // why the list does not fit the channels; empty when it does
};

ChannelChoice ChooseChannels(std::span<const SeriesChannel> channels, std::string_view list);

}  // namespace zerb
