#include "sensor/SensorRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zerb {
namespace {

enum Code : unsigned {
  NONE, POT, TS4C, TS4F, RHS5V, SPUD, RHS1V, TS1V, NCTRIP, AKS33L, AKS33H, TS1V2,
  LIGHT1, TS1V2F, TS1KF, MA420, MINIRT, PT1K, PT1KF, TSSHTC, TSSHTF, CT50A, SDPL, SDPL05,
};
constexpr int kInv = InvalidValue;

std::string Tag(unsigned code, unsigned raw) {
  return std::string(SensorTypeName(code)) + " raw " + std::to_string(raw);
}

TEST(MulDivRound, RoundsHalvesAwayFromZero) {
  struct Row { int32_t a, b, c, want; const char* why; };
  const Row rows[] = {
      {15, 1, 2, 8, "7.5"},
      {-15, 1, 2, -8, "-7.5"},
      {-2, 1, 5, 0, "-0.4"},
      {-1, 1, 2, -1, "-0.5"},
      {1, 1, 2, 1, "0.5"},
      {3, 1, 5, 1, "0.6"},
      {-3, 1, 5, -1, "-0.6"},
      {5, 3, 7, 2, "2.14"},
      {-5, 3, 7, -2, "-2.14"},
      {1023, 495, 1023, 495, "exact"},
      {0, 495, 1023, 0, "zero"},
      {7, 1, -2, -4, "-3.5, negative divisor"},
      {65536, 65536, 65536, 65536, "product beyond 32 bits does not wrap"},
      {INT32_MAX, 2, 2, INT32_MAX, "product beyond 32 bits, quotient fits"},
      {INT32_MIN, -1, 1, INT32_MAX, "quotient above the range clamps"},
      {INT32_MIN, 2, 1, INT32_MIN, "quotient below the range clamps"},
      {5, 5, 0, kInv, "zero divisor"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.why);
    EXPECT_EQ(MulDivRound(r.a, r.b, r.c), r.want);
  }
}

TEST(DivRound, RoundsLikeMulDivRound) {
  struct Row { int32_t a, b, want; };
  const Row rows[] = {{15, 10, 2}, {14, 10, 1}, {-15, 10, -2}, {-14, 10, -1}, {0, 7, 0}, {10, 10, 1}};
  for (const Row& r : rows) {
    SCOPED_TRACE(std::to_string(r.a) + "/" + std::to_string(r.b));
    EXPECT_EQ(DivRound(r.a, r.b), r.want);
  }
}

TEST(CelsiusToFahrenheit, ConvertsTenthsAndPassesInvalidThrough) {
  struct Row { int16_t c, want; const char* why; };
  const Row rows[] = {
      {-400, -400, "-40.0 is the same in both scales"},
      {0, 320, "freezing"},
      {1000, 2120, "boiling"},
      {1, 322, "0.18 rounds up"},
      {-1, 318, "-0.18 rounds away from zero"},
      {1015, 2147, "TS4 top"},
      {-384, -371, "TS4 bottom"},
      {static_cast<int16_t>(kInv), static_cast<int16_t>(kInv), "invalid passes through"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.why);
    EXPECT_EQ(CelsiusToFahrenheit(r.c), r.want);
  }
}

// Every raw count from first to last converts to want.
struct EdgeRow { unsigned code; unsigned first, last; int want; };

TEST(SensorRules, EdgesAndWorkedExamples) {
  const EdgeRow rows[] = {
      {TS4C, 0, 50, kInv}, {TS4C, 51, 51, 1015}, {TS4C, 512, 512, 202}, {TS4C, 959, 959, -307},
      {TS4C, 960, 960, -315}, {TS4C, 983, 983, -384}, {TS4C, 984, 65535, kInv},
      {TS4F, 50, 50, kInv}, {TS4F, 51, 51, 2147}, {TS4F, 983, 983, -371}, {TS4F, 984, 984, kInv},
      {POT, 0, 0, 0}, {POT, 1023, 1023, 495}, {POT, 1024, 65535, kInv},
      {RHS5V, 0, 9, kInv}, {RHS5V, 10, 10, 1}, {RHS5V, 15, 15, 2}, {RHS5V, 999, 1010, 100},
      {RHS5V, 1011, 65535, kInv},
      {SPUD, 0, 49, kInv}, {SPUD, 50, 50, 18}, {SPUD, 727, 727, 9445}, {SPUD, 729, 729, 10598},
      {SPUD, 740, 740, 30148}, {SPUD, 741, 950, 9999}, {SPUD, 951, 65535, kInv},
      {RHS1V, 0, 0, 0}, {RHS1V, 205, 205, 99}, {RHS1V, 206, 406, 100}, {RHS1V, 407, 65535, kInv},
      {TS1V, 0, 0, 0}, {TS1V, 123, 123, 595}, {TS1V, 124, 65535, kInv},
      {TS1V2, 0, 0, -400}, {TS1V2, 226, 226, 694}, {TS1V2, 227, 65535, kInv},
      {TS1V2F, 0, 0, -400}, {TS1V2F, 227, 227, kInv},
      {TS1KF, 0, 29, kInv}, {TS1KF, 30, 30, 1566}, {TS1KF, 800, 800, -15}, {TS1KF, 801, 65535, kInv},
      {AKS33L, 0, 171, kInv}, {AKS33L, 172, 172, -2}, {AKS33L, 179, 179, -1}, {AKS33L, 180, 182, 0},
      {AKS33L, 929, 929, 134}, {AKS33L, 930, 65535, kInv},
      {AKS33H, 171, 171, kInv}, {AKS33H, 172, 172, -5}, {AKS33H, 180, 180, -1}, {AKS33H, 181, 182, 0},
      {AKS33H, 929, 929, 360}, {AKS33H, 930, 930, kInv},
      {MA420, 0, 131, kInv}, {MA420, 132, 182, 0}, {MA420, 183, 183, 1}, {MA420, 908, 908, 999},
      {MA420, 909, 959, 1000}, {MA420, 960, 65535, kInv},
      {MINIRT, 131, 131, kInv}, {MINIRT, 132, 182, 0}, {MINIRT, 183, 183, 1}, {MINIRT, 908, 908, 999},
      {MINIRT, 909, 959, 1000}, {MINIRT, 960, 960, kInv},
      {PT1K, 0, 99, kInv}, {PT1K, 100, 100, -3038}, {PT1K, 443, 443, -610}, {PT1K, 444, 444, -609},
      {PT1K, 511, 511, -15}, {PT1K, 512, 512, 7}, {PT1K, 900, 900, 4026}, {PT1K, 901, 65535, kInv},
      {PT1KF, 99, 99, kInv}, {PT1KF, 901, 901, kInv},
      {TSSHTC, 0, 0, -500}, {TSSHTC, 1000, 1000, 500}, {TSSHTC, 1001, 65535, kInv},
      {TSSHTF, 0, 0, -580}, {TSSHTF, 1000, 1000, 1220}, {TSSHTF, 1001, 1001, kInv},
      {SDPL, 0, 9, kInv}, {SDPL, 10, 10, -265}, {SDPL, 828, 828, 5068}, {SDPL, 829, 65535, kInv},
      {SDPL05, 9, 9, kInv}, {SDPL05, 10, 10, -64}, {SDPL05, 49, 49, 0}, {SDPL05, 828, 828, 1269},
      {SDPL05, 829, 829, kInv},
      {LIGHT1, 0, 0, 100}, {LIGHT1, 1023, 1028, 0}, {LIGHT1, 1029, 1029, -1},
      {LIGHT1, 32767, 32767, -3103},
      {CT50A, 0, 65535, 0},
  };
  for (const EdgeRow& row : rows) {
    for (unsigned raw = row.first; raw <= row.last; ++raw) {
      ASSERT_EQ(SensorConvert(row.code, static_cast<int>(raw)), row.want) << Tag(row.code, raw);
    }
  }
}

// Independent reference: 64-bit products, rounding by std::llround (halves
// away from zero), over every 16-bit raw count.
int64_t Round(int64_t a, int64_t b, int64_t c) {
  return std::llround(static_cast<double>(a * b) / static_cast<double>(c));
}
int64_t Fahrenheit(int64_t c) { return c == kInv ? kInv : Round(c, 9, 5) + 320; }
int64_t In(int64_t r, int64_t lo, int64_t hi, int64_t v) { return r >= lo && r <= hi ? v : kInv; }

int64_t RefTs1V2(int64_t r) { return In(r, 0, 226, Round(r, 4950, 1023) - 400); }
int64_t RefTs1KC(int64_t r) { return In(r, 30, 800, Round(16092, 10, r + 123) - 360); }
int64_t RefPt1K(int64_t r) {
  if (r <= 443) return In(r, 100, 900, Round(r, 7079, 1000) - 3746);
  if (r <= 511) return Round(r, 8867, 1000) - 4546;
  return In(r, 100, 900, Round(r, 10359, 1000) - 5297);
}
int64_t Ref420(int64_t r) {
  return In(r, 132, 959, r <= 182 ? 0 : r >= 909 ? 1000 : Round(r - 182, 1000, 727));
}
int64_t RefSpud(int64_t r) {
  if (r < 50 || r > 950) return kInv;
  if (r >= 741) return 9999;
  return Round(r, 3300, 9923 - Round(r, 133, 10));
}

TEST(SensorRules, MatchWideReferenceOverEveryRawCount) {
  struct Row { unsigned code; std::function<int64_t(int64_t)> ref; };
  const std::vector<Row> rows = {
      {POT, [](int64_t r) { return In(r, 0, 1023, Round(r, 495, 1023)); }},
      {TS4F, [](int64_t r) { return Fahrenheit(SensorConvert(TS4C, static_cast<int>(r))); }},
      {RHS5V, [](int64_t r) { return In(r, 10, 1010, r >= 1000 ? 100 : Round(r, 1, 10)); }},
      {SPUD, RefSpud},
      {RHS1V, [](int64_t r) { return In(r, 0, 406, r >= 206 ? 100 : Round(r, 495, 1023)); }},
      {TS1V, [](int64_t r) { return In(r, 0, 123, Round(r, 4950, 1023)); }},
      {AKS33L, [](int64_t r) { return In(r, 172, 929, Round(r - 182, 130, 727)); }},
      {AKS33H, [](int64_t r) { return In(r, 172, 929, Round(r - 182, 350, 727)); }},
      {TS1V2, RefTs1V2},
      {LIGHT1, [](int64_t r) { return 100 - Round(r, 100, 1023); }},
      {TS1V2F, [](int64_t r) { return Fahrenheit(RefTs1V2(r)); }},
      {TS1KF, [](int64_t r) { return Fahrenheit(RefTs1KC(r)); }},
      {MA420, Ref420},
      {MINIRT, Ref420},
      {PT1K, RefPt1K},
      {PT1KF, [](int64_t r) { return Fahrenheit(RefPt1K(r)); }},
      {TSSHTC, [](int64_t r) { return In(r, 0, 1000, r - 500); }},
      {TSSHTF, [](int64_t r) { return Fahrenheit(In(r, 0, 1000, r - 500)); }},
      {SDPL, [](int64_t r) { return In(r, 10, 828, Round(r, 5000, 767) - 330); }},
      {SDPL05, [](int64_t r) { return In(r, 10, 828, Round(r, 1250, 767) - 80); }},
  };
  for (const Row& row : rows) {
    int failures = 0;
    for (unsigned raw = 0; raw <= 0xFFFF && failures < 5; ++raw) {
      const int64_t want = row.ref(raw);
      const int got = SensorConvert(row.code, static_cast<int>(raw));
      // A correct result always fits 16 bits; a wrap would show here.
      if (want < INT16_MIN || want > INT16_MAX || got != want) {
        ADD_FAILURE() << Tag(row.code, raw) << ": got " << got << ", reference " << want;
        ++failures;
      }
    }
  }
}

}  // namespace
}  // namespace zerb
