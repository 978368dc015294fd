#pragma once
// zerb32-plot's work: the logs read and merged by the history's rules, the
// strips drawn as the window draws them, the picture written through the
// program's one output routine.

#include <string>

#include "plot/PlotOptions.h"

namespace zerb {

// Returns the exit code: 0 drawn, 1 a log left out or nothing drawn (each
// reason a line in `err`).
int RunPlot(const PlotOptions& options, std::string& err);

}  // namespace zerb
