// The scripted back end: windows that keep their texts in a map and report every call to
// the forms object that made them.
#include "runtime/scripted/scripted_forms.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "runtime/forms/click_dispatch.h"
#include "runtime/rules/announcements.h"

namespace runtime::scripted {

class ScriptedForms::ScriptedWindow final : public Window {
 public:
  ScriptedWindow(ScriptedForms& forms, const WindowDescription& description,
                 std::vector<Binding> bindings)
      : forms_(forms),
        description_(description),
        bindings_(std::move(bindings)),
        announcements_(description) {
    for (const Control& control : description.controls) {
      if (HoldsText(control.kind)) {
        texts_.emplace(control.name, control.caption);
      }
    }
    forms_.windows_.push_back(this);
  }

  ~ScriptedWindow() override { std::erase(forms_.windows_, this); }

  ScriptedWindow(const ScriptedWindow&) = delete;
  ScriptedWindow& operator=(const ScriptedWindow&) = delete;

  [[nodiscard]] const WindowDescription& Description() const override { return description_; }

  Status Show() override { return ShowOrHide(CallKind::Show, true); }
  Status Hide() override { return ShowOrHide(CallKind::Hide, false); }
  [[nodiscard]] bool IsShown() const override { return shown_; }

  Status GetText(std::string_view control, std::string& text) override {
    Status status = ControlStatus(control);
    if (!status.Failed()) {
      text = texts_.find(control)->second;
    }
    forms_.Record({CallKind::GetText, Name(), std::string(control),
                   status.Failed() ? std::string() : text, status});
    return status;
  }

  Status SetText(std::string_view control, std::string_view text) override {
    Status status = ControlStatus(control);
    if (!status.Failed()) {
      texts_.find(control)->second = text;
      announcements_.Written(*FindControl(description_, control), text);
    }
    forms_.Record({CallKind::SetText, Name(), std::string(control), std::string(text), status});
    return status;
  }

  [[nodiscard]] std::string Name() const { return std::string(description_.properties.name); }
  void Close() { shown_ = false; }

  std::string& TextOf(std::string_view control) {
    auto found = texts_.find(control);
    if (found == texts_.end()) {
      throw std::logic_error(Name() + " has no text box or label " + std::string(control));
    }
    return found->second;
  }

  [[nodiscard]] bool IsTextBox(std::string_view control) const {
    const Control* found = FindControl(description_, control);
    return found != nullptr && found->kind == ControlKind::TextBox;
  }

  // Throws unless the window has this control or menu entry.
  void Require(std::string_view control) const {
    if (FindMenuEntry(description_, control) == nullptr &&
        FindControl(description_, control) == nullptr) {
      throw std::logic_error(Name() + " has no control or menu entry " + std::string(control));
    }
  }

  // The index a click on this control passes: a menu item's own, 0 for a button.
  [[nodiscard]] int ClickIndex(std::string_view control) const {
    Require(control);
    const MenuEntry* entry = FindMenuEntry(description_, control);
    return entry == nullptr ? 0 : entry->index;
  }

  [[nodiscard]] const ClickHandler* HandlerOf(std::string_view control) const {
    const auto found = std::ranges::find(bindings_, control, &Binding::control);
    return found == bindings_.end() ? nullptr : &found->handler;
  }

  [[nodiscard]] std::optional<std::string> TakeAnnouncement() {
    return announcements_.TakeAfterClick();
  }

 private:
  Status ShowOrHide(CallKind kind, bool shown) {
    const std::optional<Status> failure = NextFailure(forms_.windowCalls_, forms_.windowFailures_);
    const Status status = failure.value_or(kOk);
    if (!failure) {
      shown_ = shown;
    }
    forms_.Record({kind, Name(), {}, {}, status});
    return status;
  }

  // A control access fails when scripted to, and on a control that has no text.
  Status ControlStatus(std::string_view control) {
    const std::optional<Status> failure =
        NextFailure(forms_.controlAccesses_, forms_.controlFailures_);
    if (failure) {
      return *failure;
    }
    return texts_.contains(control) ? kOk : kFailed;
  }

  ScriptedForms& forms_;
  const WindowDescription& description_;
  std::vector<Binding> bindings_;
  std::map<std::string, std::string, std::less<>> texts_;
  Announcements announcements_;
  bool shown_ = false;
};

namespace {

const char* KindName(CallKind kind) {
  switch (kind) {
    case CallKind::NewWindow:
      return "NewWindow";
    case CallKind::Show:
      return "Show";
    case CallKind::Hide:
      return "Hide";
    case CallKind::GetText:
      return "GetText";
    case CallKind::SetText:
      return "SetText";
    case CallKind::EndProgram:
      return "EndProgram";
    case CallKind::Run:
      return "Run";
    case CallKind::ReportStartFailure:
      return "ReportStartFailure";
  }
  return "?";
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Call& call) {
  out << KindName(call.kind) << ' ' << call.window;
  if (!call.control.empty()) {
    out << '.' << call.control;
  }
  if (!call.text.empty()) {
    out << " \"" << call.text << '"';
  }
  if (call.status != kOk) {
    out << " -> status " << call.status.code;
  }
  return out;
}

std::unique_ptr<Window> ScriptedForms::NewWindow(const WindowDescription& description,
                                                 std::vector<Binding> bindings) {
  const std::string name(description.properties.name);
  if (const std::optional<Status> failure = NextFailure(creations_, creationFailures_)) {
    Record({CallKind::NewWindow, name, {}, {}, *failure});
    CheckStatus(*failure, name, name, Method::Create);
  }
  Record({CallKind::NewWindow, name});
  return std::make_unique<ScriptedWindow>(*this, description, std::move(bindings));
}

int ScriptedForms::Run() {
  Record({CallKind::Run});
  return 0;
}

void ScriptedForms::EndProgram() {
  Record({CallKind::EndProgram});
  ended_ = true;
}

void ScriptedForms::ReportStartFailure(const std::exception& error) {
  Record({CallKind::ReportStartFailure, {}, {}, error.what()});
}

void ScriptedForms::FailControlAccess(int n, Status status) {
  controlFailures_[controlAccesses_ + n] = status;
}

void ScriptedForms::FailWindowCall(int n, Status status) {
  windowFailures_[windowCalls_ + n] = status;
}

void ScriptedForms::FailCreation(int n) {
  creationFailures_[creations_ + n] = kFailed;
}

void ScriptedForms::Type(std::string_view window, std::string_view control, std::string_view text) {
  ScriptedWindow& target = FindUsable(window);
  if (!target.IsTextBox(control)) {
    throw std::logic_error(std::string(control) + " is not a text box of " + target.Name());
  }
  target.TextOf(control) = text;
}

void ScriptedForms::Click(std::string_view window, std::string_view control) {
  Click(window, control, FindUsable(window).ClickIndex(control));
}

void ScriptedForms::Click(std::string_view window, std::string_view control, int index) {
  ScriptedWindow& target = FindUsable(window);
  target.Require(control);
  if (const ClickHandler* handler = target.HandlerOf(control)) {
    DispatchClick(*handler, ClickEvent{target, index}, [this](const std::exception& error) {
      const auto* runtimeError = dynamic_cast<const RuntimeError*>(&error);
      errors_.push_back(
          {error.what(), runtimeError ? std::optional(runtimeError->Cause()) : std::nullopt});
    });
    if (std::optional<std::string> words = target.TakeAnnouncement()) {
      announced_.push_back(std::move(*words));
    }
  }
}

void ScriptedForms::Close(std::string_view window) {
  FindUsable(window).Close();
}

std::string ScriptedForms::Text(std::string_view window, std::string_view control) const {
  return Find(window).TextOf(control);
}

bool ScriptedForms::IsShown(std::string_view window) const {
  return InstanceCount(window) > 0 && Find(window).IsShown();
}

int ScriptedForms::InstanceCount(std::string_view window) const {
  return static_cast<int>(std::ranges::count_if(
      windows_, [window](const ScriptedWindow* each) { return each->Name() == window; }));
}

std::optional<Status> ScriptedForms::NextFailure(int& count, std::map<int, Status>& failures) {
  const auto found = failures.find(++count);
  if (found == failures.end()) {
    return std::nullopt;
  }
  const Status status = found->second;
  failures.erase(found);
  return status;
}

ScriptedForms::ScriptedWindow& ScriptedForms::Find(std::string_view window) const {
  const int count = InstanceCount(window);
  if (count != 1) {
    throw std::logic_error(std::to_string(count) + " instances of " + std::string(window) +
                           " exist; a test can only address exactly one");
  }
  return **std::ranges::find_if(
      windows_, [window](const ScriptedWindow* each) { return each->Name() == window; });
}

ScriptedForms::ScriptedWindow& ScriptedForms::FindUsable(std::string_view window) const {
  if (ended_) {
    throw std::logic_error("the program has ended");
  }
  ScriptedWindow& found = Find(window);
  if (!found.IsShown()) {
    throw std::logic_error(found.Name() + " is not shown");
  }
  return found;
}

}  // namespace runtime::scripted
