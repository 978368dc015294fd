#pragma once
// An output written in one go through the program's output routine
// (app/OutputFile.h): made, filled and put in place, or left as it was.

#include <functional>
#include <string>
#include <string_view>

#include "classic/OutputSink.h"

namespace zerb {

// write(sink) fills the sink and returns false when it could not write
// everything. False, with a sentence in `error`, when the output can't be
// made, when a write fails (its own sentence), when write returns false
// without a failed write (`notWritten`), or when the new file can't be put
// in place.
bool WriteOutput(const std::string& path, const std::function<bool(OutputSink&)>& write, const std::string& notWritten,
                 std::string& error);

// The whole text written to path in the same way ("cannot write PATH" when
// it could not all be written).
bool WriteWholeText(const std::string& path, std::string_view text, std::string& error);

}  // namespace zerb
