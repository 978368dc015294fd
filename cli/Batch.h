#pragma once
// A whole call of zerb32-cli: every log planned first, then converted on up
// to options.jobs threads, one document per thread, everything printed in
// the order of the logs.

#include "cli/CliOptions.h"
#include "model/Log.h"

namespace zerb {

// Runs the batch and returns the exit status: 0 when every log converted,
// 1 when any failed, was refused or the batch was stopped. `progress` is
// the passes' callback (may be null); it is also polled with 0 before each
// log, and non-zero then stops the batch (logs not started are not touched).
int RunBatch(const CliOptions& options, ProgressCallback progress);

}  // namespace zerb
