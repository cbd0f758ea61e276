// Showing, hiding, texts by control name, and the road of a click to its handler.
#include "runtime/qt/qt_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "runtime/forms/click_dispatch.h"
#include "runtime/qt/controls.h"
#include "runtime/qt/qt_forms.h"

namespace runtime::qt {

QtWindow::QtWindow(const WindowDescription& description, std::vector<Binding> bindings,
                   QtForms& forms)
    : description_(description), handlers_(std::move(bindings)), forms_(forms) {
  window_ = std::make_unique<FormWindow>(
      description_, [this](std::string_view control, int index) { OnClick(control, index); },
      [this] { forms_.WindowHidden(); });
  forms_.Windows().Add(*this);
}

QtWindow::~QtWindow() {
  forms_.Windows().Remove(*this);
}

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
  forms_.WindowHidden();
  return kOk;
}

bool QtWindow::IsShown() const {
  return window_->isVisible();
}

Status QtWindow::GetText(std::string_view control, std::string& text) {
  QWidget* widget = window_->ControlWidget(control);
  if (const auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr) {
    text = edit->text().toStdString();
    return kOk;
  }
  const Control* row = FindControl(description_, control);
  if (const auto* label = qobject_cast<QLabel*>(widget);
      label != nullptr && row != nullptr && HoldsText(row->kind)) {
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
      label != nullptr && row != nullptr && HoldsText(row->kind)) {
    SetLabelCaption(*label, *row, ToQString(text));
    return kOk;
  }
  return kFailed;
}

void QtWindow::OnClick(std::string_view control, int index) {
  handlers_.Click(control, *this, index,
                  [this](const std::exception& error) { forms_.Report(window_.get(), error); });
}

}  // namespace runtime::qt
