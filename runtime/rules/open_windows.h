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
  // hid it. Before any window exists the answer is no.
  [[nodiscard]] bool NoneShown() const;

  // Ends the program through `forms` when no window is shown. A back end calls it once the
  // event that hid or closed a window is handled, so that a handler that hides one window
  // and shows another leaves the program running.
  void EndProgramIfNoneShown(Forms& forms) const;

 private:
  std::vector<const Window*> windows_;
};

}  // namespace runtime
