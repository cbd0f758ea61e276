// The program's start-up, exactly as main() does it, ending after frmcal's first frame.
#include <QCoreApplication>

#include "app/project.h"
#include "app/startup.h"
#include "app/window_registry.h"
#include "first_paint.h"
#include "runtime/forms/forms.h"
#include "ui/catalogue.h"

int main() {
  const std::unique_ptr<runtime::Forms> forms = runtime::CreateForms(app::kProject);
  if (!forms) {
    return 1;
  }
  bench::FirstPaint firstPaint(QStringLiteral("frmcal"));
  QCoreApplication::instance()->installEventFilter(&firstPaint);
  app::WindowRegistry registry(*forms, ui::WindowClasses());
  return app::Start(registry, *forms);
}
