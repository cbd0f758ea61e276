// The click dispatcher: the program's only try/catch around its own code.
#include "runtime/forms/click_dispatch.h"

#include <cstddef>

namespace runtime {

bool RunReported(const std::function<void()>& step, const ErrorReport& report) {
  try {
    step();
    return true;
  } catch (const std::exception& error) {
    // Mostly a RuntimeError; anything else (out of memory, say) is reported the same way
    // rather than left to end the program through the toolkit's event loop.
    report(error);
  }
  return false;
}

bool DispatchClick(const ClickHandler& handler, const ClickEvent& event,
                   const ErrorReport& report) {
  // The same catch as RunReported's, without a step between the click and its handler.
  try {
    handler(event);
    return true;
  } catch (const std::exception& error) {
    report(error);
  }
  return false;
}

HandlersByRow BindByRow(const WindowDescription& description, std::vector<Binding> bindings) {
  HandlersByRow byRow{std::vector<ClickHandler>(description.controls.size()),
                      std::vector<ClickHandler>(description.menu.size())};
  for (Binding& binding : bindings) {
    if (const Control* control = FindControl(description, binding.control)) {
      byRow.controls[static_cast<std::size_t>(control - description.controls.data())] =
          std::move(binding.handler);
    } else if (const MenuEntry* entry = FindMenuEntry(description, binding.control)) {
      byRow.menu[static_cast<std::size_t>(entry - description.menu.data())] =
          std::move(binding.handler);
    }
  }
  return byRow;
}

}  // namespace runtime
