// What a screen reader learns of a control through MSAA, as any client outside the program
// asks for it.
#pragma once

#include <oleacc.h>
#include <windows.h>

#include <optional>
#include <string>

namespace tests::behaviour::win32 {

struct AccessibleSeen {
  std::wstring name;
  std::wstring description;
  LONG role = 0;  // ROLE_SYSTEM_...
};

// The control's own MSAA object (its client area); nullopt when it offers none.
[[nodiscard]] std::optional<AccessibleSeen> AccessibleOf(HWND control);

}  // namespace tests::behaviour::win32
