// Which labels are live, and the words of an announcement.
#include "runtime/rules/announcements.h"

#include <algorithm>
#include <utility>

#include "runtime/rules/accessibility.h"

namespace runtime {

Announcements::Announcements(const WindowDescription& description) {
  // Each put in its place by tab index as it is found: a window has one or two live labels,
  // and a sort would cost the Windows program some kilobytes of merge code.
  const auto tabIndex = [](const LiveLabel& label) { return label.row->tabIndex; };
  for (const Control& control : description.controls) {
    if (control.kind == ControlKind::Label && AccessibilityOf(control).captionDescribes) {
      labels_.insert(std::ranges::upper_bound(labels_, control.tabIndex, {}, tabIndex),
                     {&control, std::string(control.caption)});
    }
  }
}

void Announcements::Written(const Control& control, std::string_view text) {
  const auto found = std::ranges::find(labels_, &control, &LiveLabel::row);
  if (found != labels_.end()) {
    found->text = text;
    written_ = true;
  }
}

std::optional<std::string> Announcements::TakeAfterClick() {
  if (!std::exchange(written_, false)) {
    return std::nullopt;
  }
  std::string words;
  for (const LiveLabel& label : labels_) {
    const bool first = &label == &labels_.front();
    if (label.text.empty() && !first) {
      continue;
    }
    if (!first) {
      words += ", ";
    }
    words += AccessibilityOf(*label.row).name;
    words += ' ';
    words += label.text.empty() ? std::string_view("empty") : std::string_view(label.text);
  }
  return words;
}

const Control* Announcements::Carrier() const {
  return labels_.empty() ? nullptr : labels_.front().row;
}

}  // namespace runtime
