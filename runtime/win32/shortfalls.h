// Failures that leave the program usable: the program goes on without what failed, and each
// kind is told once on standard error with the system's error code, for whoever runs the
// program from a console or a debugger.
#pragma once

#include <windows.h>

#include <bitset>

namespace runtime::win32 {

enum class Shortfall {
  DllSearchPath,   // system libraries may be looked for beside the program too
  DpiAwareness,    // the windows are scaled by the system, blurred
  CommonControls,  // no tooltips
  Tooltips,
  Shortcuts,  // the menu items work, their shortcut keys do not
  Fonts,      // a control shows its text in the system's font
  Icons,
  Pictures,  // a picture's box stays empty
  kCount
};

class ShortfallLog {
 public:
  // Tells `what` with `error` (GetLastError's or an HRESULT) the first time only.
  void Note(Shortfall what, DWORD error);

 private:
  std::bitset<static_cast<std::size_t>(Shortfall::kCount)> told_;
};

}  // namespace runtime::win32
