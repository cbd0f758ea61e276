// Message boxes are the system's dialog class; their text is the one static control with text.
#include "app/windows/window_tests/scenario.h"

#include <algorithm>

#include "app/windows/window_tests/input.h"
#include "app/windows/window_tests/text.h"
#include "app/windows/window_tests/wait.h"
#include "app/windows/window_tests/window_access.h"
#include "ui/frmcal/frmcal_description.h"

namespace app::windows::window_tests {
namespace {

constexpr std::wstring_view kDialogClass = L"#32770";

HWND ShownMessageBox(const Program& program) {
  for (HWND box : program.WindowsOfClass(kDialogClass)) {
    if (Shown(box)) {
      return box;
    }
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<Program> StartProgram(Run& run, std::string_view scenario) {
  std::string error;
  std::unique_ptr<Program> program = Program::Start(run.program, error);
  run.report.Check(program != nullptr, std::string(scenario) + ": the program starts", error);
  return program;
}

HWND WaitUntilShown(const Program& program, const runtime::WindowDescription& description) {
  HWND window = nullptr;
  (void)WaitUntil([&] {
    window = program.Window(description);
    return Shown(window);
  });
  return Shown(window) ? window : nullptr;
}

bool WaitUntilHidden(HWND window) {
  return WaitUntil([window] { return !Shown(window); });
}

bool PressOnCalculator(const Program& program, WORD key, bool ctrl) {
  return BringToFront(program.Window(ui::frmcal::kDescription)) &&
         Press({.key = key, .ctrl = ctrl});
}

bool ChooseFromMenu(HWND window, const runtime::WindowDescription& description,
                    std::string_view item) {
  std::size_t menusSeen = 0;    // on the bar, up to the item's menu
  std::size_t itemsBefore = 0;  // in its menu, above the item
  for (const runtime::MenuEntry& entry : description.menu) {
    if (entry.depth == 0) {
      ++menusSeen;
      itemsBefore = 0;
    } else if (entry.name != item) {
      ++itemsBefore;
    } else {
      std::vector<Keystroke> keys = {{VK_F10}};
      keys.insert(keys.end(), menusSeen - 1, Keystroke{VK_RIGHT});
      keys.insert(keys.end(), itemsBefore + 1, Keystroke{VK_DOWN});
      keys.push_back({VK_RETURN});
      return BringToFront(window) &&
             std::ranges::all_of(keys, [](Keystroke key) { return Press(key); });
    }
  }
  return false;
}

bool ClickCloseBox(HWND window) {
  if (!BringToFront(window)) {
    return false;
  }
  const std::optional<POINT> closeBox = CloseBoxOf(window);
  return closeBox && ClickAt(*closeBox);
}

std::optional<MessageBoxShown> WaitForMessageBox(const Program& program) {
  HWND box = nullptr;
  if (!WaitUntil([&] { return (box = ShownMessageBox(program)) != nullptr; })) {
    return std::nullopt;
  }
  MessageBoxShown shown{box, GetWindow(box, GW_OWNER), TitleOf(box), {}};
  for (HWND child : ChildrenFrontToBack(box)) {
    if (lstrcmpiW(ClassOf(child).c_str(), L"Static") == 0 && !TextOf(child).empty()) {
      shown.text = TextOf(child);
    }
  }
  return shown;
}

bool ShowsMessageBox(const Program& program) {
  return ShownMessageBox(program) != nullptr;
}

bool PressOk(HWND box) {
  return Click(GetDlgItem(box, IDOK)) && WaitUntil([box] { return !Shown(box); });
}

}  // namespace app::windows::window_tests
