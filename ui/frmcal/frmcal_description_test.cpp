// The calculator window's description against its layout: where a slip in the tables is
// likely (stacking order, tab order, the lines, the menu, exact captions, fonts).
#include "ui/frmcal/frmcal_description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "runtime/rules/tab_order.h"
#include "runtime/testing/test_window.h"

namespace ui::frmcal {
namespace {

using runtime::Control;
using runtime::ControlKind;

const Control& Named(std::string_view name) {
  return runtime::scripted::ControlNamed(kDescription, name);
}

std::vector<std::string_view> NamesFrontToBack() {
  std::vector<std::string_view> names;
  for (const Control& control : kDescription.controls) {
    names.push_back(control.name);
  }
  return names;
}

// Buttons in front of Frame1; lines drawn over the labels; LblSpc over lblans.
TEST(frmcalWindow, StackingOrderFrontToBack) {
  EXPECT_EQ(NamesFrontToBack(), (std::vector<std::string_view>{
                                    "Cmdpersen", "cmdsq", "cmdcube", "cmdSqu", "cmdsum", "cmdsub",
                                    "cmdmul", "cmddiv", "cmdclr", "txtnum", "Frame1", "Line4",
                                    "Line3", "Line2", "Line1", "LblSpc", "lblans"}));
}

// Tab from the entry visits Clear, /, *, -, +, Square, cube, x^(Power), % and comes back.
TEST(frmcalWindow, TabOrderOfTheFocusableControls) {
  EXPECT_EQ(runtime::scripted::NamesOf(runtime::TabOrder(kDescription.controls)),
            (std::vector<std::string_view>{"txtnum", "cmdclr", "cmddiv", "cmdmul", "cmdsub",
                                           "cmdsum", "cmdSqu", "cmdcube", "cmdsq", "Cmdpersen"}));
}

struct LineRow {
  const char* name;
  runtime::Segment ends;
};

void PrintTo(const LineRow& row, std::ostream* out) {
  *out << row.name;
}

class frmcalLines : public testing::TestWithParam<LineRow> {};

// The display box; Line2's upper end stands 20 twips above the top edge.
TEST_P(frmcalLines, EndPointsAndColour) {
  const Control& line = Named(GetParam().name);
  EXPECT_EQ(line.kind, ControlKind::Line);
  ASSERT_TRUE(std::holds_alternative<runtime::Segment>(line.geometry));
  const auto& ends = std::get<runtime::Segment>(line.geometry);
  const runtime::Segment& expected = GetParam().ends;
  EXPECT_EQ(ends.x1, expected.x1);
  EXPECT_EQ(ends.y1, expected.y1);
  EXPECT_EQ(ends.x2, expected.x2);
  EXPECT_EQ(ends.y2, expected.y2);
  EXPECT_EQ(line.foreColour, runtime::Colour(runtime::SystemColour::Highlight));
  EXPECT_EQ(line.tabIndex, runtime::kNoTabIndex);
}

INSTANTIATE_TEST_SUITE_P(DisplayBox, frmcalLines,
                         testing::Values(LineRow{"Line1", {240, 1560, 6000, 1560}},
                                         LineRow{"Line2", {240, 1560, 240, 940}},
                                         LineRow{"Line3", {6000, 960, 240, 960}},
                                         LineRow{"Line4", {6000, 1560, 6000, 960}}),
                         [](const auto& each) { return std::string(each.param.name); });

TEST(frmcalWindow, MenuTreeWithShortcuts) {
  struct Entry {
    int depth;
    std::string_view name;
    int index;
    std::string_view caption;
    std::string_view shortcut;
  };
  const std::vector<Entry> expected = {
      {0, "mnfile", 1, "File", ""},      {1, "mnexit", 11, "Exit", "Ctrl+Q"},
      {0, "mnedit", 2, "Edit", ""},      {1, "mnclear", 21, "Clear", "Ctrl+C"},
      {0, "mnhelp", 3, "Help", ""},      {1, "mnhelpme", 31, "Help me", "F1"},
      {1, "mnabout", 32, "About", "F2"},
  };
  ASSERT_EQ(kDescription.menu.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const runtime::MenuEntry& entry = kDescription.menu[i];
    SCOPED_TRACE(entry.name);
    EXPECT_EQ(entry.depth, expected[i].depth);
    EXPECT_EQ(entry.name, expected[i].name);
    EXPECT_EQ(entry.index, expected[i].index);
    EXPECT_EQ(entry.caption, expected[i].caption);
    EXPECT_EQ(entry.shortcut, expected[i].shortcut);
  }
}

struct CaptionRow {
  const char* name;
  ControlKind kind;
  std::string_view caption;
};

void PrintTo(const CaptionRow& row, std::ostream* out) {
  *out << row.name;
}

class frmcalCaptions : public testing::TestWithParam<CaptionRow> {};

TEST_P(frmcalCaptions, ExactlyAsShown) {
  const Control& control = Named(GetParam().name);
  EXPECT_EQ(control.kind, GetParam().kind);
  EXPECT_EQ(control.caption, GetParam().caption);
  EXPECT_EQ(control.role, runtime::ButtonRole::None);
}

INSTANTIATE_TEST_SUITE_P(Controls, frmcalCaptions,
                         testing::Values(CaptionRow{"txtnum", ControlKind::TextBox, ""},
                                         CaptionRow{"lblans", ControlKind::Label, ""},
                                         CaptionRow{"LblSpc", ControlKind::Label, ""},
                                         CaptionRow{"cmdsum", ControlKind::PushButton, "+"},
                                         CaptionRow{"cmdsub", ControlKind::PushButton, "-"},
                                         CaptionRow{"cmdmul", ControlKind::PushButton, "*"},
                                         CaptionRow{"cmddiv", ControlKind::PushButton, "/"},
                                         CaptionRow{"cmdclr", ControlKind::PushButton, "Clear"},
                                         CaptionRow{"cmdSqu", ControlKind::PushButton, "Square"},
                                         CaptionRow{"cmdcube", ControlKind::PushButton, "cube"},
                                         CaptionRow{"cmdsq", ControlKind::PushButton, "x^(Power)"},
                                         CaptionRow{"Cmdpersen", ControlKind::PushButton, "%"},
                                         CaptionRow{"Frame1", ControlKind::Frame, "Pallete"}),
                         [](const auto& each) { return std::string(each.param.name); });

TEST(frmcalWindow, OnlyThePowerButtonHasATooltip) {
  for (const Control& control : kDescription.controls) {
    SCOPED_TRACE(control.name);
    EXPECT_EQ(control.tooltip, control.name == "cmdsq"
                                   ? "First enter the number.Then enter the power."
                                   : std::string_view());
  }
}

}  // namespace
}  // namespace ui::frmcal
