// The calculator window as constant data: its properties, its controls front to back (the
// four lines of the display box included) and its menu tree.
#pragma once

#include "runtime/forms/window_description.h"

namespace ui::frmcal {

extern const runtime::WindowDescription kDescription;

}  // namespace ui::frmcal
