#pragma once
// Tells the service manager (systemd) how the watcher is: READY=1 once it
// is up, STATUS=... with its counts. Nothing where the program was built
// without libsystemd or runs outside a service.

#include <string>

namespace zerb {

void NotifyReady();
void NotifyStatus(const std::string& status);
void NotifyStopping();

}  // namespace zerb
