// One run of the program under test, started afresh for a scenario. Its top-level windows are
// found as an automation client finds them: by process, window class and title. The process
// is ended by its handle when the scenario is over, so none outlives its scenario.
#pragma once

#include <windows.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/forms/window_description.h"

namespace tests::behaviour::win32 {

class Program {
 public:
  // Starts the program and waits until its calculator window is shown and in front. Null,
  // with the reason in `error`, when it does not come up.
  static std::unique_ptr<Program> Start(const std::wstring& path, std::string& error);

  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program();

  // The program's window made from `description`, shown or hidden; null when it has none.
  [[nodiscard]] HWND Window(const runtime::WindowDescription& description) const;
  // How many windows of the program are made from `description`: one instance at most.
  [[nodiscard]] int CountWindows(const runtime::WindowDescription& description) const;
  // The program's top-level windows of the window class `className`, shown or hidden; all of
  // them when `className` is empty.
  [[nodiscard]] std::vector<HWND> WindowsOfClass(std::wstring_view className) const;

  // The process's id, by which its windows and events are known.
  [[nodiscard]] DWORD Id() const { return processId_; }
  [[nodiscard]] bool Running() const;
  // The exit code once the program has ended; nullopt when it still runs at the deadline.
  [[nodiscard]] std::optional<DWORD> WaitForExit(std::chrono::milliseconds deadline) const;

 private:
  explicit Program(const PROCESS_INFORMATION& started);
  // One start; null with the reason in `error` when it fails, and `again` cleared when a
  // second try cannot go better.
  static std::unique_ptr<Program> TryStart(const std::wstring& path, std::string& error,
                                           bool& again);

  HANDLE process_;
  DWORD processId_;
};

}  // namespace tests::behaviour::win32
