// The program's forms back end on Linux: Qt 6 Widgets.
#include "runtime/forms.h"
#include "runtime/qt/qt_forms.h"

namespace runtime {

std::unique_ptr<Forms> CreateForms(const Project& project, int& argc, char** argv) {
  return std::make_unique<qt::QtForms>(project, argc > 0 ? argv[0] : nullptr);
}

}  // namespace runtime
