#include "app/EndingSignals.h"

#include <csignal>

#include "app/TemporaryNames.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <pthread.h>

#include <atomic>
#include <thread>
#endif

namespace zerb {

#ifdef _WIN32

namespace {

// Runs on a thread the system starts for the event. Ctrl-C ends as the C
// library's SIGINT does; the other events by the next handler, the
// system's, which ends the process.
BOOL WINAPI OnConsoleEvent(DWORD event) {
  RemoveTemporaryOutputs();
  if (event == CTRL_C_EVENT) std::raise(SIGINT);
  return FALSE;
}

}  // namespace

void EndOnSignals() { SetConsoleCtrlHandler(OnConsoleEvent, TRUE); }

#else

namespace {

constexpr int EndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

std::atomic<void (*)()> stopCall{nullptr};
std::atomic<void (*)()> hangUpCall{nullptr};

// True when a serving program takes the signal itself.
bool Served(int signal) {
  if (signal == SIGHUP) {
    const auto hangUp = hangUpCall.load();
    if (hangUp) hangUp();
    return hangUp != nullptr;
  }
  // Once: the next one ends the program.
  const auto stop = stopCall.exchange(nullptr);
  if (stop) stop();
  return stop != nullptr;
}

// Runs only in a process that the signal then ends, whose coverage counters
// are never written; tests/app/ending_signals_test checks what it does.
// GCOVR_EXCL_START
[[noreturn]] void EndBy(int signal) {
  RemoveTemporaryOutputs();
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigaction(signal, &action, nullptr);
  sigset_t one;
  sigemptyset(&one);
  sigaddset(&one, signal);
  pthread_sigmask(SIG_UNBLOCK, &one, nullptr);
  raise(signal);
  std::_Exit(128 + signal);  // not reached: the default action ends the process
}
// GCOVR_EXCL_STOP

}  // namespace

void EndOnSignals() {
  sigset_t ending;
  sigemptyset(&ending);
  for (int signal : EndingSignals) {
    // Whatever the process was started with (an ignored SIGHUP too), the
    // signal reaches the waiting thread.
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigaction(signal, &action, nullptr);
    sigaddset(&ending, signal);
  }
  // Blocked here, and so in every thread started from now on.
  pthread_sigmask(SIG_BLOCK, &ending, nullptr);
  std::thread([ending] {
    for (;;) {
      int signal = 0;
      // sigwait fails only on a set it refuses; the ending arm's counts die with the process.
      while (sigwait(&ending, &signal) != 0) {  // GCOVR_EXCL_BR_LINE
      }
      if (!Served(signal)) EndBy(signal);  // GCOVR_EXCL_BR_LINE
    }
  }).detach();
}

void ServeSignals(void (*stop)(), void (*hangUp)()) {
  stopCall = stop;
  hangUpCall = hangUp;
}

#endif

}  // namespace zerb
