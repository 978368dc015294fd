#pragma once
// What the module's binding files share: its exceptions and the hand-over
// of a series' arrays to NumPy.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "python/LogArrays.h"

namespace zerb {

// Raised as zerb32.LoadError and zerb32.StreamError.
struct LoadFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};
struct StreamFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Raises what reading the log `logPath` (with the site file `sitePath`
// when one is named) failed with, as zerb32.read_log does: the site file's
// OSError or LoadError first, then the log's OSError, LoadError or
// StreamError. Returns when both were read.
void RaiseReadFailure(const LogRead& read, const OpenedLog& opened, const std::string& logPath,
                      const std::optional<std::string>& sitePath);
// A named site file that could not be read (its log is then not read).
bool SiteFailed(const OpenedLog& opened);

// An array over the vector's own memory, which the array keeps alive.
template <class T>
pybind11::array_t<T> Adopt(std::vector<T>&& data, std::vector<pybind11::ssize_t> shape) {
  auto* owner = new std::vector<T>(std::move(data));
  pybind11::capsule release(owner, [](void* p) { delete static_cast<std::vector<T>*>(p); });
  return pybind11::array_t<T>(std::move(shape), owner->data(), release);
}

// channels (a list of channel tuples), times, raw and values; the arrays
// take over the vectors' memory.
pybind11::dict ArraysDict(LogArrays& arrays);

// zerb32.merge and zerb32.History's export, in HistoryBindings.cpp.
void AddHistory(pybind11::module_& m);
// Log.summary's core, in SummaryBindings.cpp.
void AddSummary(pybind11::module_& m);

}  // namespace zerb
