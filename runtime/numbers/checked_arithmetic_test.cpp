// The fault test of an arithmetic step: which results are faults, and of which kind.
#include "runtime/numbers/checked_arithmetic.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <optional>
#include <ostream>
#include <vector>

namespace runtime {

namespace {

constexpr ArithmeticFault kInvalid{FaultKind::InvalidOperation};
constexpr ArithmeticFault kDivisionByZero{FaultKind::DivisionByZero};
constexpr ArithmeticFault kOverflow{FaultKind::Overflow};
constexpr std::optional<ArithmeticFault> kNoFault;

TEST(FaultOfStep, DecidesTheKindFromTheResult) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  struct Row {
    const char* name;
    double result;
    bool atPole;
    std::optional<ArithmeticFault> expected;
  };
  const std::vector<Row> rows = {
      {"a finite result", 42.0, false, kNoFault},
      {"a finite result at a pole", 42.0, true, kNoFault},
      {"the largest double", DBL_MAX, false, kNoFault},
      {"a denormal", 5e-324, false, kNoFault},
      {"no defined value", kNaN, false, kInvalid},
      {"no defined value at a pole", kNaN, true, kInvalid},
      {"infinite at a pole", kInfinity, true, kDivisionByZero},
      {"negative infinite at a pole", -kInfinity, true, kDivisionByZero},
      {"infinite elsewhere", kInfinity, false, kOverflow},
      {"negative infinite elsewhere", -kInfinity, false, kOverflow},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FaultOfStep(row.result, row.atPole), row.expected);
  }
}

enum class Step { Add, Subtract, Multiply, Divide };

struct StepRow {
  const char* name;
  double left;
  Step step;
  double right;
  std::optional<ArithmeticFault> expected;
};

// Runs each step in double arithmetic, a zero divisor being the pole of division, and tests it.
void ExpectFaults(const std::vector<StepRow>& rows) {
  for (const StepRow& row : rows) {
    SCOPED_TRACE(row.name);
    double result = 0.0;
    switch (row.step) {
      case Step::Add:
        result = row.left + row.right;
        break;
      case Step::Subtract:
        result = row.left - row.right;
        break;
      case Step::Multiply:
        result = row.left * row.right;
        break;
      case Step::Divide:
        result = row.left / row.right;
        break;
    }
    EXPECT_EQ(FaultOfStep(result, row.step == Step::Divide && row.right == 0.0), row.expected);
  }
}

TEST(FaultOfStep, ReportsResultsBeyondTheDoubleRangeAsOverflow) {
  ExpectFaults({
      {"1e308 + 1e308", 1e308, Step::Add, 1e308, kOverflow},
      {"-1e308 - 1e308", -1e308, Step::Subtract, 1e308, kOverflow},
      {"1e200 * 1e200", 1e200, Step::Multiply, 1e200, kOverflow},
      {"-1e200 * 1e200", -1e200, Step::Multiply, 1e200, kOverflow},
      {"1e300 / 1e-300", 1e300, Step::Divide, 1e-300, kOverflow},
  });
}

TEST(FaultOfStep, ReportsANonZeroNumberDividedByZeroAsDivisionByZero) {
  ExpectFaults({
      {"5 / 0", 5.0, Step::Divide, 0.0, kDivisionByZero},
      {"-5 / 0", -5.0, Step::Divide, 0.0, kDivisionByZero},
      {"5 / -0", 5.0, Step::Divide, -0.0, kDivisionByZero},
      {"the smallest denormal / 0", 5e-324, Step::Divide, 0.0, kDivisionByZero},
  });
}

TEST(FaultOfStep, ReportsZeroDividedByZeroAsInvalid) {
  ExpectFaults({
      {"0 / 0", 0.0, Step::Divide, 0.0, kInvalid},
      {"-0 / 0", -0.0, Step::Divide, 0.0, kInvalid},
      {"0 / -0", 0.0, Step::Divide, -0.0, kInvalid},
  });
}

TEST(FaultOfStep, NeverReportsUnderflowOrRounding) {
  ExpectFaults({
      {"0.1 + 0.2", 0.1, Step::Add, 0.2, kNoFault},
      {"1 / 3", 1.0, Step::Divide, 3.0, kNoFault},
      {"0 / 5", 0.0, Step::Divide, 5.0, kNoFault},
      {"1e-200 * 1e-200", 1e-200, Step::Multiply, 1e-200, kNoFault},
      {"1e-300 / 1e300", 1e-300, Step::Divide, 1e300, kNoFault},
      {"the smallest normal / 2", DBL_MIN, Step::Divide, 2.0, kNoFault},
      {"the smallest denormal / 2", 5e-324, Step::Divide, 2.0, kNoFault},
      {"the largest double + 1", DBL_MAX, Step::Add, 1.0, kNoFault},
      {"the largest double - -1", DBL_MAX, Step::Subtract, -1.0, kNoFault},
  });
}

}  // namespace
}  // namespace runtime
