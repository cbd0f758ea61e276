// Start-up: the calculator window is created into its slot and shown, then the message loop
// runs until the program ends.
#pragma once

#include <string>
#include <vector>

#include "app/window_registry.h"
#include "runtime/forms/forms.h"

namespace app {

// Checks every window class of the registry's catalogue: its entry, its description and its
// bindings. Returns one sentence per problem, empty when all is sound. Creates no window.
[[nodiscard]] std::vector<std::string> CheckWindowClasses(WindowRegistry& registry,
                                                          runtime::Forms& forms);

// Fills the frmcal slot, shows the window and runs the message loop; returns its exit code.
// If the window cannot be created or shown, the back end tells the user why and the result
// is runtime::kStartFailedExitCode. Debug builds first check every window class and refuse
// to start on a problem; release builds skip the check.
[[nodiscard]] int Start(WindowRegistry& registry, runtime::Forms& forms);

}  // namespace app
