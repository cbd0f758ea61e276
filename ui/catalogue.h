// The three window classes as the shell's registry is given them.
#pragma once

#include "app/window_registry.h"

namespace ui {

// frmcal, Form1 and Form2: each description with the function making its bindings.
[[nodiscard]] const app::Catalogue& WindowClasses();

}  // namespace ui
