// The running-result operations of the calculator: pure functions from the three display
// texts to new texts or an arithmetic fault. No state, no toolkit, no exceptions.
#pragma once

#include <span>
#include <string>
#include <variant>

#include "runtime/numbers/arithmetic_fault.h"

namespace engine {

using runtime::ArithmeticFault;
using runtime::FaultKind;

// The three texts of the calculator window: UTF-8, any length, empty allowed.
struct DisplayTexts {
  std::string entry;   // what the user typed (the second operand)
  std::string answer;  // the running result; empty or zero when there is none
  std::string marker;  // "%" after a percentage, otherwise empty
  friend bool operator==(const DisplayTexts&, const DisplayTexts&) = default;
};

// Writes the three texts quoted, as test failures show them. A template, so that the program,
// which writes to no stream, links no stream code.
template <class Stream>
Stream& operator<<(Stream& out, const DisplayTexts& texts) {
  return out << "{entry \"" << texts.entry << "\", answer \"" << texts.answer << "\", marker \""
             << texts.marker << "\"}";
}

using Outcome = std::variant<DisplayTexts, ArithmeticFault>;

[[nodiscard]] Outcome ApplySum(const DisplayTexts& texts);
[[nodiscard]] Outcome ApplySubtract(const DisplayTexts& texts);
[[nodiscard]] Outcome ApplyMultiply(const DisplayTexts& texts);
[[nodiscard]] Outcome ApplyDivide(const DisplayTexts& texts);
[[nodiscard]] Outcome ApplyPercent(const DisplayTexts& texts);
[[nodiscard]] Outcome ApplyPower(const DisplayTexts& texts);
[[nodiscard]] Outcome ApplySquare(const DisplayTexts& texts);
[[nodiscard]] Outcome ApplyCube(const DisplayTexts& texts);
[[nodiscard]] DisplayTexts ClearAll();

// The nine operations by name, so the window code can run any of them the same way.
enum class Operation { Sum, Subtract, Multiply, Divide, Percent, Power, Square, Cube, Clear };

[[nodiscard]] Outcome Apply(Operation operation, const DisplayTexts& texts);

// One of the three texts.
enum class Field { Entry, Answer, Marker };

// The text of `texts` that `field` names.
[[nodiscard]] const std::string& TextOf(const DisplayTexts& texts, Field field);

// The texts an operation sets, in the order the window must write them back. A text not
// listed keeps its value and is not written.
[[nodiscard]] std::span<const Field> WriteOrder(Operation operation);

}  // namespace engine
