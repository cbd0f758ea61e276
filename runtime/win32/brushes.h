// The brushes a window paints with, kept for as long as the window lives: the system's own
// brush for a colour role, which follows the user's colour scheme, and one solid brush per
// RGB colour, made on first use. No brush is made for a single paint.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "runtime/forms/window_description.h"
#include "runtime/win32/handles.h"

namespace runtime::win32 {

class Brushes {
 public:
  // The brush of `colour`; `platform` for PlatformColour (the platform's own colour of that
  // kind of control). Null only when the system refuses a solid brush.
  [[nodiscard]] HBRUSH Of(const Colour& colour, HBRUSH platform);

 private:
  std::vector<std::pair<COLORREF, BrushHandle>> solid_;
};

}  // namespace runtime::win32
