// The program's start-up, exactly as its main() does it, ending after the calculator window's
// first paint.
#include <windows.h>

#include "app/project.h"
#include "app/startup.h"
#include "app/window_registry.h"
#include "first_paint.h"
#include "runtime/forms/forms.h"
#include "runtime/win32/control_ids.h"
#include "runtime/win32/text.h"
#include "ui/catalogue.h"
#include "ui/frmcal/frmcal_description.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
  const std::unique_ptr<runtime::Forms> forms = runtime::CreateForms(app::kProject);
  if (!forms || !bench::EndAfterFirstPaint(
                    std::wstring(runtime::win32::kFormClassName),
                    runtime::win32::ToWide(ui::frmcal::kDescription.properties.title))) {
    return 1;
  }
  app::WindowRegistry registry(*forms, ui::WindowClasses());
  return app::Start(registry, *forms);
}
