#include "app/TemporaryNames.h"

#include <atomic>
#include <cstring>

#include "app/OutputFile.h"

#ifdef _WIN32
#include <cstdio>
#else
#include <time.h>
#include <unistd.h>
#endif

namespace zerb {

namespace {

// Fixed slots, so that a signal handler on any thread reads only memory
// that stays put: a name is written while its slot is Writing and not
// touched again until the slot is Empty. The handler claims a Named slot
// before it reads the name; an owner that then finds its slot claimed
// leaves it as it is (the process is ending).
enum SlotState : int { Empty, Writing, Named, Claimed };
constexpr int SlotCount = 16;
constexpr std::size_t NameCapacity = 4096;

struct Slot {
  std::atomic<int> state{Empty};
  char name[NameCapacity];
};
Slot slots[SlotCount];

// Threads inside a temporary-file scope (made and noted, or being put in
// place), and whether a handler is removing the files: a handler waits for
// the scopes to end, and a scope entered after it began never starts.
std::atomic<int> scopesOpen{0};
std::atomic<bool> ending{false};
// How long a handler waits for scopes to end: putting a file in place
// flushes it, which a slow disk may take seconds over.
constexpr int ScopeWaitMilliseconds = 10000;

static_assert(std::atomic<int>::is_always_lock_free, "slots are used from signal handlers");

}  // namespace

int RememberTemporaryName(const std::string& path) {
  if (path.size() >= NameCapacity) return -1;
  for (int index = 0; index < SlotCount; ++index) {
    Slot& slot = slots[index];
    int empty = Empty;
    if (!slot.state.compare_exchange_strong(empty, Writing)) continue;
    std::memcpy(slot.name, path.c_str(), path.size() + 1);
    slot.state.store(Named);
    return index;
  }
  return -1;
}

void ForgetTemporaryName(int index) {
  if (index < 0 || index >= SlotCount) return;
  int named = Named;
  slots[index].state.compare_exchange_strong(named, Empty);
}

void EnterTemporaryFileScope() {
  scopesOpen.fetch_add(1);
  if (!ending.load()) return;
  // The process is ending: this thread waits for the end without starting
  // a file the handler could miss.
  scopesOpen.fetch_sub(1);
#ifndef _WIN32
  for (;;) pause();
#endif
}

void LeaveTemporaryFileScope() { scopesOpen.fetch_sub(1); }

namespace {

void AwaitScopes() {
#ifndef _WIN32
  const timespec step{0, 1000000};
  for (int waited = 0; scopesOpen.load() > 0 && waited < ScopeWaitMilliseconds; ++waited) nanosleep(&step, nullptr);
#endif
}

}  // namespace

void RemoveTemporaryOutputs() noexcept {
  ending.store(true);
  AwaitScopes();
  for (Slot& slot : slots) {
    int named = Named;
    if (!slot.state.compare_exchange_strong(named, Claimed)) continue;
#ifdef _WIN32
    std::remove(slot.name);
#else
    unlink(slot.name);
#endif
  }
}

}  // namespace zerb

namespace zerb {

namespace {
std::atomic<bool> namedOnly{false};
}

void UseNamedTemporaryFilesOnly(bool named) { namedOnly = named; }
bool NamedTemporaryFilesOnly() { return namedOnly; }

}  // namespace zerb
