// The general number format: 15 significant digits in plain or exponent notation.
#include "runtime/numbers/number_format.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace runtime {
namespace {

constexpr int kSignificantDigits = 15;
// Plain notation for decimal exponents in this open interval, exponent notation outside it.
constexpr int kPlainAbove = -5;
constexpr int kPlainBelow = 15;
// The one 15-digit rounding of a double that lies beyond the double range, and what the doubles
// that round to it are cut to instead: they all lie between 1.797693134862315E+308 and the
// largest double, 1.7976931348623157E+308, so their first 15 digits are these.
constexpr std::string_view kBeyondRangeDigits = "179769313486232";
constexpr std::string_view kCutLargestDigits = "179769313486231";
constexpr int kLargestExponent = 308;

// A finite non-zero number: its significant digits, the point after the first, times
// 10^exponent. Trailing zeros are dropped; at least one digit remains.
struct Decimal {
  bool negative = false;
  std::array<char, kSignificantDigits> digitStore{};
  int count = 0;
  int exponent = 0;

  [[nodiscard]] std::string_view Digits() const {
    return {digitStore.data(), static_cast<std::size_t>(count)};
  }
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// `value` correctly rounded to 15 significant digits by the C library's printf, whose
// conversions are exact: glibc's, mingw-w64's own (not the system's msvcrt, which is not) and
// the Universal CRT's since Visual Studio 2019.
int PrintScientific(double value, char* text, std::size_t size) {
#ifdef __MINGW32__
  return __mingw_snprintf(text, size, "%.*e", kSignificantDigits - 1, value);
#else
  return std::snprintf(text, size, "%.*e", kSignificantDigits - 1, value);
#endif
}

// Reads printf's "-d.dddddddddddddde+XX". The decimal point is the locale's, of any length, so
// it is skipped rather than matched: only the digits, the 'e' and the exponent's sign are read.
Decimal ReadScientific(std::string_view text) {
  Decimal decimal;
  std::size_t at = 0;
  decimal.negative = text[at] == '-';
  int digits = 0;
  for (; at < text.size() && text[at] != 'e'; ++at) {
    if (IsDigit(text[at]) && digits < kSignificantDigits) {
      decimal.digitStore[static_cast<std::size_t>(digits++)] = text[at];
    }
  }
  const bool negativeExponent = at + 1 < text.size() && text[at + 1] == '-';
  for (at += 2; at < text.size(); ++at) {
    decimal.exponent = decimal.exponent * 10 + (text[at] - '0');
  }
  if (negativeExponent) {
    decimal.exponent = -decimal.exponent;
  }
  decimal.count = digits;
  while (decimal.count > 1 &&
         decimal.digitStore[static_cast<std::size_t>(decimal.count - 1)] == '0') {
    --decimal.count;
  }
  return decimal;
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
  const std::string_view digits = decimal.Digits();
  const int count = decimal.count;
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
    if (magnitude >= 100) {
      *out++ = static_cast<char>('0' + magnitude / 100);
    }
    *out++ = static_cast<char>('0' + magnitude / 10 % 10);
    *out++ = static_cast<char>('0' + magnitude % 10);
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
  // A sign, 15 digits, the locale's decimal point (at most a few bytes), "e-308".
  std::array<char, 64> printed;
  const int length = PrintScientific(value, printed.data(), printed.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= printed.size()) {
    return "nan";  // printf failed; no finite double gets here
  }
  Decimal decimal =
      ReadScientific(std::string_view(printed.data(), static_cast<std::size_t>(length)));
  // Just below the largest double the rounded text would read back beyond the range: cut at the
  // 15th digit instead, so the text reads back.
  if (decimal.exponent == kLargestExponent && decimal.Digits() == kBeyondRangeDigits) {
    kCutLargestDigits.copy(decimal.digitStore.data(), kCutLargestDigits.size());
  }
  return Write(decimal);
}

}  // namespace runtime
