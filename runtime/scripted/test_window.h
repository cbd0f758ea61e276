// The smallest sound window description, for tests of the runtime and the shell that care
// only about a window's name, its controls and its menu.
#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/forms/window_description.h"

namespace runtime::scripted {

// A 100 by 100 twip window titled with its name, in the usual window font, without an icon.
[[nodiscard]] constexpr WindowDescription TestWindow(std::string_view name,
                                                     std::span<const Control> controls = {},
                                                     std::span<const MenuEntry> menu = {}) {
  return {.properties = {.name = name,
                         .title = name,
                         .clientWidth = 100,
                         .clientHeight = 100,
                         .startPosition = std::nullopt,
                         .border = Border::Sizable,
                         .background = PlatformColour{},
                         .font = Font{"MS Sans Serif", 8.25, kRegular},
                         .icon = {}},
          .controls = controls,
          .menu = menu};
}

// The row of a control that a test knows is there; throws when it is not, so that a renamed
// control fails the test instead of reading through a null pointer.
[[nodiscard]] inline const Control& ControlNamed(const WindowDescription& description,
                                                 std::string_view name) {
  const Control* control = FindControl(description, name);
  if (control == nullptr) {
    throw std::invalid_argument("no control " + std::string(name));
  }
  return *control;
}

// The names of `controls`, in their order: what a test of an ordering compares.
[[nodiscard]] inline std::vector<std::string_view> NamesOf(
    std::span<const Control* const> controls) {
  std::vector<std::string_view> names;
  names.reserve(controls.size());
  for (const Control* control : controls) {
    names.push_back(control->name);
  }
  return names;
}

}  // namespace runtime::scripted
