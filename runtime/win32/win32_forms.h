// runtime::Forms on Win32: our window class, the message loop with the shortcuts and dialog
// keys first, error messages in message boxes, and the end of the program.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "runtime/forms/forms.h"
#include "runtime/rules/open_windows.h"

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

 private:
  std::wstring title_;
  OpenWindows windows_;
};

// Makes the process ready for our windows: per-monitor dpi, the common controls, our window
// class. False when the system refuses.
[[nodiscard]] bool PrepareProcess();

}  // namespace runtime::win32
