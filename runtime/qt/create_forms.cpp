// The program's forms back end on Linux: Qt 6 Widgets, opened only where a screen is given,
// and with a guard for a given screen that does not answer, which Qt would end in an abort.
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
// apply and never returns to the caller, so the program says what it tried and ends here.
void GuardOpening(QtMsgType type, const QMessageLogContext& /*context*/, const QString& text) {
  if (type == QtFatalMsg) {
    qt::WriteStartFailure(
        opening->title, qt::NoDisplayMessage(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                                             std::getenv("WAYLAND_DISPLAY")));
    std::_Exit(kStartFailedExitCode);
  }
  opening->held.emplace_back(type, text);
}

// Whether the environment names anything a window could open on: a platform of the user's
// choice, an X11 display or a Wayland socket. Without any, Qt's platform fails for sure.
bool NamesAScreen(const char* platform, const char* x11Display, const char* waylandDisplay) {
  const auto given = [](const char* value) { return value != nullptr && *value != '\0'; };
  return given(platform) || given(x11Display) || given(waylandDisplay);
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
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  const char* x11Display = std::getenv("DISPLAY");
  const char* waylandDisplay = std::getenv("WAYLAND_DISPLAY");
  if (!NamesAScreen(platform, x11Display, waylandDisplay)) {
    qt::WriteStartFailure(project.title,
                          qt::NoDisplayMessage(platform, x11Display, waylandDisplay));
    return nullptr;
  }
  return std::make_unique<qt::QtForms>(project, OpenApplication(project));
}

}  // namespace runtime
