// Showing, hiding, texts by control name, and the road of a click to its handler.
#include "runtime/qt/qt_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <algorithm>

#include "runtime/click_dispatch.h"
#include "runtime/qt/controls.h"

namespace runtime::qt {
namespace {

// Once the handler that hid a window is done, ends the program if none of its windows is
// shown any more, as closing the last one does: a program without a window could no longer
// be reached or ended by the user. (Qt itself looks only at windows being closed.)
void EndProgramWhenNoWindowIsShown() {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        const bool anyShown = std::ranges::any_of(windows, [](const QWidget* window) {
          return qobject_cast<const FormWindow*>(window) != nullptr && window->isVisible();
        });
        if (!anyShown && QGuiApplication::quitOnLastWindowClosed()) {
          QCoreApplication::quit();
        }
      },
      Qt::QueuedConnection);
}

}  // namespace

QtWindow::QtWindow(const WindowDescription& description, std::vector<Binding> bindings,
                   Reporter reporter)
    : description_(description), reporter_(std::move(reporter)) {
  for (Binding& binding : bindings) {
    handlers_.emplace(std::string(binding.control), std::move(binding.handler));
  }
  window_ = std::make_unique<FormWindow>(
      description_, [this](std::string_view control, int index) { OnClick(control, index); });
}

QtWindow::~QtWindow() = default;

Status QtWindow::Show() {
  // A window the user closed is only hidden, so it comes back as it was. Showing a shown
  // window again brings it to the front.
  window_->show();
  window_->raise();
  window_->activateWindow();
  return kOk;
}

Status QtWindow::Hide() {
  // A window never shown is built already and stays invisible.
  window_->hide();
  EndProgramWhenNoWindowIsShown();
  return kOk;
}

Status QtWindow::GetText(std::string_view control, std::string& text) {
  QWidget* widget = window_->ControlWidget(control);
  if (const auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr) {
    text = edit->text().toStdString();
    return kOk;
  }
  const Control* row = FindControl(description_, control);
  if (const auto* label = qobject_cast<QLabel*>(widget);
      label != nullptr && row != nullptr && row->kind == ControlKind::Label) {
    text = label->text().toStdString();
    return kOk;
  }
  return kFailed;
}

Status QtWindow::SetText(std::string_view control, std::string_view text) {
  QWidget* widget = window_->ControlWidget(control);
  if (auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr) {
    edit->setText(ToQString(text));
    return kOk;
  }
  const Control* row = FindControl(description_, control);
  if (auto* label = qobject_cast<QLabel*>(widget);
      label != nullptr && row != nullptr && row->kind == ControlKind::Label) {
    SetLabelCaption(*label, row->sizing, ToQString(text));
    return kOk;
  }
  return kFailed;
}

void QtWindow::OnClick(std::string_view control, int index) {
  const auto handler = handlers_.find(control);
  if (handler == handlers_.end() || !handler->second) {
    return;  // a control without a handler reacts to nothing
  }
  DispatchClick(handler->second, ClickEvent{*this, index}, [this](const std::exception& error) {
    if (reporter_) {
      reporter_(window_.get(), error);
    }
  });
}

}  // namespace runtime::qt
