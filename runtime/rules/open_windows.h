// The windows a back end has made, and the rule by which the program ends without File >
// Exit: once none of them is shown any more.
#pragma once

#include <vector>

#include "runtime/forms/forms.h"

namespace runtime {

class OpenWindows {
 public:
  // A window joins when it is made and leaves when it is destroyed.
  void Add(const Window& window);
  void Remove(const Window& window);

  // True when no window of the program is shown: the user closed the last one, or a handler
  // hid it; the program then ends. Before any window exists the answer is no. A back end asks
  // once the event that hid or closed a window is handled, so that a handler that hides one
  // window and shows another leaves the program running.
  [[nodiscard]] bool NoneShown() const;

 private:
  std::vector<const Window*> windows_;
};

}  // namespace runtime
