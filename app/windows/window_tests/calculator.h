// The calculator window of a running program, driven by control names and button captions
// as its user and an automation client reach it: the three texts, numbers put into the
// entry, buttons pressed.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace app::windows::window_tests {

// The two ways of giving a step. Automation: WM_SETTEXT into the entry and BM_CLICK on the
// buttons. User: a mouse click into the entry, typing, mouse clicks on the buttons.
enum class Road { Automation, User };

class Calculator {
 public:
  explicit Calculator(HWND window) : window_(window) {}

  [[nodiscard]] HWND Window() const { return window_; }
  [[nodiscard]] HWND Control(std::string_view name) const;
  // The push button that shows `caption`; null when there is none.
  [[nodiscard]] HWND Button(std::string_view caption) const;
  [[nodiscard]] HWND Entry() const { return Control("txtnum"); }

  // The texts of the entry, the answer and the marker, in that order.
  [[nodiscard]] std::vector<std::wstring> Texts() const;
  // Waits until the texts are `expected`; returns the texts last seen.
  [[nodiscard]] std::vector<std::wstring> WaitForTexts(
      const std::vector<std::wstring>& expected) const;

  // Gives steps such as "30 + 12 +": a caption presses its button, any other step goes into
  // the entry. Clicks go out without waiting for their handlers, so a click that opens a
  // message box cannot block the steps after it. False when a step could not be given.
  [[nodiscard]] bool Perform(std::string_view steps, Road road) const;
  // Gives the steps by automation and waits for the texts they lead to, for a check to start
  // from; false when the texts do not come out.
  [[nodiscard]] bool SetUp(std::string_view steps, const std::vector<std::wstring>& texts) const;

  // Clicks into the entry, as the user does before typing, and waits until it has the focus.
  [[nodiscard]] bool ClickIntoEntry() const;
  // Types `marker` where the focus is and waits until the entry changes to end with it:
  // every key pressed before has then been handled. False when it never arrives.
  [[nodiscard]] bool TypeMarker(std::wstring_view marker) const;

 private:
  HWND window_;
};

}  // namespace app::windows::window_tests
