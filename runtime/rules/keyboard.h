// What the keys a window answers itself do: Enter, Esc and the arrow keys, decided here for
// every back end. A back end only translates its key events into DialogKey and carries the
// decision out. Tab and Shift+Tab run the platform's own focus chain, which each back end
// builds from TabOrder; Space on a focused push button is the button's own.
#pragma once

#include <span>

#include "runtime/forms/window_description.h"

namespace runtime {

enum class DialogKey { Enter, Esc, Left, Right, Up, Down };

struct KeyDecision {
  enum class Action {
    Pass,           // the focused control keeps the key (a text box moves its caret)
    Press,          // `button` is pressed, as by a click
    FocusNext,      // the focus moves to the next control in tab order, round the window
    FocusPrevious,  // ... to the previous one
  };
  Action action = Action::Pass;
  const Control* button = nullptr;  // for Press
  friend bool operator==(const KeyDecision&, const KeyDecision&) = default;
};

// What `key` does in a window of `controls` while `focused` (a row of `controls`, or nullptr
// when the window itself has the focus) has the focus:
// - Enter presses the focused push button; elsewhere the window's default button, if any.
// - Esc presses the window's cancel button, if any, wherever the focus is.
// - On a focused push button Right and Down move the focus to the next control in tab order
//   and Left and Up to the previous one, round the window, as in any dialog; a text box keeps
//   its arrows for the caret.
// Anything else passes to the focused control.
[[nodiscard]] KeyDecision DecideKey(DialogKey key, const Control* focused,
                                    std::span<const Control> controls);

// The push button of `role` (ButtonRole::Default for Enter, Cancel for Esc), or nullptr when
// the window has none. The description check lets a window have one of each at most.
[[nodiscard]] const Control* ButtonWithRole(std::span<const Control> controls, ButtonRole role);

}  // namespace runtime
