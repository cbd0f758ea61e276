// What only the program's own process can read of its window under Wine, read there through
// the probe hook built beside the driver (probe_hook.cpp): the menu tree, the icons, and the
// fonts its controls show their text in.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tests::behaviour::win32 {

struct MenuItem {
  int depth;  // 0 on the menu bar, 1 in a menu of the bar
  UINT id;    // the command id; 0 for an item that opens a menu
  std::wstring text;
};

struct ControlFont {
  int id;
  int emHeight;  // in pixels, as the program asks for it; 0: the control has none
  int weight;
  bool decorated;     // italic, underlined or struck out
  std::wstring face;  // as the control asks for it
};

struct Icon {
  int width;            // in pixels; 0: none
  std::uint32_t print;  // tells one picture from another
};

struct InsideView {
  std::vector<MenuItem> menu;  // in menu-bar order, each menu followed by its items
  Icon bigIcon;
  Icon smallIcon;
  std::vector<ControlFont> fonts;
};

// What the program is first told, from inside its process, as the system tells it: that its
// window's dpi changed, as when it moves to another screen, or that the system's highlight
// colour changed, as a theme change does.
struct InsideChange {
  int newDpi = 0;  // 0: none
  std::optional<COLORREF> highlight = std::nullopt;
};

// Looks inside the process of `window`, after the change if one is given; nullopt when the
// hook cannot be set or the program does not answer by the deadline.
[[nodiscard]] std::optional<InsideView> LookInside(HWND window, const std::wstring& hookLibrary,
                                                   const InsideChange& change = {});

}  // namespace tests::behaviour::win32
