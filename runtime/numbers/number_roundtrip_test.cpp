// Properties of reading and writing on many random numbers and texts, against the C library's
// correctly rounded printf and strtod as independent references.
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <regex>
#include <string>

#include "runtime/numbers/number_format.h"
#include "runtime/numbers/number_reading.h"

namespace runtime {
namespace {

constexpr int kSamples = 20000;

// A finite double of any magnitude and sign, denormals included, from random bits.
double RandomDouble(std::mt19937_64& random) {
  for (;;) {
    const std::uint64_t bits = random();
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    if (std::isfinite(value)) {
      return value;
    }
  }
}

// The text the format's rules give for `value`, built from printf's correctly rounded output.
std::string ExpectedText(double value) {
  if (value == 0.0) {
    return "0";
  }
  char scientific[64];
  std::snprintf(scientific, sizeof scientific, "%.14E", value);
  const int exponent = std::atoi(std::strchr(scientific, 'E') + 1);
  char text[512];
  if (exponent > -5 && exponent < 15) {
    std::snprintf(text, sizeof text, "%.*f", 14 - exponent, value);
  } else {
    std::snprintf(text, sizeof text, "%s", scientific);
  }
  std::string result = text;
  const auto mark = result.find('E');
  std::string mantissa = result.substr(0, mark);
  const std::string tail = mark == std::string::npos ? "" : result.substr(mark);
  if (mantissa.find('.') != std::string::npos) {
    mantissa.erase(mantissa.find_last_not_of('0') + 1);
    if (mantissa.back() == '.') {
      mantissa.pop_back();
    }
  }
  return mantissa + tail;
}

int SignificantDigits(const std::string& text) {
  const std::string mantissa = text.substr(0, text.find('E'));
  const auto first = mantissa.find_first_of("123456789");
  int digits = 0;
  for (auto i = first; i < mantissa.size(); ++i) {
    digits += mantissa[i] != '.' ? 1 : 0;
  }
  return digits;
}

TEST(NumberRoundTrip, WritesRandomDoublesAsTheirFifteenDigitRounding) {
  std::mt19937_64 random(20240601);
  for (int sample = 0; sample < kSamples; ++sample) {
    const double value = RandomDouble(random);
    const std::string text = FormatGeneral(value);
    ASSERT_EQ(text, ExpectedText(value)) << "writing " << value;
    ASSERT_LE(SignificantDigits(text), 15) << text;
  }
}

TEST(NumberRoundTrip, ReadsWrittenTextsBackAsTheDoubleNearestThem) {
  std::mt19937_64 random(7);
  for (int sample = 0; sample < kSamples; ++sample) {
    const std::string text = FormatGeneral(RandomDouble(random));
    const NumberOrFault read = ReadLeadingNumber(text);
    ASSERT_TRUE(std::holds_alternative<double>(read)) << text;
    ASSERT_EQ(std::get<double>(read), std::strtod(text.c_str(), nullptr)) << text;
    ASSERT_EQ(FormatGeneral(std::get<double>(read)), text);
  }
}

// What the reading rules give for `text`, from a regular expression of the grammar and strtod.
NumberOrFault ExpectedReading(const std::string& text) {
  static const std::regex kNumber(R"([ \t]*([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?))");
  std::smatch match;
  if (!std::regex_search(text, match, kNumber, std::regex_constants::match_continuous)) {
    return 0.0;
  }
  errno = 0;
  const double value = std::strtod(match[1].str().c_str(), nullptr);
  if (errno == ERANGE && std::isinf(value)) {
    return ArithmeticFault{FaultKind::Overflow};
  }
  return value;
}

TEST(NumberRoundTrip, ReadsRandomTextsByTheRules) {
  std::mt19937_64 random(11);
  // Mostly characters of numbers, so that most texts begin with one or nearly do.
  const std::string alphabet = " \t+-.eE0123456789012345678901234567890123456789x,\xff";
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 24);
  for (int sample = 0; sample < kSamples; ++sample) {
    std::string text;
    for (int i = length(random); i > 0; --i) {
      text += alphabet[pick(random)];
    }
    ASSERT_EQ(ReadLeadingNumber(text), ExpectedReading(text)) << '"' << text << '"';
  }
}

TEST(NumberRoundTrip, ReadsRandomBytesWithoutFailing) {
  std::mt19937_64 random(13);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 64);
  for (int sample = 0; sample < kSamples; ++sample) {
    std::string text;
    for (int i = length(random); i > 0; --i) {
      text += static_cast<char>(byte(random));
    }
    const NumberOrFault read = ReadLeadingNumber(text);
    if (const double* value = std::get_if<double>(&read)) {
      ASSERT_TRUE(std::isfinite(*value));
    }
    ASSERT_EQ(read, ExpectedReading(text));
  }
}

}  // namespace
}  // namespace runtime
