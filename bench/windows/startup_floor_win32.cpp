// The floor: a bare Win32 window with the calculator window's control mix at its sizes (a
// menu bar of three menus and four items with their shortcuts, an entry, nine push buttons,
// two labels, a group box and four one-pixel lines, all in the default GUI font), ending
// after its first paint like the start-up probe.
#include <windows.h>

#include <array>
#include <initializer_list>

#include "first_paint.h"

namespace {

constexpr wchar_t kClassName[] = L"StartupFloor";
constexpr wchar_t kTitle[] = L"Floor";

enum Command : WORD { kExit = 1, kClear, kHelpMe, kAbout };

// Front to back, at the calculator window's sizes in pixels at 96 dots per inch.
struct Control {
  const wchar_t* windowClass;
  const wchar_t* text;
  DWORD style;
  int left, top, width, height;
};
constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kLine = SS_GRAYRECT;
constexpr auto kControls = std::to_array<Control>({
    {L"BUTTON", L"%", kButton, 232, 224, 57, 49},
    {L"BUTTON", L"x^(Power)", kButton, 160, 224, 57, 49},
    {L"BUTTON", L"cube", kButton, 88, 224, 57, 49},
    {L"BUTTON", L"Square", kButton, 16, 224, 57, 49},
    {L"BUTTON", L"+", kButton, 16, 168, 57, 49},
    {L"BUTTON", L"-", kButton, 88, 168, 57, 49},
    {L"BUTTON", L"*", kButton, 160, 168, 57, 49},
    {L"BUTTON", L"/", kButton, 232, 168, 57, 49},
    {L"BUTTON", L"Clear", kButton, 296, 168, 97, 105},
    {L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 16, 24, 385, 33},
    {L"BUTTON", L"Pallete", BS_GROUPBOX, 8, 144, 393, 137},
    {L"STATIC", L"", kLine, 400, 64, 1, 41},
    {L"STATIC", L"", kLine, 16, 64, 385, 1},
    {L"STATIC", L"", kLine, 16, 63, 1, 42},
    {L"STATIC", L"", kLine, 16, 104, 385, 1},
    {L"STATIC", L"", SS_LEFT, 368, 75, 33, 29},
    {L"STATIC", L"", SS_RIGHT, 19, 75, 350, 29},
});
constexpr int kClientWidth = 447;
constexpr int kClientHeight = 306;
constexpr POINT kPosition{270, 268};

struct MenuItem {
  Command command;
  const wchar_t* caption;
};

void AddMenu(HMENU bar, const wchar_t* caption, std::initializer_list<MenuItem> items) {
  HMENU menu = CreatePopupMenu();
  for (const MenuItem& item : items) {
    AppendMenuW(menu, MF_STRING, item.command, item.caption);
  }
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), caption);
}

HMENU MakeMenuBar() {
  HMENU bar = CreateMenu();
  AddMenu(bar, L"File", {{kExit, L"Exit\tCtrl+Q"}});
  AddMenu(bar, L"Edit", {{kClear, L"Clear\tCtrl+C"}});
  AddMenu(bar, L"Help", {{kHelpMe, L"Help me\tF1"}, {kAbout, L"About\tF2"}});
  return bar;
}

HACCEL MakeShortcuts() {
  std::array<ACCEL, 4> shortcuts = {{{FCONTROL | FVIRTKEY, 'Q', kExit},
                                     {FCONTROL | FVIRTKEY, 'C', kClear},
                                     {FVIRTKEY, VK_F1, kHelpMe},
                                     {FVIRTKEY, VK_F2, kAbout}}};
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
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kStyle, TRUE, 0);
  HWND window = CreateWindowExW(0, kClassName, kTitle, kStyle, kPosition.x, kPosition.y,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                MakeMenuBar(), instance, nullptr);
  if (window == nullptr) {
    return nullptr;
  }
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  for (const Control& control : kControls) {
    HWND child = CreateWindowExW(0, control.windowClass, control.text,
                                 WS_CHILD | WS_VISIBLE | control.style, control.left, control.top,
                                 control.width, control.height, window, nullptr, instance, nullptr);
    if (child == nullptr) {
      return nullptr;
    }
    SendMessageW(child, WM_SETFONT, font, FALSE);
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
