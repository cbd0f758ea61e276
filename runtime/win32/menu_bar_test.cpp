// A menu bar and its accelerator table, built from a menu table and read back from the
// system's objects.
#include "runtime/win32/menu_bar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace runtime::win32 {
namespace {

// clang-format off
constexpr auto kMenu = std::to_array<MenuEntry>({
  // depth name        index caption       shortcut
  {0,      "mnfile",    1,   "File"},
  {1,      "mnexit",   11,   "Exit",        "Ctrl+Q"},
  {0,      "mnedit",    2,   "Edit"},
  {1,      "mnclear",  21,   "Clear",       "Ctrl+C"},
  {1,      "mnplain",  22,   "Fish & Chips"},
  {0,      "mnhelp",    3,   "Help"},
  {1,      "mnhelpme", 31,   "Help me",     "F1"},
  {1,      "mnabout",  32,   "About",       "Shift+F2"},
  {1,      "mnall",    33,   "All",         "Ctrl+Shift+Alt+7"},
});
// clang-format on

struct MenuDeleter {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using MenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

struct Item {
  std::wstring text;
  UINT id;        // 0 for a menu of the bar
  int itemCount;  // of the menu it opens; 0 for a command
  friend bool operator==(const Item&, const Item&) = default;
};

void PrintTo(const Item& item, std::ostream* out) {
  *out << "{" << testing::PrintToString(item.text) << ", " << item.id << ", " << item.itemCount
       << "}";
}

Item ItemAt(HMENU menu, int position) {
  wchar_t text[64] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
  info.dwTypeData = text;
  info.cch = 63;
  EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info));
  const int items = info.hSubMenu != nullptr ? GetMenuItemCount(info.hSubMenu) : 0;
  return {text, info.hSubMenu != nullptr ? 0 : info.wID, items};
}

std::vector<Item> ItemsOf(HMENU menu) {
  std::vector<Item> items;
  items.reserve(static_cast<std::size_t>(std::max(GetMenuItemCount(menu), 0)));
  for (int position = 0; position < GetMenuItemCount(menu); ++position) {
    items.push_back(ItemAt(menu, position));
  }
  return items;
}

TEST(MenuBar, HasOneMenuPerTopLevelRow) {
  const MenuHandle bar(MakeMenuBar(kMenu));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(ItemsOf(bar.get()),
            (std::vector<Item>{{L"File", 0, 1}, {L"Edit", 0, 2}, {L"Help", 0, 3}}));
}

// Each item sends the command id of its row (1000 + row) and shows its shortcut after a
// tab; an "&" is shown as it is written.
TEST(MenuBar, ItemsShowTheirShortcutsAndSendTheirRowsIds) {
  const MenuHandle bar(MakeMenuBar(kMenu));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(ItemsOf(GetSubMenu(bar.get(), 0)), (std::vector<Item>{{L"Exit\tCtrl+Q", 1001, 0}}));
  EXPECT_EQ(ItemsOf(GetSubMenu(bar.get(), 1)),
            (std::vector<Item>{{L"Clear\tCtrl+C", 1003, 0}, {L"Fish && Chips", 1004, 0}}));
  EXPECT_EQ(ItemsOf(GetSubMenu(bar.get(), 2)),
            (std::vector<Item>{{L"Help me\tF1", 1006, 0},
                               {L"About\tShift+F2", 1007, 0},
                               {L"All\tCtrl+Shift+Alt+7", 1008, 0}}));
}

TEST(MenuBar, NoneForAnEmptyTable) {
  EXPECT_EQ(MakeMenuBar({}), nullptr);
}

struct Accelerator {
  int flags;
  int key;
  int command;
  friend bool operator==(const Accelerator&, const Accelerator&) = default;
};

void PrintTo(const Accelerator& accelerator, std::ostream* out) {
  *out << std::hex << "{0x" << accelerator.flags << ", 0x" << accelerator.key << ", " << std::dec
       << accelerator.command << "}";
}

std::vector<Accelerator> EntriesOf(HACCEL table) {
  const int count = CopyAcceleratorTableW(table, nullptr, 0);
  std::vector<ACCEL> entries(static_cast<std::size_t>(count));
  CopyAcceleratorTableW(table, entries.data(), count);
  std::vector<Accelerator> read;
  read.reserve(entries.size());
  for (const ACCEL& entry : entries) {
    read.push_back({entry.fVirt, entry.key, entry.cmd});
  }
  return read;
}

// Flags: 0x01 virtual key, 0x04 Shift, 0x08 Ctrl, 0x10 Alt. Keys: letters and digits are
// their own codes, F1 is 0x70.
TEST(Accelerators, OnePerShortcutWithTheItemsCommandId) {
  const AcceleratorHandle table = MakeAccelerators(kMenu);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(EntriesOf(table.get()), (std::vector<Accelerator>{{0x09, 'Q', 1001},
                                                              {0x09, 'C', 1003},
                                                              {0x01, 0x70, 1006},
                                                              {0x05, 0x71, 1007},
                                                              {0x1D, '7', 1008}}));
}

TEST(Accelerators, NoneWithoutShortcuts) {
  constexpr MenuEntry kPlain[] = {{0, "mnfile", 1, "File"}, {1, "mnopen", 11, "Open"}};
  EXPECT_EQ(MakeAccelerators(kPlain), nullptr);
}

}  // namespace
}  // namespace runtime::win32
