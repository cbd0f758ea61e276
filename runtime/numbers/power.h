// The power routine: a base raised to an exponent, in double precision.
#pragma once

#include "runtime/numbers/arithmetic_fault.h"

namespace runtime {

// `base` raised to `exponent`, both finite. Whole powers are exact wherever a double holds
// the result (2 ^ 10 is 1024, 2.5 ^ 3 is 15.625, 0.5 ^ 1074 is the smallest denormal). Faults: a
// negative base with a non-integer exponent has no real value (InvalidOperation); zero raised to a
// negative exponent is a DivisionByZero; a result beyond the double range is an Overflow. A result
// too small for a double becomes zero or a denormal.
[[nodiscard]] NumberOrFault Power(double base, double exponent);

}  // namespace runtime
