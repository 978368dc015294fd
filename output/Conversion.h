#pragma once
// One conversion as the window and the command line both run it: open the
// site file and the log (site first: the log's load adds devices to the
// site), then pass 1 and pass 2 into a temporary file beside the output,
// moved over the output path only when the run ends.

#include <cstdint>
#include <optional>
#include <string>

#include "model/Log.h"
#include "output/ConvertFlags.h"
#include "output/Paths.h"

namespace zerb {

class TSite;

struct OpenedLog {
  std::optional<SiteFileRef> site;  // the site file looked for, if any
  bool siteLoaded = false;          // the site file opened and loaded whole
  bool logOpened = false;           // the log file could be opened
  bool logLoaded = false;           // ... and its load succeeded
  std::string error;                // why the log didn't open or load
};

// Resets the site, loads the log's site file into it (no message when it is
// missing) and sets the site number, then loads the log.
OpenedLog OpenLogFiles(const std::string& logPath, TSite& site, TLog& log);

struct ConvertOptions {
  uint16_t flags = DefaultFlags;
  int32_t overlap = -1;  // negative: new entries only is off
  uint16_t skip = 0;
  bool xml = false;
};

enum class RunStatus {
  Done,           // every row written, output in place
  Aborted,        // stopped by the callback in pass 2; what was written is in place
  Pass1Failed,    // not loaded, corrupt stream or stopped in pass 1; output untouched
  OutputIsInput,  // the output path names the log or its site file; nothing touched
  WriteFailed,    // the output couldn't be created, written or moved; output untouched
};

struct RunResult {
  RunStatus status = RunStatus::Done;
  std::string error;  // a sentence for the user when status is not Done/Aborted
};

// Told as each pass begins, with 1 or 2 (a status line shows it).
using PassCallback = void (*)(int pass);

// Runs pass 1 and pass 2 of a loaded log into outputPath ("-" writes to
// standard output directly; a device or pipe is written in place). A regular
// output file changes only when the run ends with Done or Aborted.
RunResult ConvertToFile(TLog& log, const std::string& logPath, const std::string& outputPath,
                        const ConvertOptions& options, ProgressCallback callback,
                        PassCallback passStarted = nullptr);

}  // namespace zerb
