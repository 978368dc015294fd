#pragma once
// Where merged and exported series are written: through the program's one
// output routine (app/OutputFile.h), so a failed run leaves the path as
// it was and "-" is standard output.

#include <functional>
#include <string>

#include "classic/OutputSink.h"

namespace zerb {

// write(sink) returns 1 when it wrote everything. False with `error` set
// when it did not or the file could not be made or put in place.
bool WriteOutput(const std::string& path, const std::function<int(OutputSink&)>& write, std::string& error);

}  // namespace zerb
