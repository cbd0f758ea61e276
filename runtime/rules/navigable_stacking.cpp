// The navigable stacking order: a topological sort of the controls under two kinds of
// constraint, overlap (table order) and focus (tab order).
#include "runtime/rules/navigable_stacking.h"

#include <algorithm>
#include <cstddef>

#include "runtime/rules/pixels.h"
#include "runtime/rules/tab_order.h"

namespace runtime {

std::vector<const Control*> NavigableStacking(std::span<const Control> controls) {
  const std::size_t count = controls.size();
  // before[a][b]: row a must lie in front of row b.
  std::vector<std::vector<bool>> before(count, std::vector<bool>(count, false));
  for (std::size_t a = 0; a < count; ++a) {
    for (std::size_t b = a + 1; b < count; ++b) {
      if (Overlap(AreaOf(controls[a], kStandardDpi), AreaOf(controls[b], kStandardDpi))) {
        before[a][b] = true;
      }
    }
  }
  const std::vector<const Control*> tabOrder = TabOrder(controls);
  auto rowOf = [&controls](const Control* control) {
    return static_cast<std::size_t>(control - controls.data());
  };
  for (std::size_t i = 1; i < tabOrder.size(); ++i) {
    before[rowOf(tabOrder[i - 1])][rowOf(tabOrder[i])] = true;
  }

  std::vector<std::size_t> waitingFor(count, 0);
  for (std::size_t a = 0; a < count; ++a) {
    for (std::size_t b = 0; b < count; ++b) {
      waitingFor[b] += before[a][b] ? 1U : 0U;
    }
  }
  std::vector<bool> placed(count, false);
  std::vector<const Control*> order;
  order.reserve(count);
  while (order.size() < count) {
    std::size_t next = 0;
    while (next < count && (placed[next] || waitingFor[next] != 0)) {
      ++next;
    }
    if (next == count) {
      // The constraints contradict each other: keep the table's look.
      order.clear();
      for (const Control& control : controls) {
        order.push_back(&control);
      }
      return order;
    }
    placed[next] = true;
    order.push_back(&controls[next]);
    for (std::size_t b = 0; b < count; ++b) {
      waitingFor[b] -= before[next][b] ? 1U : 0U;
    }
  }
  return order;
}

}  // namespace runtime
