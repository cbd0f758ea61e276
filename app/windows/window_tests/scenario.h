// What every group of checks is given, and the steps that several groups share: a fresh
// program for each scenario, the windows it shows, and the message boxes it opens.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/windows/window_tests/program.h"
#include "app/windows/window_tests/report.h"
#include "runtime/forms/window_description.h"

namespace app::windows::window_tests {

struct Run {
  Report& report;
  std::wstring program;      // the program under test
  std::wstring hookLibrary;  // the probe hook, beside this driver
  std::wstring pictures;     // where the windows' screenshots go
  int dpi;                   // the dots per inch of the run's screen
};

// Starts a fresh program for `scenario`; null, with a failed check, when it does not come up.
[[nodiscard]] std::unique_ptr<Program> StartProgram(Run& run, std::string_view scenario);

// Waits until the program's window made from `description` is shown and returns it; null
// when it does not come up by the deadline.
[[nodiscard]] HWND WaitUntilShown(const Program& program,
                                  const runtime::WindowDescription& description);
// Waits until the window is no longer shown (hidden, or gone).
[[nodiscard]] bool WaitUntilHidden(HWND window);

// Presses a menu shortcut or another key on the calculator window, brought to the front.
bool PressOnCalculator(const Program& program, WORD key, bool ctrl = false);
// Chooses the menu item `item` by the keyboard, as the user reaches the menu bar without the
// mouse: F10, Right to its menu, Down into it and on to the item, Enter.
bool ChooseFromMenu(HWND window, const runtime::WindowDescription& description,
                    std::string_view item);
// Closes `window` by a real click on the close box of its title bar.
bool ClickCloseBox(HWND window);

struct MessageBoxShown {
  HWND box;
  HWND owner;
  std::wstring title;
  std::wstring text;
};

// The program's message box once it is shown; nullopt when none comes up by the deadline.
[[nodiscard]] std::optional<MessageBoxShown> WaitForMessageBox(const Program& program);
// Whether the program shows a message box now.
[[nodiscard]] bool ShowsMessageBox(const Program& program);
// Presses the box's OK button and waits until the box has gone.
bool PressOk(HWND box);

// The checks, one function per group of behaviours.
void CheckLayout(Run& run);
void CheckKeyboard(Run& run);
void CheckMenusAndShortcuts(Run& run);
void CheckCalculations(Run& run);
void CheckWindowLifecycle(Run& run);
void CheckDpiChange(Run& run);
void CheckArrowKeys(Run& run);
void CheckScreenReaderNames(Run& run);

}  // namespace app::windows::window_tests
