// The project settings: nothing else configures the program. The build writes each value
// once, in the project's CMake settings, for the program and its resources alike.
#include "app/project.h"

namespace app {

const runtime::Project kProject = {
    .title = PELLOMAR_TITLE,
    .description = PELLOMAR_DESCRIPTION,
    .applicationId = PELLOMAR_APP_ID,
};

}  // namespace app
