// The program's forms back end on Windows: native Win32 windows.
#include <string>

#include "runtime/forms/forms.h"
#include "runtime/forms/runtime_error.h"
#include "runtime/win32/control_ids.h"
#include "runtime/win32/text.h"
#include "runtime/win32/win32_forms.h"

namespace runtime {

std::unique_ptr<Forms> CreateForms(const Project& project) {
  auto forms = std::make_unique<win32::Win32Forms>(project);
  if (const Status prepared = forms->PrepareProcess(); prepared.Failed()) {
    const std::string windowClass = win32::ToUtf8(win32::kFormClassName);
    forms->ReportStartFailure(
        RuntimeError(FailedCall{prepared, windowClass, windowClass, Method::Create}));
    return nullptr;
  }
  return forms;
}

}  // namespace runtime
