// A window's menu bar and the accelerator table of its shortcuts, from the menu table.
#pragma once

#include <windows.h>

#include <span>

#include "runtime/forms/window_description.h"
#include "runtime/win32/handles.h"

namespace runtime::win32 {

// The menu bar, each item showing its shortcut beside its caption and sending the command id
// of its row; null when the table is empty or the system refuses. The window that takes the
// bar destroys it.
[[nodiscard]] HMENU MakeMenuBar(std::span<const MenuEntry> menu);

// The accelerator table of the menu's shortcuts, sending the same command ids as the items;
// null when the menu has no shortcut.
[[nodiscard]] AcceleratorHandle MakeAccelerators(std::span<const MenuEntry> menu);

}  // namespace runtime::win32
