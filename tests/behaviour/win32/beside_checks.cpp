// What the Windows program shows beside the behaviour table: the clipboard that Ctrl+C leaves
// alone, a 100,000-character entry, each window's icons, maximizing that moves nothing, a change of
// dpi that lays the calculator out as the rows say for the new dpi, a change of the system's
// colours that shows at once, and screenshots of the three windows for people to look at, with the
// background colour where no control lies.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>

#include "tests/behaviour/driver.h"
#include "tests/behaviour/win32/inside_view.h"
#include "tests/behaviour/win32/program.h"
#include "tests/behaviour/win32/run_settings.h"
#include "tests/behaviour/win32/screenshot.h"
#include "tests/behaviour/win32/wait.h"
#include "tests/behaviour/win32/window_access.h"
#include "ui/Form1/Form1_description.h"
#include "ui/Form2/Form2_description.h"
#include "ui/frmcal/frmcal_description.h"

namespace tests::behaviour::win32 {
namespace {

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

const Step kSelectTheEntry = {Step::Kind::SelectAll, "frmcal", "txtnum"};
const Step kCtrlC = {Step::Kind::Press, "frmcal", {}, {}, Key::CtrlC};

// The rows' rectangles are those of the run's screen only if it has the run's dpi.
TEST(beside, TheScreenHasTheRunsDpi) {
  const std::unique_ptr<Driver> driver = MakeDriver();
  driver->Start();
  EXPECT_EQ(driver->Dpi(), Settings().dpi);
}

TEST(beside, CtrlCOverASelectionCopiesNothing) {
  ASSERT_TRUE(PutOnClipboard(L"left alone"));
  const std::unique_ptr<Driver> driver = MakeDriver();
  driver->Start();
  driver->Perform({Step::Kind::Type, "frmcal", "txtnum", "20"});
  driver->Perform(kSelectTheEntry);
  driver->Perform(kCtrlC);
  EXPECT_EQ(driver->ReadTexts().entry, "");
  EXPECT_EQ(ClipboardText(), L"left alone");
}

TEST(beside, AHundredThousandCharacterEntryComputes) {
  // 100,000 characters that read as 12 only when none is lost.
  const std::string entry = std::string(99'998, '0') + "12";
  const std::unique_ptr<Driver> driver = MakeDriver();
  driver->Start();
  driver->Perform({Step::Kind::ToolSetText, "frmcal", "txtnum", entry});
  EXPECT_EQ(driver->ReadTexts().entry, entry);
  driver->Perform({Step::Kind::ToolPress, "frmcal", "cmdsum"});
  EXPECT_EQ(driver->ReadTexts().answer, "12");
}

// A fresh program's windows: the calculator's, and the other two once ShowAll shows them.
struct Windows {
  std::unique_ptr<Program> program;
  HWND calculator = nullptr;
  HWND about = nullptr;
  HWND details = nullptr;
};

// A fresh program with its calculator window; null windows when it did not start.
Windows StartCalculator() {
  Windows windows;
  std::string error;
  windows.program = Program::Start(Settings().program, error);
  EXPECT_NE(windows.program, nullptr) << error;
  if (windows.program) {
    windows.calculator = windows.program->Window(ui::frmcal::kDescription);
  }
  return windows;
}

Windows ShowAll() {
  Windows windows = StartCalculator();
  if (!windows.program) {
    return windows;
  }
  EXPECT_TRUE(ChooseFromMenu(windows.calculator, ui::frmcal::kDescription, "mnabout"));
  EXPECT_TRUE(WaitUntil(
      [&] { return Shown(windows.about = windows.program->Window(ui::Form1::kDescription)); }));
  EXPECT_TRUE(Click(ControlOf(windows.about, ui::Form1::kDescription, "Command1")));
  EXPECT_TRUE(WaitUntil(
      [&] { return Shown(windows.details = windows.program->Window(ui::Form2::kDescription)); }));
  return windows;
}

// Each control's rectangle, by its id, as "id: left, top, width x height".
std::vector<std::string> ControlRects(HWND window) {
  std::vector<std::string> rects;
  for (HWND child : ChildrenFrontToBack(window)) {
    const runtime::PixelRect rect = RectInParent(child);
    rects.push_back(std::to_string(GetDlgCtrlID(child)) + ": " + std::to_string(rect.left) + ", " +
                    std::to_string(rect.top) + ", " + std::to_string(rect.width) + " x " +
                    std::to_string(rect.height));
  }
  return rects;
}

// The rectangles once they have stayed the same for a moment: the window has laid itself out.
std::vector<std::string> SettledRects(HWND window) {
  std::vector<std::string> last = ControlRects(window);
  auto since = std::chrono::steady_clock::now();
  (void)WaitUntil([&] {
    std::vector<std::string> now = ControlRects(window);
    if (now != last) {
      last = std::move(now);
      since = std::chrono::steady_clock::now();
    }
    return std::chrono::steady_clock::now() - since >= std::chrono::milliseconds(300);
  });
  return last;
}

TEST(beside, MaximizingMovesNoControl) {
  const Windows windows = ShowAll();
  for (HWND window : {windows.calculator, windows.details}) {
    const std::vector<std::string> before = SettledRects(window);
    ShowWindowAsync(window, SW_MAXIMIZE);
    EXPECT_TRUE(WaitUntil([window] { return IsZoomed(window) != FALSE; }));
    EXPECT_EQ(SettledRects(window), before);
    ShowWindowAsync(window, SW_RESTORE);
    EXPECT_TRUE(WaitUntil([window] { return IsZoomed(window) == FALSE; }));
  }
}

// Each window shows its own picture as its icons, in the sizes of its dpi, once it is shown.
TEST(beside, EachWindowHasItsOwnIcons) {
  struct Sizes {
    int dpi, big, small;
  };
  constexpr Sizes kSizes[] = {{96, 32, 16}, {144, 48, 24}};
  const auto sizes = std::ranges::find(kSizes, Settings().dpi, &Sizes::dpi);
  ASSERT_NE(sizes, std::end(kSizes)) << "no icon sizes for " << Settings().dpi << " dpi";
  const Windows windows = ShowAll();
  std::vector<std::uint32_t> prints;
  for (HWND window : {windows.calculator, windows.about, windows.details}) {
    std::optional<InsideView> inside;
    EXPECT_TRUE(WaitUntil([&] {
      inside = LookInside(window, Settings().hookLibrary);
      return inside && inside->bigIcon.width != 0 && inside->smallIcon.width != 0;
    })) << "the window has both icons";
    ASSERT_TRUE(inside.has_value()) << "the probe answers";
    EXPECT_EQ(inside->bigIcon.width, sizes->big);
    EXPECT_EQ(inside->smallIcon.width, sizes->small);
    prints.push_back(inside->bigIcon.print);
  }
  std::ranges::sort(prints);
  EXPECT_EQ(std::ranges::adjacent_find(prints), prints.end()) << "two windows share an icon";
}

// Told its dpi changed, as when it moves to another screen (96 -> 144 -> 96), the calculator
// takes the layout the rows give for the new dpi: every rectangle and font height.
TEST(beside, ADpiChangeLaysTheCalculatorOutAnew) {
  const Windows started = StartCalculator();
  HWND window = started.calculator;
  ASSERT_NE(window, nullptr);
  if (GetDpiForWindow(window) != 96) {
    GTEST_SKIP() << "the change is made from a 96 dpi screen";
  }
  for (const int dpi : {144, 96}) {
    SCOPED_TRACE("changed to " + std::to_string(dpi) + " dpi");
    const std::optional<InsideView> inside =
        LookInside(window, Settings().hookLibrary, {.newDpi = dpi});
    ASSERT_TRUE(inside.has_value()) << "the probe answers";
    for (const ControlRow& row : ControlRows()) {
      if (row.window != "frmcal") {
        continue;
      }
      const runtime::PixelRect found =
          RectInParent(ControlOf(window, ui::frmcal::kDescription, row.control));
      EXPECT_TRUE(Matches(RectAt(row, dpi), {found.left, found.top, found.width, found.height}))
          << row.control;
    }
    for (const FontRow& row : FontRows()) {
      if (row.window != "frmcal") {
        continue;
      }
      const int id = GetDlgCtrlID(ControlOf(window, ui::frmcal::kDescription, row.control));
      const auto font = std::ranges::find(inside->fonts, id, &ControlFont::id);
      ASSERT_NE(font, inside->fonts.end()) << row.control;
      EXPECT_EQ(font->emHeight, FontPixelsAt(row, dpi)) << row.control;
    }
  }
}

// The colour at a point of the client area, in a picture of the whole window.
std::uint32_t ClientColour(const Picture& picture, HWND window, POINT point) {
  RECT frame{};
  GetWindowRect(window, &frame);
  const runtime::PixelRect client = ClientAreaOnScreen(window);
  return picture.At({client.left - frame.left + point.x, client.top - frame.top + point.y});
}

// The colour at the bottom-right corner of the client area, where no control lies.
std::uint32_t CornerColour(const Picture& picture, HWND window) {
  const runtime::PixelRect client = ClientAreaOnScreen(window);
  return ClientColour(picture, window, {client.width - 1, client.height - 1});
}

// The system's highlight colour, set from inside the program for as long as it lives, then put
// back.
class HighlightColour {
 public:
  HighlightColour(HWND window, COLORREF colour)
      : window_(window), before_(GetSysColor(COLOR_HIGHLIGHT)) {
    Set(colour);
  }
  ~HighlightColour() { Set(before_); }
  HighlightColour(const HighlightColour&) = delete;
  HighlightColour& operator=(const HighlightColour&) = delete;

 private:
  void Set(COLORREF colour) const {
    EXPECT_TRUE(LookInside(window_, Settings().hookLibrary, {.highlight = colour}).has_value())
        << "the probe answers";
  }
  HWND window_;
  COLORREF before_;
};

// A theme change shows at once: the lines round the running result take the new highlight.
TEST(beside, ASystemColourChangeRepaintsTheLines) {
  const Windows started = StartCalculator();
  HWND window = started.calculator;
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(BringToFront(window));
  const HighlightColour changed(window, RGB(0xFF, 0x00, 0x80));
  const std::uint32_t kNewHighlight = 0xFF0080;
  // Each line's first pixel, where the layout rows put it.
  std::vector<POINT> onLines;
  for (const ControlRow& row : ControlRows()) {
    if (row.role == Role::Separator) {
      const Rect& line = RectAt(row, Settings().dpi);
      onLines.push_back({line.left, line.top});
    }
  }
  ASSERT_EQ(onLines.size(), 4U);
  std::vector<std::uint32_t> seen;
  const auto linesSeen = [&] {
    seen.clear();
    if (const std::optional<Picture> picture = CaptureWindow(window)) {
      for (const POINT point : onLines) {
        seen.push_back(ClientColour(*picture, window, point));
      }
    }
    return seen;
  };
  EXPECT_TRUE(WaitUntil([&] { return linesSeen() == std::vector(4, kNewHighlight); }))
      << "the lines in the new highlight colour " << testing::PrintToString(seen);
}

TEST(beside, ScreenshotsShowTheDarkGreyBackground) {
  const Windows windows = ShowAll();
  const std::pair<HWND, const wchar_t*> shots[] = {
      {windows.calculator, L"frmcal"}, {windows.about, L"Form1"}, {windows.details, L"Form2"}};
  for (const auto& shot : shots) {
    HWND window = shot.first;
    ASSERT_TRUE(BringToFront(window));
    // A busy machine may show a window still unpainted for two captures in a row, so the
    // background is waited for rather than read off the first settled capture.
    std::optional<Picture> picture;
    std::uint32_t corner = 0;
    const bool darkGrey = WaitUntil([&] {
      picture = CaptureWindow(window);
      corner = picture ? CornerColour(*picture, window) : 0;
      return window == windows.details || corner == 0x404040U;
    });
    ASSERT_TRUE(picture.has_value()) << "the screen shows the window settled";
    EXPECT_TRUE(SaveBitmap(*picture, Settings().pictures + L"\\" + shot.second + L".bmp"));
    EXPECT_TRUE(darkGrey) << "the corner shows " << std::hex << corner << ", not dark grey 404040";
  }
}

}  // namespace
}  // namespace tests::behaviour::win32
