// The menu tree of a flat table: which rows make the bar, which its menus' items, and which
// rows run a command.
#include "runtime/rules/menu_tree.h"

#include <gtest/gtest.h>

#include <vector>

namespace runtime {
namespace {

// The calculator's File and Help menus, then a bar entry without items.
const std::vector<MenuEntry> kMenu{
    {0, "mnfile", 1, "File"},          {1, "mnexit", 11, "Exit", "Ctrl+Q"},
    {0, "mnhelp", 3, "Help"},          {1, "mnhelpme", 31, "Help me", "F1"},
    {1, "mnabout", 32, "About", "F2"}, {0, "mnquit", 4, "Quit"},
};

TEST(MenuTree, BarMenusTakeTheItemsBelowThem) {
  const std::vector<BarEntry> bar = MenuTree(kMenu);
  ASSERT_EQ(bar.size(), 3U);
  EXPECT_EQ(bar[0].row, 0U);
  EXPECT_EQ(bar[0].items, (std::vector<std::size_t>{1}));
  EXPECT_EQ(bar[1].row, 2U);
  EXPECT_EQ(bar[1].items, (std::vector<std::size_t>{3, 4}));
  EXPECT_EQ(bar[2].row, 5U);
  EXPECT_TRUE(bar[2].items.empty());
}

TEST(MenuTree, CommandsAreItemsAndBarEntriesWithoutItems) {
  const std::vector<bool> commands{false, true, false, true, true, true};
  for (std::size_t row = 0; row < kMenu.size(); ++row) {
    EXPECT_EQ(IsMenuCommand(kMenu, row), commands[row]) << kMenu[row].name;
  }
}

TEST(MenuTree, RowsWithoutAPlaceAreLeftOut) {
  const std::vector<MenuEntry> menu{
      {1, "orphan", 1, "Orphan"}, {0, "mnfile", 1, "File"},         {2, "deep", 11, "Deep"},
      {1, "mnexit", 11, "Exit"},  {-1, "negative", 12, "Negative"},
  };
  const std::vector<bool> placed{false, true, false, true, false};
  for (std::size_t row = 0; row < menu.size(); ++row) {
    EXPECT_EQ(HasPlaceInMenuTree(menu, row), placed[row]) << menu[row].name;
    EXPECT_EQ(IsMenuCommand(menu, row), placed[row] && row == 3) << menu[row].name;
  }
  const std::vector<BarEntry> bar = MenuTree(menu);
  ASSERT_EQ(bar.size(), 1U);
  EXPECT_EQ(bar[0].row, 1U);
  EXPECT_EQ(bar[0].items, (std::vector<std::size_t>{3}));
  EXPECT_FALSE(HasPlaceInMenuTree(menu, menu.size()));
}

}  // namespace
}  // namespace runtime
