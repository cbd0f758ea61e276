// The description check: a sound window passes, and each slip of a hand-written table is
// found and named.
#include "runtime/rules/description_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace runtime {
namespace {

void Click(const ClickEvent&) {}

// A small window in the shape of the calculator, built so that a row can spoil one thing.
struct Sample {
  WindowProperties properties{.name = "frmcal",
                              .title = "Calculator",
                              .clientWidth = 6705,
                              .clientHeight = 4590,
                              .startPosition = std::nullopt,
                              .border = Border::Sizable,
                              .background = Rgb{0x404040},
                              .font = Font{"MS Sans Serif", 8.25, kRegular},
                              .icon = {}};
  std::vector<Control> controls{
      {ControlKind::PushButton, "cmdsum", "+", Box{240, 2520, 850, 735}, 2, kWindowFont},
      {ControlKind::TextBox, "txtnum", "", Box{240, 360, 5775, 495}, 1, kWindowFont},
      {ControlKind::Line, "Line1", "", Segment{240, 1560, 6000, 1560}, kNoTabIndex, kWindowFont},
      {ControlKind::Picture, "Image1", "", Box{0, 0, 10, 10}, kNoTabIndex, kWindowFont},
      {ControlKind::Label, "lblans", "", Box{285, 1125, 5250, 435}, 0,
       Font{"MS Sans Serif", 18, kRegular}},
  };
  std::vector<MenuEntry> menu{
      {0, "mnfile", 1, "File"},
      {1, "mnexit", 11, "Exit", "Ctrl+Q"},
      {0, "mnhelp", 3, "Help"},
      {1, "mnabout", 32, "About", "F2"},
  };
  std::vector<Binding> bindings{{"cmdsum", Click}, {"mnexit", Click}};

  Control& Named(std::string_view name) {
    return *std::ranges::find(controls, name, &Control::name);
  }
  [[nodiscard]] std::vector<std::string> Check() const {
    return CheckDescription(WindowDescription{properties, controls, menu}, bindings);
  }
};

TEST(CheckDescription, SoundWindowHasNoProblems) {
  EXPECT_TRUE(Sample().Check().empty());
}

struct Row {
  const char* name;
  std::function<void(Sample&)> spoil;
  std::string problem;
};

void PrintTo(const Row& row, std::ostream* out) {
  *out << row.name;
}

class CheckDescriptionFinds : public testing::TestWithParam<Row> {};

TEST_P(CheckDescriptionFinds, TheOneSlip) {
  Sample sample;
  GetParam().spoil(sample);
  EXPECT_EQ(sample.Check(), std::vector<std::string>{GetParam().problem});
}

INSTANTIATE_TEST_SUITE_P(
    Names, CheckDescriptionFinds,
    testing::Values(Row{"TwoControlsShareAName",
                        [](Sample& s) { s.Named("lblans").name = "txtnum"; },
                        "frmcal: the name \"txtnum\" is given twice."},
                    Row{"MenuEntrySharesAControlName", [](Sample& s) { s.menu[3].name = "cmdsum"; },
                        "frmcal: the name \"cmdsum\" is given twice."},
                    Row{"ControlWithoutName", [](Sample& s) { s.Named("Image1").name = ""; },
                        "frmcal: a control or menu entry has no name."},
                    Row{"WindowWithoutName", [](Sample& s) { s.properties.name = ""; },
                        ": the window class has no name."}),
    [](const auto& each) { return std::string(each.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TabIndexes, CheckDescriptionFinds,
    testing::Values(Row{"TwoControlsShareATabIndex",
                        [](Sample& s) { s.Named("cmdsum").tabIndex = 1; },
                        "frmcal: tab index 1 is given to both \"cmdsum\" and \"txtnum\"."},
                    Row{"TabIndexesSkipOne", [](Sample& s) { s.Named("cmdsum").tabIndex = 3; },
                        "frmcal: the tab indexes skip 2 (next is 3, on \"cmdsum\")."},
                    Row{"ButtonWithoutTabIndex",
                        [](Sample& s) { s.Named("cmdsum").tabIndex = kNoTabIndex; },
                        "frmcal: \"cmdsum\" has no tab index."},
                    Row{"LineWithTabIndex", [](Sample& s) { s.Named("Line1").tabIndex = 3; },
                        "frmcal: \"Line1\" cannot take the focus and needs no tab index."},
                    Row{"PictureWithTabIndex", [](Sample& s) { s.Named("Image1").tabIndex = 3; },
                        "frmcal: \"Image1\" cannot take the focus and needs no tab index."}),
    [](const auto& each) { return std::string(each.param.name); });

INSTANTIATE_TEST_SUITE_P(
    FontsAndGeometry, CheckDescriptionFinds,
    testing::Values(Row{"ControlFontWithoutFace",
                        [](Sample& s) {
                          s.Named("lblans").font = Font{"", 18, kRegular};
                        },
                        "frmcal: the font of \"lblans\" needs a face, a size and a weight."},
                    Row{"WindowFontWithoutSize", [](Sample& s) { s.properties.font.points = 0; },
                        "frmcal: the window font needs a face, a size and a weight."},
                    Row{"FontWithoutWeight", [](Sample& s) { s.properties.font.weight = 0; },
                        "frmcal: the window font needs a face, a size and a weight."},
                    Row{"LineGivenABox",
                        [](Sample& s) {
                          s.Named("Line1").geometry = Box{0, 0, 1, 1};
                        },
                        "frmcal: \"Line1\" is a line and needs end points."},
                    Row{"ButtonGivenEndPoints",
                        [](Sample& s) {
                          s.Named("cmdsum").geometry = Segment{0, 0, 1, 1};
                        },
                        "frmcal: \"cmdsum\" needs a box, not end points."},
                    Row{"BoxOfNegativeWidth",
                        [](Sample& s) {
                          s.Named("txtnum").geometry = Box{240, 360, -5, 495};
                        },
                        "frmcal: the box of \"txtnum\" has a negative size."}),
    [](const auto& each) { return std::string(each.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Menus, CheckDescriptionFinds,
    testing::Values(Row{"MenuStartsWithAnItem",
                        [](Sample& s) {
                          s.menu.insert(s.menu.begin(), {1, "mnorphan", 5, "Lost"});
                        },
                        "frmcal: the menu entry \"mnorphan\" is not under a menu of the bar."},
                    Row{"MenuTooDeep", [](Sample& s) { s.menu[1].depth = 2; },
                        "frmcal: the menu entry \"mnexit\" is not under a menu of the bar."},
                    Row{"ShortcutGivenTwice", [](Sample& s) { s.menu[3].shortcut = "Ctrl+Q"; },
                        "frmcal: the shortcut Ctrl+Q is given twice."},
                    Row{"ShortcutOfPlainTyping", [](Sample& s) { s.menu[3].shortcut = "C"; },
                        "frmcal: the shortcut \"C\" of \"mnabout\" is not a key with Ctrl or "
                        "Alt, nor a function key."}),
    [](const auto& each) { return std::string(each.param.name); });

INSTANTIATE_TEST_SUITE_P(
    ButtonRoles, CheckDescriptionFinds,
    testing::Values(Row{"DefaultRoleOnALabel",
                        [](Sample& s) { s.Named("lblans").role = ButtonRole::Default; },
                        "frmcal: \"lblans\" is not a push button and cannot be the default "
                        "button."},
                    Row{"SecondCancelButton",
                        [](Sample& s) {
                          s.Named("cmdsum").role = ButtonRole::Cancel;
                          s.controls.push_back(
                              {ControlKind::PushButton, "cmdsub", "-", Box{1320, 2520, 850, 735}, 3,
                               kWindowFont, PlatformColour{}, PlatformColour{}, Alignment::Left,
                               Sizing::FixedBox, Backdrop::Opaque, ButtonRole::Cancel});
                        },
                        "frmcal: the window has a second cancel button, \"cmdsub\"."}),
    [](const auto& each) { return std::string(each.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Bindings, CheckDescriptionFinds,
    testing::Values(
        Row{"HandlerOfAMissingControl",
            [](Sample& s) {
              s.bindings.push_back({"cmddiv", Click});
            },
            "frmcal: a handler is bound to \"cmddiv\", which does not exist."},
        Row{"HandlerOfALabel",
            [](Sample& s) {
              s.bindings.push_back({"lblans", Click});
            },
            "frmcal: a handler is bound to \"lblans\", which is neither a push button nor a "
            "menu item."},
        Row{"HandlerOfAMenuOnTheBar",
            [](Sample& s) {
              s.bindings.push_back({"mnfile", Click});
            },
            "frmcal: a handler is bound to \"mnfile\", which is neither a push button nor a "
            "menu item."},
        Row{"ButtonBoundTwice",
            [](Sample& s) {
              s.bindings.push_back({"cmdsum", Click});
            },
            "frmcal: \"cmdsum\" is bound twice."},
        Row{"BindingWithoutHandler",
            [](Sample& s) {
              s.bindings.push_back({"mnabout", {}});
            },
            "frmcal: the binding of \"mnabout\" has no handler."}),
    [](const auto& each) { return std::string(each.param.name); });

}  // namespace
}  // namespace runtime
