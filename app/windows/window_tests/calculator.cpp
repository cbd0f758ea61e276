// Steps split at spaces; captions found in the calculator's description, never copied.
#include "app/windows/window_tests/calculator.h"

#include <algorithm>

#include "app/windows/window_tests/input.h"
#include "app/windows/window_tests/text.h"
#include "app/windows/window_tests/wait.h"
#include "app/windows/window_tests/window_access.h"
#include "ui/frmcal/frmcal_description.h"

namespace app::windows::window_tests {

HWND Calculator::Control(std::string_view name) const {
  return ControlOf(window_, ui::frmcal::kDescription, name);
}

HWND Calculator::Button(std::string_view caption) const {
  for (const runtime::Control& control : ui::frmcal::kDescription.controls) {
    if (control.kind == runtime::ControlKind::PushButton && control.caption == caption) {
      return Control(control.name);
    }
  }
  return nullptr;
}

std::vector<std::wstring> Calculator::Texts() const {
  return {TextOf(Entry()), TextOf(Control("lblans")), TextOf(Control("LblSpc"))};
}

std::vector<std::wstring> Calculator::WaitForTexts(
    const std::vector<std::wstring>& expected) const {
  std::vector<std::wstring> seen;
  (void)WaitUntil([&] {
    seen = Texts();
    return seen == expected;
  });
  return seen;
}

bool Calculator::Perform(std::string_view steps, Road road) const {
  while (!steps.empty()) {
    const std::size_t end = std::min(steps.find(' '), steps.size());
    const std::string_view step = steps.substr(0, end);
    steps.remove_prefix(std::min(end + 1, steps.size()));
    if (step.empty()) {
      continue;
    }
    HWND button = Button(step);
    bool given = false;
    if (road == Road::Automation) {
      given = button != nullptr ? Click(button) : SetTextOf(Entry(), Widen(step));
    } else {
      given = button != nullptr ? ClickAt(CentreOnScreen(button))
                                : ClickIntoEntry() && Type(Widen(step));
    }
    if (!given) {
      return false;
    }
  }
  return true;
}

bool Calculator::SetUp(std::string_view steps, const std::vector<std::wstring>& texts) const {
  return Perform(steps, Road::Automation) && WaitForTexts(texts) == texts;
}

bool Calculator::ClickIntoEntry() const {
  return ClickAt(CentreOnScreen(Entry())) &&
         WaitUntil([this] { return FocusOf(window_) == Entry(); });
}

bool Calculator::TypeMarker(std::wstring_view marker) const {
  const std::wstring before = TextOf(Entry());
  return Type(marker) && WaitUntil([&] {
           const std::wstring now = TextOf(Entry());
           return now != before && now.ends_with(marker);
         });
}

}  // namespace app::windows::window_tests
