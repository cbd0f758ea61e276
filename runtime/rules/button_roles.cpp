// The default and cancel buttons of a window.
#include "runtime/rules/button_roles.h"

#include <algorithm>

namespace runtime {

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
