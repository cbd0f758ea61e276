// Texts cross the Win32 boundary as UTF-16; inside the program they are UTF-8. No fixed
// buffers: a text of any length goes through whole.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace runtime::win32 {

// Bytes that are no UTF-8 become U+FFFD, as the system converts them.
[[nodiscard]] std::wstring ToWide(std::string_view utf8);
[[nodiscard]] std::string ToUtf8(std::wstring_view wide);

// The whole text of a window or control.
[[nodiscard]] std::wstring WindowText(HWND window);

}  // namespace runtime::win32
