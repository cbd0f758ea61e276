// The writing rules of the general number format, one test per rule.
#include "runtime/numbers/number_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "runtime/numbers/number_reading.h"

namespace runtime {
namespace {

struct Row {
  const char* name;
  double value;
  std::string text;
};

void ExpectTexts(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FormatGeneral(row.value), row.text);
  }
}

TEST(FormatGeneral, RoundsToFifteenSignificantDigitsWithoutTrailingZeros) {
  ExpectTexts({
      {"one tenth plus two tenths", 0.1 + 0.2, "0.3"},
      {"a third", 1.0 / 3.0, "0.333333333333333"},
      {"two thirds", 2.0 / 3.0, "0.666666666666667"},
      {"a whole number", 25.0, "25"},
      {"a fraction", 12444.278, "12444.278"},
      {"sixteen digits round up", 1234567890123456.0, "1.23456789012346E+15"},
      {"a tie goes to the even digit", 100000000000000.5, "100000000000000"},
      {"rounding carries into a new digit", 999999999999999.5, "1E+15"},
      {"rounding carries below one", 0.9999999999999999, "1"},
      {"negative rounding", -2.0 / 3.0, "-0.666666666666667"},
  });
}

TEST(FormatGeneral, WritesPlainDecimalsForExponentsAboveMinusFiveAndBelowFifteen) {
  ExpectTexts({
      {"a half", 0.5, "0.5"},
      {"smallest plain exponent", 0.0001, "0.0001"},
      {"fraction with small exponent", 0.00012345, "0.00012345"},
      {"negative whole", -2.0, "-2"},
      {"trailing zeros of a whole number", 3200000.0, "3200000"},
      {"fifteen nines", 999999999999999.0, "999999999999999"},
      {"largest plain exponent", 123456789012345.0, "123456789012345"},
      {"one", 1.0, "1"},
      {"negative fraction", -0.25, "-0.25"},
  });
}

TEST(FormatGeneral, WritesExponentNotationOutsideThatRange) {
  ExpectTexts({
      {"ten to the fifteenth", 1e15, "1E+15"},
      {"one and a half to the minus fifth", 1.5e-5, "1.5E-05"},
      {"ten to the minus fifth", 1e-5, "1E-05"},
      {"a long mantissa", 123456789012345678.0, "1.23456789012346E+17"},
      {"a three-digit exponent", 1e100, "1E+100"},
      {"negative with negative exponent", -2.5e-100, "-2.5E-100"},
      {"smallest denormal", std::nextafter(0.0, 1.0), "4.94065645841247E-324"},
      {"smallest normal", DBL_MIN, "2.2250738585072E-308"},
  });
}

TEST(FormatGeneral, WritesZeroOfEitherSignAsZero) {
  ExpectTexts({
      {"zero", 0.0, "0"},
      {"negative zero", -0.0, "0"},
  });
}

TEST(FormatGeneral, CutsTheFifteenthDigitWhereRoundingWouldLeaveTheRange) {
  ExpectTexts({
      {"largest double", DBL_MAX, "1.79769313486231E+308"},
      {"negative largest double", -DBL_MAX, "-1.79769313486231E+308"},
      {"the double below the largest", std::nextafter(DBL_MAX, 0.0), "1.79769313486231E+308"},
      {"a large double that rounds down anyway", 1.7976931348623e308, "1.7976931348623E+308"},
      {"a large double that rounds up within range", 1.7976931348622999e308,
       "1.7976931348623E+308"},
  });
}

TEST(FormatGeneral, NamesValuesOutsideItsDomain) {
  ExpectTexts({
      {"infinity", std::numeric_limits<double>::infinity(), "inf"},
      {"negative infinity", -std::numeric_limits<double>::infinity(), "-inf"},
      {"not a number", std::numeric_limits<double>::quiet_NaN(), "nan"},
  });
}

TEST(FormatGeneral, WritesTextsThatReadBackToTheDigitsShown) {
  for (const double value : {DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0), DBL_MIN,
                             std::nextafter(0.0, 1.0), 1.0 / 3.0, 1e15, 1e-5, 0.1 + 0.2}) {
    const std::string text = FormatGeneral(value);
    SCOPED_TRACE(text);
    const NumberOrFault read = ReadLeadingNumber(text);
    ASSERT_TRUE(std::holds_alternative<double>(read));
    EXPECT_EQ(FormatGeneral(std::get<double>(read)), text);
  }
}

}  // namespace
}  // namespace runtime
