// The about window's click handlers and their bindings. Both reach the windows through the
// registry, never through the window that was clicked.
#pragma once

#include <vector>

#include "app/window_registry.h"
#include "runtime/forms/forms.h"

namespace ui::Form1 {

// "More Details": shows the one details window, creating it the first time.
void Command1_Click(app::WindowRegistry& registry, const runtime::ClickEvent& event);
// "Exit": hides the about window, then the details window (creating it if it never was).
// If the first Hide fails, the details window is left alone.
void Command2_Click(app::WindowRegistry& registry, const runtime::ClickEvent& event);

[[nodiscard]] std::vector<runtime::Binding> Bindings(app::WindowRegistry& registry,
                                                     runtime::Forms& forms);

}  // namespace ui::Form1
