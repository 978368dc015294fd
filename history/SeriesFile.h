#pragma once
// Where merged and exported series are written: "-" is standard output;
// any other path gets a temporary file beside it, moved into place only
// once everything was written, so a failed run leaves the path as it was.

#include <functional>
#include <string>

#include "output/OutputSink.h"

namespace zerb {

// write(sink) returns 1 when it wrote everything. False with `error` set
// when it did not or the file could not be made or put in place.
bool WriteOutput(const std::string& path, const std::function<int(OutputSink&)>& write, std::string& error);

}  // namespace zerb
