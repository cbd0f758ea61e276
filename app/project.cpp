// The project settings: nothing else configures the program.
#include "app/project.h"

namespace app {

const runtime::Project kProject = {
    .title = "Pellomar",
    .description = "A running-result desktop calculator.",
};

}  // namespace app
