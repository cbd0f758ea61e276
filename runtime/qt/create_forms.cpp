// The program's forms back end on Linux: Qt 6 Widgets, opened with a guard for the one
// failure Qt would otherwise end in an abort, a screen it cannot reach.
#include <QApplication>
#include <QMessageLogContext>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "runtime/forms/forms.h"
#include "runtime/qt/qt_forms.h"
#include "runtime/qt/start_failure.h"

namespace runtime {
namespace {

// What the message handler needs while the application is being made. Qt's handler is a
// plain function, so the state lives here, for the duration of OpenApplication only.
struct OpeningState {
  std::string title;
  QtMessageHandler passOn = nullptr;
  std::vector<std::pair<QtMsgType, QString>> held;
};
OpeningState* opening = nullptr;

// Holds Qt's notes while the platform opens, for a sound start would show them after all. A
// fatal one means no platform could open a window: Qt would abort with advice that does not
// apply, so the program says what it tried and ends.
void GuardOpening(QtMsgType type, const QMessageLogContext& /*context*/, const QString& text) {
  if (type == QtFatalMsg) {
    qt::WriteStartFailure(
        opening->title, qt::NoDisplayMessage(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                                             std::getenv("WAYLAND_DISPLAY")));
    std::_Exit(kStartFailedExitCode);
  }
  opening->held.emplace_back(type, text);
}

std::unique_ptr<QApplication> OpenApplication(const Project& project) {
  // QApplication keeps both for its lifetime. The program reads no command line, so none
  // reaches Qt either; the name gives the window class the desktop matches.
  static int argc = 1;
  static char name[] = "pellomar";
  static char* argv[] = {name, nullptr};

  OpeningState state{std::string(project.title), nullptr, {}};
  opening = &state;
  state.passOn = qInstallMessageHandler(GuardOpening);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(state.passOn);
  opening = nullptr;
  for (const auto& [type, text] : state.held) {
    qt_message_output(type, QMessageLogContext(), text);
  }
  return application;
}

}  // namespace

std::unique_ptr<Forms> CreateForms(const Project& project) {
  return std::make_unique<qt::QtForms>(project, OpenApplication(project));
}

}  // namespace runtime
