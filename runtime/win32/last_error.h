// The status of the system call that just failed, as the runtime reports failed calls.
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/forms/status.h"

namespace runtime::win32 {

// Read it right after the failed call, before any other: the next call may overwrite the
// thread's last error.
[[nodiscard]] inline Status LastErrorStatus() {
  const DWORD error = GetLastError();
  return error == 0 ? kFailed : Status{static_cast<std::int32_t>(HRESULT_FROM_WIN32(error))};
}

}  // namespace runtime::win32
