// The accessible name rule.
#include "runtime/rules/accessibility.h"

namespace runtime {

Accessibility AccessibilityOf(const Control& control) {
  const bool named = !control.accessibleName.empty();
  if (control.kind == ControlKind::Line || (control.kind == ControlKind::Picture && !named)) {
    return {.decorative = true, .name = {}, .captionDescribes = false};
  }
  return {.decorative = false,
          .name = named ? control.accessibleName : control.caption,
          .captionDescribes = named && control.kind == ControlKind::Label};
}

}  // namespace runtime
