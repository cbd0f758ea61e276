// The reading rules of the leading-number conversion, one test per rule.
#include "runtime/numbers/number_reading.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace runtime {

namespace {

constexpr ArithmeticFault kOverflow{FaultKind::Overflow};

struct Row {
  std::string name;
  std::string text;
  NumberOrFault expected;
};

void ExpectReadings(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ReadLeadingNumber(row.text), row.expected);
  }
}

// The exact midpoint between the largest double and 2^1024, as an integer of 309 digits.
const std::string kHalfwayAboveLargest =
    "17976931348623158079372897140530341507993413271003782693617377898044496829276475094664901"
    "79775872070963302864166928879109465555478519404026306574886715058206819089020007083836762"
    "73854845817711531764475730270069855571366959622842914819860834936475292719074168444365510"
    "704342711559699508093042880177904174497792";

TEST(ReadLeadingNumber, SkipsLeadingSpacesAndTabsOnly) {
  ExpectReadings({
      {"space before", "  5", 5.0},
      {"tab before", "\t5", 5.0},
      {"spaces and tabs before a negative", " \t -3", -3.0},
      {"only blanks", " \t ", 0.0},
      {"newline before", "\n5", 0.0},
      {"no-break space before", "\u00a05", 0.0},
      {"blank between sign and digits", "- 5", 0.0},
  });
}

TEST(ReadLeadingNumber, ReadsSignDigitsAndOnePoint) {
  ExpectReadings({
      {"whole number", "5", 5.0},
      {"trailing point", "5.", 5.0},
      {"leading point", ".5", 0.5},
      {"negative with fraction", "-3.25", -3.25},
      {"plus sign", "+7", 7.0},
      {"plus sign and leading point", "+.5", 0.5},
      {"minus sign and leading point", "-.5", -0.5},
      {"leading zeros", "007", 7.0},
      {"second point ends the number", "1.2.3", 1.2},
      {"two signs", "--5", 0.0},
      {"plus then minus", "+-5", 0.0},
      {"sign alone", "-", 0.0},
      {"point alone", ".", 0.0},
      {"sign and point", "-.", 0.0},
  });
}

TEST(ReadLeadingNumber, NegativeZeroKeepsItsSign) {
  const NumberOrFault value = ReadLeadingNumber("-0");
  ASSERT_TRUE(std::holds_alternative<double>(value));
  EXPECT_TRUE(std::signbit(std::get<double>(value)));
}

TEST(ReadLeadingNumber, TakesACompleteExponentOnly) {
  ExpectReadings({
      {"exponent", "1e3", 1000.0},
      {"capital exponent", "1E3", 1000.0},
      {"exponent with plus", "1e+3", 1000.0},
      {"negative exponent", "1e-3", 0.001},
      {"exponent with leading zeros", "1e03", 1000.0},
      {"fraction and exponent", "2.5e2", 250.0},
      {"leading point and exponent", ".5e1", 5.0},
      {"trailing point and exponent", "5.e1", 50.0},
      {"mark without digits", "1e", 1.0},
      {"mark and plus without digits", "1e+", 1.0},
      {"mark and minus without digits", "1e-", 1.0},
      {"mark then letter", "1ex", 1.0},
      {"mark then two signs", "1e+-3", 1.0},
      {"mark then blank", "1e 3", 1.0},
      {"second mark ends the number", "1e2e3", 100.0},
  });
}

TEST(ReadLeadingNumber, IgnoresWhatFollowsTheNumber) {
  ExpectReadings({
      {"letters after", "12abc", 12.0},
      {"comma as decimal point", "1,5", 1.0},
      {"thousands separator", "1,000.5", 1.0},
      {"hexadecimal", "0x10", 0.0},
      {"two numbers", "3 4", 3.0},
      {"percent sign", "5%", 5.0},
      {"an expression", "5-3", 5.0},
      {"an infinity after digits", "1inf", 1.0},
  });
}

TEST(ReadLeadingNumber, ReadsZeroWithoutALeadingNumber) {
  ExpectReadings({
      {"empty", "", 0.0},
      {"letters", "abc", 0.0},
      {"exponent without mantissa", "e5", 0.0},
      {"infinity", "inf", 0.0},
      {"negative infinity", "-inf", 0.0},
      {"spelled infinity", "Infinity", 0.0},
      {"not a number", "nan", 0.0},
      {"full-width digits", "\uff11\uff12", 0.0},
      {"arabic-indic digits", "\u0661\u0662", 0.0},
      {"nul byte before digits",
       std::string("\0"
                   "5",
                   2),
       0.0},
  });
}

TEST(ReadLeadingNumber, RoundsCorrectlyToTheNearestDouble) {
  const std::string thousandZeros(1000, '0');
  ExpectReadings({
      {"one tenth", "0.1", 0.1},
      {"many digits of a third", "0.333333333333333333333333333333", 1.0 / 3.0},
      {"tie between doubles goes to even", "9007199254740993", 9007199254740992.0},
      {"just above the tie", "9007199254740993." + thousandZeros + "1", 9007199254740994.0},
      {"just below the tie", "9007199254740992." + std::string(1000, '9'), 9007199254740992.0},
      {"smallest normal", "2.2250738585072014e-308", DBL_MIN},
      {"smallest denormal", "4.9e-324", std::nextafter(0.0, 1.0)},
      {"a denormal", "1e-310", 1e-310},
      {"just above half the smallest denormal", "2.4703282292062328e-324",
       std::nextafter(0.0, 1.0)},
      {"just below half the smallest denormal", "2.4703282292062327e-324", 0.0},
      {"largest double", "1.7976931348623157e308", DBL_MAX},
      {"just below the midpoint above the largest", kHalfwayAboveLargest.substr(0, 308) + "1",
       DBL_MAX},
  });
}

TEST(ReadLeadingNumber, ReadsAMegabyteOfDigitsExactly) {
  const std::string megabyteOfZeros(1 << 20, '0');
  ExpectReadings({
      {"a megabyte of ones after the point", "0." + std::string(1 << 20, '1'), 1.0 / 9.0},
      {"zeros after the point cancelled by the exponent",
       "0." + megabyteOfZeros + "1e" + std::to_string((1 << 20) + 1), 1.0},
      {"zeros before the point cancelled by the exponent",
       "1" + megabyteOfZeros + "e-" + std::to_string(1 << 20), 1.0},
      {"leading zeros", megabyteOfZeros + "42", 42.0},
      {"a tie decided by the last of a megabyte of digits",
       "9007199254740993." + megabyteOfZeros + "1", 9007199254740994.0},
      {"a megabyte of integer digits", std::string(1 << 20, '9'), kOverflow},
      {"a megabyte of zeros before a digit after the point", "0." + megabyteOfZeros + "7", 0.0},
  });
}

TEST(ReadLeadingNumber, FaultsBeyondTheDoubleRangeAndUnderflowsQuietly) {
  ExpectReadings({
      {"just beyond the largest", "1e309", kOverflow},
      {"negative beyond the largest", "-2e400", kOverflow},
      {"the midpoint above the largest rounds away", kHalfwayAboveLargest, kOverflow},
      {"a huge exponent", "1e99999999999999999999", kOverflow},
      {"many integer digits", "1" + std::string(400, '0'), kOverflow},
      {"too small", "1e-400", 0.0},
      {"negative and too small", "-1e-400", 0.0},
      {"a huge negative exponent", "1e-99999999999999999999", 0.0},
      {"many zeros after the point", "0." + std::string(400, '0') + "1", 0.0},
      {"zero with a huge exponent", "0e99999999999999999999", 0.0},
      {"in range after shifting the point", "0." + std::string(99, '0') + "1e408", 1e308},
  });
}

}  // namespace
}  // namespace runtime
