// The one boundary where an error that left our code is caught: both back ends run every
// click handler through DispatchClick and show what it reports.
#pragma once

#include <exception>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/forms/forms.h"

namespace runtime {

// Shows the user an error that stopped a handler: a RuntimeError, or another std::exception
// such as std::bad_alloc. Must not throw.
using ErrorReport = std::function<void(const std::exception& error)>;

// Runs `step`. An error leaving it goes to `report` and the program goes on, with the texts
// as the step left them. Returns whether the step ran to its end.
bool RunReported(const std::function<void()>& step, const ErrorReport& report);

// RunReported for one click: runs `handler` with `event`.
bool DispatchClick(const ClickHandler& handler, const ClickEvent& event, const ErrorReport& report);

// The click handlers of one window by control name, as a back end runs them.
class ClickHandlers {
 public:
  explicit ClickHandlers(std::vector<Binding> bindings);

  // Runs the handler of `control` with `window` and `index` through DispatchClick; errors go
  // to `report`. A control without a handler reacts to nothing.
  void Click(std::string_view control, Window& window, int index, const ErrorReport& report) const;

 private:
  std::map<std::string, ClickHandler, std::less<>> handlers_;
};

}  // namespace runtime
