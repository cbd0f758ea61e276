// The click dispatcher: the program's only try/catch around its own code.
#include "runtime/forms/click_dispatch.h"

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
  return RunReported([&handler, &event] { handler(event); }, report);
}

ClickHandlers::ClickHandlers(std::vector<Binding> bindings) {
  for (Binding& binding : bindings) {
    handlers_.emplace(std::string(binding.control), std::move(binding.handler));
  }
}

void ClickHandlers::Click(std::string_view control, Window& window, int index,
                          const ErrorReport& report) const {
  const auto handler = handlers_.find(control);
  if (handler != handlers_.end() && handler->second) {
    DispatchClick(handler->second, ClickEvent{window, index}, report);
  }
}

}  // namespace runtime
