#include "app/TemporaryNames.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

namespace zerb {

namespace {

std::mutex lock;
std::vector<std::string> names;  // with the lock held
std::atomic<bool> namedOnly{false};

}  // namespace

std::unique_lock<std::mutex> HoldOffEnding() { return std::unique_lock<std::mutex>(lock); }

void NoteTemporaryName(const std::string& path) { names.push_back(path); }

void ForgetTemporaryName(const std::string& path) {
  const auto found = std::find(names.begin(), names.end(), path);
  if (found != names.end()) names.erase(found);
}

void RemoveTemporaryOutputs() noexcept {
  lock.lock();  // never released: the program ends
  for (const std::string& name : names) std::remove(name.c_str());
}

void UseNamedTemporaryFilesOnly(bool named) { namedOnly = named; }
bool NamedTemporaryFilesOnly() { return namedOnly; }

}  // namespace zerb
