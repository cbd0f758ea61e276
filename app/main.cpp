// The program: hands the project settings to the forms back end, which opens the
// calculator window and runs until the program ends.
#include "app/project.h"
#include "app/startup.h"
#include "app/window_registry.h"
#include "runtime/forms/forms.h"
#include "ui/catalogue.h"

// The program reads no command line.
int main() {
  const std::unique_ptr<runtime::Forms> forms = runtime::CreateForms(app::kProject);
  if (!forms) {
    return runtime::kStartFailedExitCode;  // the back end has told the user why
  }
  app::WindowRegistry registry(*forms, ui::WindowClasses());
  return app::Start(registry, *forms);
}
