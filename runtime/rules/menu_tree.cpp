// The menu tree of a flat menu table.
#include "runtime/rules/menu_tree.h"

#include <algorithm>

namespace runtime {

bool HasPlaceInMenuTree(std::span<const MenuEntry> menu, std::size_t row) {
  if (row >= menu.size()) {
    return false;
  }
  const auto isBarMenu = [](const MenuEntry& entry) { return entry.depth == 0; };
  return isBarMenu(menu[row]) ||
         (menu[row].depth == 1 && std::ranges::any_of(menu.first(row), isBarMenu));
}

std::vector<BarEntry> MenuTree(std::span<const MenuEntry> menu) {
  std::vector<BarEntry> bar;
  for (std::size_t row = 0; row < menu.size(); ++row) {
    if (!HasPlaceInMenuTree(menu, row)) {
      continue;
    }
    if (menu[row].depth == 0) {
      bar.push_back({row, {}});
    } else if (!bar.empty()) {
      bar.back().items.push_back(row);
    }
  }
  return bar;
}

bool IsMenuCommand(std::span<const MenuEntry> menu, std::size_t row) {
  if (!HasPlaceInMenuTree(menu, row)) {
    return false;
  }
  if (menu[row].depth == 1) {
    return true;
  }
  // A bar entry runs a command when no item follows it before the next bar entry.
  for (std::size_t next = row + 1; next < menu.size(); ++next) {
    if (HasPlaceInMenuTree(menu, next)) {
      return menu[next].depth == 0;
    }
  }
  return true;
}

}  // namespace runtime
