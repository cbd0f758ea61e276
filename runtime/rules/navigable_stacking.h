// A stacking order for platforms whose keyboard navigation follows the stacking order (the
// dialog keys of Win32 take Tab's order from it): the window still looks as described, and
// Tab still follows the tab indexes.
#pragma once

#include <span>
#include <vector>

#include "runtime/forms/window_description.h"

namespace runtime {

// Every control, front to back, such that any two controls whose areas overlap keep their
// table order (so what lies in front stays in front) and the controls that take the focus
// follow their tab order. Among free choices, table order. Should the two ever contradict
// each other, the table order is returned whole: the look wins over the order of Tab.
[[nodiscard]] std::vector<const Control*> NavigableStacking(std::span<const Control> controls);

}  // namespace runtime
