// What a screen reader learns of each control through MSAA, by the rule every back end
// follows (AccessibilityOf): its name, its role by its kind (a line a separator, a picture a
// graphic), and a label's live caption as its description. The control answers WM_GETOBJECT with
// the system's own accessible object for it, wrapped so that these come from the rule. The
// accessibility library is loaded when a screen reader first asks, never at start-up.
// A window's announcements are carried by one of its labels, a polite live region: NVDA and
// Narrator speak such a region's name when it is said to have changed.
#pragma once

#include <string>
#include <string_view>

#include "runtime/win32/controls.h"

namespace runtime::win32 {

// What the carrier of a window's announcements says beyond the rule.
struct LiveRegion {
  std::wstring words;   // the latest announcement, its name once there is one
  bool marked = false;  // whether the system was asked to treat it as a polite live region
};

// Makes `control`'s child window answer screen readers by the rule. `control` must stay
// where it is until its window is destroyed. False when the system refuses.
[[nodiscard]] bool AnswerScreenReaders(ChildControl& control);

// Makes `control` carry its window's announcements. It keeps the rule's name until the first
// one, and is marked as a polite live region when a screen reader first asks for it: the
// accessibility libraries stay unloaded until then.
void CarryAnnouncements(ChildControl& control);

// Has screen readers announce `words` through `carrier`: they become its name, and the system
// hears that the live region changed. One event for all of the words, so nothing is said twice.
void Announce(ChildControl& carrier, std::string_view words);

}  // namespace runtime::win32
