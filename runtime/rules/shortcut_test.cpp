// Menu shortcuts read from their portable text, and written back as a menu shows them.
#include "runtime/rules/shortcut.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace runtime {
namespace {

struct ShortcutRow {
  const char* name;
  std::string_view text;
  std::optional<Shortcut> shortcut;
};

void PrintTo(const ShortcutRow& row, std::ostream* out) {
  *out << row.name;
}

class ParseShortcutReads : public testing::TestWithParam<ShortcutRow> {};

TEST_P(ParseShortcutReads, TheKeyAndItsModifiers) {
  EXPECT_EQ(ParseShortcut(GetParam().text), GetParam().shortcut);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseShortcutReads,
    testing::Values(ShortcutRow{"CtrlLetter", "Ctrl+Q", Shortcut{.ctrl = true, .key = 'Q'}},
                    ShortcutRow{"LowerCaseAnywhere", "ctrl+c", Shortcut{.ctrl = true, .key = 'C'}},
                    ShortcutRow{"FunctionKeyAlone", "F1", Shortcut{.functionKey = 1}},
                    ShortcutRow{"LastFunctionKey", "F24", Shortcut{.functionKey = 24}},
                    ShortcutRow{"EveryModifier", "Ctrl+Shift+Alt+7",
                                Shortcut{.ctrl = true, .shift = true, .alt = true, .key = '7'}},
                    ShortcutRow{"ShiftFunctionKey", "Shift+F2",
                                Shortcut{.shift = true, .functionKey = 2}},
                    ShortcutRow{"LetterAloneIsTyping", "Q", std::nullopt},
                    ShortcutRow{"ShiftLetterIsTyping", "Shift+Q", std::nullopt},
                    ShortcutRow{"ModifierTwice", "Ctrl+Ctrl+Q", std::nullopt},
                    ShortcutRow{"UnknownModifier", "Meta+Q", std::nullopt},
                    ShortcutRow{"NoKey", "Ctrl+", std::nullopt},
                    ShortcutRow{"Empty", "", std::nullopt},
                    ShortcutRow{"FunctionKeyZero", "F0", std::nullopt},
                    ShortcutRow{"FunctionKeyPastTheLast", "F25", std::nullopt},
                    ShortcutRow{"FunctionKeyWithLeadingZero", "F01", std::nullopt},
                    ShortcutRow{"TwoKeys", "Ctrl+QW", std::nullopt},
                    ShortcutRow{"Punctuation", "Ctrl+%", std::nullopt}),
    [](const auto& each) { return std::string(each.param.name); });

TEST(ShortcutText, WritesWhatItReads) {
  for (const std::string_view text : {"Ctrl+Q", "F1", "Ctrl+Shift+Alt+F12", "Alt+0"}) {
    const std::optional<Shortcut> shortcut = ParseShortcut(text);
    ASSERT_TRUE(shortcut.has_value()) << text;
    EXPECT_EQ(ShortcutText(*shortcut), text);
  }
}

}  // namespace
}  // namespace runtime
