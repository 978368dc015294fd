#include "convert/TemporaryNames.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

#include "convert/OutputFile.h"

#ifdef _WIN32
#include <cstdio>
#else
#include <unistd.h>
#endif

namespace zerb {

namespace {

// Each slot holds a heap copy of a name, or null. A handler that runs on
// the owner's thread sees either a live copy or null: the copy is taken out
// of the slot before it is freed.
constexpr int SlotCount = 16;
std::atomic<char*> slots[SlotCount];

}  // namespace

int RememberTemporaryName(const std::string& path) {
  char* copy = static_cast<char*>(std::malloc(path.size() + 1));
  if (!copy) return -1;
  std::memcpy(copy, path.c_str(), path.size() + 1);
  for (int slot = 0; slot < SlotCount; ++slot) {
    char* empty = nullptr;
    if (slots[slot].compare_exchange_strong(empty, copy)) return slot;
  }
  std::free(copy);
  return -1;
}

void ForgetTemporaryName(int slot) {
  if (slot < 0 || slot >= SlotCount) return;
  std::free(slots[slot].exchange(nullptr));
}

void RemoveTemporaryOutputs() noexcept {
  for (auto& slot : slots) {
    if (const char* path = slot.load()) {
#ifdef _WIN32
      std::remove(path);
#else
      unlink(path);
#endif
    }
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
