// The leading-number scanner and its conversion to the nearest double.
#include "runtime/numbers/number_reading.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

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

// The C library's strtod, whose conversion is exact: glibc's, mingw-w64's own (not the system's
// msvcrt, which is not) and the Universal CRT's since Visual Studio 2019.
double ExactStrtod(const char* text) {
#ifdef __MINGW32__
  return __mingw_strtod(text, nullptr);
#else
  return std::strtod(text, nullptr);
#endif
}

// Past these leading powers of ten a number is beyond the largest double (above 1E+309) or
// rounds to zero (below 1E-325, under half the smallest denormal).
constexpr std::int64_t kLargestLeadingPower = 308;
constexpr std::int64_t kSmallestLeadingPower = -325;
// Every double, and every point halfway between two, has at most 768 significant digits, so
// the first 800 digits and whether any digit after them is non-zero decide the rounding.
constexpr std::size_t kKeptDigits = 800;

// Any scanned number, however many digits, correctly rounded. strtod is given the significant
// digits as one whole number and its power of ten, "ddd...de-NNNN": no decimal point, which
// strtod would take from the user's locale. Digits past the kept ones stand as one '1' when any
// of them is non-zero, which rounds as they do.
NumberOrFault ConvertExactly(const Scan& scan) {
  const double zero = scan.negative ? -0.0 : 0.0;
  if (scan.significantDigits == 0 || scan.leadingPower < kSmallestLeadingPower) {
    return zero;
  }
  if (scan.leadingPower > kLargestLeadingPower) {
    return ArithmeticFault{FaultKind::Overflow};
  }
  // The kept digits, the stand-in for the rest, "e-1124" and the terminating zero.
  std::array<char, kKeptDigits + 8> text;
  std::size_t length = 0;
  bool droppedNonZero = false;
  for (const char c : scan.number) {
    if (IsExponentMark(c)) {
      break;
    }
    if (!IsDigit(c) || (length == 0 && c == '0')) {
      continue;  // the sign, the point and leading zeros
    }
    if (length < kKeptDigits) {
      text[length++] = c;
    } else if (c != '0') {
      droppedNonZero = true;
    }
  }
  if (droppedNonZero) {
    text[length++] = '1';
  }
  // The last digit's power of ten, between -1125 and 308.
  std::int64_t power = scan.leadingPower - static_cast<std::int64_t>(length) + 1;
  text[length++] = 'e';
  if (power < 0) {
    text[length++] = '-';
    power = -power;
  }
  std::array<char, 4> powerDigits;
  std::size_t powerLength = 0;
  do {
    powerDigits[powerLength++] = static_cast<char>('0' + power % 10);
    power /= 10;
  } while (power > 0);
  while (powerLength > 0) {
    text[length++] = powerDigits[--powerLength];
  }
  text[length] = '\0';
  const double value = ExactStrtod(text.data());
  if (std::isinf(value)) {
    return ArithmeticFault{FaultKind::Overflow};
  }
  return scan.negative ? -value : value;
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
