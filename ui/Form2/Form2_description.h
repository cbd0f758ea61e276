// The details window as constant data: its properties and its controls front to back.
#pragma once

#include "runtime/forms/window_description.h"

namespace ui::Form2 {

extern const runtime::WindowDescription kDescription;

}  // namespace ui::Form2
