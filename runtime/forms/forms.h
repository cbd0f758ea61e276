// What the calculator asks of a forms back end: build windows from their descriptions,
// show and hide them, read and write control texts, deliver clicks, end the program.
// Implemented by the Qt and Win32 back ends and by the scripted back end of the tests.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/forms/project.h"
#include "runtime/forms/status.h"
#include "runtime/forms/window_description.h"

namespace runtime {

class Window;

// A click on a push button or a menu item. `index` is the menu item's index, 0 for buttons.
struct ClickEvent {
  Window& window;
  int index;
};

// A click handler may throw RuntimeError; the back end's dispatcher catches and reports it.
using ClickHandler = std::function<void(const ClickEvent&)>;

// Binds the clicks of one control or menu item to its handler.
struct Binding {
  std::string_view control;
  ClickHandler handler;
};

// One window instance. Every call returns a status the caller must test.
class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window() = default;

  [[nodiscard]] virtual const WindowDescription& Description() const = 0;

  // Shows the window modeless, without an owner, and returns at once. The close box only
  // hides a window, so a window the user closed comes back as it was, texts and all; showing
  // a shown window again brings it to the front.
  virtual Status Show() = 0;
  // Hides the window; a window never shown is built already and stays invisible.
  virtual Status Hide() = 0;
  // Whether the window is on screen: shown, and neither hidden nor closed by the user since.
  [[nodiscard]] virtual bool IsShown() const = 0;

  // The text of a text box or the caption of a label, in UTF-8.
  virtual Status GetText(std::string_view control, std::string& text) = 0;
  // Replaces the text of a text box or the caption of a label whole.
  virtual Status SetText(std::string_view control, std::string_view text) = 0;
};

// A back end. Besides building windows from their descriptions, every back end behaves alike
// at the keyboard, and the behaviour table checks it:
// - Tab and Shift+Tab move the focus through the controls that take it (text boxes and push
//   buttons) in the order of their tab indexes; a window opens with the focus on the first.
// - A focused push button is pressed by Space, and by Enter.
// - Enter presses the window's default button, Esc its cancel button, wherever the focus is;
//   in a window without them (the calculator) they press nothing.
// - On a focused push button, Right and Down move the focus to the next control in tab order
//   and Left and Up to the previous one, coming round from the last to the first; in a text
//   box the arrows move the caret. (DecideKey in runtime/rules/keyboard.h decides these keys
//   for both back ends.)
// - A menu shortcut works only while its window is the active one, and wins over the focused
//   control: Ctrl+C in a text box with a selection runs the menu item and copies nothing.
// Once a click's handler is done, screen readers announce what it wrote to the window's live
// labels, as Announcements in runtime/rules/announcements.h words it; the focus stays put.
// The program ends on EndProgram, and also once none of its windows is shown any more,
// whether the user closed the last one or a handler hid it (OpenWindows keeps that rule): a
// program without a window could no longer be reached or ended by its user.
// An error that stops a handler is shown in a message box with the program's title, owned by
// the handler's window while that is shown; a hidden window cannot carry the box, which then
// stands on its own.
class Forms {
 public:
  Forms() = default;
  Forms(const Forms&) = delete;
  Forms& operator=(const Forms&) = delete;
  virtual ~Forms() = default;

  // Creates the instance of a window class, not yet shown, with its clicks bound. The
  // description must outlive the window. A window the platform refuses to build throws
  // RuntimeError with the method Create, and nothing of it is left behind.
  virtual std::unique_ptr<Window> NewWindow(const WindowDescription& description,
                                            std::vector<Binding> bindings) = 0;

  // Runs the message loop until the program ends; returns the process exit code.
  virtual int Run() = 0;

  // Ends the program at once: every window goes, shown or hidden, and Run() returns.
  virtual void EndProgram() = 0;

  // Tells the user why the program could not start, where none of its windows can carry
  // the message. Must not throw.
  virtual void ReportStartFailure(const std::exception& error) = 0;
};

// The exit code of a program that could not start.
inline constexpr int kStartFailedExitCode = 1;

// The back end linked into the program: Qt on Linux, Win32 on Windows. It leaves the user's
// locale alone: the number services never read it, and write and read '.' as the decimal
// point whatever the locale. A back end that cannot reach the screen at all tells the user
// why, as ReportStartFailure would, and returns nullptr: the caller then ends the program
// with kStartFailedExitCode. (Qt alone still ends the process itself, with that code, when
// its platform fails in a way Qt never returns from.)
std::unique_ptr<Forms> CreateForms(const Project& project);

}  // namespace runtime
