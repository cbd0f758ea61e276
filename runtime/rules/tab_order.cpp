// The tab order, worked out once for the description check and both back ends.
#include "runtime/rules/tab_order.h"

#include <algorithm>
#include <limits>

namespace runtime {

std::vector<const Control*> TabOrder(std::span<const Control> controls) {
  std::vector<const Control*> stops;
  for (const Control& control : controls) {
    if (TakesFocus(control.kind)) {
      stops.push_back(&control);
    }
  }
  std::ranges::stable_sort(stops, {}, [](const Control* control) {
    return control->tabIndex.value_or(std::numeric_limits<int>::max());
  });
  return stops;
}

}  // namespace runtime
