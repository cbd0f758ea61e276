// Ends the process once a named top-level window has painted its first frame.
#pragma once

#include <string>

namespace bench {

// From now on every window of class `windowClass` that this thread creates is watched; after
// the first WM_PAINT of one titled `title` returns, whatever else of the window is due to be
// painted (its controls) is painted too, and the process ends with exit code 0. Returns
// false when the watch cannot be set up. Call it once, before the window is created.
[[nodiscard]] bool EndAfterFirstPaint(std::wstring windowClass, std::wstring title);

}  // namespace bench
