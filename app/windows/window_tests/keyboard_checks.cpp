// The keyboard as the user meets it: the focus a window opens with; the tab order, by
// GetNextDlgTabItem and by real Tab and Shift+Tab presses; Enter and Esc in the entry
// pressing nothing; Space and Enter pressing the focused button, on the calculator and on
// the about window.
#include <algorithm>

#include "app/windows/window_tests/calculator.h"
#include "app/windows/window_tests/input.h"
#include "app/windows/window_tests/scenario.h"
#include "app/windows/window_tests/text.h"
#include "app/windows/window_tests/wait.h"
#include "app/windows/window_tests/window_access.h"
#include "runtime/rules/tab_order.h"
#include "runtime/win32/control_ids.h"
#include "ui/Form1/Form1_description.h"
#include "ui/Form2/Form2_description.h"
#include "ui/frmcal/frmcal_description.h"

namespace app::windows::window_tests {
namespace {

using runtime::WindowDescription;
using Names = std::vector<std::wstring>;

std::wstring NameOf(const WindowDescription& description, HWND control) {
  return control == nullptr ? L"(nothing)"
                            : Widen(runtime::win32::NameOf(description, GetDlgCtrlID(control)));
}

// The controls that take the focus, one Tab at a time from the first, back to the first.
Names Cycle(const WindowDescription& description, bool backwards) {
  Names order;
  for (const runtime::Control* control : runtime::TabOrder(description.controls)) {
    order.push_back(Widen(control->name));
  }
  if (backwards) {
    std::reverse(order.begin(), order.end());
    std::rotate(order.begin(), order.end() - 1, order.end());
  }
  std::rotate(order.begin(), order.begin() + 1, order.end());
  return order;
}

Names DialogWalk(HWND window, const WindowDescription& description, bool backwards,
                 std::size_t steps) {
  Names visited;
  HWND control = FocusOf(window);
  for (std::size_t step = 0; step < steps; ++step) {
    control = GetNextDlgTabItem(window, control, backwards ? TRUE : FALSE);
    visited.push_back(NameOf(description, control));
  }
  return visited;
}

// Presses Tab (Shift+Tab backwards) once per expected stop and waits for the focus to get
// there; stops at the first stop it does not reach.
Names TabWalk(HWND window, const WindowDescription& description, const Names& expected,
              bool backwards) {
  Names visited;
  for (const std::wstring& stop : expected) {
    HWND target = ControlOf(window, description, Narrow(stop));
    Press({.key = VK_TAB, .shift = backwards});
    const bool reached = WaitUntil([&] { return FocusOf(window) == target; });
    visited.push_back(NameOf(description, FocusOf(window)));
    if (!reached) {
      break;
    }
  }
  return visited;
}

// Presses Tab until the focus is on `target`, at most once round the window's few buttons.
bool TabTo(HWND window, HWND target) {
  constexpr int kMostPresses = 3;
  for (int press = 0; press < kMostPresses && FocusOf(window) != target; ++press) {
    BringToFront(window);
    HWND before = FocusOf(window);
    Press({.key = VK_TAB});
    (void)WaitUntil([&] { return FocusOf(window) != before; });
  }
  return FocusOf(window) == target;
}

// Opens with the focus on the first stop; both walks go round the whole cycle both ways.
void CheckTabOrder(Report& report, HWND window, const WindowDescription& description) {
  const std::string name(description.properties.name);
  const Names forwards = Cycle(description, false);
  HWND first = ControlOf(window, description, Narrow(forwards.back()));
  report.Check(WaitUntil([&] { return FocusOf(window) == first; }),
               name + ": opens with the focus on " + Narrow(forwards.back()),
               "found " + Narrow(NameOf(description, FocusOf(window))));
  for (const bool backwards : {false, true}) {
    const Names expected = Cycle(description, backwards);
    const char* way = backwards ? "backwards" : "forwards";
    report.Equal(DialogWalk(window, description, backwards, expected.size()), expected,
                 name + ": GetNextDlgTabItem " + way);
    BringToFront(window);
    report.Equal(TabWalk(window, description, expected, backwards), expected,
                 name + ": Tab presses " + way);
  }
}

// Enter and Esc in the entry change nothing: the keys typed after them arrive as usual.
void CheckEnterAndEscInTheEntry(Report& report, const Program& program,
                                const Calculator& calculator) {
  report.Check(calculator.SetUp("Clear 30 + 12", {L"12", L"30", L""}) &&
                   BringToFront(calculator.Window()) && calculator.ClickIntoEntry(),
               "30 + 12 with the focus in the entry, for Enter and Esc");
  std::wstring entry = L"12";
  for (const auto& [key, name] :
       {std::pair{WORD{VK_RETURN}, "Enter"}, std::pair{WORD{VK_ESCAPE}, "Esc"}}) {
    Press({.key = key});
    report.Check(calculator.TypeMarker(L"|"), std::string(name) + ": keys after it arrive");
    entry += L"|";
    report.Equal(calculator.Texts(), Names{entry, L"30", L""},
                 std::string(name) + " in the entry presses nothing");
    report.Check(!ShowsMessageBox(program) && FocusOf(calculator.Window()) == calculator.Entry(),
                 std::string(name) + " in the entry keeps the focus there, with no message");
  }
}

void CheckKeysPressTheFocusedButton(Report& report, const Calculator& calculator) {
  for (const auto& [key, name] :
       {std::pair{WORD{VK_SPACE}, "Space"}, std::pair{WORD{VK_RETURN}, "Enter"}}) {
    report.Check(calculator.SetUp("Clear 30 + 12", {L"12", L"30", L""}) &&
                     BringToFront(calculator.Window()) && calculator.ClickIntoEntry(),
                 std::string(name) + ": 30 + 12 with the focus in the entry");
    Press({.key = VK_TAB});
    const bool onClear =
        WaitUntil([&] { return FocusOf(calculator.Window()) == calculator.Button("Clear"); });
    report.Check(onClear, "Tab from the entry reaches Clear",
                 "found " + Narrow(NameOf(ui::frmcal::kDescription, FocusOf(calculator.Window()))));
    Press({.key = key});
    report.Equal(calculator.WaitForTexts({L"", L"", L""}), Names{L"", L"", L""},
                 std::string(name) + " presses the focused Clear button");
  }
}

// The about window: Enter on "More Details", its first stop, then Space on "Exit".
void CheckAboutWindowKeys(Report& report, const Program& program) {
  PressOnCalculator(program, VK_F2);
  HWND about = WaitUntilShown(program, ui::Form1::kDescription);
  if (!report.Check(about != nullptr && BringToFront(about), "Form1: F2 shows it in front")) {
    return;
  }
  CheckTabOrder(report, about, ui::Form1::kDescription);
  HWND moreDetails = ControlOf(about, ui::Form1::kDescription, "Command1");
  HWND exit = ControlOf(about, ui::Form1::kDescription, "Command2");
  report.Check(WaitUntil([&] { return FocusOf(about) == moreDetails; }),
               "Form1: the focus is back on More Details after a round");
  Press({.key = VK_RETURN});
  HWND details = WaitUntilShown(program, ui::Form2::kDescription);
  report.Check(details != nullptr, "Form1: Enter presses More Details");
  BringToFront(about);
  report.Check(TabTo(about, exit), "Form1: Tab reaches Exit");
  Press({.key = VK_SPACE});
  report.Check(WaitUntilHidden(about) && WaitUntilHidden(details),
               "Form1: Space on Exit hides the about and details windows");
}

}  // namespace

void CheckKeyboard(Run& run) {
  run.report.Group("keyboard");
  const std::unique_ptr<Program> program = StartProgram(run, "keyboard");
  if (!program) {
    return;
  }
  const Calculator calculator(program->Window(ui::frmcal::kDescription));
  CheckTabOrder(run.report, calculator.Window(), ui::frmcal::kDescription);
  CheckEnterAndEscInTheEntry(run.report, *program, calculator);
  CheckKeysPressTheFocusedButton(run.report, calculator);
  CheckAboutWindowKeys(run.report, *program);
}

}  // namespace app::windows::window_tests
