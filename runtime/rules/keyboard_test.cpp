// What Enter, Esc and the arrows do, by the focused control and the window's buttons.
#include "runtime/rules/keyboard.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <string_view>

namespace runtime {
namespace {

using enum ControlKind;
using Action = KeyDecision::Action;

Control Row(ControlKind kind, std::string_view name, ButtonRole role = ButtonRole::None) {
  Control control{kind, name, name, Box{0, 0, 10, 10}, kNoTabIndex, kWindowFont};
  control.role = role;
  return control;
}

// A window with a default and a cancel button, and the same rows without either.
// A label marked as default is no button and presses nothing.
const std::array kDialog{Row(Label, "Note", ButtonRole::Default), Row(TextBox, "Entry"),
                         Row(PushButton, "Ok", ButtonRole::Default),
                         Row(PushButton, "Back", ButtonRole::Cancel), Row(PushButton, "Other")};
const std::array kPlain{Row(TextBox, "Entry"), Row(PushButton, "Ok"), Row(PushButton, "Back"),
                        Row(PushButton, "Other"), Row(Label, "Note")};

struct KeyRow {
  const char* what;
  bool dialog;  // kDialog, else kPlain
  DialogKey key;
  std::string_view focused;  // empty: the window itself
  Action action;
  std::string_view pressed;  // for Press
};

void PrintTo(const KeyRow& row, std::ostream* out) {
  *out << row.what;
}

const Control* Named(std::span<const Control> controls, std::string_view name) {
  for (const Control& control : controls) {
    if (control.name == name) {
      return &control;
    }
  }
  return nullptr;
}

class DecideKeyFor : public testing::TestWithParam<KeyRow> {};

TEST_P(DecideKeyFor, TheFocusedControlAndTheWindowsButtons) {
  const KeyRow& row = GetParam();
  const std::span<const Control> controls =
      row.dialog ? std::span<const Control>(kDialog) : std::span<const Control>(kPlain);
  const KeyDecision decision = DecideKey(row.key, Named(controls, row.focused), controls);
  EXPECT_EQ(decision.action, row.action);
  EXPECT_EQ(decision.button != nullptr ? decision.button->name : "", row.pressed);
}

using enum DialogKey;

INSTANTIATE_TEST_SUITE_P(
    Keys, DecideKeyFor,
    testing::Values(
        KeyRow{"EnterInTheEntryPressesTheDefault", true, Enter, "Entry", Action::Press, "Ok"},
        KeyRow{"EnterOnTheWindowPressesTheDefault", true, Enter, "", Action::Press, "Ok"},
        KeyRow{"EnterOnAButtonPressesThatButton", true, Enter, "Other", Action::Press, "Other"},
        KeyRow{"EnterOnTheCancelButtonPressesIt", true, Enter, "Back", Action::Press, "Back"},
        KeyRow{"EnterWithoutADefaultPasses", false, Enter, "Entry", Action::Pass, ""},
        KeyRow{"EnterOnAButtonWithoutADefault", false, Enter, "Other", Action::Press, "Other"},
        KeyRow{"EscPressesTheCancelFromAnywhere", true, Esc, "Ok", Action::Press, "Back"},
        KeyRow{"EscInTheEntryPressesTheCancel", true, Esc, "Entry", Action::Press, "Back"},
        KeyRow{"EscWithoutACancelPasses", false, Esc, "Other", Action::Pass, ""},
        KeyRow{"RightOnAButtonMovesOn", false, Right, "Ok", Action::FocusNext, ""},
        KeyRow{"DownOnAButtonMovesOn", true, Down, "Back", Action::FocusNext, ""},
        KeyRow{"LeftOnAButtonMovesBack", false, Left, "Other", Action::FocusPrevious, ""},
        KeyRow{"UpOnAButtonMovesBack", true, Up, "Ok", Action::FocusPrevious, ""},
        KeyRow{"ArrowsInTheEntryMoveTheCaret", true, Right, "Entry", Action::Pass, ""},
        KeyRow{"ArrowsOnTheWindowPass", false, Up, "", Action::Pass, ""}),
    [](const auto& each) { return std::string(each.param.what); });

TEST(ButtonWithRole, OnlyAPushButtonHasARole) {
  EXPECT_EQ(ButtonWithRole(kDialog, ButtonRole::Default), &kDialog[2]);
  EXPECT_EQ(ButtonWithRole(kDialog, ButtonRole::Cancel), &kDialog[3]);
  EXPECT_EQ(ButtonWithRole(kDialog, ButtonRole::None), nullptr);
  EXPECT_EQ(ButtonWithRole(kPlain, ButtonRole::Default), nullptr);
}

}  // namespace
}  // namespace runtime
