#include "cli/WatchCommand.h"

#include <atomic>
#include <cstdio>
#include <variant>

#include "app/EndingSignals.h"
#include "cli/Arguments.h"
#include "cli/WatchOptions.h"
#include "history/postgres/PgAddress.h"
#include "history/postgres/PgStoreOpen.h"
#include "system/FileSizeSignal.h"

namespace zerb {

namespace {

std::atomic<Watcher*> serving{nullptr};  // the one the signals reach

void StopServing() {
  if (Watcher* watcher = serving.load()) watcher->Stop();
}
void RescanServing() {
  if (Watcher* watcher = serving.load()) watcher->Rescan();
}

}  // namespace

int RunWatchCommand(int argc, char** argv) {
  IgnoreFileSizeSignal();
  auto parsed = ParseWatchCommand(argc, argv);
  if (auto* exit = std::get_if<CliExit>(&parsed)) {
    std::fputs(exit->out.c_str(), stdout);
    std::fputs(WithoutPasswords(exit->err).c_str(), stderr);
    return exit->code;
  }
  const WatchCommand& c = std::get<WatchCommand>(parsed);
  if (LocateStore(c.settings.store).postgres && !PostgresStoresAvailable()) {
    std::fprintf(stderr, "zerb32-cli: %s: %s\n", RedactedAddress(c.settings.store).c_str(), PostgresUnavailable);
    return 2;
  }
  // One line an event, whole, at once: the journal takes it as it comes.
  const auto say = [&c](WatchNews news, const std::string& line) {
    if ((news == WatchNews::Routine && c.quiet) || (news == WatchNews::Detail && !c.verbose)) return;
    std::fprintf(stderr, "zerb32-cli: %s\n", WithoutPasswords(line).c_str());
    std::fflush(stderr);
  };
  Watcher watcher(c.settings, say);
  serving = &watcher;
  ServeSignals(StopServing, RescanServing);
  const int status = watcher.Run();
  // The signals end the program again before the watcher goes.
  ServeSignals(nullptr, nullptr);
  serving = nullptr;
  return status;
}

}  // namespace zerb
