// The descriptions hold UTF-8, the windows UTF-16: the two conversions between them.
#pragma once

#include <string>
#include <string_view>

namespace app::windows::window_tests {

[[nodiscard]] std::wstring Widen(std::string_view text);
[[nodiscard]] std::string Narrow(std::wstring_view text);

}  // namespace app::windows::window_tests
