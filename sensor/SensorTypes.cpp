#include "sensor/SensorTypes.h"

#include "sensor/SensorRules.h"

namespace zerb {

// Indexed by type code. MINIRT shares the 4-20MA rule; only its units and
// decimals differ.
const std::array<SensorTypeInfo, SensorTypeCount> SensorTypeTable{{
    {"NONE", ' ', 0, RuleNone},
    {"POT", 'V', 2, RulePot},
    {"TS4-C", 'C', 1, RuleTs4C},
    {"TS4-F", 'F', 1, RuleTs4F},
    {"RHS5V", '%', 0, RuleRhs5V},
    {"SPUD", 'M', 2, RuleSpud},
    {"RHS1V", '%', 0, RuleRhs1V},
    {"TS1V", 'C', 1, RuleTs1V},
    {"NCTRIP", ' ', 0, RuleNcTrip},
    {"AKS33L", 'B', 1, RuleAks33L},
    {"AKS33H", 'B', 1, RuleAks33H},
    {"TS1V2", 'C', 1, RuleTs1V2},
    {"LIGHT1", ' ', 0, RuleLight1},
    {"TS1V2F", 'F', 1, RuleTs1V2F},
    {"TS1KF", 'F', 1, RuleTs1KF},
    {"4-20MA", '%', 1, Rule4To20mA},
    {"MINIRT", 'F', 0, Rule4To20mA},
    {"PT1K", 'C', 1, RulePt1K},
    {"PT1KF", 'F', 1, RulePt1KF},
    {"TSSHTC", 'C', 1, RuleTsShtC},
    {"TSSHTF", 'F', 1, RuleTsShtF},
    {"CT50A", 'A', 1, RuleCt50A},
    {"SDPL", 'P', 1, RuleSdpl},
    {"SDPL05", 'P', 1, RuleSdpl05},
}};

namespace {

constexpr unsigned kNcTrip = 8;

// The record of a code, or null for a code outside the table.
const SensorTypeInfo* Find(unsigned code) {
  return code < SensorTypeCount ? &SensorTypeTable[code] : nullptr;
}

}  // namespace

const char* SensorTypeName(unsigned code) {
  const SensorTypeInfo* info = Find(code);
  return info ? info->name : "UNKNOWN";
}

int SensorConvert(unsigned code, int raw) {
  const SensorTypeInfo* info = Find(code);
  if (info == nullptr || raw < 0) return InvalidValue;
  // Only the low 16 bits count: the log holds 16-bit values.
  return info->convert(static_cast<uint16_t>(raw));
}

int SensorExponent(unsigned code) {
  const SensorTypeInfo* info = Find(code);
  return info ? -int{info->decimals} : 0;
}

char SensorUnitsChar(unsigned code) {
  const SensorTypeInfo* info = Find(code);
  return info ? info->units : ' ';
}

bool SensorIsDigital(unsigned code) { return code == kNcTrip; }

}  // namespace zerb
