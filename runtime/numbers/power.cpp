// The power routine: the C library's pow with the fault test of every arithmetic step.
#include "runtime/numbers/power.h"

#include <cmath>

#include "runtime/numbers/checked_arithmetic.h"

namespace runtime {

NumberOrFault Power(double base, double exponent) {
  // pow errs by well under one unit in the last place, so a result that a double holds
  // exactly comes out exact: glibc's does, and so does mingw-w64's, which the Windows program
  // carries inside it rather than taking the system's; the tests check both. It gives NaN
  // for a negative base with a non-integer exponent and an infinity for zero raised to a
  // negative exponent, the pole of the power.
  const double result = std::pow(base, exponent);
  if (const auto fault = FaultOfStep(result, base == 0.0 && exponent < 0.0)) {
    return *fault;
  }
  return result;
}

}  // namespace runtime
