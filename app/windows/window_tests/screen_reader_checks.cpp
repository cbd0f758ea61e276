// What a screen reader hears of each control, read as one reads it: through MSAA
// (AccessibleObjectFromWindow) from this process. A control is named by its accessible name,
// else its caption; a label named so also describes itself by its live caption; the lines
// and the about window's picture are a separator and a graphic without a name.
#include <oleacc.h>

#include <array>
#include <memory>
#include <string>

#include "app/windows/window_tests/calculator.h"
#include "app/windows/window_tests/scenario.h"
#include "app/windows/window_tests/text.h"
#include "app/windows/window_tests/window_access.h"
#include "ui/Form1/Form1_description.h"
#include "ui/frmcal/frmcal_description.h"

namespace app::windows::window_tests {
namespace {

// IAccessible's interface id, written out: the one in mingw-w64's libraries is refused.
constexpr IID kAccessibleInterface = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

struct Heard {
  const char* control;
  const wchar_t* name;  // nullptr: none
  long role;            // 0: the system's role for the control's class, not ours to check
};

// clang-format off
constexpr auto kCalculator = std::to_array<Heard>({
  {"txtnum", L"Entry",     0},
  {"lblans", L"Result",    0},
  {"LblSpc", L"Marker",    0},
  {"cmdsum", L"+",         0},
  {"cmdsq",  L"x^(Power)", 0},
  {"cmdclr", L"Clear",     0},
  {"Line1",  nullptr,      ROLE_SYSTEM_SEPARATOR},
  {"Line2",  nullptr,      ROLE_SYSTEM_SEPARATOR},
  {"Line3",  nullptr,      ROLE_SYSTEM_SEPARATOR},
  {"Line4",  nullptr,      ROLE_SYSTEM_SEPARATOR},
});
constexpr auto kAbout = std::to_array<Heard>({
  {"Image1",   nullptr,                ROLE_SYSTEM_GRAPHIC},
  {"Command1", L"More Details",        0},
  {"Label1",   L"Pellomar Cooperation", 0},
});
// clang-format on

struct ComStarted {
  ComStarted() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ~ComStarted() { CoUninitialize(); }
  ComStarted(const ComStarted&) = delete;
  ComStarted& operator=(const ComStarted&) = delete;
};

struct Releaser {
  void operator()(IUnknown* object) const { object->Release(); }
};

struct Freer {
  void operator()(wchar_t* text) const { SysFreeString(text); }
};
using Text = std::unique_ptr<wchar_t, Freer>;

VARIANT Self() {
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

std::wstring Describe(const wchar_t* text) {
  return text == nullptr ? L"(none)" : std::wstring(L"\"") + text + L"\"";
}

void CheckHeard(Report& report, HWND window, const runtime::WindowDescription& description,
                const Heard& row) {
  const std::string name =
      std::string(description.properties.name) + "." + row.control + ": screen readers hear ";
  IAccessible* found = nullptr;
  HWND control = ControlOf(window, description, row.control);
  const HRESULT asked =
      AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), kAccessibleInterface,
                                 reinterpret_cast<void**>(&found));
  if (!report.Check(SUCCEEDED(asked) && found != nullptr, name + "an object",
                    "status " + std::to_string(asked))) {
    return;
  }
  const std::unique_ptr<IAccessible, Releaser> object(found);
  BSTR said = nullptr;
  object->get_accName(Self(), &said);
  const Text heard(said);
  report.Equal(Describe(heard.get()), Describe(row.name), name + "its name");
  if (row.role != 0) {
    VARIANT role{};
    object->get_accRole(Self(), &role);
    report.Equal(role.vt == VT_I4 ? static_cast<int>(role.lVal) : -1, static_cast<int>(row.role),
                 name + "its role");
  }
}

}  // namespace

void CheckScreenReaderNames(Run& run) {
  run.report.Group("screen readers");
  const ComStarted com;
  const std::unique_ptr<Program> program = StartProgram(run, "screen readers");
  if (!program) {
    return;
  }
  const Calculator calculator(program->Window(ui::frmcal::kDescription));
  for (const Heard& row : kCalculator) {
    CheckHeard(run.report, calculator.Window(), ui::frmcal::kDescription, row);
  }
  // The result label describes itself by its digits, whatever they are now.
  run.report.Check(calculator.SetUp("30 + 12 + 7", {L"7", L"42", L""}),
                   "30 + 12 + 7 for the result");
  IAccessible* found = nullptr;
  AccessibleObjectFromWindow(calculator.Control("lblans"), static_cast<DWORD>(OBJID_CLIENT),
                             kAccessibleInterface, reinterpret_cast<void**>(&found));
  if (run.report.Check(found != nullptr, "frmcal.lblans: an object to describe it")) {
    const std::unique_ptr<IAccessible, Releaser> object(found);
    BSTR said = nullptr;
    object->get_accDescription(Self(), &said);
    const Text description(said);
    run.report.Equal(Describe(description.get()), Describe(L"42"),
                     "frmcal.lblans: screen readers hear its digits as its description");
  }

  PressOnCalculator(*program, VK_F2);
  HWND about = WaitUntilShown(*program, ui::Form1::kDescription);
  if (!run.report.Check(about != nullptr, "Form1: F2 shows it")) {
    return;
  }
  for (const Heard& row : kAbout) {
    CheckHeard(run.report, about, ui::Form1::kDescription, row);
  }
}

}  // namespace app::windows::window_tests
