// The menu bar as a tree, read from the flat menu table: each menu on the bar with the items
// under it. Both back ends build their menus from it, and the description check accepts
// exactly the tables it reads.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "runtime/forms/window_description.h"

namespace runtime {

// One entry of the bar: a menu with its items (rows of the table, top to bottom), or, with
// no items, a command on the bar itself.
struct BarEntry {
  std::size_t row;
  std::vector<std::size_t> items;
};

// Whether row `row` has a place in the tree: a menu on the bar (depth 0), or an item (depth 1)
// below a menu on the bar.
[[nodiscard]] bool HasPlaceInMenuTree(std::span<const MenuEntry> menu, std::size_t row);

// The bar's entries, left to right. A row without a place in the tree is left out.
[[nodiscard]] std::vector<BarEntry> MenuTree(std::span<const MenuEntry> menu);

// Whether clicking row `row` runs a command: an item of a menu, or a bar entry without items.
[[nodiscard]] bool IsMenuCommand(std::span<const MenuEntry> menu, std::size_t row);

}  // namespace runtime
