// The project settings the program hands to the forms runtime at start.
#pragma once

#include "runtime/forms/project.h"

namespace app {

// Application title "Pellomar" (one word: message boxes, the task list) and a one-sentence
// description of the program.
extern const runtime::Project kProject;

}  // namespace app
