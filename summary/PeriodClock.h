#pragma once
// The clock periods are aligned on, against the logger's clock. The
// logger's clock (civil time, seconds) runs evenly; the local clock may
// jump at a daylight-saving change, so a local day can last 23 or 25 hours
// of the logger's clock.

#include <cstdint>

namespace zerb {

class PeriodClock {
 public:
  virtual ~PeriodClock() = default;
  // The local clock's reading at the logger's civil time.
  virtual int64_t LocalOf(int64_t civil) = 0;
  // The logger's civil time at which the local clock reads `local` (the
  // first time, where a change repeats it).
  virtual int64_t CivilOf(int64_t local) = 0;
};

// Periods aligned on the logger's own clock.
class CivilPeriodClock final : public PeriodClock {
 public:
  int64_t LocalOf(int64_t civil) override { return civil; }
  int64_t CivilOf(int64_t local) override { return local; }
};

}  // namespace zerb
