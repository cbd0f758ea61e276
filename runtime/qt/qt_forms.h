// runtime::Forms on Qt 6 Widgets: builds our windows, runs Qt's event loop, reports the
// errors that stop handlers in a message box and ends the program on request, or once no
// window of ours is shown.
#pragma once

#include <QApplication>
#include <memory>
#include <string>

#include "runtime/forms/forms.h"
#include "runtime/rules/open_windows.h"

namespace runtime::qt {

class QtForms final : public Forms {
 public:
  // Keeps `application`, the program's own; without one it works with the QApplication that
  // exists already, as a test's does.
  explicit QtForms(const Project& project, std::unique_ptr<QApplication> application = nullptr);
  ~QtForms() override;
  QtForms(const QtForms&) = delete;
  QtForms& operator=(const QtForms&) = delete;

  std::unique_ptr<Window> NewWindow(const WindowDescription& description,
                                    std::vector<Binding> bindings) override;
  int Run() override;
  void EndProgram() override;
  void ReportStartFailure(const std::exception& error) override;

  // For the windows this back end makes: shows an error that stopped a handler of `window`.
  void Report(QWidget* window, const std::exception& error) const;
  // For the windows: one of them was hidden or closed.
  void WindowHidden();
  [[nodiscard]] OpenWindows& Windows() { return windows_; }

 private:
  std::string title_;
  std::unique_ptr<QApplication> application_;
  OpenWindows windows_;
  // Carries the queued end-of-program checks, which go with it when the back end goes.
  QObject queue_;
};

}  // namespace runtime::qt
