#pragma once
// A whole call of zerb32-cli: every log planned first, then converted on up
// to options.jobs threads, one document per thread, everything printed in
// the order of the logs.

#include "cli/CliOptions.h"

namespace zerb {

// Runs the batch and returns the exit status: 0 when every log converted,
// 1 when any failed or was refused.
int RunBatch(const CliOptions& options);

}  // namespace zerb
