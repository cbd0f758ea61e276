// Looking up a window's rows by name: the row itself, or nothing for a name its table lacks;
// controls and menu entries are separate tables.
#include "runtime/forms/window_description.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

#include "runtime/scripted/test_window.h"

namespace runtime {
namespace {

constexpr std::array kControls = {
    Control{ControlKind::TextBox, "txtnum", "", Box{0, 0, 10, 10}, 0, kWindowFont},
    Control{ControlKind::PushButton, "cmdsum", "+", Box{0, 0, 10, 10}, 1, kWindowFont},
};
constexpr std::array kMenu = {MenuEntry{0, "mnhelp", 3, "Help"},
                              MenuEntry{1, "mnabout", 32, "About", "F2"}};
constexpr WindowDescription kWindow = scripted::TestWindow("frmcal", kControls, kMenu);

struct Row {
  const char* name;
  std::string_view lookedFor;
  const Control* control;
  const MenuEntry* entry;
};

TEST(FindRow, GivesTheRowOfThatNameOrNothing) {
  const std::vector<Row> rows = {
      {"the front control", "txtnum", &kControls[0], nullptr},
      {"a later control", "cmdsum", &kControls[1], nullptr},
      {"a menu on the bar", "mnhelp", nullptr, &kMenu[0]},
      {"a menu item", "mnabout", nullptr, &kMenu[1]},
      {"a name in neither table", "cmdsub", nullptr, nullptr},
      {"a name differing only in case", "CMDSUM", nullptr, nullptr},
      {"the empty name", "", nullptr, nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FindControl(kWindow, row.lookedFor), row.control);
    EXPECT_EQ(FindMenuEntry(kWindow, row.lookedFor), row.entry);
  }
}

}  // namespace
}  // namespace runtime
