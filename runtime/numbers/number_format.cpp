// The general number format: 15 significant digits in plain or exponent notation.
#include "runtime/numbers/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace runtime {
namespace {

constexpr int kSignificantDigits = 15;
// Plain notation for decimal exponents in this open interval, exponent notation outside it.
constexpr int kPlainAbove = -5;
constexpr int kPlainBelow = 15;
// The decimal exponent of the largest doubles, in to_chars' notation and as a number.
constexpr std::string_view kLargestExponentMark = "e+308";
constexpr int kLargestExponent = 308;

// A finite non-zero number: its significant digits, the point after the first, times
// 10^exponent. Trailing zeros are dropped; at least one digit remains.
struct Decimal {
  bool negative = false;
  std::string_view digits;
  int exponent = 0;
};

// Splits to_chars' scientific text "-d.ddddde+XX" of `fractionDigits` digits after the point,
// keeping the first `kSignificantDigits` digits: the rest are cut, not rounded. The first digit
// is moved onto the point so that the digits lie side by side in `text`.
Decimal SplitScientific(char* text, const char* end, int fractionDigits) {
  Decimal decimal;
  decimal.negative = *text == '-';
  char* mantissa = decimal.negative ? text + 1 : text;
  mantissa[1] = mantissa[0];
  int count = kSignificantDigits;
  while (count > 1 && mantissa[count] == '0') {
    --count;
  }
  decimal.digits = std::string_view(mantissa + 1, static_cast<std::size_t>(count));
  const char* mark = mantissa + 2 + fractionDigits;  // the 'e'
  for (const char* digit = mark + 2; digit != end; ++digit) {
    decimal.exponent = decimal.exponent * 10 + (*digit - '0');
  }
  if (mark[1] == '-') {
    decimal.exponent = -decimal.exponent;
  }
  return decimal;
}

// Whether to_chars' rounded scientific text would read back beyond the double range. Only
// doubles just below the largest can round that far.
bool ReadsBeyondRange(std::string_view text) {
  if (!text.ends_with(kLargestExponentMark)) {
    return false;
  }
  double ignored = 0.0;
  return std::from_chars(text.data(), text.data() + text.size(), ignored).ec ==
         std::errc::result_out_of_range;
}

// Writes `decimal` by the format's rules.
std::string Write(const Decimal& decimal) {
  // The longest texts: "-0.0000" and 15 digits, or "-d." and 14 digits and "E-308".
  std::array<char, 32> text;
  char* out = text.data();
  const auto put = [&out](std::string_view part) {
    for (const char c : part) {
      *out++ = c;
    }
  };
  const auto putZeros = [&out](int count) {
    for (; count > 0; --count) {
      *out++ = '0';
    }
  };
  const std::string_view digits = decimal.digits;
  const int count = static_cast<int>(digits.size());
  const int exponent = decimal.exponent;
  if (decimal.negative) {
    *out++ = '-';
  }
  if (exponent > kPlainAbove && exponent < kPlainBelow) {
    if (exponent < 0) {
      put("0.");
      putZeros(-exponent - 1);
      put(digits);
    } else if (count <= exponent + 1) {
      put(digits);
      putZeros(exponent + 1 - count);
    } else {
      const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
      put(digits.substr(0, integerDigits));
      *out++ = '.';
      put(digits.substr(integerDigits));
    }
  } else {
    put(digits.substr(0, 1));
    if (count > 1) {
      *out++ = '.';
      put(digits.substr(1));
    }
    put(exponent < 0 ? "E-" : "E+");
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) {
      *out++ = '0';
    }
    out = std::to_chars(out, text.data() + text.size(), magnitude).ptr;
  }
  return {text.data(), out};
}

}  // namespace

std::string FormatGeneral(double value) {
  if (value == 0.0) {
    return "0";
  }
  if (!std::isfinite(value)) {
    return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
  }
  // Correctly rounded to 15 significant digits.
  std::array<char, 32> rounded;
  char* roundedEnd = std::to_chars(rounded.data(), rounded.data() + rounded.size(), value,
                                   std::chars_format::scientific, kSignificantDigits - 1)
                         .ptr;
  if (!ReadsBeyondRange(std::string_view(rounded.data(),
                                         static_cast<std::size_t>(roundedEnd - rounded.data())))) {
    return Write(SplitScientific(rounded.data(), roundedEnd, kSignificantDigits - 1));
  }
  // Only just below the largest double: cut at the 15th digit instead, so the text reads back.
  // Doubles this large are integers of 309 digits, which this precision writes exactly.
  std::array<char, 330> exact;
  char* exactEnd = std::to_chars(exact.data(), exact.data() + exact.size(), value,
                                 std::chars_format::scientific, kLargestExponent)
                       .ptr;
  return Write(SplitScientific(exact.data(), exactEnd, kLargestExponent));
}

}  // namespace runtime
