// A change of dpi while the calculator window is open, as when it moves to another screen:
// told 96 -> 144 -> 96, the window must take exactly the layout it has when it starts at
// that dpi, every rectangle and font height, and come back to the first. The expected
// layouts are written out: at 96 dpi the description's twips / 15, at 144 dpi as the
// program lays the window out when it starts on a 144 dpi screen (where "MS Sans Serif" at
// 8.25 points is drawn by its bitmap face, 16 pixels high). The run at 144 dpi checks that
// start against the same table.
#include <algorithm>
#include <array>

#include "app/windows/window_tests/inside_view.h"
#include "app/windows/window_tests/scenario.h"
#include "app/windows/window_tests/window_access.h"
#include "runtime/win32/control_ids.h"
#include "ui/frmcal/frmcal_description.h"

namespace app::windows::window_tests {
namespace {

using runtime::PixelRect;

struct Layout {
  PixelRect rect;
  int emHeight;  // 0: the control shows no text
};

struct ControlRow {
  const char* name;
  Layout at96;
  Layout at144;
};

// clang-format off
constexpr auto kCalculator = std::to_array<ControlRow>({
  // name        at 96 dpi                     at 144 dpi
  {"Cmdpersen", {{232, 224,  57,  49}, 11}, {{348, 336,  85,  74}, 16}},
  {"cmdsq",     {{160, 224,  57,  49}, 11}, {{240, 336,  85,  74}, 16}},
  {"cmdcube",   {{ 88, 224,  57,  49}, 11}, {{132, 336,  85,  74}, 16}},
  {"cmdSqu",    {{ 16, 224,  57,  49}, 11}, {{ 24, 336,  85,  74}, 17}},
  {"cmdsum",    {{ 16, 168,  57,  49}, 11}, {{ 24, 252,  85,  74}, 16}},
  {"cmdsub",    {{ 88, 168,  57,  49}, 11}, {{132, 252,  85,  74}, 16}},
  {"cmdmul",    {{160, 168,  57,  49}, 11}, {{240, 252,  85,  74}, 16}},
  {"cmddiv",    {{232, 168,  57,  49}, 11}, {{348, 252,  85,  74}, 16}},
  {"cmdclr",    {{296, 168,  97, 105}, 11}, {{444, 252, 146, 158}, 16}},
  {"txtnum",    {{ 16,  24, 385,  33}, 18}, {{ 24,  36, 578,  50}, 27}},
  {"Frame1",    {{  8, 144, 393, 137}, 11}, {{ 12, 216, 590, 206}, 16}},
  {"Line4",     {{400,  64,   1,  41},  0}, {{600,  96,   1,  61},  0}},
  {"Line3",     {{ 16,  64, 385,   1},  0}, {{ 24,  96, 577,   1},  0}},
  {"Line2",     {{ 16,  63,   1,  42},  0}, {{ 24,  94,   1,  63},  0}},
  {"Line1",     {{ 16, 104, 385,   1},  0}, {{ 24, 156, 577,   1},  0}},
  {"LblSpc",    {{368,  75,  33,  29}, 24}, {{552, 112,  50,  44}, 36}},
  {"lblans",    {{ 19,  75, 350,  29}, 24}, {{ 29, 113, 525,  44}, 36}},
});
// clang-format on

constexpr PixelRect kClientAt96{0, 0, 447, 306};
constexpr PixelRect kClientAt144{0, 0, 671, 459};

// Checks the window's layout against the table's column for `dpi`, reading the fonts from
// `inside`.
void CheckLayoutAt(Report& report, HWND window, const InsideView& inside, int dpi,
                   std::string_view when) {
  const std::string prefix = "frmcal " + std::string(when) + ": ";
  PixelRect client = ClientAreaOnScreen(window);
  client.left = 0;
  client.top = 0;
  report.Equal(client, dpi == 96 ? kClientAt96 : kClientAt144, prefix + "client area");
  for (const ControlRow& row : kCalculator) {
    const Layout& expected = dpi == 96 ? row.at96 : row.at144;
    const std::string name = prefix + row.name;
    HWND control = ControlOf(window, ui::frmcal::kDescription, row.name);
    if (!report.Check(control != nullptr, name + ": a child window")) {
      continue;
    }
    report.Equal(RectInParent(control), expected.rect, name + ": rectangle");
    if (expected.emHeight == 0) {
      continue;
    }
    const int id = GetDlgCtrlID(control);
    const auto font = std::ranges::find(inside.fonts, id, &ControlFont::id);
    report.Equal(font != inside.fonts.end() ? font->emHeight : 0, expected.emHeight,
                 name + ": text height");
  }
}

}  // namespace

void CheckDpiChange(Run& run) {
  run.report.Group("dpi");
  if (run.dpi != 96 && run.dpi != 144) {
    return;  // the table holds the layouts at 96 and 144 dpi only
  }
  const std::unique_ptr<Program> program = StartProgram(run, "dpi");
  if (!program) {
    return;
  }
  HWND window = program->Window(ui::frmcal::kDescription);
  const std::optional<InsideView> started = LookInside(window, run.hookLibrary);
  if (!run.report.Check(started.has_value(), "frmcal: the probe answers")) {
    return;
  }
  CheckLayoutAt(run.report, window, *started, run.dpi, "as started");
  if (run.dpi != 96) {
    return;  // the change is made from the 96 dpi screen, whose layout is the starting point
  }
  for (const int dpi : {144, 96}) {
    const std::optional<InsideView> changed = LookInside(window, run.hookLibrary, dpi);
    const std::string when = "changed to " + std::to_string(dpi) + " dpi";
    if (run.report.Check(changed.has_value(), "frmcal " + when + ": the probe answers")) {
      CheckLayoutAt(run.report, window, *changed, dpi, when);
    }
  }
}

}  // namespace app::windows::window_tests
