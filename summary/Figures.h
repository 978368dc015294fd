#pragma once
// Figures of one channel's readings over a stretch of time: how many valid
// readings there are, their lowest, highest and mean value, and for an
// on/off channel how many of them are on (each counts as one interval of
// running) and how often it started (an off reading followed by an on one).
// Invalid readings and rows without a reading count for nothing: never as
// zero, and they neither make nor break a start. A reading of an on/off
// channel is on when its value is not zero.
//
// The window's figures for the time it shows, and summaries per period,
// add readings to a FigureTally, one per channel and stretch.

#include <cstddef>
#include <cstdint>
#include <span>

namespace zerb {

struct Figures {
  uint64_t count = 0;  // valid readings
  double low = 0, high = 0, sum = 0;  // of the valid readings; low and high 0 when there are none
  double first = 0, last = 0;  // the first and last valid reading in time; 0 when there are none
  uint64_t on = 0;      // valid readings that are on
  uint64_t starts = 0;  // off-to-on changes

  // The mean of the valid readings; NaN when there are none.
  double Mean() const;
  // Hours on, each reading on standing for one interval of the log.
  double HoursOn(uint32_t intervalSeconds) const { return double(on) * intervalSeconds / 3600.0; }
};

class FigureTally {
 public:
  explicit FigureTally(bool onOff) : onOff_(onOff) {}

  // The last valid reading before the stretch: when it is off, an on as the
  // stretch's first valid reading is a start (the change lies across the
  // stretch's start, and the stretch holds the on). Call before Add.
  void Before(double value) { state_ = value != 0 ? State::On : State::Off; }
  // A valid reading of the stretch, in time order.
  void Add(double value);
  const Figures& Result() const { return figures_; }

 private:
  enum class State : uint8_t { Unknown, Off, On };
  bool onOff_;
  State state_ = State::Unknown;
  Figures figures_;
};

// The figures of values[begin, end), in time order, where NaN is a row
// without a valid reading; the last valid value before `begin` counts as
// FigureTally::Before. An empty or reversed range gives no readings.
Figures FiguresOf(std::span<const float> values, std::size_t begin, std::size_t end, bool onOff);

}  // namespace zerb
