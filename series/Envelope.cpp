#include "series/Envelope.h"

#include <cmath>
#include <limits>

namespace zerb {

namespace {

using Wide = __int128;

Wide FloorDiv(Wide n, Wide d) { return n / d - ((n % d != 0) && ((n < 0) != (d < 0)) ? 1 : 0); }

// 10^exponent for the exponents a reading can have (a signed byte).
class PowersOfTen {
 public:
  PowersOfTen() {
    for (int e = -128; e < 128; ++e) table_[std::size_t(e + 128)] = std::pow(10.0, e);
  }
  double operator()(int8_t exponent) const { return table_[std::size_t(exponent + 128)]; }

 private:
  double table_[256];
};

const PowersOfTen powerOfTen;

}  // namespace

int64_t BucketOf(int64_t time, int64_t from, int64_t to, int64_t columns) {
  return static_cast<int64_t>(FloorDiv((Wide{time} - from) * columns, Wide{to} - from));
}

int64_t BucketStart(int64_t bucket, int64_t from, int64_t to, int64_t columns) {
  return static_cast<int64_t>(Wide{from} - FloorDiv(-(Wide{bucket} * (Wide{to} - from)), columns));
}

float PlotValue(int32_t value, int8_t exponent) { return static_cast<float>(value * powerOfTen(exponent)); }

float PlotValue(const Reading& r) {
  return r.present && r.valid ? PlotValue(r.value, r.exponent) : std::numeric_limits<float>::quiet_NaN();
}

void EnvelopeCell::Add(EnvelopePoint p) {
  if (count++ == 0) {
    first = low = high = last = p;
    return;
  }
  if (p.value < low.value) low = p;
  if (p.value > high.value) high = p;
  last = p;
}

}  // namespace zerb
