// Texts crossing the Win32 boundary: UTF-8 inside the program, UTF-16 for the system.
#include "runtime/win32/text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace runtime::win32 {
namespace {

struct TextRow {
  const char* name;
  std::string_view utf8;
  std::wstring_view wide;
};

void PrintTo(const TextRow& row, std::ostream* out) {
  *out << row.name;
}

using namespace std::string_view_literals;

// Texts that cross both ways unchanged.
constexpr TextRow kBothWays[] = {
    {"Empty", ""sv, L""sv},
    {"Ascii", "30 + 12"sv, L"30 + 12"sv},
    {"Latin1",
     "Gr\xC3\xB6\xC3\x9F"
     "e"sv,
     L"Gr\u00F6\u00DFe"sv},
    {"Cjk", "\xE8\xA8\x88\xE7\xAE\x97"sv, L"\u8A08\u7B97"sv},
    {"SurrogatePair", "x\xF0\x9F\x98\x80y"sv, L"x\xD83D\xDE00y"sv},
    {"EmbeddedNul", "a\0b"sv, L"a\0b"sv},
};

class TextCrossesBothWays : public testing::TestWithParam<TextRow> {};

TEST_P(TextCrossesBothWays, ToWide) {
  EXPECT_EQ(ToWide(GetParam().utf8), GetParam().wide);
}

TEST_P(TextCrossesBothWays, ToUtf8) {
  EXPECT_EQ(ToUtf8(GetParam().wide), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextCrossesBothWays, testing::ValuesIn(kBothWays));

// Bytes that are no UTF-8 each become one U+FFFD, and the text around them survives.
constexpr TextRow kInvalidUtf8[] = {
    {"StrayByte",
     "a\xFF"
     "b"sv,
     L"a\uFFFDb"sv},
    {"LoneContinuation",
     "a\x80"
     "b"sv,
     L"a\uFFFDb"sv},
    {"CutSequenceAtEnd", "a\xE2\x82"sv, L"a\uFFFD"sv},
};

class InvalidUtf8 : public testing::TestWithParam<TextRow> {};

TEST_P(InvalidUtf8, BecomesReplacementCharacters) {
  EXPECT_EQ(ToWide(GetParam().utf8), GetParam().wide);
}

INSTANTIATE_TEST_SUITE_P(Texts, InvalidUtf8, testing::ValuesIn(kInvalidUtf8));

TEST(InvalidUtf16, ALoneSurrogateBecomesTheReplacementCharacter) {
  EXPECT_EQ(ToUtf8(L"a\xD800z"sv), "a\xEF\xBF\xBDz"sv);
}

TEST(LongText, CrossesWhole) {
  const std::string utf8(100'000, '7');
  const std::wstring wide = ToWide(utf8);
  EXPECT_EQ(wide.size(), 100'000U);
  EXPECT_EQ(wide.find_first_not_of(L'7'), std::wstring::npos);
  EXPECT_EQ(ToUtf8(wide), utf8);
}

}  // namespace
}  // namespace runtime::win32
