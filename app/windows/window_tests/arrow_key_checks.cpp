// Arrow keys, pressed for real: on a push button they move the focus along the tab order
// (Right and Down forwards, Left and Up backwards, round the cycle); in the entry they move
// the caret and the focus stays.
#include <array>
#include <tuple>
#include <utility>

#include "app/windows/window_tests/calculator.h"
#include "app/windows/window_tests/input.h"
#include "app/windows/window_tests/scenario.h"
#include "app/windows/window_tests/text.h"
#include "app/windows/window_tests/wait.h"
#include "app/windows/window_tests/window_access.h"
#include "runtime/win32/control_ids.h"
#include "ui/frmcal/frmcal_description.h"

namespace app::windows::window_tests {
namespace {

struct ArrowRow {
  const char* from;
  WORD key;
  const char* keyName;
  const char* to;
};

// The calculator's tab order: txtnum, cmdclr, cmddiv, cmdmul, ..., Cmdpersen, and round.
constexpr auto kArrows = std::to_array<ArrowRow>({
    {"cmdclr", VK_RIGHT, "Right", "cmddiv"},
    {"cmdclr", VK_DOWN, "Down", "cmddiv"},
    {"cmddiv", VK_LEFT, "Left", "cmdclr"},
    {"cmddiv", VK_UP, "Up", "cmdclr"},
    {"cmdclr", VK_LEFT, "Left", "txtnum"},
    {"Cmdpersen", VK_RIGHT, "Right", "txtnum"},
});

std::string NameOfFocus(HWND window) {
  return std::string(
      runtime::win32::NameOf(ui::frmcal::kDescription, GetDlgCtrlID(FocusOf(window))));
}

// From the entry, Tab until the focus is on `name`: at most once round the cycle.
bool FocusByTab(const Calculator& calculator, const char* name) {
  constexpr int kMostPresses = 12;
  HWND target = calculator.Control(name);
  if (!BringToFront(calculator.Window()) || !calculator.ClickIntoEntry()) {
    return false;
  }
  for (int press = 0; press < kMostPresses && FocusOf(calculator.Window()) != target; ++press) {
    HWND before = FocusOf(calculator.Window());
    Press({.key = VK_TAB});
    (void)WaitUntil([&] { return FocusOf(calculator.Window()) != before; });
  }
  return FocusOf(calculator.Window()) == target;
}

// The caret's place in the entry: where its selection starts and ends.
std::pair<int, int> Selection(HWND entry) {
  DWORD_PTR range = 0;
  SendMessageTimeoutW(entry, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 2000, &range);
  return {LOWORD(range), HIWORD(range)};
}

}  // namespace

void CheckArrowKeys(Run& run) {
  run.report.Group("arrows");
  const std::unique_ptr<Program> program = StartProgram(run, "arrows");
  if (!program) {
    return;
  }
  const Calculator calculator(program->Window(ui::frmcal::kDescription));
  for (const ArrowRow& row : kArrows) {
    const std::string what = std::string(row.keyName) + " on " + row.from;
    if (!run.report.Check(FocusByTab(calculator, row.from), what + ": Tab reaches " + row.from)) {
      continue;
    }
    Press({.key = row.key});
    HWND target = calculator.Control(row.to);
    run.report.Check(WaitUntil([&] { return FocusOf(calculator.Window()) == target; }),
                     what + " moves the focus to " + row.to,
                     "found " + NameOfFocus(calculator.Window()));
  }

  run.report.Check(calculator.SetUp("Clear 12345", {L"12345", L"", L""}) &&
                       BringToFront(calculator.Window()) && calculator.ClickIntoEntry(),
                   "12345 in the entry, with the focus there");
  // One line: Up and Down move the caret back and forth like Left and Right.
  Press({.key = VK_END});
  (void)WaitUntil([&] { return Selection(calculator.Entry()) == std::pair{5, 5}; });
  for (const auto& [key, name, caret] :
       {std::tuple{WORD{VK_LEFT}, "Left", 4}, std::tuple{WORD{VK_UP}, "Up", 3},
        std::tuple{WORD{VK_RIGHT}, "Right", 4}, std::tuple{WORD{VK_DOWN}, "Down", 5}}) {
    Press({.key = key});
    const std::pair expected{caret, caret};
    run.report.Check(
        WaitUntil([&] { return Selection(calculator.Entry()) == expected; }),
        std::string(name) + " in the entry moves the caret to " + std::to_string(caret),
        "found " + std::to_string(Selection(calculator.Entry()).first));
    run.report.Check(FocusOf(calculator.Window()) == calculator.Entry(),
                     std::string(name) + " in the entry keeps the focus there");
  }
}

}  // namespace app::windows::window_tests
