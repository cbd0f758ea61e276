// The program's forms back end on Windows: native Win32 windows.
#include <cstdlib>
#include <stdexcept>

#include "runtime/forms/forms.h"
#include "runtime/win32/win32_forms.h"

namespace runtime {

std::unique_ptr<Forms> CreateForms(const Project& project) {
  auto forms = std::make_unique<win32::Win32Forms>(project);
  if (!win32::PrepareProcess()) {
    forms->ReportStartFailure(
        std::runtime_error("Windows refused to set up the program's windows."));
    std::exit(kStartFailedExitCode);
  }
  return forms;
}

}  // namespace runtime
