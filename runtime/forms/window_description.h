// How a window is given as constant data: its properties and its controls, front to back.
// Units are those of the tables: twips, points, RGB or a system-colour role. Only the back
// ends convert them for the screen.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

namespace runtime {

using Twips = int;

struct Box {
  Twips left, top, width, height;
};

// A line's two end points, measured like a box from the client area's top-left corner.
struct Segment {
  Twips x1, y1, x2, y2;
};

struct Point {
  Twips x, y;
};

// 0xRRGGBB, red first.
struct Rgb {
  std::uint32_t value;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

// A platform colour named by its role.
enum class SystemColour { ButtonFace, ButtonText, Highlight, InfoText, WindowBackground };

// The platform's standard colour for that kind of control.
struct PlatformColour {
  friend constexpr bool operator==(PlatformColour, PlatformColour) = default;
};

using Colour = std::variant<PlatformColour, Rgb, SystemColour>;

inline constexpr int kRegular = 400;
inline constexpr int kBold = 700;

struct Font {
  std::string_view face;
  double points;
  int weight;
};

// Bytes of a picture or icon file, embedded in the program.
using Asset = std::span<const unsigned char>;

enum class ControlKind { TextBox, Label, PushButton, Frame, Picture, Line };
enum class Alignment { Left, Right, Centre };
// A label either keeps its box (breaking its caption at spaces) or takes the size of its
// caption on one line, left and top edges fixed.
enum class Sizing { FixedBox, AutoSize };
enum class Backdrop { Opaque, Transparent };
// Whether Enter (default) or Esc (cancel) presses a button wherever the focus is.
enum class ButtonRole { None, Default, Cancel };

inline constexpr std::optional<int> kNoTabIndex = std::nullopt;
inline constexpr std::optional<Font> kWindowFont = std::nullopt;

// One row of a window's control table. Lines are rows too, so that one array gives the
// stacking order: the first row lies in front of all others.
struct Control {
  ControlKind kind;
  std::string_view name;
  std::string_view caption;              // caption, text, or empty
  std::variant<Box, Segment> geometry;   // Segment for lines only
  std::optional<int> tabIndex;           // kNoTabIndex for pictures and lines
  std::optional<Font> font;              // kWindowFont: the window's font
  Colour foreColour = PlatformColour{};  // text, or the line's colour
  Colour backColour = PlatformColour{};
  Alignment alignment = Alignment::Left;
  Sizing sizing = Sizing::FixedBox;
  Backdrop backdrop = Backdrop::Opaque;
  ButtonRole role = ButtonRole::None;
  std::string_view tooltip = {};
  Asset picture = {};
  // What assistive tools call a control whose caption does not say it: the entry's name
  // ("Entry"), a label's role ("Result"). Empty: the caption names it (AccessibilityOf).
  std::string_view accessibleName = {};
};

// One entry of the menu tree, in menu-bar order: depth 0 for a menu on the bar, 1 for an
// item of the menu above it (MenuTree reads the tree). The shortcut is in portable text ("Ctrl+Q",
// "F1"), or empty.
struct MenuEntry {
  int depth;
  std::string_view name;
  int index;
  std::string_view caption;
  std::string_view shortcut = {};
};

enum class Border { Sizable, FixedDialog };

struct WindowProperties {
  std::string_view name;  // the window class
  std::string_view title;
  Twips clientWidth, clientHeight;
  std::optional<Point> startPosition;  // client area's top-left on screen; nullopt: platform's
  Border border;
  Colour background;
  Font font;  // for controls without one of their own
  Asset icon;
};

struct WindowDescription {
  WindowProperties properties;
  std::span<const Control> controls;  // front to back
  std::span<const MenuEntry> menu;    // empty: no menu bar
};

// Text boxes and push buttons take the focus; labels, frames, pictures and lines never do.
[[nodiscard]] constexpr bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::PushButton;
}

// The controls whose text a handler reads and writes: a text box's text, a label's caption.
[[nodiscard]] constexpr bool HoldsText(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::Label;
}

// The row of the control named `name`, or nullptr when the table has none.
[[nodiscard]] constexpr const Control* FindControl(const WindowDescription& description,
                                                   std::string_view name) {
  const auto found = std::ranges::find(description.controls, name, &Control::name);
  return found == description.controls.end() ? nullptr : &*found;
}

// The menu entry named `name`, or nullptr when the menu has none.
[[nodiscard]] constexpr const MenuEntry* FindMenuEntry(const WindowDescription& description,
                                                       std::string_view name) {
  const auto found = std::ranges::find(description.menu, name, &MenuEntry::name);
  return found == description.menu.end() ? nullptr : &*found;
}

}  // namespace runtime
