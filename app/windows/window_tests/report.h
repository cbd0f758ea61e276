// The results of the checks: each failure printed with what it expected and what it found,
// and at the end the one closing line "N passed, M failed".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/rules/pixels.h"

namespace app::windows::window_tests {

[[nodiscard]] std::string Describe(int value);
[[nodiscard]] std::string Describe(unsigned long value);
[[nodiscard]] std::string Describe(bool value);
// Quoted, with a long text cut down to its start, its length and its end.
[[nodiscard]] std::string Describe(std::wstring_view text);
[[nodiscard]] std::string Describe(const std::vector<std::wstring>& texts);
[[nodiscard]] std::string Describe(const runtime::PixelRect& rect);

class Report {
 public:
  // Starts a group of checks: a heading in the output and the first word of its failures.
  void Group(std::string_view name);

  // Counts one check. A failed one prints `what` and, when given, what was found instead.
  bool Check(bool passed, std::string_view what, std::string_view found = {});

  template <class Found, class Expected>
  bool Equal(const Found& found, const Expected& expected, std::string_view what) {
    if (found == expected) {
      return Check(true, what);
    }
    return Check(false, what, "expected " + Describe(expected) + ", found " + Describe(found));
  }

  // Prints the closing line; true when every check passed.
  [[nodiscard]] bool Summarise() const;

 private:
  std::string group_;
  int passed_ = 0;
  int failed_ = 0;
};

}  // namespace app::windows::window_tests
