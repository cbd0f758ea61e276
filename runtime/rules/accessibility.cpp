// The accessible name and role rule.
#include "runtime/rules/accessibility.h"

namespace runtime {
namespace {

AccessibleRole RoleOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox:
      return AccessibleRole::Text;
    case ControlKind::Label:
      return AccessibleRole::StaticText;
    case ControlKind::PushButton:
      return AccessibleRole::PushButton;
    case ControlKind::Frame:
      return AccessibleRole::Grouping;
    case ControlKind::Picture:
      return AccessibleRole::Graphic;
    case ControlKind::Line:
      return AccessibleRole::Separator;
  }
  return AccessibleRole::StaticText;
}

}  // namespace

Accessibility AccessibilityOf(const Control& control) {
  const bool named = !control.accessibleName.empty();
  const AccessibleRole role = RoleOf(control.kind);
  if (control.kind == ControlKind::Line || (control.kind == ControlKind::Picture && !named)) {
    return {.decorative = true, .name = {}, .captionDescribes = false, .role = role};
  }
  return {.decorative = false,
          .name = named ? control.accessibleName : control.caption,
          .captionDescribes = named && control.kind == ControlKind::Label,
          .role = role};
}

}  // namespace runtime
