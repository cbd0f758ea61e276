// The leading-number scanner and its conversion to the nearest double.
#include "runtime/numbers/number_reading.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <system_error>

namespace runtime {
namespace {

using Size = std::string_view::size_type;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsSign(char c) {
  return c == '+' || c == '-';
}
bool IsExponentMark(char c) {
  return c == 'e' || c == 'E';
}

// The number found at the start of a text, with what its conversion needs to know.
struct Scan {
  std::string_view number;  // sign included; empty when the text does not begin with a number
  bool negative = false;
  // The significant digits as an integer while there are at most 19 of them, and the power of
  // ten of the last one: the number is significand x 10^scale.
  std::uint64_t significand = 0;
  int significantDigits = 0;  // counted up to 20
  std::int64_t scale = 0;
  // The power of ten of the first significant digit: 2 for "123.4", -2 for "0.05".
  std::int64_t leadingPower = 0;
};

// The value of an exponent's digits, saturating far beyond any double's exponent so that a
// long run of digits cannot overflow.
std::int64_t ExponentValue(std::string_view digits) {
  constexpr std::int64_t kLimit = std::int64_t{1} << 50;
  std::int64_t value = 0;
  for (const char c : digits) {
    if (value < kLimit) {
      value = value * 10 + (c - '0');
    }
  }
  return value;
}

Scan ScanNumber(std::string_view text) {
  Scan scan;
  Size start = 0;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) {
    ++start;
  }
  Size pos = start;
  if (pos < text.size() && IsSign(text[pos])) {
    scan.negative = text[pos] == '-';
    ++pos;
  }
  Size firstSignificant = std::string_view::npos;
  const auto takeDigit = [&](Size at) {
    if (scan.significantDigits == 0) {
      if (text[at] == '0') {
        return;  // a leading zero
      }
      firstSignificant = at;
    }
    if (scan.significantDigits < 19) {
      scan.significand = scan.significand * 10 + static_cast<std::uint64_t>(text[at] - '0');
    }
    if (scan.significantDigits < 20) {
      ++scan.significantDigits;
    }
  };
  const Size integerStart = pos;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    takeDigit(pos);
  }
  const Size integerEnd = pos;
  bool hasDigits = integerEnd > integerStart;
  std::int64_t fractionDigits = 0;
  if (pos < text.size() && text[pos] == '.') {
    for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos) {
      takeDigit(pos);
      ++fractionDigits;
      hasDigits = true;
    }
  }
  if (!hasDigits) {
    return scan;
  }
  std::int64_t exponent = 0;
  // An exponent belongs to the number only when it has digits.
  if (pos < text.size() && IsExponentMark(text[pos])) {
    Size digits = pos + 1;
    const bool negativeExponent = digits < text.size() && text[digits] == '-';
    if (digits < text.size() && IsSign(text[digits])) {
      ++digits;
    }
    Size end = digits;
    while (end < text.size() && IsDigit(text[end])) {
      ++end;
    }
    if (end > digits) {
      exponent = ExponentValue(text.substr(digits, end - digits));
      exponent = negativeExponent ? -exponent : exponent;
      pos = end;
    }
  }
  scan.number = text.substr(start, pos - start);
  scan.scale = exponent - fractionDigits;
  if (firstSignificant != std::string_view::npos) {
    // Counted from the point: the digits before it, or the zeros after it.
    const auto point = static_cast<std::int64_t>(integerEnd);
    const auto first = static_cast<std::int64_t>(firstSignificant);
    scan.leadingPower = (first < point ? point - first - 1 : point - first) + exponent;
  }
  return scan;
}

// significand x 10^scale when both factors are exact doubles: one correctly rounded
// multiplication or division then gives the nearest double. False otherwise.
bool ConvertDirectly(const Scan& scan, double& value) {
  constexpr std::uint64_t kLargestExactWhole = std::uint64_t{1} << 53;
  constexpr std::array<double, 23> kExactPowersOfTen = {
      1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
      1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  constexpr auto kLargestExactPower = static_cast<std::int64_t>(kExactPowersOfTen.size() - 1);
  if (scan.significantDigits > 19 || scan.significand > kLargestExactWhole ||
      scan.scale < -kLargestExactPower || scan.scale > kLargestExactPower) {
    return false;
  }
  const auto significand = static_cast<double>(scan.significand);
  const double power =
      kExactPowersOfTen[static_cast<std::size_t>(scan.scale < 0 ? -scan.scale : scan.scale)];
  value = scan.scale < 0 ? significand / power : significand * power;
  value = scan.negative ? -value : value;
  return true;
}

// Any scanned number, however many digits, correctly rounded by from_chars. from_chars tells
// only that a number is out of range; its leading power tells too large from too small.
NumberOrFault ConvertExactly(const Scan& scan) {
  // The scanned span is always a complete pattern of from_chars, which reads no '+'.
  std::string_view number = scan.number;
  if (number.front() == '+') {
    number.remove_prefix(1);
  }
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (scan.leadingPower >= 0) {
      return ArithmeticFault{FaultKind::Overflow};
    }
    return scan.negative ? -0.0 : 0.0;
  }
  return value;
}

}  // namespace

NumberOrFault ReadLeadingNumber(std::string_view text) {
  const Scan scan = ScanNumber(text);
  if (scan.number.empty()) {
    return 0.0;
  }
  if (double value = 0.0; ConvertDirectly(scan, value)) {
    return value;
  }
  return ConvertExactly(scan);
}

}  // namespace runtime
