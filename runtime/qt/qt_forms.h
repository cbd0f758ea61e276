// runtime::Forms on Qt 6 Widgets: builds our windows, runs Qt's event loop, reports the
// errors that stop handlers in a message box and ends the program on request.
#pragma once

#include <QApplication>
#include <memory>
#include <string>

#include "runtime/forms.h"

namespace runtime::qt {

class QtForms final : public Forms {
 public:
  // Works with the QApplication that exists already, as a test's does.
  explicit QtForms(const Project& project);
  // Makes the program's own QApplication; `programPath` names the executable.
  QtForms(const Project& project, const char* programPath);
  ~QtForms() override;
  QtForms(const QtForms&) = delete;
  QtForms& operator=(const QtForms&) = delete;

  std::unique_ptr<Window> CreateWindow(const WindowDescription& description,
                                       std::vector<Binding> bindings) override;
  int Run() override;
  void EndProgram() override;

 private:
  void Prepare();
  void Report(QWidget* window, const std::exception& error) const;

  std::string title_;
  // The program's own application, made from its executable's path alone: the program
  // reads no command line, so none reaches Qt either.
  std::string programPath_;
  int argc_ = 1;
  char* argv_[2] = {nullptr, nullptr};
  std::unique_ptr<QApplication> application_;
};

}  // namespace runtime::qt
