// The one boundary where an error that left our code is caught: both back ends run every
// click handler through DispatchClick and show what it reports; and the handlers of a window
// by row, as a back end binds them once when it builds the window.
#pragma once

#include <exception>
#include <functional>
#include <vector>

#include "runtime/forms/forms.h"

namespace runtime {

// Shows the user an error that stopped a handler: a RuntimeError, or another std::exception
// such as std::bad_alloc. Must not throw.
using ErrorReport = std::function<void(const std::exception& error)>;

// Runs `step`. An error leaving it goes to `report` and the program goes on, with the texts
// as the step left them. Returns whether the step ran to its end.
bool RunReported(const std::function<void()>& step, const ErrorReport& report);

// RunReported for one click: runs `handler` with `event`. The back ends call it straight from
// the widget's signal or the control's command, so an error passes no other frame of ours.
bool DispatchClick(const ClickHandler& handler, const ClickEvent& event, const ErrorReport& report);

// A window's handlers by row: the handler bound to the control in row i of the control table
// at controls[i], that of the menu entry in row i of the menu at menu[i]; empty where nothing
// is bound. A binding naming neither is left out (the description check reports it).
struct HandlersByRow {
  std::vector<ClickHandler> controls;
  std::vector<ClickHandler> menu;
};
[[nodiscard]] HandlersByRow BindByRow(const WindowDescription& description,
                                      std::vector<Binding> bindings);

}  // namespace runtime
