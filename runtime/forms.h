// What the calculator asks of a forms back end: build windows from their descriptions,
// show and hide them, read and write control texts, deliver clicks, end the program.
// Implemented by the Qt and Win32 back ends and by the scripted back end of the tests.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/project.h"
#include "runtime/status.h"
#include "runtime/window_description.h"

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

  // Shows the window modeless, without an owner, and returns at once. A window the user
  // closed comes back.
  virtual Status Show() = 0;
  virtual Status Hide() = 0;

  // The text of a text box or the caption of a label, in UTF-8.
  virtual Status GetText(std::string_view control, std::string& text) = 0;
  // Replaces the text of a text box or the caption of a label whole.
  virtual Status SetText(std::string_view control, std::string_view text) = 0;
};

class Forms {
 public:
  Forms() = default;
  Forms(const Forms&) = delete;
  Forms& operator=(const Forms&) = delete;
  virtual ~Forms() = default;

  // Creates the instance of a window class, not yet shown, with its clicks bound. The
  // description must outlive the window. Throws RuntimeError if the platform refuses.
  virtual std::unique_ptr<Window> CreateWindow(const WindowDescription& description,
                                               std::vector<Binding> bindings) = 0;

  // Runs the message loop until the program ends; returns the process exit code.
  virtual int Run() = 0;

  // Ends the program at once, whatever windows are shown. Run() then returns.
  virtual void EndProgram() = 0;
};

// The back end linked into the program: Qt on Linux, Win32 on Windows. Fixes the number
// locale to English (United States). `argc` and `argv` are the process's own.
std::unique_ptr<Forms> CreateForms(const Project& project, int& argc, char** argv);

}  // namespace runtime
