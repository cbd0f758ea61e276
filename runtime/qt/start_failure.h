// How the Qt back end tells the user that the program could not start: one line on standard
// error, since no window of the program is there to carry it.
#pragma once

#include <string>
#include <string_view>

namespace runtime::qt {

// Writes "<title>: <message>" as one line to standard error. Never throws.
void WriteStartFailure(std::string_view title, std::string_view message) noexcept;

// Why no window could open, naming what was tried: the platform the user chose, and the X11
// display or Wayland socket the environment gives, or that it gives neither. Each argument
// is the variable's value, or nullptr when it is not set.
[[nodiscard]] std::string NoDisplayMessage(const char* platform, const char* x11Display,
                                           const char* waylandDisplay);

}  // namespace runtime::qt
