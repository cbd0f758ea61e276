// runtime::Forms on Win32: our window class, the message loop with the shortcuts and dialog
// keys first, error messages in message boxes, and the end of the program.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "runtime/forms/forms.h"
#include "runtime/rules/open_windows.h"
#include "runtime/win32/shortfalls.h"

namespace runtime::win32 {

class Win32Forms final : public Forms {
 public:
  explicit Win32Forms(const Project& project);
  ~Win32Forms() override = default;
  Win32Forms(const Win32Forms&) = delete;
  Win32Forms& operator=(const Win32Forms&) = delete;

  std::unique_ptr<Window> NewWindow(const WindowDescription& description,
                                    std::vector<Binding> bindings) override;
  int Run() override;
  void EndProgram() override;
  void ReportStartFailure(const std::exception& error) override;

  // For the windows: shows an error that stopped a handler of `window` in a message box the
  // window owns while it is shown.
  void Report(HWND window, const std::exception& error) const;
  [[nodiscard]] OpenWindows& Windows() { return windows_; }
  [[nodiscard]] ShortfallLog& Shortfalls() { return shortfalls_; }

  // Makes the process ready for our windows: system libraries from the system folder only,
  // per-monitor dpi, our window class. A failed status when the system refuses the class,
  // without which no window can be made; the rest it can do without is noted.
  [[nodiscard]] Status PrepareProcess();

 private:
  std::wstring title_;
  OpenWindows windows_;
  ShortfallLog shortfalls_;
};

}  // namespace runtime::win32
