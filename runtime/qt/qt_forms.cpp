// The Qt back end's program-wide part: fonts and locale, window creation, the event loop,
// error messages and the end of the program.
#include "runtime/qt/qt_forms.h"

#include <QLocale>
#include <QMessageBox>
#include <QThread>
#include <QWidget>
#include <clocale>

#include "runtime/qt/appearance.h"
#include "runtime/qt/controls.h"
#include "runtime/qt/qt_window.h"

namespace runtime::qt {
QtForms::QtForms(const Project& project) : title_(project.title) {
  Prepare();
}

QtForms::QtForms(const Project& project, const char* programPath)
    : title_(project.title), programPath_(programPath != nullptr ? programPath : "pellomar") {
  argv_[0] = programPath_.data();
  application_ = std::make_unique<QApplication>(argc_, argv_);
  // Matches the program's desktop entry, which gives the window manager its icon.
  QGuiApplication::setDesktopFileName(QCoreApplication::applicationName());
  Prepare();
}

QtForms::~QtForms() = default;

void QtForms::Prepare() {
  // QApplication takes the C library's locale from the environment; numbers are read and
  // written the English (United States) way whatever the user's locale.
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  InstallFontSubstitutes();
  // Closing the last visible window ends the program; hidden windows keep nothing alive.
  QGuiApplication::setQuitOnLastWindowClosed(true);
}

std::unique_ptr<Window> QtForms::CreateWindow(const WindowDescription& description,
                                              std::vector<Binding> bindings) {
  return std::make_unique<QtWindow>(
      description, std::move(bindings),
      [this](QWidget* window, const std::exception& error) { Report(window, error); });
}

int QtForms::Run() {
  return QApplication::exec();
}

void QtForms::EndProgram() {
  // Every window goes at once, shown or hidden; then the event loop ends and Run returns.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    window->hide();
  }
  // Outside an event loop, exit() would make the next loop (a message box's) end at once.
  if (QThread::currentThread()->loopLevel() > 0) {
    QCoreApplication::exit(0);
  }
}

void QtForms::Report(QWidget* window, const std::exception& error) const {
  // A hidden window cannot carry the box; it then stands on its own.
  QWidget* parent = window != nullptr && window->isVisible() ? window : nullptr;
  QMessageBox box(QMessageBox::Critical, ToQString(title_), QString::fromUtf8(error.what()),
                  QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("runtimeError"));
  // The box never keeps the program alive once the windows are closed.
  box.setAttribute(Qt::WA_QuitOnClose, false);
  box.exec();
}

}  // namespace runtime::qt
