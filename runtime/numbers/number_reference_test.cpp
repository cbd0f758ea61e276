// The number services against the standard library's exact conversions, std::to_chars and
// std::from_chars, which they were first built on and no longer link: over random doubles of
// every exponent, 15-digit halfway cases, denormals and the largest doubles, every text must be
// the one the to_chars-based format wrote, and every reading the one from_chars made.
//
// PELLOMAR_REFERENCE_SCALE=N in the environment runs N times as many doubles (default 1).
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#include "runtime/numbers/number_format.h"
#include "runtime/numbers/number_reading.h"

namespace runtime {
namespace {

// The general format as it was written with to_chars: kept here as the reference only.

std::string ReferenceFormat(double value) {
  if (value == 0.0) {
    return "0";
  }
  std::array<char, 340> text{};  // zeros after the text end the exponent for atoi
  char* end = std::to_chars(text.data(), text.data() + text.size(), value,
                            std::chars_format::scientific, 14)
                  .ptr;
  std::string_view rounded(text.data(), static_cast<std::size_t>(end - text.data()));
  double ignored = 0.0;
  if (rounded.ends_with("e+308") &&
      std::from_chars(rounded.data(), end, ignored).ec == std::errc::result_out_of_range) {
    // Beyond the range once rounded: the 15 digits of the exact value, cut.
    end = std::to_chars(text.data(), text.data() + text.size(), value,
                        std::chars_format::scientific, 308)
              .ptr;
  }
  const std::string_view whole(text.data(), static_cast<std::size_t>(end - text.data()));
  const bool negative = whole.front() == '-';
  const std::string_view body = whole.substr(negative ? 1 : 0);
  std::string digits(1, body[0]);
  digits.append(body.substr(2, 14));
  digits.erase(digits.find_last_not_of('0') + 1);
  const std::string_view kept = digits;
  const int exponent = std::atoi(whole.data() + whole.find('e') + 1);
  std::string out = negative ? "-" : "";
  const int count = static_cast<int>(kept.size());
  if (exponent > -5 && exponent < 15) {
    if (exponent < 0) {
      out.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(kept);
    } else if (count <= exponent + 1) {
      out.append(kept).append(static_cast<std::size_t>(exponent + 1 - count), '0');
    } else {
      const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
      out.append(kept.substr(0, integerDigits)).append(".").append(kept.substr(integerDigits));
    }
  } else {
    out.append(kept.substr(0, 1));
    if (count > 1) {
      out.append(".").append(kept.substr(1));
    }
    const int magnitude = std::abs(exponent);
    out.append(exponent < 0 ? "E-" : "E+").append(magnitude < 10 ? "0" : "");
    out.append(std::to_string(magnitude));
  }
  return out;
}

// A complete number text, "-d.ddde-X" or plain, as from_chars read it: out of its range, too
// large for a non-negative power of ten, else zero.
NumberOrFault ReferenceRead(std::string_view text) {
  double value = 0.0;
  if (std::from_chars(text.data(), text.data() + text.size(), value).ec ==
      std::errc::result_out_of_range) {
    const std::size_t mark = text.find_first_of("eE");
    if (mark == std::string_view::npos || text[mark + 1] != '-') {
      return ArithmeticFault{FaultKind::Overflow};
    }
    return text.front() == '-' ? -0.0 : 0.0;
  }
  return value;
}

int Scale() {
  const char* scale = std::getenv("PELLOMAR_REFERENCE_SCALE");
  return scale != nullptr && std::atoi(scale) > 0 ? std::atoi(scale) : 1;
}

double FromBits(std::uint64_t bits) {
  return std::bit_cast<double>(bits);
}

class AgainstTheReference : public testing::Test {
 protected:
  void ExpectSameText(double value) {
    ++compared_;
    const std::string text = FormatGeneral(value);
    if (text != ReferenceFormat(value) && ++mismatches_ <= 10) {
      ADD_FAILURE() << "writing " << std::bit_cast<std::uint64_t>(value) << ": " << text
                    << " instead of " << ReferenceFormat(value);
    }
  }
  void ExpectSameReading(const std::string& text) {
    ++compared_;
    const NumberOrFault expected = ReferenceRead(text);
    if (ReadLeadingNumber(text) != expected && ++mismatches_ <= 10) {
      ADD_FAILURE() << "reading " << text;
    }
  }
  void TearDown() override { EXPECT_EQ(mismatches_, 0) << "of " << compared_; }

  std::mt19937_64 random_{20261209};
  long compared_ = 0;
  long mismatches_ = 0;
};

TEST_F(AgainstTheReference, WritesRandomDoublesAsBefore) {
  const long count = 1'000'000L * Scale();
  for (long i = 0; i < count; ++i) {
    const double value = FromBits(random_());
    if (std::isfinite(value)) {
      ExpectSameText(value);
    }
  }
}

TEST_F(AgainstTheReference, WritesEveryBinaryExponentAsBefore) {
  const int perExponent = 100 * Scale();
  for (std::uint64_t exponent = 0; exponent < 2047; ++exponent) {
    for (int i = 0; i < perExponent; ++i) {
      ExpectSameText(FromBits(exponent << 52 | (random_() >> 12)));
    }
    ExpectSameText(FromBits(exponent << 52));                       // the power of two
    ExpectSameText(FromBits(exponent << 52 | ((1ULL << 52) - 1)));  // the double below the next
  }
}

TEST_F(AgainstTheReference, WritesDecimalHalfwayCasesAndTheirNeighboursAsBefore) {
  // 16-digit numbers ending in 5, exact doubles: the 15th digit is a tie, away or to even.
  std::uniform_int_distribution<std::int64_t> fifteen(100'000'000'000'000, 899'999'999'999'999);
  const long count = 50'000L * Scale();
  for (long i = 0; i < count; ++i) {
    const auto digits = static_cast<double>(fifteen(random_));
    for (const double tie : {digits + 0.5, digits * 10 + 5, (digits * 10 + 5) * 0x1p-60}) {
      ExpectSameText(tie);
      ExpectSameText(std::nextafter(tie, 0.0));
      ExpectSameText(std::nextafter(tie, DBL_MAX));
      ExpectSameText(-tie);
    }
  }
  // Powers of ten and the doubles beside them: the carries into a new digit.
  for (int exponent = -323; exponent <= 308; ++exponent) {
    const double power = std::pow(10.0, exponent);
    for (const double value : {power, std::nextafter(power, 0.0), std::nextafter(power, DBL_MAX),
                               power * 0.9999999999999995, power * 0.99999999999999949}) {
      ExpectSameText(value);
    }
  }
}

TEST_F(AgainstTheReference, WritesDenormalsAndTheLargestDoublesAsBefore) {
  const auto steps = static_cast<std::uint64_t>(100'000L * Scale());
  const auto largest = std::bit_cast<std::uint64_t>(DBL_MAX);
  for (std::uint64_t step = 1; step <= steps; ++step) {
    // The smallest and the largest denormals, any denormal, and down from the largest double.
    for (const std::uint64_t bits :
         {step, (std::uint64_t{1} << 52) - step, random_() >> 12, largest + 1 - step}) {
      ExpectSameText(FromBits(bits));
    }
  }
}

TEST_F(AgainstTheReference, ReadsLongDigitStringsAsBefore) {
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> length(16, 60);
  std::uniform_int_distribution<int> exponent(-400, 340);
  const long count = 200'000L * Scale();
  for (long i = 0; i < count; ++i) {
    std::string text = (i % 2 == 0) ? "" : "-";
    text += static_cast<char>('1' + digit(random_) % 9);
    text += '.';
    for (int d = length(random_); d > 0; --d) {
      text += static_cast<char>('0' + digit(random_));
    }
    text += 'e' + std::to_string(exponent(random_));
    ExpectSameReading(text);
  }
}

TEST_F(AgainstTheReference, ReadsTheExactPointsHalfwayBetweenDoublesAsBefore) {
  // The exact decimal value of the point halfway between a double and the next, hundreds of
  // digits long; a tie, then just above it by a digit past the 800th.
  const long count = 4'000L * Scale();
  for (long i = 0; i < count; ++i) {
    const double low = std::abs(FromBits(random_()));
    const double high = std::nextafter(low, DBL_MAX);
    if (!std::isfinite(high)) {
      continue;
    }
    const long double middle = (static_cast<long double>(low) + high) / 2;
    std::array<char, 1200> text;
    const char* end = std::to_chars(text.data(), text.data() + text.size(), middle,
                                    std::chars_format::scientific, 1000)
                          .ptr;
    const std::string tie(text.data(), static_cast<std::size_t>(end - text.data()));
    ExpectSameReading(tie);
    const std::size_t mark = tie.find('e');
    ExpectSameReading(tie.substr(0, mark - 1) + "1" + tie.substr(mark));
  }
}

}  // namespace
}  // namespace runtime
