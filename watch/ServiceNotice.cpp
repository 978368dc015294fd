#include "watch/ServiceNotice.h"

#ifdef ZERB32_SYSTEMD
#include <systemd/sd-daemon.h>
#endif

namespace zerb {

namespace {

void Notify([[maybe_unused]] const std::string& state) {
#ifdef ZERB32_SYSTEMD
  sd_notify(0, state.c_str());
#endif
}

}  // namespace

void NotifyReady() { Notify("READY=1"); }
void NotifyStatus(const std::string& status) { Notify("STATUS=" + status); }
void NotifyStopping() { Notify("STOPPING=1"); }

}  // namespace zerb
