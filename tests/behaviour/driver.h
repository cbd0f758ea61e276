// What each back end's driver does for the behaviour table: turn a step into its platform's
// input and read the program's state back. A driver holds no expectation: the rows do, and
// row_tests.cpp compares.
#pragma once

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/behaviour/behaviour_table.h"

namespace tests::behaviour {

struct TextsSeen {
  std::string entry;
  std::string answer;
  std::string marker;
  friend bool operator==(const TextsSeen&, const TextsSeen&) = default;
};

struct FocusSeen {
  std::string window;   // the active window; empty when none of the program's is
  std::string control;  // its focused control; empty when the window itself has the focus
};

struct WindowSeen {
  int instances = 0;
  bool shown = false;
};

struct MessageSeen {
  std::string title;
  std::string text;
  std::string owner;  // the window the box belongs to; empty when it stands alone
};

struct FrameSeen {
  std::string title;
  Size client{};
  Point place{};  // the client area's top-left corner on the screen
  bool sizable = false;
  bool menuBar = false;
  std::vector<std::string> stacking;  // controls front to back
};

struct FontSeen {
  std::string face;  // the typeface the control asks for, whichever stands in for it
  int pixels = 0;
  bool bold = false;
  bool decorated = false;  // italic, underlined or struck out
};

struct MenuSeen {
  std::string item;
  std::string caption;
  std::string shortcut;
};

// A value in other words, by a driver's list of pairs (a key as its platform's keystroke, a
// platform's role as the table's); `otherwise` for a value the list lacks.
template <class From, class To, std::size_t kCount>
[[nodiscard]] To Translate(const std::pair<From, To> (&pairs)[kCount], const From& value,
                           const To& otherwise) {
  const auto* found = std::ranges::find(pairs, value, &std::pair<From, To>::first);
  return found != std::end(pairs) ? found->second : otherwise;
}

class Driver {
 public:
  Driver() = default;
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;
  virtual ~Driver() = default;

  [[nodiscard]] virtual Backend Which() const = 0;

  // Starts the program afresh, as at start-up: the calculator window shown and active.
  virtual void Start() = 0;
  // Brings the program an earlier row left running back to the state Start leaves it in, by
  // the user's own means (Clear, a click into the entry); false when it cannot, because the
  // program has ended, has made a window that a fresh start has not, or does not come back to
  // the start: the next row then starts a fresh program. Where this returns false always, every
  // row starts a fresh program.
  [[nodiscard]] virtual bool Restore();
  // Gives one step as the user gives it; returns once the program has handled it. A message
  // box the step brings up is read and closed with OK.
  virtual void Perform(const Step& step) = 0;

  [[nodiscard]] virtual TextsSeen ReadTexts() = 0;
  [[nodiscard]] virtual FocusSeen ReadFocus() = 0;
  [[nodiscard]] virtual WindowSeen ReadWindow(std::string_view window) = 0;
  // The message boxes since the start, oldest first.
  [[nodiscard]] virtual std::vector<MessageSeen> ReadMessages() = 0;
  // What screen readers were told since the start, or since Restore, oldest first: the
  // words of each announcement, as a screen reader's own client receives them.
  [[nodiscard]] virtual std::vector<std::string> ReadAnnouncements() = 0;
  // The exit code once the program has ended, kRunning while it runs. Read last: it may
  // let the program run on to see whether it ends.
  [[nodiscard]] virtual int ReadProcess() = 0;

  // The screen of a running program, for the layout rows; the scripted back end has none.
  [[nodiscard]] virtual int Dpi();
  [[nodiscard]] virtual FrameSeen ReadFrame(std::string_view window);
  [[nodiscard]] virtual std::optional<Rect> ReadRect(std::string_view window,
                                                     std::string_view control);
  // The name screen readers hear, and what the control is to them.
  [[nodiscard]] virtual std::string ReadAccessibleName(std::string_view window,
                                                       std::string_view control);
  [[nodiscard]] virtual Role ReadAccessibleRole(std::string_view window, std::string_view control);
  // The description screen readers hear after the control's name.
  [[nodiscard]] virtual std::string ReadAccessibleDescription(std::string_view window,
                                                              std::string_view control);
  [[nodiscard]] virtual std::optional<FontSeen> ReadFont(std::string_view window,
                                                         std::string_view control);
  // The calculator's menu tree in menu-bar order.
  [[nodiscard]] virtual std::vector<MenuSeen> ReadMenu();
  // The tooltip shown while the mouse rests on the control.
  [[nodiscard]] virtual std::string ReadTooltip(std::string_view window, std::string_view control);
};

// The driver of the test program's back end; each driver's test program defines it.
[[nodiscard]] std::unique_ptr<Driver> MakeDriver();

}  // namespace tests::behaviour
