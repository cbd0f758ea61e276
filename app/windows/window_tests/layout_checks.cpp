// The three windows as an automation client finds them: the frame, place and size of each;
// every row of its description as one child window of the right class, text, styles and
// rectangle, stacked as the rows are; the calculator's menu tree and tooltip; and a
// screenshot of each window. Expectations scale with the dpi the window reports.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/windows/window_tests/calculator.h"
#include "app/windows/window_tests/input.h"
#include "app/windows/window_tests/inside_view.h"
#include "app/windows/window_tests/scenario.h"
#include "app/windows/window_tests/screenshot.h"
#include "app/windows/window_tests/text.h"
#include "app/windows/window_tests/wait.h"
#include "app/windows/window_tests/window_access.h"
#include "runtime/win32/control_ids.h"
#include "ui/Form1/Form1_description.h"
#include "ui/Form2/Form2_description.h"
#include "ui/frmcal/frmcal_description.h"

namespace app::windows::window_tests {
namespace {

using runtime::ControlKind;
using runtime::PixelRect;
using runtime::WindowDescription;

// The system control that stands for each kind of control, and its type among the styles.
struct MadeAs {
  ControlKind kind;
  const wchar_t* className;
  LONG typeMask;
  LONG type;
};

constexpr MadeAs kMadeAs[] = {
    {ControlKind::TextBox, L"Edit", 0, 0},
    {ControlKind::Label, L"Static", SS_TYPEMASK, SS_OWNERDRAW},
    {ControlKind::PushButton, L"Button", BS_TYPEMASK, BS_PUSHBUTTON},
    {ControlKind::Frame, L"Button", BS_TYPEMASK, BS_GROUPBOX},
    {ControlKind::Picture, L"Static", SS_TYPEMASK, SS_OWNERDRAW},
    {ControlKind::Line, L"Static", SS_TYPEMASK, SS_OWNERDRAW},
};

const MadeAs& MadeAsFor(ControlKind kind) {
  return *std::ranges::find(kMadeAs, kind, &MadeAs::kind);
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

bool Inside(const PixelRect& rect, POINT point) {
  return point.x >= rect.left && point.x < rect.Right() && point.y >= rect.top &&
         point.y < rect.Bottom();
}

std::string Hex(std::uint32_t colour) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(colour));
  return text;
}

// Where Windows keeps the window when its described place would put it off the work area.
bool FitsWorkArea(HWND window, int dx, int dy) {
  RECT workArea{};
  RECT frame{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  GetWindowRect(window, &frame);
  return frame.left + dx >= workArea.left && frame.top + dy >= workArea.top &&
         frame.right + dx <= workArea.right && frame.bottom + dy <= workArea.bottom;
}

// The frame, the client area and the window's relations. Returns the dpi the window has.
int CheckFrame(Run& run, HWND window, const WindowDescription& description) {
  Report& report = run.report;
  const auto& properties = description.properties;
  const std::string name(properties.name);
  const int dpi = static_cast<int>(GetDpiForWindow(window));
  report.Equal(dpi, run.dpi, name + ": dpi");
  report.Equal(ClassOf(window), std::wstring(runtime::win32::kFormClassName),
               name + ": window class");
  report.Equal(TitleOf(window), Widen(properties.title), name + ": title");
  report.Check(GetWindow(window, GW_OWNER) == nullptr, name + ": has no owner");

  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const bool sizable = properties.border == runtime::Border::Sizable;
  report.Check((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) != 0,
               name + ": a title bar with a close box");
  report.Equal((style & WS_THICKFRAME) != 0, sizable, name + ": a sizing border when sizable");
  report.Equal((style & WS_MAXIMIZEBOX) != 0, sizable, name + ": a maximize box when sizable");
  report.Equal((style & WS_MINIMIZEBOX) != 0 || !sizable, true,
               name + ": a minimize box when sizable");
  report.Check(IsIconic(window) == FALSE && IsZoomed(window) == FALSE,
               name + ": opens in the normal state");
  report.Equal(GetMenu(window) != nullptr, !description.menu.empty(),
               name + ": a menu bar when it has a menu");

  const PixelRect client = ClientAreaOnScreen(window);
  PixelRect expected =
      runtime::ToPixels(runtime::Box{0, 0, properties.clientWidth, properties.clientHeight}, dpi);
  expected.left = client.left;
  expected.top = client.top;
  if (properties.startPosition) {
    const runtime::PixelPoint start = runtime::ToPixels(*properties.startPosition, dpi);
    if (FitsWorkArea(window, start.x - client.left, start.y - client.top)) {
      expected.left = start.x;
      expected.top = start.y;
    } else {
      report.Check(FitsWorkArea(window, 0, 0), name + ": moved onto the work area");
    }
  }
  report.Equal(client, expected, name + ": client area on the screen");
  return dpi;
}

void CheckControl(Report& report, HWND window, const WindowDescription& description,
                  std::size_t row, int dpi) {
  const runtime::Control& control = description.controls[row];
  const std::string name =
      std::string(description.properties.name) + "." + std::string(control.name);
  HWND child = GetDlgItem(window, runtime::win32::ControlId(row));
  if (!report.Check(child != nullptr && GetParent(child) == window, name + ": a child window")) {
    return;
  }
  const MadeAs& madeAs = MadeAsFor(control.kind);
  report.Check(lstrcmpiW(ClassOf(child).c_str(), madeAs.className) == 0, name + ": window class",
               Describe(ClassOf(child)));
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  const LONG type = control.role == runtime::ButtonRole::Default ? BS_DEFPUSHBUTTON : madeAs.type;
  report.Equal(static_cast<int>(style & madeAs.typeMask), static_cast<int>(type),
               name + ": type of control");
  report.Equal((style & WS_TABSTOP) != 0, runtime::TakesFocus(control.kind),
               name + ": a tab stop when it takes the focus");
  report.Check((style & WS_VISIBLE) != 0 && (style & WS_DISABLED) == 0,
               name + ": visible and enabled");
  if (control.kind == ControlKind::TextBox) {
    report.Check((style & ES_AUTOHSCROLL) != 0 && (style & ES_MULTILINE) == 0,
                 name + ": one line that scrolls sideways");
    report.Check((GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0,
                 name + ": a sunken edge");
  }
  report.Equal(TextOf(child), Widen(control.caption), name + ": text");

  const PixelRect found = RectInParent(child);
  if (const auto* segment = std::get_if<runtime::Segment>(&control.geometry)) {
    report.Equal(found, runtime::ToPixels(*segment, dpi).bounds, name + ": covers its line");
    return;
  }
  const PixelRect box = runtime::ToPixels(std::get<runtime::Box>(control.geometry), dpi);
  if (control.sizing == runtime::Sizing::AutoSize) {
    report.Check(
        found.left == box.left && found.top == box.top && found.width > 0 && found.height > 0,
        name + ": at its box's corner, sized to its text", Describe(found));
  } else {
    report.Equal(found, box, name + ": rectangle");
  }
}

// Each overlapping pair keeps the rows' order, front to back.
void CheckStacking(Report& report, HWND window, const WindowDescription& description) {
  const std::string name(description.properties.name);
  const std::vector<HWND> stacked = ChildrenFrontToBack(window);
  report.Equal(static_cast<int>(stacked.size()), static_cast<int>(description.controls.size()),
               name + ": one child window per control");
  const auto depth = [&stacked](HWND child) { return std::ranges::find(stacked, child); };
  for (std::size_t front = 0; front < description.controls.size(); ++front) {
    for (std::size_t back = front + 1; back < description.controls.size(); ++back) {
      HWND frontChild = GetDlgItem(window, runtime::win32::ControlId(front));
      HWND backChild = GetDlgItem(window, runtime::win32::ControlId(back));
      if (frontChild != nullptr && backChild != nullptr &&
          Overlap(RectInParent(frontChild), RectInParent(backChild))) {
        report.Check(depth(frontChild) < depth(backChild),
                     name + ": " + std::string(description.controls[front].name) + " in front of " +
                         std::string(description.controls[back].name));
      }
    }
  }
}

void CheckControls(Report& report, HWND window, const WindowDescription& description, int dpi) {
  for (std::size_t row = 0; row < description.controls.size(); ++row) {
    CheckControl(report, window, description, row, dpi);
  }
  CheckStacking(report, window, description);
}

void CheckMenuTree(Report& report, const std::vector<MenuItem>& menu,
                   const WindowDescription& description) {
  const std::string name(description.properties.name);
  report.Equal(static_cast<int>(menu.size()), static_cast<int>(description.menu.size()),
               name + ": items in the menu tree");
  for (std::size_t row = 0; row < std::min(menu.size(), description.menu.size()); ++row) {
    const runtime::MenuEntry& entry = description.menu[row];
    std::wstring text = Widen(entry.caption);
    if (!entry.shortcut.empty()) {
      text += L"\t" + Widen(entry.shortcut);
    }
    const int id = entry.depth == 0 ? 0 : runtime::win32::MenuId(row);
    const std::string what = name + ": menu item " + std::string(entry.name);
    report.Equal(menu[row].text, text, what + ", text");
    report.Equal(menu[row].depth, entry.depth, what + ", level");
    report.Equal(static_cast<int>(menu[row].id), id, what + ", command id");
  }
}

// Every control with a text shows it at its described size, in whichever face stands in for
// the described one; within a pixel, since a size in points falls between pixels.
void CheckFonts(Report& report, const std::vector<ControlFont>& fonts,
                const WindowDescription& description, int dpi) {
  for (std::size_t row = 0; row < description.controls.size(); ++row) {
    const runtime::Control& control = description.controls[row];
    if (control.kind == ControlKind::Picture || control.kind == ControlKind::Line) {
      continue;
    }
    const std::string name =
        std::string(description.properties.name) + "." + std::string(control.name);
    const runtime::Font font = control.font.value_or(description.properties.font);
    const auto found = std::ranges::find(fonts, runtime::win32::ControlId(row), &ControlFont::id);
    if (!report.Check(found != fonts.end() && found->emHeight > 0, name + ": has a font")) {
      continue;
    }
    const int expected = static_cast<int>(std::lround(font.points * dpi / 72.0));
    report.Check(std::abs(found->emHeight - expected) <= 1,
                 name + ": text " + std::to_string(expected) + " pixels high",
                 "found " + std::to_string(found->emHeight) + " in " + Narrow(found->face));
    report.Equal(found->weight, font.weight, name + ": weight of its font");
  }
}

void CheckInside(Run& run, HWND window, const WindowDescription& description, int dpi) {
  const std::optional<InsideView> inside = LookInside(window, run.hookLibrary);
  if (!run.report.Check(inside.has_value(),
                        std::string(description.properties.name) + ": the probe answers")) {
    return;
  }
  CheckMenuTree(run.report, inside->menu, description);
  CheckFonts(run.report, inside->fonts, description, dpi);
}

// Hovering a control with a tooltip shows the tooltip window with its text.
void CheckTooltips(Run& run, const Program& program, HWND window,
                   const WindowDescription& description) {
  for (const runtime::Control& control : description.controls) {
    if (control.tooltip.empty()) {
      continue;
    }
    const std::string name =
        std::string(description.properties.name) + "." + std::string(control.name);
    const std::wstring expected = Widen(control.tooltip);
    std::wstring shown;
    const auto tipShown = [&] {
      for (HWND tip : program.WindowsOfClass(L"tooltips_class32")) {
        if (Shown(tip) && (shown = TextOf(tip)) == expected) {
          return true;
        }
      }
      return false;
    };
    const PixelRect client = ClientAreaOnScreen(window);
    BringToFront(window);
    MoveTo({client.left, client.top});
    MoveTo(CentreOnScreen(ControlOf(window, description, control.name)));
    run.report.Check(WaitUntil(tipShown), name + ": hovering shows its tooltip",
                     "last tip seen " + Describe(shown));
    MoveTo({client.left, client.top});
  }
}

// A screenshot into the pictures folder; where no control lies, the window's own colour.
void TakePicture(Run& run, HWND window, const WindowDescription& description) {
  const std::string name(description.properties.name);
  BringToFront(window);
  const std::optional<Picture> picture = CaptureWindow(window);
  if (!run.report.Check(picture.has_value(), name + ": the screen shows it settled")) {
    return;
  }
  run.report.Check(SaveBitmap(*picture, run.pictures + L"\\" + Widen(name) + L".bmp"),
                   name + ": screenshot written");
  const auto* background = std::get_if<runtime::Rgb>(&description.properties.background);
  const PixelRect client = ClientAreaOnScreen(window);
  const POINT corner{client.width - 1, client.height - 1};
  const std::vector<HWND> children = ChildrenFrontToBack(window);
  if (background == nullptr || std::ranges::any_of(children, [corner](HWND child) {
        return Inside(RectInParent(child), corner);
      })) {
    return;
  }
  RECT frame{};
  GetWindowRect(window, &frame);
  const std::uint32_t shown =
      picture->At({client.left - frame.left + corner.x, client.top - frame.top + corner.y});
  run.report.Check(shown == background->value,
                   name + ": its background colour where no control lies",
                   "expected " + Hex(background->value) + ", found " + Hex(shown));
}

// A sizable window maximizes and comes back, and no control moves or changes its size.
void CheckMaximizing(Report& report, HWND window, const WindowDescription& description) {
  if (description.properties.border != runtime::Border::Sizable) {
    return;
  }
  const std::string name(description.properties.name);
  const auto rectangles = [window] {
    std::vector<PixelRect> rects;
    for (HWND child : ChildrenFrontToBack(window)) {
      rects.push_back(RectInParent(child));
    }
    return rects;
  };
  const std::vector<PixelRect> before = rectangles();
  ShowWindowAsync(window, SW_MAXIMIZE);
  report.Check(WaitUntil([window] { return IsZoomed(window) != FALSE; }), name + ": maximizes");
  report.Check(rectangles() == before, name + ": maximizing moves no control");
  ShowWindowAsync(window, SW_RESTORE);
  report.Check(WaitUntil([window] { return IsZoomed(window) == FALSE; }),
               name + ": comes back from maximized");
}

void CheckWindow(Run& run, const Program& program, HWND window,
                 const WindowDescription& description) {
  const int dpi = CheckFrame(run, window, description);
  CheckControls(run.report, window, description, dpi);
  CheckInside(run, window, description, dpi);
  CheckTooltips(run, program, window, description);
}

}  // namespace

void CheckLayout(Run& run) {
  run.report.Group("layout");
  const std::unique_ptr<Program> program = StartProgram(run, "layout");
  if (!program) {
    return;
  }
  HWND calculatorWindow = program->Window(ui::frmcal::kDescription);
  CheckWindow(run, *program, calculatorWindow, ui::frmcal::kDescription);
  const Calculator calculator(calculatorWindow);
  run.report.Check(calculator.SetUp("30 + 12 + 7", {L"7", L"42", L""}),
                   "frmcal: 30 + 12 + 7 for its picture");
  TakePicture(run, calculatorWindow, ui::frmcal::kDescription);
  CheckMaximizing(run.report, calculatorWindow, ui::frmcal::kDescription);

  PressOnCalculator(*program, VK_F2);
  HWND about = WaitUntilShown(*program, ui::Form1::kDescription);
  if (!run.report.Check(about != nullptr, "Form1: F2 shows it")) {
    return;
  }
  CheckWindow(run, *program, about, ui::Form1::kDescription);
  TakePicture(run, about, ui::Form1::kDescription);

  Click(ControlOf(about, ui::Form1::kDescription, "Command1"));
  HWND details = WaitUntilShown(*program, ui::Form2::kDescription);
  if (!run.report.Check(details != nullptr, "Form2: More Details shows it")) {
    return;
  }
  CheckWindow(run, *program, details, ui::Form2::kDescription);
  TakePicture(run, details, ui::Form2::kDescription);
  CheckMaximizing(run.report, details, ui::Form2::kDescription);
}

}  // namespace app::windows::window_tests
