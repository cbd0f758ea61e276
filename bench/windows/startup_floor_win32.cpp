// The floor: a bare Win32 window with the calculator window's controls, menu bar and
// shortcuts, taken row by row from the calculator's own description so that it cannot drift
// from it, and made with the system's classes alone: none of the forms runtime's back end.
// It ends after its first paint like the start-up probe.
#include <windows.h>

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "first_paint.h"
#include "runtime/rules/pixels.h"
#include "runtime/rules/shortcut.h"
#include "ui/frmcal/frmcal_description.h"

namespace {

constexpr wchar_t kClassName[] = L"StartupFloor";
constexpr wchar_t kTitle[] = L"Floor";
constexpr int kFirstCommand = 1000;

const runtime::WindowDescription& kCalculator = ui::frmcal::kDescription;

std::wstring Wide(std::string_view text) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

struct SystemControl {
  const wchar_t* windowClass;
  DWORD style;
  DWORD extendedStyle;
};

SystemControl SystemControlOf(const runtime::Control& row) {
  switch (row.kind) {
    case runtime::ControlKind::TextBox:
      return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case runtime::ControlKind::PushButton:
      return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case runtime::ControlKind::Frame:
      return {L"BUTTON", BS_GROUPBOX, 0};
    case runtime::ControlKind::Line:
      return {L"STATIC", SS_GRAYRECT, 0};
    case runtime::ControlKind::Label:
    case runtime::ControlKind::Picture:
      break;
  }
  return {L"STATIC",
          static_cast<DWORD>(row.alignment == runtime::Alignment::Right ? SS_RIGHT : SS_LEFT), 0};
}

// The fonts of the table, each made once, as the program makes them. They live until the
// program ends after its first paint.
class Fonts {
 public:
  HFONT Of(const runtime::Font& font, int dpi) {
    for (const auto& [made, handle] : made_) {
      if (made.face == font.face && made.points == font.points && made.weight == font.weight) {
        return handle;
      }
    }
    HFONT handle =
        CreateFontW(-static_cast<int>(std::lround(font.points * dpi / 72)), 0, 0, 0, font.weight,
                    FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, Wide(font.face).c_str());
    made_.emplace_back(font, handle);
    return handle;
  }

 private:
  std::vector<std::pair<runtime::Font, HFONT>> made_;
};

HMENU MakeMenuBar() {
  HMENU bar = CreateMenu();
  HMENU open = nullptr;
  for (std::size_t row = 0; row < kCalculator.menu.size(); ++row) {
    const runtime::MenuEntry& entry = kCalculator.menu[row];
    std::wstring text = Wide(entry.caption);
    if (!entry.shortcut.empty()) {
      text += L"\t" + Wide(entry.shortcut);
    }
    if (entry.depth == 0) {
      open = CreatePopupMenu();
      AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(open), text.c_str());
    } else {
      AppendMenuW(open, MF_STRING, kFirstCommand + row, text.c_str());
    }
  }
  return bar;
}

HACCEL MakeShortcuts() {
  std::vector<ACCEL> shortcuts;
  for (std::size_t row = 0; row < kCalculator.menu.size(); ++row) {
    if (const std::optional<runtime::Shortcut> shortcut =
            runtime::ParseShortcut(kCalculator.menu[row].shortcut)) {
      const BYTE flags = FVIRTKEY | (shortcut->ctrl ? FCONTROL : 0) |
                         (shortcut->shift ? FSHIFT : 0) | (shortcut->alt ? FALT : 0);
      const WORD key = shortcut->functionKey != 0
                           ? static_cast<WORD>(VK_F1 + shortcut->functionKey - 1)
                           : static_cast<WORD>(shortcut->key);
      shortcuts.push_back({flags, key, static_cast<WORD>(kFirstCommand + row)});
    }
  }
  return CreateAcceleratorTableW(shortcuts.data(), static_cast<int>(shortcuts.size()));
}

LRESULT CALLBACK FloorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeWindow(HINSTANCE instance) {
  const runtime::WindowProperties& properties = kCalculator.properties;
  const int dpi = static_cast<int>(GetDpiForSystem());
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &FloorProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kClassName;
  if (RegisterClassExW(&windowClass) == 0) {
    return nullptr;
  }
  constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
  RECT frame{0, 0, runtime::TwipsToPixels(properties.clientWidth, dpi),
             runtime::TwipsToPixels(properties.clientHeight, dpi)};
  AdjustWindowRectEx(&frame, kStyle, TRUE, 0);
  const runtime::PixelPoint place =
      runtime::ToPixels(properties.startPosition.value_or(runtime::Point{0, 0}), dpi);
  HWND window =
      CreateWindowExW(0, kClassName, kTitle, kStyle, place.x + frame.left, place.y + frame.top,
                      frame.right - frame.left, frame.bottom - frame.top, nullptr, MakeMenuBar(),
                      instance, nullptr);
  if (window == nullptr) {
    return nullptr;
  }
  Fonts fonts;
  for (const runtime::Control& row : kCalculator.controls) {
    const SystemControl made = SystemControlOf(row);
    const runtime::PixelRect area = runtime::AreaOf(row, dpi);
    HWND child = CreateWindowExW(made.extendedStyle, made.windowClass, Wide(row.caption).c_str(),
                                 WS_CHILD | WS_VISIBLE | made.style, area.left, area.top,
                                 area.width, area.height, window, nullptr, instance, nullptr);
    if (child == nullptr) {
      return nullptr;
    }
    SendMessageW(child, WM_SETFONT,
                 reinterpret_cast<WPARAM>(fonts.Of(row.font.value_or(properties.font), dpi)),
                 FALSE);
  }
  return window;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int show) {
  if (!bench::EndAfterFirstPaint(kClassName, kTitle)) {
    return 1;
  }
  HWND window = MakeWindow(instance);
  if (window == nullptr) {
    return 1;
  }
  HACCEL shortcuts = MakeShortcuts();
  ShowWindow(window, show);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorW(window, shortcuts, &message) == 0 &&
        IsDialogMessageW(window, &message) == 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return 0;
}
