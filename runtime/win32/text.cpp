// UTF-8 and UTF-16 conversions and window texts of any length.
#include "runtime/win32/text.h"

#include <algorithm>
#include <limits>

namespace runtime::win32 {
namespace {

// The system's conversions count in int; no text of ours comes near the limit, and a longer
// one is cut there rather than overflow the count.
int ClampedLength(std::size_t size) {
  return static_cast<int>(std::min<std::size_t>(size, std::numeric_limits<int>::max() / 4));
}

}  // namespace

std::wstring ToWide(std::string_view utf8) {
  if (utf8.empty()) {
    return {};
  }
  const int length = ClampedLength(utf8.size());
  const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wideLength);
  return wide;
}

std::string ToUtf8(std::wstring_view wide) {
  if (wide.empty()) {
    return {};
  }
  const int length = ClampedLength(wide.size());
  const int utf8Length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), utf8Length, nullptr, nullptr);
  return utf8;
}

std::wstring WindowText(HWND window) {
  // The length may be an over-estimate (it can count a multi-byte text twice); the copy
  // returns the true length.
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

}  // namespace runtime::win32
