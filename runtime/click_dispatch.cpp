// The click dispatcher: the program's only try/catch around its own code.
#include "runtime/click_dispatch.h"

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

}  // namespace runtime
