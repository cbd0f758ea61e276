// The names of the arithmetic faults.
#include "runtime/numbers/arithmetic_fault.h"

namespace runtime {

const char* DescribeFault(FaultKind kind) {
  switch (kind) {
    case FaultKind::InvalidOperation:
      return "Invalid operation";
    case FaultKind::DivisionByZero:
      return "Division by zero";
    case FaultKind::Overflow:
      return "Overflow";
  }
  return "Arithmetic fault";
}

}  // namespace runtime
