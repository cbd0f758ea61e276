// The list of a back end's windows and the end-of-program rule.
#include "runtime/rules/open_windows.h"

#include <algorithm>

namespace runtime {

void OpenWindows::Add(const Window& window) {
  windows_.push_back(&window);
}

void OpenWindows::Remove(const Window& window) {
  std::erase(windows_, &window);
}

bool OpenWindows::NoneShown() const {
  return !windows_.empty() &&
         std::ranges::none_of(windows_, [](const Window* window) { return window->IsShown(); });
}

}  // namespace runtime
