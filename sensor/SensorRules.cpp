#include "sensor/SensorRules.h"

#include <array>
#include <limits>

#include "sensor/TS4Table.h"

namespace zerb {

uint8_t CtScale = 0;

int32_t MulDivRound(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return InvalidValue;
  // The product is formed in 64 bits so that no input can overflow it; for
  // every product that fits 32 bits this is the plain 32-bit computation.
  const int64_t p = int64_t{a} * b;
  const int64_t q = p / c;
  const int64_t r = p % c;  // truncated: r has the sign of p
  const int64_t rounded = q + (2 * r) / c;
  constexpr int64_t lo = std::numeric_limits<int32_t>::min();
  constexpr int64_t hi = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(rounded < lo ? lo : rounded > hi ? hi : rounded);
}

int32_t DivRound(int32_t a, int32_t b) { return MulDivRound(a, 1, b); }

int16_t CelsiusToFahrenheit(int16_t c) {
  if (c == InvalidValue) return static_cast<int16_t>(InvalidValue);
  return static_cast<int16_t>(MulDivRound(c, 9, 5) + 320);
}

namespace {

constexpr int16_t kInvalid = static_cast<int16_t>(InvalidValue);

// A count at or beyond an edge gives a fixed value instead of the formula.
struct Band {
  int32_t edge;
  int16_t value;
};
constexpr Band kNoLowBand{-1, 0};     // no count is <= -1
constexpr Band kNoHighBand{65536, 0};  // no count is >= 65536

// Valid counts first..last give offset + round((raw - origin) * mul / div),
// unless a band applies: raw <= low.edge gives low.value, raw >= high.edge
// gives high.value.
struct Linear {
  uint16_t first;
  uint16_t last;
  int32_t origin;
  int32_t mul;
  int32_t div;
  int32_t offset;
  Band low = kNoLowBand;
  Band high = kNoHighBand;
};

int16_t Apply(const Linear& l, uint16_t raw) {
  if (raw < l.first || raw > l.last) return kInvalid;
  if (raw <= l.low.edge) return l.low.value;
  if (raw >= l.high.edge) return l.high.value;
  const int32_t scaled = MulDivRound(int32_t{raw} - l.origin, l.mul, l.div);
  return static_cast<int16_t>(scaled + l.offset);
}

// Rounding is symmetric about zero, so LIGHT1's 100 - round(raw*100/1023)
// is written as 100 + round(raw*-100/1023).
//                                first last origin  mul   div  offset
constexpr Linear kNone          {0, 32767, 0,    1,    1,    0};
constexpr Linear kPot           {0, 1023,  0,    495,  1023, 0};
constexpr Linear kRhs5V         {10, 1010, 0,    1,    10,   0, kNoLowBand, {1000, 100}};
constexpr Linear kRhs1V         {0, 406,   0,    495,  1023, 0, kNoLowBand, {206, 100}};
constexpr Linear kTs1V          {0, 123,   0,    4950, 1023, 0};
constexpr Linear kAks33L        {172, 929, 182,  130,  727,  0};
constexpr Linear kAks33H        {172, 929, 182,  350,  727,  0};
constexpr Linear kTs1V2         {0, 226,   0,    4950, 1023, -400};
constexpr Linear kLight1        {0, 65535, 0,    -100, 1023, 100};
constexpr Linear k4To20mA       {132, 959, 182,  1000, 727,  0, {182, 0}, {909, 1000}};
constexpr Linear kTsShtC        {0, 1000,  500,  1,    1,    0};
constexpr Linear kSdpl          {10, 828,  0,    5000, 767,  -330};
constexpr Linear kSdpl05        {10, 828,  0,    1250, 767,  -80};

// PT1K: one segment per stretch of the curve, each up to its last count.
struct Segment {
  uint16_t last;
  int32_t mul;  // per 1000 counts
  int32_t offset;
};
constexpr std::array<Segment, 3> kPt1kSegments{{
    {443, 7079, -3746},
    {511, 8867, -4546},
    {900, 10359, -5297},
}};

// TS1K thermistor, tenths of a degree Celsius; valid for 30..800.
int16_t Ts1kCelsius(uint16_t raw) {
  if (raw < 30 || raw > 800) return kInvalid;
  return static_cast<int16_t>(MulDivRound(16092, 10, raw + 123) - 360);
}

}  // namespace

int16_t RuleNone(uint16_t raw) { return Apply(kNone, raw); }
int16_t RulePot(uint16_t raw) { return Apply(kPot, raw); }

int16_t RuleTs4C(uint16_t raw) {
  // x counts down from 1023, so raw counts above 1023 wrap to a large x.
  const uint16_t x = static_cast<uint16_t>(1023 - raw);
  if (x < 40 || x > 972) return kInvalid;
  // No interpolation: one tenth per count inside a group of four.
  return static_cast<int16_t>(TS4Table[x / 4] + x % 4);
}

int16_t RuleTs4F(uint16_t raw) { return CelsiusToFahrenheit(RuleTs4C(raw)); }
int16_t RuleRhs5V(uint16_t raw) { return Apply(kRhs5V, raw); }

int16_t RuleSpud(uint16_t raw) {
  if (raw < 50 || raw > 950) return kInvalid;
  // From 741 the quotient no longer fits 16 bits (741 gives 35960), so those
  // counts report the over-range value of the band above instead of a wrap.
  if (raw >= 741) return 9999;
  // d >= 81 for raw <= 740: the division is always defined.
  const int16_t d = static_cast<int16_t>(9923 - MulDivRound(raw, 133, 10));
  return static_cast<int16_t>(MulDivRound(raw, 3300, d));
}

int16_t RuleRhs1V(uint16_t raw) { return Apply(kRhs1V, raw); }
int16_t RuleTs1V(uint16_t raw) { return Apply(kTs1V, raw); }
int16_t RuleNcTrip(uint16_t raw) { return static_cast<int16_t>(raw); }
int16_t RuleAks33L(uint16_t raw) { return Apply(kAks33L, raw); }
int16_t RuleAks33H(uint16_t raw) { return Apply(kAks33H, raw); }
int16_t RuleTs1V2(uint16_t raw) { return Apply(kTs1V2, raw); }
int16_t RuleLight1(uint16_t raw) { return Apply(kLight1, raw); }
int16_t RuleTs1V2F(uint16_t raw) { return CelsiusToFahrenheit(RuleTs1V2(raw)); }
int16_t RuleTs1KF(uint16_t raw) { return CelsiusToFahrenheit(Ts1kCelsius(raw)); }
int16_t Rule4To20mA(uint16_t raw) { return Apply(k4To20mA, raw); }

int16_t RulePt1K(uint16_t raw) {
  if (raw < 100 || raw > 900) return kInvalid;
  for (const Segment& s : kPt1kSegments) {
    if (raw <= s.last) return static_cast<int16_t>(MulDivRound(raw, s.mul, 1000) + s.offset);
  }
  return kInvalid;  // unreachable: the last segment ends at 900
}

int16_t RulePt1KF(uint16_t raw) { return CelsiusToFahrenheit(RulePt1K(raw)); }
int16_t RuleTsShtC(uint16_t raw) { return Apply(kTsShtC, raw); }
int16_t RuleTsShtF(uint16_t raw) { return CelsiusToFahrenheit(RuleTsShtC(raw)); }
int16_t RuleCt50A(uint16_t raw) { return static_cast<int16_t>(MulDivRound(raw, CtScale, 512)); }
int16_t RuleSdpl(uint16_t raw) { return Apply(kSdpl, raw); }
int16_t RuleSdpl05(uint16_t raw) { return Apply(kSdpl05, raw); }

}  // namespace zerb
