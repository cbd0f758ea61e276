// Window messages sent across processes; the system copies their texts between the two.
#include "tests/behaviour/win32/window_access.h"

#include <algorithm>

#include "runtime/win32/control_ids.h"
#include "tests/behaviour/win32/input.h"
#include "tests/behaviour/win32/wait.h"

namespace tests::behaviour::win32 {
namespace {

// The answer to a sent message; nullopt when the window's thread does not answer by the
// deadline.
std::optional<LRESULT> Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                           std::chrono::milliseconds deadline = kDeadline) {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL,
                          static_cast<UINT>(deadline.count()), &result) == 0) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(result);
}

GUITHREADINFO ThreadInfoOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) == FALSE) {
    return GUITHREADINFO{};
  }
  return info;
}

}  // namespace

HWND ControlOf(HWND window, const runtime::WindowDescription& description, std::string_view name) {
  const std::optional<int> id = runtime::win32::IdOf(description, name);
  return id ? GetDlgItem(window, *id) : nullptr;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  return {name, static_cast<std::size_t>(GetClassNameW(window, name, std::size(name)))};
}

std::wstring TitleOf(HWND window) {
  std::wstring title(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  title.resize(static_cast<std::size_t>(
      GetWindowTextW(window, title.data(), static_cast<int>(title.size()))));
  return title;
}

bool Shown(HWND window) {
  return window != nullptr && IsWindowVisible(window) != FALSE;
}

std::wstring TextOf(HWND window) {
  const auto length = static_cast<std::size_t>(Ask(window, WM_GETTEXTLENGTH).value_or(0));
  std::wstring text(length + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      Ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())).value_or(0)));
  return text;
}

bool SetTextOf(HWND window, std::wstring_view text) {
  const std::wstring terminated(text);
  // Wine's text box lays out a long text slowly: a second more for each 2,000 characters.
  const std::chrono::milliseconds deadline = kDeadline + std::chrono::seconds(text.size() / 2'000);
  return Ask(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()), deadline)
             .value_or(FALSE) != FALSE;
}

runtime::PixelRect RectInParent(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

runtime::PixelRect ClientAreaOnScreen(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return {origin.x, origin.y, client.right, client.bottom};
}

POINT CentreOnScreen(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

std::vector<HWND> ChildrenFrontToBack(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

HWND FocusOf(HWND window) {
  return ThreadInfoOf(window).hwndFocus;
}

HWND ActiveOf(HWND window) {
  return ThreadInfoOf(window).hwndActive;
}

bool BringToFront(HWND window) {
  // Activation ends with the focus given to the window or one of its controls.
  const auto inFront = [window] {
    HWND focus = FocusOf(window);
    return GetForegroundWindow() == window && ActiveOf(window) == window &&
           (focus == window || IsChild(window, focus) != FALSE);
  };
  return WaitUntil([&] {
    if (!inFront()) {
      SetForegroundWindow(window);
      return false;
    }
    // Still in front once the window's thread has handled what was on its way to it.
    return Settle(window) && inFront();
  });
}

bool Click(HWND button) {
  return button != nullptr && SendNotifyMessageW(button, BM_CLICK, 0, 0) != FALSE;
}

bool Settle(HWND window) {
  return Ask(window, WM_NULL).has_value();
}

std::optional<POINT> CloseBoxOf(HWND window) {
  TITLEBARINFO titleBar{};
  titleBar.cbSize = sizeof titleBar;
  if (GetTitleBarInfo(window, &titleBar) == FALSE) {
    return std::nullopt;
  }
  const RECT bar = titleBar.rcTitleBar;
  const int y = (bar.top + bar.bottom) / 2;
  const auto onCloseBox = [window, y](int x) {
    return Ask(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == LRESULT{HTCLOSE};
  };
  // The box is the run of close-box points nearest the right end of the bar.
  int right = bar.right - 1;
  while (right > bar.left && !onCloseBox(right)) {
    --right;
  }
  int left = right;
  while (left > bar.left && onCloseBox(left - 1)) {
    --left;
  }
  if (!onCloseBox(right)) {
    return std::nullopt;
  }
  return POINT{(left + right) / 2, y};
}

bool ClickCloseBox(HWND window) {
  if (!BringToFront(window)) {
    return false;
  }
  const std::optional<POINT> closeBox = CloseBoxOf(window);
  return closeBox && ClickAt(*closeBox);
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

}  // namespace tests::behaviour::win32
