// The tooltips of a window's controls. The common-controls library that shows them is loaded
// on demand, once the window is up, rather than with the program: only tooltips need it.
#pragma once

#include <windows.h>

#include <span>

#include "runtime/win32/controls.h"
#include "runtime/win32/shortfalls.h"

namespace runtime::win32 {

// Gives every control of `window` that has a tooltip its tip. Returns the tooltip window,
// owned by `window` and destroyed with it; null when no control has a tooltip, or when the
// system refused (noted in `shortfalls`: the program goes on without tips).
[[nodiscard]] HWND AddTooltips(HWND window, std::span<const ChildControl> controls,
                               ShortfallLog& shortfalls);

}  // namespace runtime::win32
