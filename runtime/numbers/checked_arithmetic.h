// The fault test of an arithmetic step: which fault, if any, a step on doubles raised. Inline,
// so that the test folds into the arithmetic it follows.
#pragma once

#include <cmath>
#include <optional>

#include "runtime/numbers/arithmetic_fault.h"

namespace runtime {

// The fault of one arithmetic step on finite operands, decided from its result, which the
// compiler cannot move past the arithmetic the way it can move a test of the processor's
// status flags. A result with no defined value (NaN) is an invalid operation; an infinite one is
// a division by zero when the operands were a pole of the step (x / 0, 0 ^ -1), otherwise an
// overflow. A finite result raised no fault: underflow and rounding never are faults.
[[nodiscard]] inline std::optional<ArithmeticFault> FaultOfStep(double result,
                                                                bool atPole = false) {
  if (std::isfinite(result)) {
    return std::nullopt;
  }
  if (std::isnan(result)) {
    return ArithmeticFault{FaultKind::InvalidOperation};
  }
  return ArithmeticFault{atPole ? FaultKind::DivisionByZero : FaultKind::Overflow};
}

}  // namespace runtime
