// Window calls that test their status at once: a failed call throws RuntimeError naming the
// object, its interface and the operation. Handlers use these, never the raw calls.
#pragma once

#include <string>
#include <string_view>

#include "runtime/forms/forms.h"
#include "runtime/forms/window_description.h"

namespace runtime {

// The interface name a failed call on a control of this kind reports: "TextBox", "Label"...
[[nodiscard]] std::string_view InterfaceName(ControlKind kind);

// The text of a text box or the caption of a label.
[[nodiscard]] std::string GetTextChecked(Window& window, std::string_view control);
// Replaces the text of a text box or the caption of a label whole.
void SetTextChecked(Window& window, std::string_view control, std::string_view text);

// Shows the window modeless and without an owner.
void ShowChecked(Window& window);
void HideChecked(Window& window);

}  // namespace runtime
