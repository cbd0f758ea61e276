// The menu bar reached by its keys and the four shortcuts: F1 does nothing, F2 shows the
// about window, Ctrl+C clears (over a selection in the entry too, copying nothing), Ctrl+Q
// ends the program; none works while the about window is the active one.
#include <cstring>

#include "app/windows/window_tests/calculator.h"
#include "app/windows/window_tests/input.h"
#include "app/windows/window_tests/scenario.h"
#include "app/windows/window_tests/wait.h"
#include "app/windows/window_tests/window_access.h"
#include "ui/Form1/Form1_description.h"
#include "ui/frmcal/frmcal_description.h"

namespace app::windows::window_tests {
namespace {

using Names = std::vector<std::wstring>;

const Names kEmpty = {L"", L"", L""};

bool PutOnClipboard(const std::wstring& text) {
  if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; })) {
    return false;
  }
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  bool put = false;
  if (memory != nullptr) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    put = EmptyClipboard() != FALSE && SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!put) {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
  return put;
}

std::wstring ClipboardText() {
  if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; })) {
    return L"(clipboard cannot be opened)";
  }
  std::wstring text;
  if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(memory));
    GlobalUnlock(memory);
  }
  CloseClipboard();
  return text;
}

void CheckHelpMeDoesNothing(Report& report, const Program& program, const Calculator& calculator) {
  report.Check(calculator.SetUp("Clear 30 + 12", {L"12", L"30", L""}) &&
                   BringToFront(calculator.Window()) && calculator.ClickIntoEntry(),
               "F1: 30 + 12 with the focus in the entry");
  Press({.key = VK_F1});
  report.Check(calculator.TypeMarker(L"|"), "F1: keys after it reach the entry");
  report.Equal(calculator.Texts(), Names{L"12|", L"30", L""}, "F1 changes no text");
  report.Check(program.Window(ui::Form1::kDescription) == nullptr && !ShowsMessageBox(program) &&
                   GetForegroundWindow() == calculator.Window(),
               "F1 opens no window");
}

void CheckCtrlCOverASelection(Report& report, const Calculator& calculator) {
  const std::wstring before = L"left alone";
  report.Check(PutOnClipboard(before), "Ctrl+C: the clipboard takes a text");
  report.Check(calculator.SetUp("Clear 20 + 5 %", {L"5", L"400", L"%"}) &&
                   BringToFront(calculator.Window()) && calculator.ClickIntoEntry(),
               "Ctrl+C: 20 + 5 % with the focus in the entry");
  SendMessageW(calculator.Entry(), EM_SETSEL, 0, -1);
  const auto selection = static_cast<DWORD>(SendMessageW(calculator.Entry(), EM_GETSEL, 0, 0));
  report.Check(LOWORD(selection) == 0 && HIWORD(selection) == 1,
               "Ctrl+C: the entry's text is selected");
  Press({.key = 'C', .ctrl = true});
  report.Equal(calculator.WaitForTexts(kEmpty), kEmpty, "Ctrl+C over a selection clears");
  report.Equal(ClipboardText(), before, "Ctrl+C over a selection copies nothing");
}

// Each way clears from the state "20 + 5 %", whatever has the focus.
void CheckWaysToClear(Report& report, const Calculator& calculator) {
  report.Check(calculator.Perform("Clear 20 + 5 %", Road::User) &&
                   calculator.WaitForTexts({L"5", L"400", L"%"}) == Names{L"5", L"400", L"%"},
               "Ctrl+C: 20 + 5 % by mouse and keyboard");
  Press({.key = 'C', .ctrl = true});
  report.Equal(calculator.WaitForTexts(kEmpty), kEmpty, "Ctrl+C on the focused % button clears");

  report.Check(calculator.SetUp("20 + 5 %", {L"5", L"400", L"%"}), "Edit > Clear: 20 + 5 %");
  ChooseFromMenu(calculator.Window(), ui::frmcal::kDescription, "mnclear");
  report.Equal(calculator.WaitForTexts(kEmpty), kEmpty, "Edit > Clear by the menu keys clears");
}

// With the about window active, the calculator's shortcuts press nothing; a Tab on the about
// window, handled after them, shows they have been handled.
void CheckShortcutsRestElsewhere(Report& report, const Program& program,
                                 const Calculator& calculator) {
  report.Check(calculator.SetUp("Clear 30 + 12", {L"12", L"30", L""}), "30 + 12 before About");
  ChooseFromMenu(calculator.Window(), ui::frmcal::kDescription, "mnabout");
  HWND about = WaitUntilShown(program, ui::Form1::kDescription);
  if (!report.Check(about != nullptr && BringToFront(about),
                    "Help > About by the menu keys shows the about window")) {
    return;
  }
  HWND before = FocusOf(about);
  Press({.key = 'C', .ctrl = true});
  Press({.key = 'Q', .ctrl = true});
  Press({.key = VK_TAB});
  report.Check(WaitUntil([&] { return FocusOf(about) != before; }), "the about window takes keys");
  report.Equal(calculator.Texts(), Names{L"12", L"30", L""},
               "Ctrl+C on the active about window changes no text");
  report.Check(program.Running() && Shown(calculator.Window()),
               "Ctrl+Q on the active about window ends nothing");
}

void CheckCtrlQEnds(Run& run) {
  const std::unique_ptr<Program> program = StartProgram(run, "Ctrl+Q");
  if (!program) {
    return;
  }
  PressOnCalculator(*program, 'Q', true);
  const std::optional<DWORD> exitCode = program->WaitForExit();
  run.report.Check(exitCode.has_value(), "Ctrl+Q ends the program");
  run.report.Equal(exitCode.value_or(1), 0UL, "Ctrl+Q: exit code");
}

}  // namespace

void CheckMenusAndShortcuts(Run& run) {
  run.report.Group("menus and shortcuts");
  {
    const std::unique_ptr<Program> program = StartProgram(run, "shortcuts");
    if (!program) {
      return;
    }
    const Calculator calculator(program->Window(ui::frmcal::kDescription));
    CheckHelpMeDoesNothing(run.report, *program, calculator);
    CheckCtrlCOverASelection(run.report, calculator);
    CheckWaysToClear(run.report, calculator);
    CheckShortcutsRestElsewhere(run.report, *program, calculator);
  }
  CheckCtrlQEnds(run);
}

}  // namespace app::windows::window_tests
