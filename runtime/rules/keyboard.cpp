// The keyboard decision and the default and cancel buttons of a window.
#include "runtime/rules/keyboard.h"

#include <algorithm>

namespace runtime {
namespace {

using Action = KeyDecision::Action;

bool IsPushButton(const Control* control) {
  return control != nullptr && control->kind == ControlKind::PushButton;
}

KeyDecision PressOrPass(const Control* button) {
  return button != nullptr ? KeyDecision{Action::Press, button} : KeyDecision{};
}

}  // namespace

KeyDecision DecideKey(DialogKey key, const Control* focused, std::span<const Control> controls) {
  switch (key) {
    case DialogKey::Enter:
      return PressOrPass(IsPushButton(focused) ? focused
                                               : ButtonWithRole(controls, ButtonRole::Default));
    case DialogKey::Esc:
      return PressOrPass(ButtonWithRole(controls, ButtonRole::Cancel));
    case DialogKey::Right:
    case DialogKey::Down:
      return IsPushButton(focused) ? KeyDecision{Action::FocusNext} : KeyDecision{};
    case DialogKey::Left:
    case DialogKey::Up:
      return IsPushButton(focused) ? KeyDecision{Action::FocusPrevious} : KeyDecision{};
  }
  return {};
}

const Control* ButtonWithRole(std::span<const Control> controls, ButtonRole role) {
  if (role == ButtonRole::None) {
    return nullptr;
  }
  const auto found = std::ranges::find_if(controls, [role](const Control& control) {
    return control.kind == ControlKind::PushButton && control.role == role;
  });
  return found == controls.end() ? nullptr : &*found;
}

}  // namespace runtime
