// The buttons that answer Enter and Esc wherever the focus is.
#pragma once

#include <span>

#include "runtime/forms/window_description.h"

namespace runtime {

// The push button of `role` (ButtonRole::Default for Enter, Cancel for Esc), or nullptr when
// the window has none. The description check lets a window have one of each at most.
[[nodiscard]] const Control* ButtonWithRole(std::span<const Control> controls, ButtonRole role);

}  // namespace runtime
