// The Qt back end's program-wide part: fonts, window creation, the event loop,
// error messages and the end of the program.
#include "runtime/qt/qt_forms.h"

#include <QMessageBox>
#include <QMetaObject>
#include <QThread>
#include <QWidget>

#include "runtime/qt/appearance.h"
#include "runtime/qt/qt_window.h"
#include "runtime/qt/start_failure.h"

namespace runtime::qt {

QtForms::QtForms(const Project& project, std::unique_ptr<QApplication> application)
    : title_(project.title), application_(std::move(application)) {
  if (!project.applicationId.empty()) {
    // Matches the program's desktop entry, which gives the desktop its name and icon.
    QGuiApplication::setDesktopFileName(ToQString(project.applicationId));
  }
  // The program ends when none of its windows is shown, by our rule alone: Qt's own counts
  // only windows being closed, and message boxes among them.
  QGuiApplication::setQuitOnLastWindowClosed(false);
}

QtForms::~QtForms() = default;

std::unique_ptr<Window> QtForms::NewWindow(const WindowDescription& description,
                                           std::vector<Binding> bindings) {
  return std::make_unique<QtWindow>(description, std::move(bindings), *this);
}

int QtForms::Run() {
  return QApplication::exec();
}

void QtForms::EndProgram() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    window->hide();
  }
  // Outside an event loop, exit() would make the next loop (a message box's) end at once.
  if (QThread::currentThread()->loopLevel() > 0) {
    QCoreApplication::exit(0);
  }
}

void QtForms::ReportStartFailure(const std::exception& error) {
  WriteStartFailure(title_, error.what());
}

void QtForms::Report(QWidget* window, const std::exception& error) const {
  QWidget* parent = window != nullptr && window->isVisible() ? window : nullptr;
  QMessageBox box(QMessageBox::Critical, ToQString(title_), QString::fromUtf8(error.what()),
                  QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("runtimeError"));
  box.exec();
}

void QtForms::WindowHidden() {
  QMetaObject::invokeMethod(
      &queue_,
      [this] {
        if (windows_.NoneShown()) {
          EndProgram();
        }
      },
      Qt::QueuedConnection);
}

}  // namespace runtime::qt
