#pragma once
// The conversion rule of each sensor type: raw count (unsigned 16-bit) in,
// signed 16-bit engineering value out, InvalidValue for a count outside the
// type's valid range. Arithmetic is 32-bit integer with rounding to nearest,
// halves away from zero; the low 16 bits of a result are kept.

#include <cstdint>

#include "sensor/SensorTypes.h"

namespace zerb {

// Factor of the CT50A rule. Nothing in the system sets it, so it stays 0.
extern uint8_t CtScale;

// a*b/c rounded to nearest, halves away from zero (for positive c), in
// 32-bit signed arguments and result, with truncating division.
// The product never overflows (it is formed in 64 bits); a quotient outside
// the 32-bit range is clamped to it, and c == 0 gives InvalidValue.
int32_t MulDivRound(int32_t a, int32_t b, int32_t c);
// a/b rounded the same way: MulDivRound(a, 1, b).
int32_t DivRound(int32_t a, int32_t b);
// Tenths of a degree Celsius to tenths of a degree Fahrenheit;
// InvalidValue passes through.
int16_t CelsiusToFahrenheit(int16_t c);

int16_t RuleNone(uint16_t raw);     // 0: identity for 0..32767
int16_t RulePot(uint16_t raw);      // 1: 0..1023 -> 0..495 (hundredths of a volt)
int16_t RuleTs4C(uint16_t raw);     // 2: TS4Table, 51..983
int16_t RuleTs4F(uint16_t raw);     // 3: rule 2 in Fahrenheit
int16_t RuleRhs5V(uint16_t raw);    // 4: tenths, capped at 100 from 1000
int16_t RuleSpud(uint16_t raw);     // 5: hyperbolic, 9999 at the top
int16_t RuleRhs1V(uint16_t raw);    // 6: capped at 100 from 206
int16_t RuleTs1V(uint16_t raw);     // 7: 0..123 -> 0..595
int16_t RuleNcTrip(uint16_t raw);   // 8: the 16-bit pattern unchanged
int16_t RuleAks33L(uint16_t raw);   // 9: from count 182, span 130
int16_t RuleAks33H(uint16_t raw);   // 10: from count 182, span 350
int16_t RuleTs1V2(uint16_t raw);    // 11: like rule 7, offset -40.0
int16_t RuleLight1(uint16_t raw);   // 12: 100 down to 0, no range test
int16_t RuleTs1V2F(uint16_t raw);   // 13: rule 11 in Fahrenheit
int16_t RuleTs1KF(uint16_t raw);    // 14: reciprocal, in Fahrenheit
int16_t Rule4To20mA(uint16_t raw);  // 15 and 16: 0..1000 from count 182
int16_t RulePt1K(uint16_t raw);     // 17: three linear segments
int16_t RulePt1KF(uint16_t raw);    // 18: rule 17 in Fahrenheit
int16_t RuleTsShtC(uint16_t raw);   // 19: raw - 500
int16_t RuleTsShtF(uint16_t raw);   // 20: rule 19 in Fahrenheit
int16_t RuleCt50A(uint16_t raw);    // 21: raw * CtScale / 512
int16_t RuleSdpl(uint16_t raw);     // 22: offset -33.0
int16_t RuleSdpl05(uint16_t raw);   // 23: offset -8.0

}  // namespace zerb
