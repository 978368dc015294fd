#include "sensor/SensorTypes.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "sensor/SensorRules.h"

namespace zerb {
namespace {

struct TypeRow { const char* name; char units; int exponent; };

// Indexed by type code.
constexpr TypeRow kTypes[] = {
    {"NONE", ' ', 0},    {"POT", 'V', -2},     {"TS4-C", 'C', -1},  {"TS4-F", 'F', -1},
    {"RHS5V", '%', 0},   {"SPUD", 'M', -2},    {"RHS1V", '%', 0},   {"TS1V", 'C', -1},
    {"NCTRIP", ' ', 0},  {"AKS33L", 'B', -1},  {"AKS33H", 'B', -1}, {"TS1V2", 'C', -1},
    {"LIGHT1", ' ', 0},  {"TS1V2F", 'F', -1},  {"TS1KF", 'F', -1},  {"4-20MA", '%', -1},
    {"MINIRT", 'F', 0},  {"PT1K", 'C', -1},    {"PT1KF", 'F', -1},  {"TSSHTC", 'C', -1},
    {"TSSHTF", 'F', -1}, {"CT50A", 'A', -1},   {"SDPL", 'P', -1},   {"SDPL05", 'P', -1},
};
constexpr unsigned kNcTrip = 8;

TEST(SensorTypes, EveryCodeHasNameUnitsExponentAndDigitalFlag) {
  static_assert(std::size(kTypes) == SensorTypeCount);
  for (unsigned code = 0; code <= 255; ++code) {
    SCOPED_TRACE("code " + std::to_string(code));
    const bool known = code < SensorTypeCount;
    EXPECT_STREQ(SensorTypeName(code), known ? kTypes[code].name : "UNKNOWN");
    EXPECT_EQ(SensorUnitsChar(code), known ? kTypes[code].units : ' ');
    EXPECT_EQ(SensorExponent(code), known ? kTypes[code].exponent : 0);
    EXPECT_EQ(SensorIsDigital(code), code == kNcTrip);
    if (known) {
      EXPECT_EQ(-int{SensorTypeTable[code].decimals}, kTypes[code].exponent);
    }
  }
}

TEST(SensorTypes, CodesOutsideTheTableNeverConvert) {
  const unsigned codes[] = {24, 25, 128, 255, 256, UINT_MAX};
  const int raws[] = {0, 1, 100, 512, 32767, -1};
  for (unsigned code : codes) {
    for (int raw : raws) {
      SCOPED_TRACE("code " + std::to_string(code) + " raw " + std::to_string(raw));
      EXPECT_EQ(SensorConvert(code, raw), InvalidValue);
    }
  }
  EXPECT_STREQ(SensorTypeName(UINT_MAX), "UNKNOWN");
  EXPECT_EQ(SensorExponent(UINT_MAX), 0);
  EXPECT_EQ(SensorUnitsChar(UINT_MAX), ' ');
}

TEST(SensorConvert, NegativeRawIsInvalidForEveryType) {
  for (unsigned code = 0; code < SensorTypeCount; ++code) {
    for (int raw : {-1, -2, -32768, INT_MIN}) {
      SCOPED_TRACE(std::string(SensorTypeName(code)) + " raw " + std::to_string(raw));
      EXPECT_EQ(SensorConvert(code, raw), InvalidValue);
    }
  }
}

TEST(SensorConvert, UsesTheLow16BitsAndSignExtends) {
  struct Row { unsigned code; int raw; int want; const char* why; };
  const Row rows[] = {
      {0, 0x10000 + 5, 5, "NONE ignores bits above 16"},
      {0, 0x8000, InvalidValue, "NONE above 32767"},
      {2, 0x10000 + 51, 1015, "TS4-C on the low 16 bits"},
      {kNcTrip, 0x8000, -32768, "NCTRIP keeps the pattern, sign-extended"},
      {kNcTrip, 0xFFFF, -1, "NCTRIP top pattern"},
      {kNcTrip, 0x7FFF0000 + 0x1234, 0x1234, "NCTRIP high bits dropped"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.why);
    EXPECT_EQ(SensorConvert(r.code, r.raw), r.want);
  }
}

TEST(SensorConvert, NoneAndNcTripAreTheIdentityUpTo32767) {
  for (unsigned code : {0u, kNcTrip}) {
    for (int raw = 0; raw <= 32767; ++raw) {
      ASSERT_EQ(SensorConvert(code, raw), raw) << SensorTypeName(code) << " raw " << raw;
    }
  }
}

TEST(SensorConvert, Ct50aIsZeroWhileCtScaleIsUnset) {
  EXPECT_EQ(CtScale, 0);
  for (int raw : {0, 1, 512, 1023, 32767}) {
    EXPECT_EQ(SensorConvert(21, raw), 0) << "raw " << raw;
  }
}

}  // namespace
}  // namespace zerb
