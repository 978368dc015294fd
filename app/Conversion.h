#pragma once
// One conversion as the window and the command line both run it: pass 1 and
// pass 2 of an opened log into a temporary file beside the output, moved over
// the output path only when the run ends.

#include <cstdint>
#include <optional>
#include <string>

#include "app/ConvertOptions.h"
#include "model/Log.h"

namespace zerb {

enum class RunStatus {
  Done,           // every row written, output in place
  Aborted,        // stopped by the callback in pass 2; what was written is in place
  Pass1Failed,    // not loaded, corrupt stream or stopped in pass 1; output untouched
  OutputIsInput,  // the output path names the log, its site file or another log or site file; nothing touched
  WriteFailed,    // the output couldn't be created, written or moved; output untouched
};

struct RunResult {
  RunStatus status = RunStatus::Done;
  std::string error;  // a sentence for the user when status is not Done/Aborted
  // A remark on how the run read the data (a newest time in an hour the
  // time zone skips or repeats); empty when there is none.
  std::string note;
  // The rows written, where the table writer wrote them (a style other than
  // the classic one, a selection, metadata); nothing for the classic writers.
  std::optional<uint64_t> rows;
};

// Told as each pass begins, with 1 or 2 (a status line shows it).
using PassCallback = void (*)(int pass);

// Runs pass 1 and pass 2 of a loaded log into outputPath through an
// OutputFile (standard output, devices and pipes are written in place). A
// regular output file changes only when the run ends with Done or Aborted.
// An output path naming the log, its site file or any existing log or site
// file is refused with OutputIsInput; XML with a selection of rows or
// channels with WriteFailed, before anything is touched.
RunResult ConvertToFile(TLog& log, const std::string& logPath, const std::string& outputPath,
                        const ConvertOptions& options, ProgressCallback callback,
                        PassCallback passStarted = nullptr);

}  // namespace zerb
