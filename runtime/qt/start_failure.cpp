// The start failure's line on standard error and the sentence for a missing display.
#include "runtime/qt/start_failure.h"

#include <cstdio>

namespace runtime::qt {
namespace {

bool IsGiven(const char* value) {
  return value != nullptr && *value != '\0';
}

std::string Quoted(const char* value) {
  return std::string("\"") + value + '"';
}

}  // namespace

void WriteStartFailure(std::string_view title, std::string_view message) noexcept {
  std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(title.size()), title.data(),
               static_cast<int>(message.size()), message.data());
  std::fflush(stderr);
}

std::string NoDisplayMessage(const char* platform, const char* x11Display,
                             const char* waylandDisplay) {
  std::string message = "cannot open a window";
  if (IsGiven(platform)) {
    message += " with the platform " + Quoted(platform) + " (QT_QPA_PLATFORM)";
  }
  if (!IsGiven(x11Display) && !IsGiven(waylandDisplay)) {
    return message +
           ": neither DISPLAY nor WAYLAND_DISPLAY is set; start it from a desktop "
           "session.";
  }
  message += " on";
  if (IsGiven(x11Display)) {
    message += " the display " + Quoted(x11Display) + " (DISPLAY)";
  }
  if (IsGiven(waylandDisplay)) {
    message += IsGiven(x11Display) ? " or" : "";
    message += " the Wayland socket " + Quoted(waylandDisplay) + " (WAYLAND_DISPLAY)";
  }
  return message + ": nothing answered there.";
}

}  // namespace runtime::qt
