// The status-tested window calls. The interface a failure names comes from the window's
// description: the control's kind for texts, looked up only once a call has failed, and the
// window class for Show and Hide.
#include "runtime/forms/checked_calls.h"

#include "runtime/forms/runtime_error.h"

namespace runtime {
namespace {

// A control the description does not list still fails with a readable name.
constexpr std::string_view kUnknownInterface = "Control";

std::string_view InterfaceOf(const Window& window, std::string_view control) {
  const Control* found = FindControl(window.Description(), control);
  return found == nullptr ? kUnknownInterface : InterfaceName(found->kind);
}

}  // namespace

std::string_view InterfaceName(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox:
      return "TextBox";
    case ControlKind::Label:
      return "Label";
    case ControlKind::PushButton:
      return "PushButton";
    case ControlKind::Frame:
      return "Frame";
    case ControlKind::Picture:
      return "Picture";
    case ControlKind::Line:
      return "Line";
  }
  return kUnknownInterface;
}

std::string GetTextChecked(Window& window, std::string_view control) {
  std::string text;
  if (const Status status = window.GetText(control, text); status.Failed()) {
    CheckStatus(status, control, InterfaceOf(window, control), Method::GetText);
  }
  return text;
}

void SetTextChecked(Window& window, std::string_view control, std::string_view text) {
  if (const Status status = window.SetText(control, text); status.Failed()) {
    CheckStatus(status, control, InterfaceOf(window, control), Method::SetText);
  }
}

void ShowChecked(Window& window) {
  const std::string_view windowClass = window.Description().properties.name;
  CheckStatus(window.Show(), windowClass, windowClass, Method::Show);
}

void HideChecked(Window& window) {
  const std::string_view windowClass = window.Description().properties.name;
  CheckStatus(window.Hide(), windowClass, windowClass, Method::Hide);
}

}  // namespace runtime
