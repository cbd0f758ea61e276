// Start-up: the calculator window is created into its slot and shown, then the message loop
// runs until the program ends.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/window_registry.h"
#include "runtime/forms.h"

namespace app {

// The exit code when the program could not open its first window.
inline constexpr int kStartFailed = 1;

// Checks every window class of the registry's catalogue: its entry, its description and its
// bindings. Returns one sentence per problem, empty when all is sound. Creates no window.
[[nodiscard]] std::vector<std::string> CheckWindowClasses(WindowRegistry& registry,
                                                          runtime::Forms& forms);

// Fills the frmcal slot, shows the window and runs the message loop; returns its exit code.
// If the window cannot be created or shown, writes why to `errors` and returns
// kStartFailed. Debug builds first check every window class and refuse to start on a
// problem; release builds skip the check.
[[nodiscard]] int Start(WindowRegistry& registry, runtime::Forms& forms, std::ostream& errors);

}  // namespace app
