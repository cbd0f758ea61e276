// Which labels are live, and the words of an announcement.
#include "runtime/rules/announcements.h"

#include <algorithm>
#include <utility>

#include "runtime/rules/accessibility.h"

namespace runtime {

Announcements::Announcements(const WindowDescription& description) {
  for (const Control& control : description.controls) {
    if (control.kind == ControlKind::Label && AccessibilityOf(control).captionDescribes) {
      labels_.push_back({&control, std::string(control.caption)});
    }
  }
  std::ranges::stable_sort(labels_, {}, [](const LiveLabel& label) { return label.row->tabIndex; });
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
