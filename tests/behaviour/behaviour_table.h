// What the program's windows do, written once as data in a user's words: steps a user takes
// and what must follow, and how each window looks (literal pixel rectangles at 96 and 144 dpi,
// font heights, the names screen readers hear). Every back end's driver runs these rows; a
// row a back end cannot show carries the reason, and the driver reports it as skipped.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tests::behaviour {

enum class Backend { Scripted, Qt, Win32 };

// Why a back end cannot show a row; empty where it can.
struct Marks {
  std::string_view scripted = {};
  std::string_view qt = {};
  std::string_view win32 = {};

  [[nodiscard]] std::string_view For(Backend backend) const;
};

// Keys and chords a user presses.
enum class Key {
  Tab,
  ShiftTab,
  Enter,
  KeypadEnter,
  Space,
  Esc,
  Left,
  Right,
  Up,
  Down,
  F1,
  F2,
  CtrlC,
  CtrlQ
};

// One thing the user does.
struct Step {
  enum class Kind {
    Type,         // click into the control, then type the text
    TypeHere,     // type the text wherever the focus is
    Click,        // click a control, or choose a menu item from the window's menu bar
    Press,        // press a key or chord with the window in front
    SelectAll,    // select the whole text of the text box, keeping the focus there
    Close,        // the close box of the window's title bar
    ToolSetText,  // an assistive tool replaces a text box's text, as screen readers can
    ToolPress,    // an assistive tool presses a button
  };
  Kind kind;
  std::string_view window;
  std::string_view control = {};
  std::string_view text = {};
  Key key = Key::Tab;
};

// The calculator's three texts: the entry, the running result and the marker.
struct ShownTexts {
  std::string_view entry;
  std::string_view answer;
  std::string_view marker;
};

// Where the keyboard goes: the active window and its focused control, empty when the window
// itself has the focus.
struct Focus {
  std::string_view window;
  std::string_view control;
};

// NotShown: hidden, or never made; what an ended program's windows all are.
enum class Visibility { NotMade, Hidden, Shown, NotShown };

// The process has not ended.
inline constexpr int kRunning = -1;

// What must follow the steps. Only what a row gives is compared.
struct Expectation {
  std::optional<ShownTexts> texts = std::nullopt;
  std::optional<Focus> focus = std::nullopt;
  // The controls the focus is on after each of the row's last steps, one name a step, in
  // the window of that step.
  std::vector<std::string_view> focusAfterEachStep = {};
  // The calculator, about and details windows, in that order.
  std::optional<std::vector<Visibility>> windows = std::nullopt;
  // The texts of the message boxes the steps brought up, each closed with OK.
  std::optional<std::vector<std::string_view>> messages = std::nullopt;
  // The title of the last message box, and the window it belongs to.
  std::optional<std::string_view> messageTitle = std::nullopt;
  std::optional<std::string_view> messageOwner = std::nullopt;
  // What screen readers hear as the running result's and the marker's descriptions: their
  // live texts.
  std::optional<std::string_view> answerDescription = std::nullopt;
  std::optional<std::string_view> markerDescription = std::nullopt;
  // What screen readers announced since the row's first step, oldest first.
  std::optional<std::vector<std::string_view>> announcements = std::nullopt;
  // The process's exit code once it has ended, or kRunning.
  std::optional<int> process = std::nullopt;
};

struct ScenarioRow {
  std::string_view group;
  std::string_view name;
  std::vector<Step> steps;
  Expectation expected;
  Marks marks = {};
};

// Every window and no more than one instance of each class, after every step of every row.
inline constexpr int kMostInstances = 1;
// The title of every message box: the program's one-word title.
inline constexpr std::string_view kMessageTitle = "Pellomar";

[[nodiscard]] const std::vector<ScenarioRow>& ScenarioRows();
[[nodiscard]] std::vector<const ScenarioRow*> RowsOfGroup(std::string_view group);

// Layout: pixel rectangles in the window's client area, at 96 and at 144 dots per inch.
inline constexpr int kSizedToText = -1;  // a self-sizing label's width and height

struct Rect {
  int left;
  int top;
  int width;
  int height;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// How many pixels each edge of a found rectangle may lie from the expected one on `backend`
// at `dpi`: none, but for Qt on a 144 dpi screen. Qt places widgets in pixels of a 96 dpi
// screen and scales every edge by 1.5 as it paints, so an edge that lands on a half pixel
// rounds to either neighbour, and a line's one-pixel-wide box spans two device pixels.
[[nodiscard]] int EdgeTolerance(Backend backend, int dpi);

// Whether a found rectangle is the expected one, each edge within `tolerance` pixels; a label
// that sizes itself to its text matches at its corner with any size that shows something.
[[nodiscard]] bool Matches(const Rect& expected, const Rect& found, int tolerance = 0);

struct Size {
  int width;
  int height;
  friend bool operator==(const Size&, const Size&) = default;
};

// What a control is to screen readers and automation tools.
enum class Role { PushButton, Text, StaticText, Grouping, Separator, Graphic, Other };

struct ControlRow {
  std::string_view window;
  std::string_view control;
  Rect at96;
  Rect at144;
  Role role;
  std::string_view accessibleName;  // empty for a line or a decorative picture
  Marks marks = {};
};

struct Point {
  int x;
  int y;
  friend bool operator==(const Point&, const Point&) = default;
};

struct WindowRow {
  std::string_view window;
  std::string_view title;
  Size clientAt96;
  Size clientAt144;
  // Where the client area's top-left corner lies on the screen; nullopt where the platform
  // chooses.
  std::optional<Point> placeAt96;
  std::optional<Point> placeAt144;
  bool sizable;  // a sizing border with minimize and maximize boxes
  bool menuBar;
  // Controls front to back, one each; where two overlap, the one in front covers the other.
  std::vector<std::string_view> stacking;
  Marks marks = {};
};

// The text of a control in pixels from the top of its tallest letters to the baseline (the
// em height), as the program asks for it at 96 and 144 dpi: a size in points rounded to the
// nearest pixel. The face that stands in for it may draw a pixel taller or shorter.

// The faces a window may ask for instead of a row's face, where the screen cannot draw it:
// "MS Sans Serif" is a bitmap face of a few sizes, at the others a Windows program draws with
// its TrueType successor; where neither is installed (Linux), the free face of Arial's metrics
// stands in for both, and the wider DejaVu Sans for "Tahoma".
struct FaceStandingIn {
  std::string_view face;
  std::string_view standIn;
  friend bool operator==(const FaceStandingIn&, const FaceStandingIn&) = default;
};
inline constexpr std::array<FaceStandingIn, 4> kFacesStandingIn = {{
    {"MS Sans Serif", "Microsoft Sans Serif"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Microsoft Sans Serif", "Liberation Sans"},
    {"Tahoma", "DejaVu Sans"},
}};

// Every font is upright, neither underlined nor struck out.
struct FontRow {
  std::string_view window;
  std::string_view control;
  std::string_view face;  // as the window asks for it, whichever face stands in on the screen
  int pixelsAt96;
  int pixelsAt144;
  bool bold;
  Marks marks = {};
};

struct MenuRow {
  std::string_view item;
  std::string_view caption;
  std::string_view shortcut;
  Marks marks = {};
};

struct TooltipRow {
  std::string_view window;
  std::string_view control;
  std::string_view tooltip;
  Marks marks = {};
};

// The steps that bring every window up for the layout rows, and why a back end cannot show
// the layout rows at all.
[[nodiscard]] const std::vector<Step>& LayoutSteps();
[[nodiscard]] Marks LayoutMarks();

[[nodiscard]] std::span<const WindowRow> WindowRows();
[[nodiscard]] std::span<const ControlRow> ControlRows();
[[nodiscard]] std::span<const FontRow> FontRows();
// The calculator's menu tree, in menu-bar order, each menu followed by its items.
[[nodiscard]] std::span<const MenuRow> MenuRows();
[[nodiscard]] std::span<const TooltipRow> TooltipRows();

// The rectangle and client size a row gives for a screen of `dpi` (96 or 144).
[[nodiscard]] const Rect& RectAt(const ControlRow& row, int dpi);
[[nodiscard]] const Size& ClientAt(const WindowRow& row, int dpi);
[[nodiscard]] const std::optional<Point>& PlaceAt(const WindowRow& row, int dpi);
[[nodiscard]] int FontPixelsAt(const FontRow& row, int dpi);

}  // namespace tests::behaviour
