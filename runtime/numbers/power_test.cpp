// The power routine: its values, exact whole powers and its faults.
#include "runtime/numbers/power.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <vector>

namespace runtime {

namespace {

struct Row {
  const char* name;
  double base;
  double exponent;
  NumberOrFault expected;
};

void ExpectPowers(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Power(row.base, row.exponent), row.expected);
  }
}

TEST(Power, RaisesTheBaseToTheExponent) {
  ExpectPowers({
      {"2 ^ 10", 2.0, 10.0, 1024.0},
      {"20 ^ 5", 20.0, 5.0, 3200000.0},
      {"-2 ^ 3", -2.0, 3.0, -8.0},
      {"-2 ^ 4", -2.0, 4.0, 16.0},
      {"5 ^ 0", 5.0, 0.0, 1.0},
      {"0 ^ 0", 0.0, 0.0, 1.0},
      {"0 ^ 5", 0.0, 5.0, 0.0},
      {"2 ^ -1", 2.0, -1.0, 0.5},
      {"4 ^ 0.5", 4.0, 0.5, 2.0},
      {"-8 ^ -1", -8.0, -1.0, -0.125},
      {"10 ^ -400 underflows to zero", 10.0, -400.0, 0.0},
      {"2 ^ -1074 is the smallest denormal", 2.0, -1074.0, std::nextafter(0.0, 1.0)},
      {"the largest double ^ 1", DBL_MAX, 1.0, DBL_MAX},
  });
}

TEST(Power, IsExactForWholePowersOfWholeNumbersThatADoubleHolds) {
  constexpr std::uint64_t kLargestExactWhole = std::uint64_t{1} << 53;
  for (std::int64_t base = -1000; base <= 1000; ++base) {
    const std::uint64_t magnitude =
        base < 0 ? static_cast<std::uint64_t>(-base) : static_cast<std::uint64_t>(base);
    std::uint64_t power = 1;
    for (int exponent = 0; power <= kLargestExactWhole; ++exponent) {
      const bool negative = base < 0 && exponent % 2 == 1;
      const double exact = negative ? -static_cast<double>(power) : static_cast<double>(power);
      EXPECT_EQ(Power(static_cast<double>(base), exponent), NumberOrFault(exact))
          << base << " ^ " << exponent;
      if (magnitude <= 1 || power > kLargestExactWhole / magnitude) {
        break;
      }
      power *= magnitude;
    }
  }
}

TEST(Power, IsExactForWholePowersOfAnyBaseThatADoubleHolds) {
  const double smallestDenormal = std::nextafter(0.0, 1.0);
  ExpectPowers({
      {"3 ^ 20", 3.0, 20.0, 3486784401.0},
      {"7 ^ 18", 7.0, 18.0, 1628413597910449.0},
      {"2.5 ^ 3", 2.5, 3.0, 15.625},
      {"-1.5 ^ 5", -1.5, 5.0, -7.59375},
      {"1.5 ^ 33 has 53 significant bits", 1.5, 33.0, std::ldexp(5559060566555523.0, -33)},
      {"10 ^ 22 is the largest exact power of ten", 10.0, 22.0, 1e22},
      {"12 ^ 21 lies beyond 2 ^ 53", 12.0, 21.0, std::ldexp(10460353203.0, 42)},
      {"-2 ^ 63", -2.0, 63.0, -9223372036854775808.0},
      {"2 ^ 1023 is the largest power of two", 2.0, 1023.0, std::ldexp(1.0, 1023)},
      {"0.5 ^ 1074 is the smallest denormal", 0.5, 1074.0, smallestDenormal},
      {"a cube that is a denormal", std::ldexp(3.0, -358), 3.0, 27.0 * smallestDenormal},
      {"-0.5 ^ -3", -0.5, -3.0, -8.0},
      {"0.5 ^ -1023", 0.5, -1023.0, std::ldexp(1.0, 1023)},
  });
}

TEST(Power, ReportsResultsWithoutARealValueAsInvalid) {
  ExpectPowers({
      {"-8 ^ 0.5", -8.0, 0.5, ArithmeticFault{FaultKind::InvalidOperation}},
      {"-1 ^ 0.5", -1.0, 0.5, ArithmeticFault{FaultKind::InvalidOperation}},
      {"-27 ^ a third", -27.0, 1.0 / 3.0, ArithmeticFault{FaultKind::InvalidOperation}},
      {"-2 ^ -1.5", -2.0, -1.5, ArithmeticFault{FaultKind::InvalidOperation}},
  });
}

TEST(Power, ReportsZeroToANegativeExponentAsDivisionByZero) {
  ExpectPowers({
      {"0 ^ -1", 0.0, -1.0, ArithmeticFault{FaultKind::DivisionByZero}},
      {"-0 ^ -1", -0.0, -1.0, ArithmeticFault{FaultKind::DivisionByZero}},
      {"0 ^ -0.5", 0.0, -0.5, ArithmeticFault{FaultKind::DivisionByZero}},
      {"0 ^ -2", 0.0, -2.0, ArithmeticFault{FaultKind::DivisionByZero}},
  });
}

TEST(Power, ReportsResultsBeyondTheDoubleRangeAsOverflow) {
  ExpectPowers({
      {"10 ^ 400", 10.0, 400.0, ArithmeticFault{FaultKind::Overflow}},
      {"-10 ^ 309", -10.0, 309.0, ArithmeticFault{FaultKind::Overflow}},
      {"2 ^ 1024", 2.0, 1024.0, ArithmeticFault{FaultKind::Overflow}},
      {"0.5 ^ -2000", 0.5, -2000.0, ArithmeticFault{FaultKind::Overflow}},
      {"the smallest denormal ^ -2", std::nextafter(0.0, 1.0), -2.0,
       ArithmeticFault{FaultKind::Overflow}},
  });
}

}  // namespace
}  // namespace runtime
