// Printing the checks' results as they come, so a hang still leaves the earlier ones in the log.
#include "app/windows/window_tests/report.h"

#include <cstdio>

#include "app/windows/window_tests/text.h"

namespace app::windows::window_tests {
namespace {

constexpr std::size_t kLongText = 60;

void PrintLine(const std::string& line) {
  std::fputs(line.c_str(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace

std::string Describe(int value) {
  return std::to_string(value);
}

std::string Describe(unsigned long value) {
  return std::to_string(value);
}

std::string Describe(bool value) {
  return value ? "yes" : "no";
}

std::string Describe(std::wstring_view text) {
  std::string quoted = "\"";
  if (text.size() <= kLongText) {
    quoted += Narrow(text);
  } else {
    quoted += Narrow(text.substr(0, 10));
    quoted += "...\" (" + std::to_string(text.size()) + " characters, ending \"";
    quoted += Narrow(text.substr(text.size() - 10));
    quoted += "\")";
  }
  return quoted + "\"";
}

std::string Describe(const std::vector<std::wstring>& texts) {
  std::string list = "{";
  for (const std::wstring& text : texts) {
    list += (list.size() > 1 ? ", " : "") + Describe(text);
  }
  return list + "}";
}

std::string Describe(const runtime::PixelRect& rect) {
  char text[64];
  std::snprintf(text, sizeof text, "(%d, %d) %d x %d", rect.left, rect.top, rect.width,
                rect.height);
  return text;
}

void Report::Group(std::string_view name) {
  group_ = name;
  PrintLine("== " + group_);
}

bool Report::Check(bool passed, std::string_view what, std::string_view found) {
  if (passed) {
    ++passed_;
    return true;
  }
  ++failed_;
  std::string line = "FAIL " + group_ + ": " + std::string(what);
  if (!found.empty()) {
    line += ": " + std::string(found);
  }
  PrintLine(line);
  return false;
}

bool Report::Summarise() const {
  PrintLine(std::to_string(passed_) + " passed, " + std::to_string(failed_) + " failed");
  return failed_ == 0;
}

}  // namespace app::windows::window_tests
