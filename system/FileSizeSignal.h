#pragma once
// A write past the process's file-size limit (ulimit -f) must fail as the
// write error it is (EFBIG), which the output routine and the stores report,
// instead of killing the process with SIGXFSZ before it can clean up.

namespace zerb {

// Ignores SIGXFSZ unless the process was started with another action for
// it (a caller's own choice stays). Nothing on Windows, which has no such
// signal.
void IgnoreFileSizeSignal();

}  // namespace zerb
