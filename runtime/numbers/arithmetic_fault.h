// The arithmetic faults that stop a calculation, as the runtime's number services report them.
#pragma once

#include <variant>

namespace runtime {

enum class FaultKind {
  // The arithmetic has no defined result: 0 / 0, or a power with no real value (-8 ^ 0.5).
  InvalidOperation,
  // A non-zero number divided by zero, or zero raised to a negative power.
  DivisionByZero,
  // A result, or a number read from a text, beyond the range of a double.
  Overflow,
};

struct ArithmeticFault {
  FaultKind kind;
  friend bool operator==(const ArithmeticFault&, const ArithmeticFault&) = default;
};

// A short name a person can read: "Division by zero", "Overflow", "Invalid operation".
[[nodiscard]] const char* DescribeFault(FaultKind kind);

// Writes the fault's short name, as test failures show it. A template, so that the program,
// which writes to no stream, links no stream code: on Windows that would add half a megabyte.
template <class Stream>
Stream& operator<<(Stream& out, const ArithmeticFault& fault) {
  return out << DescribeFault(fault.kind);
}

// What a number service gives: the number, or the fault that stopped it.
using NumberOrFault = std::variant<double, ArithmeticFault>;

}  // namespace runtime
