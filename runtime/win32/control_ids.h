// The command and child-window ids of a window's controls and menu items, from their rows in
// the description. Shared by the back end and by the tests that drive its windows, which find
// a control by name through these. Free of <windows.h>.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "runtime/forms/window_description.h"

namespace runtime::win32 {

// Ids start well above the ones the dialog keys send (1 for Enter, 2 for Esc), so that no
// control and no menu item answers them.
inline constexpr int kFirstControlId = 100;
inline constexpr int kFirstMenuId = 1000;

// The id of the control in row `row` of the control table.
[[nodiscard]] constexpr int ControlId(std::size_t row) {
  return kFirstControlId + static_cast<int>(row);
}

// The command id of the menu entry in row `row` of the menu table.
[[nodiscard]] constexpr int MenuId(std::size_t row) {
  return kFirstMenuId + static_cast<int>(row);
}

// The id of the control or menu entry named `name`; nullopt when the window has none.
[[nodiscard]] constexpr std::optional<int> IdOf(const WindowDescription& description,
                                                std::string_view name) {
  for (std::size_t row = 0; row < description.controls.size(); ++row) {
    if (description.controls[row].name == name) {
      return ControlId(row);
    }
  }
  for (std::size_t row = 0; row < description.menu.size(); ++row) {
    if (description.menu[row].name == name) {
      return MenuId(row);
    }
  }
  return std::nullopt;
}

// The name of the control or menu item with command id `id`; empty when there is none.
[[nodiscard]] constexpr std::string_view NameOf(const WindowDescription& description, int id) {
  const int control = id - kFirstControlId;
  if (control >= 0 && static_cast<std::size_t>(control) < description.controls.size()) {
    return description.controls[static_cast<std::size_t>(control)].name;
  }
  const int entry = id - kFirstMenuId;
  if (entry >= 0 && static_cast<std::size_t>(entry) < description.menu.size()) {
    return description.menu[static_cast<std::size_t>(entry)].name;
  }
  return {};
}

// The window class every top-level window of the program is made from.
inline constexpr std::wstring_view kFormClassName = L"PellomarForm";

}  // namespace runtime::win32
