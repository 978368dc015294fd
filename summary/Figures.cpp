#include "summary/Figures.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zerb {

double Figures::Mean() const { return count == 0 ? std::numeric_limits<double>::quiet_NaN() : sum / double(count); }

void FigureTally::Add(double value) {
  Figures& f = figures_;
  f.low = f.count == 0 ? value : std::min(f.low, value);
  f.high = f.count == 0 ? value : std::max(f.high, value);
  f.sum += value;
  if (f.count == 0) f.first = value;
  f.last = value;
  ++f.count;
  if (!onOff_) return;
  const bool on = value != 0;
  if (on) {
    ++f.on;
    if (state_ == State::Off) ++f.starts;
  }
  state_ = on ? State::On : State::Off;
}

Figures FiguresOf(std::span<const float> values, std::size_t begin, std::size_t end, bool onOff) {
  end = std::min(end, values.size());
  FigureTally tally(onOff);
  if (begin >= end) return tally.Result();
  if (onOff) {
    for (std::size_t r = begin; r-- > 0;) {
      if (std::isnan(values[r])) continue;
      tally.Before(values[r]);
      break;
    }
  }
  for (std::size_t r = begin; r < end; ++r)
    if (!std::isnan(values[r])) tally.Add(values[r]);
  return tally.Result();
}

}  // namespace zerb
