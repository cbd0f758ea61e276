// The order in which Tab moves the focus through a window's controls.
#pragma once

#include <span>
#include <vector>

#include "runtime/forms/window_description.h"

namespace runtime {

// The controls that take the focus, by rising tab index; rows without an index, or sharing
// one, keep their table order behind or beside the others. The first gets the focus when the
// window opens.
[[nodiscard]] std::vector<const Control*> TabOrder(std::span<const Control> controls);

}  // namespace runtime
