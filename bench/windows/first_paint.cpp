// A thread hook sees each window of the class as it is created and puts a window procedure
// in front of the class's: the first paint shows through it, whether the window is painted
// from the message loop or directly by UpdateWindow.
#include "first_paint.h"

#include <windows.h>

#include <iterator>
#include <utility>

namespace bench {
namespace {

// Hook procedures take no context of their own: what they watch for lives here.
struct Watch {
  std::wstring windowClass;
  std::wstring title;
  WNDPROC classProcedure = nullptr;  // the procedure every window of the class starts with
};
Watch watch;

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return {name, static_cast<std::size_t>(length > 0 ? length : 0)};
}

std::wstring TitleOf(HWND window) {
  std::wstring title(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  title.resize(static_cast<std::size_t>(
      GetWindowTextW(window, title.data(), static_cast<int>(title.size()))));
  return title;
}

LRESULT CALLBACK WatchPaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProcW(watch.classProcedure, window, message, wParam, lParam);
  if (message == WM_PAINT && TitleOf(window) == watch.title) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    ExitProcess(0);
  }
  return result;
}

LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const auto window = reinterpret_cast<HWND>(wParam);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    if (ClassOf(window) == watch.windowClass &&
        GetClassInfoExW(GetModuleHandleW(nullptr), watch.windowClass.c_str(), &windowClass) != 0) {
      watch.classProcedure = windowClass.lpfnWndProc;
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchPaint));
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool EndAfterFirstPaint(std::wstring windowClass, std::wstring title) {
  watch = {std::move(windowClass), std::move(title)};
  return SetWindowsHookExW(WH_CBT, &WatchCreation, nullptr, GetCurrentThreadId()) != nullptr;
}

}  // namespace bench
