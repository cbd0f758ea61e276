// How an automation client reads and drives the windows of another process: messages for
// texts and clicks, rectangles in client coordinates, and the focus of the window's thread.
// Messages go out with a time limit, so a program that hangs fails a check instead of
// stalling the run.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/forms/window_description.h"
#include "runtime/rules/pixels.h"

namespace tests::behaviour::win32 {

// The child of `window` that is the control `name` of its description; null when it has none.
[[nodiscard]] HWND ControlOf(HWND window, const runtime::WindowDescription& description,
                             std::string_view name);

[[nodiscard]] std::wstring ClassOf(HWND window);
// The title of a top-level window, as the system keeps it.
[[nodiscard]] std::wstring TitleOf(HWND window);
[[nodiscard]] bool Shown(HWND window);

// The text by WM_GETTEXTLENGTH and WM_GETTEXT; empty when the window does not answer.
[[nodiscard]] std::wstring TextOf(HWND window);
// Replaces the text whole by WM_SETTEXT; false when the window refused it or did not answer.
bool SetTextOf(HWND window, std::wstring_view text);

// The rectangle of `child` in the client coordinates of its parent.
[[nodiscard]] runtime::PixelRect RectInParent(HWND child);
// The client area of `window` on the screen.
[[nodiscard]] runtime::PixelRect ClientAreaOnScreen(HWND window);
[[nodiscard]] POINT CentreOnScreen(HWND window);
// The children of `window`, front to back.
[[nodiscard]] std::vector<HWND> ChildrenFrontToBack(HWND window);

// The control with the focus in the thread of `window`, and that thread's active window.
[[nodiscard]] HWND FocusOf(HWND window);
[[nodiscard]] HWND ActiveOf(HWND window);
// Makes `window` the foreground window and waits until its thread has made it the active
// window and given the focus to it or one of its controls.
bool BringToFront(HWND window);

// BM_CLICK, as an automation client presses a button. It goes out as a notification: it is
// handled in order with the messages sent after it, and a click whose handler opens a modal
// box does not block the caller.
bool Click(HWND button);

// Returns once the thread of `window` has handled every message sent to it before, such as
// a click and the handler it runs; false when it does not answer by the deadline.
bool Settle(HWND window);

// The middle of the close box in the window's title bar, found by hit-testing along it.
[[nodiscard]] std::optional<POINT> CloseBoxOf(HWND window);

// Closes `window` by a real click on the close box of its title bar.
bool ClickCloseBox(HWND window);

// Chooses the menu item `item` by the keyboard, as the user reaches the menu bar without the
// mouse: F10, Right to its menu, Down into it and on to the item, Enter.
bool ChooseFromMenu(HWND window, const runtime::WindowDescription& description,
                    std::string_view item);

}  // namespace tests::behaviour::win32
