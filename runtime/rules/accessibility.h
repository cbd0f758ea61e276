// What assistive tools are told of a control, the same on every back end.
#pragma once

#include <string_view>

#include "runtime/forms/window_description.h"

namespace runtime {

// What a control is to a screen reader.
enum class AccessibleRole { Text, StaticText, PushButton, Grouping, Graphic, Separator };

struct Accessibility {
  // A line, or a picture without a name of its own, says nothing to a screen reader: it is
  // shown as a separator or a graphic, without a name.
  bool decorative = false;
  // The control's name for screen readers: the description's accessible name, else its
  // caption.
  std::string_view name;
  // Whether the control's live caption, which the program rewrites as it runs, is read as its
  // description: a label named by the description ("Result") would otherwise hide its text.
  bool captionDescribes = false;
  // By the control's kind: a text box is text, a label static text, a frame a grouping, a
  // picture a graphic and a line a separator, whatever class the platform draws it with.
  AccessibleRole role = AccessibleRole::StaticText;
};

[[nodiscard]] Accessibility AccessibilityOf(const Control& control);

}  // namespace runtime
