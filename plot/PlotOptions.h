#pragma once
// The command line of zerb32-plot: logs or a store's site, the picture
// file and what it shows.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "chart/ChartFiles.h"

namespace zerb {

struct PlotOptions {
  std::vector<std::string> logs;
  std::string db;                      // a store (history/Store.h OpenStore) instead of logs
  uint32_t site = 0;                   // the store's site drawn
  std::string output;
  PictureFormat format = PictureFormat::Svg;
  std::optional<uint32_t> from, to;     // the logger's civil times, both included
  std::optional<std::string> channels;  // ids or names (styles/ChannelChoice.h)
  std::optional<std::string> zone;      // an IANA zone for the times shown
  bool lanTime = false;
  int width = 1200, height = 700;
};

// Help, version and usage errors: what to print and the exit code.
struct PlotExit {
  int code = 0;
  std::string out, err;
};

std::variant<PlotOptions, PlotExit> ParsePlotCommandLine(int argc, const char* const* argv);

}  // namespace zerb
