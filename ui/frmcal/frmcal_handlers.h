// The calculator window's click handlers, one per control or menu item, and their bindings.
// The engine buttons work on the window that was clicked; the menu reaches the shell.
#pragma once

#include <vector>

#include "app/window_registry.h"
#include "runtime/forms/forms.h"

namespace ui::frmcal {

void cmdsum_Click(const runtime::ClickEvent& event);
void cmdsub_Click(const runtime::ClickEvent& event);
void cmdmul_Click(const runtime::ClickEvent& event);
void cmddiv_Click(const runtime::ClickEvent& event);
void Cmdpersen_Click(const runtime::ClickEvent& event);
void cmdsq_Click(const runtime::ClickEvent& event);
void cmdSqu_Click(const runtime::ClickEvent& event);
void cmdcube_Click(const runtime::ClickEvent& event);
void cmdclr_Click(const runtime::ClickEvent& event);

// Edit > Clear: the same as the Clear button. The menu index is not used.
void mnclear_Click(const runtime::ClickEvent& event);
// File > Exit: ends the program at once, whatever windows are shown.
void mnexit_Click(runtime::Forms& forms, const runtime::ClickEvent& event);
// Help > Help me: does nothing.
void mnhelpme_Click(const runtime::ClickEvent& event);
// Help > About: shows the one about window, creating it the first time.
void mnabout_Click(app::WindowRegistry& registry, const runtime::ClickEvent& event);

[[nodiscard]] std::vector<runtime::Binding> Bindings(app::WindowRegistry& registry,
                                                     runtime::Forms& forms);

}  // namespace ui::frmcal
