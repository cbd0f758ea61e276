// What a screen reader learns of each control through MSAA, by the rule every back end
// follows (AccessibilityOf): its name, its role by its kind (a line a separator, a picture a
// graphic), and a label's live caption as its description. The control answers WM_GETOBJECT with
// the system's own accessible object for it, wrapped so that these come from the rule. The
// accessibility library is loaded when a screen reader first asks, never at start-up.
#pragma once

#include "runtime/win32/controls.h"

namespace runtime::win32 {

// Makes `control`'s child window answer screen readers by the rule. `control` must stay
// where it is until its window is destroyed. False when the system refuses.
[[nodiscard]] bool AnswerScreenReaders(ChildControl& control);

}  // namespace runtime::win32
