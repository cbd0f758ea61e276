// Numbers are read and written with '.' as the decimal point whatever the user's locale: a
// user in Germany or France types and sees "1.5", as everywhere else.
#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <ostream>
#include <string>
#include <variant>

#include "runtime/numbers/number_format.h"
#include "runtime/numbers/number_reading.h"

namespace runtime {
namespace {

struct Locale {
  const char* what;
  // The locale's names on Linux and on Windows; the first the C library knows is taken.
  std::array<const char*, 3> names;
};

void PrintTo(const Locale& locale, std::ostream* out) {
  *out << locale.what;
}

class UnderTheUsersLocale : public testing::TestWithParam<Locale> {
 protected:
  void SetUp() override {
    before_ = std::setlocale(LC_ALL, nullptr);
    for (const char* name : GetParam().names) {
      if (std::setlocale(LC_ALL, name) != nullptr) {
        break;
      }
    }
    // The locale must really be in force, or the test would prove nothing.
    ASSERT_STREQ(std::localeconv()->decimal_point, ",") << GetParam().what << " is not installed";
  }
  void TearDown() override { std::setlocale(LC_ALL, before_.c_str()); }

 private:
  std::string before_;
};

TEST_P(UnderTheUsersLocale, NumbersAreReadWithAPoint) {
  EXPECT_EQ(ReadLeadingNumber("1.5"), NumberOrFault{1.5});
  EXPECT_EQ(ReadLeadingNumber("-0.25e2"), NumberOrFault{-25.0});
  // A comma is not a decimal point: the number ends before it.
  EXPECT_EQ(ReadLeadingNumber("1,5"), NumberOrFault{1.0});
}

TEST_P(UnderTheUsersLocale, NumbersAreWrittenWithAPoint) {
  EXPECT_EQ(FormatGeneral(1234.5), "1234.5");
  EXPECT_EQ(FormatGeneral(-0.0001), "-0.0001");
  EXPECT_EQ(FormatGeneral(1.5e-7), "1.5E-07");
  EXPECT_EQ(FormatGeneral(2.5e20), "2.5E+20");
}

INSTANTIATE_TEST_SUITE_P(
    Locales, UnderTheUsersLocale,
    testing::Values(Locale{"German", {{"de_DE.UTF-8", "German_Germany.1252", "de-DE"}}},
                    Locale{"French", {{"fr_FR.UTF-8", "French_France.1252", "fr-FR"}}}),
    [](const auto& each) { return std::string(each.param.what); });

}  // namespace
}  // namespace runtime
