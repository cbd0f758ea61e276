// The nine running-result operations, built from the runtime's number services.
#include "engine/operations.h"

#include <array>

#include "runtime/numbers/checked_arithmetic.h"
#include "runtime/numbers/number_format.h"
#include "runtime/numbers/number_reading.h"
#include "runtime/numbers/power.h"

namespace engine {
namespace {

using runtime::NumberOrFault;

// Whether an answer that reads as zero stands for no running result yet.
enum class ZeroTest { No, Yes };

const ArithmeticFault* FaultOf(const NumberOrFault& number) {
  return std::get_if<ArithmeticFault>(&number);
}

double ValueOf(const NumberOrFault& number) {
  return *std::get_if<double>(&number);
}

// The texts after an operation that writes `result` as the answer and empties the entry.
DisplayTexts WithAnswer(const DisplayTexts& texts, double result) {
  return {.entry = {}, .answer = runtime::FormatGeneral(result), .marker = texts.marker};
}

// The texts with the result of the operation's last arithmetic step as the answer, or the fault
// the step raised.
Outcome Checked(const DisplayTexts& texts, double result, bool atPole = false) {
  if (const auto fault = runtime::FaultOfStep(result, atPole)) {
    return *fault;
  }
  return WithAnswer(texts, result);
}

// The texts with `number` as the answer, or its fault.
Outcome WithAnswerOrFault(const DisplayTexts& texts, const NumberOrFault& number) {
  if (const auto* fault = FaultOf(number)) {
    return *fault;
  }
  return WithAnswer(texts, ValueOf(number));
}

// Sum, subtract, multiply, divide and power: `combine` gives the outcome for the answer's
// number and the entry's. With the zero test, an answer reading zero (+0 or -0) makes the
// entry's number the new answer instead, without arithmetic.
template <typename Combine>
Outcome Combining(const DisplayTexts& texts, ZeroTest zeroTest, Combine combine) {
  const NumberOrFault answer = runtime::ReadLeadingNumber(texts.answer);
  if (const auto* fault = FaultOf(answer)) {
    return *fault;
  }
  const bool noRunningResult = zeroTest == ZeroTest::Yes && ValueOf(answer) == 0.0;
  const NumberOrFault entry = runtime::ReadLeadingNumber(texts.entry);
  if (const auto* fault = FaultOf(entry)) {
    return *fault;
  }
  if (noRunningResult) {
    return WithAnswer(texts, ValueOf(entry));
  }
  return combine(ValueOf(answer), ValueOf(entry));
}

// Square and cube: `factors` copies of the answer's number multiplied, or of the entry's when
// the answer reads zero. The entry is emptied either way.
Outcome MultiplyBySelf(const DisplayTexts& texts, int factors) {
  NumberOrFault base = runtime::ReadLeadingNumber(texts.answer);
  if (const auto* fault = FaultOf(base)) {
    return *fault;
  }
  if (ValueOf(base) == 0.0) {
    base = runtime::ReadLeadingNumber(texts.entry);
    if (const auto* fault = FaultOf(base)) {
      return *fault;
    }
  }
  const double x = ValueOf(base);
  double result = x;
  for (int factor = 1; factor < factors; ++factor) {
    result *= x;
    if (const auto fault = runtime::FaultOfStep(result)) {
      return *fault;
    }
  }
  return WithAnswer(texts, result);
}

}  // namespace

Outcome ApplySum(const DisplayTexts& texts) {
  return Combining(texts, ZeroTest::No,
                   [&texts](double a, double e) { return Checked(texts, a + e); });
}

Outcome ApplySubtract(const DisplayTexts& texts) {
  return Combining(texts, ZeroTest::Yes,
                   [&texts](double a, double e) { return Checked(texts, a - e); });
}

Outcome ApplyMultiply(const DisplayTexts& texts) {
  return Combining(texts, ZeroTest::Yes,
                   [&texts](double a, double e) { return Checked(texts, a * e); });
}

// A zero divisor is the pole of division: 20 / 0 is a division by zero, 0 / 0 invalid.
Outcome ApplyDivide(const DisplayTexts& texts) {
  return Combining(texts, ZeroTest::Yes,
                   [&texts](double a, double e) { return Checked(texts, a / e, e == 0.0); });
}

// The power routine tests its own faults.
Outcome ApplyPower(const DisplayTexts& texts) {
  return Combining(texts, ZeroTest::Yes, [&texts](double a, double e) {
    return WithAnswerOrFault(texts, runtime::Power(a, e));
  });
}

// answer / entry * 100, the division first; the entry stays for the next percentage.
Outcome ApplyPercent(const DisplayTexts& texts) {
  const NumberOrFault entry = runtime::ReadLeadingNumber(texts.entry);
  if (const auto* fault = FaultOf(entry)) {
    return *fault;
  }
  const NumberOrFault answer = runtime::ReadLeadingNumber(texts.answer);
  if (const auto* fault = FaultOf(answer)) {
    return *fault;
  }
  const double ratio = ValueOf(answer) / ValueOf(entry);
  if (const auto fault = runtime::FaultOfStep(ratio, ValueOf(entry) == 0.0)) {
    return *fault;
  }
  const double result = ratio * 100.0;
  if (const auto fault = runtime::FaultOfStep(result)) {
    return *fault;
  }
  return DisplayTexts{
      .entry = texts.entry, .answer = runtime::FormatGeneral(result), .marker = "%"};
}

Outcome ApplySquare(const DisplayTexts& texts) {
  return MultiplyBySelf(texts, 2);
}

Outcome ApplyCube(const DisplayTexts& texts) {
  return MultiplyBySelf(texts, 3);
}

DisplayTexts ClearAll() {
  return {};
}

Outcome Apply(Operation operation, const DisplayTexts& texts) {
  switch (operation) {
    case Operation::Sum:
      return ApplySum(texts);
    case Operation::Subtract:
      return ApplySubtract(texts);
    case Operation::Multiply:
      return ApplyMultiply(texts);
    case Operation::Divide:
      return ApplyDivide(texts);
    case Operation::Percent:
      return ApplyPercent(texts);
    case Operation::Power:
      return ApplyPower(texts);
    case Operation::Square:
      return ApplySquare(texts);
    case Operation::Cube:
      return ApplyCube(texts);
    case Operation::Clear:
      return ClearAll();
  }
  return texts;
}

const std::string& TextOf(const DisplayTexts& texts, Field field) {
  switch (field) {
    case Field::Entry:
      return texts.entry;
    case Field::Answer:
      return texts.answer;
    case Field::Marker:
      return texts.marker;
  }
  return texts.entry;
}

std::span<const Field> WriteOrder(Operation operation) {
  static constexpr std::array kAnswerThenEntry{Field::Answer, Field::Entry};
  static constexpr std::array kAnswerThenMarker{Field::Answer, Field::Marker};
  static constexpr std::array kEveryText{Field::Entry, Field::Answer, Field::Marker};
  switch (operation) {
    case Operation::Percent:
      return kAnswerThenMarker;
    case Operation::Clear:
      return kEveryText;
    case Operation::Sum:
    case Operation::Subtract:
    case Operation::Multiply:
    case Operation::Divide:
    case Operation::Power:
    case Operation::Square:
    case Operation::Cube:
      break;
  }
  return kAnswerThenEntry;
}

}  // namespace engine
