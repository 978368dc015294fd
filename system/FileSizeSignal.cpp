#include "system/FileSizeSignal.h"

#ifndef _WIN32
#include <signal.h>
#endif

namespace zerb {

void IgnoreFileSizeSignal() {
#ifndef _WIN32
  struct sigaction current {};
  if (sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace zerb
