// A forms back end for tests: no toolkit, no screen. It records every interface call in
// order, keeps each control's text and what screen readers would hear, fails the calls a
// test asks it to fail, and plays the user: typing, clicking through the click dispatcher,
// closing windows.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "runtime/forms/forms.h"
#include "runtime/forms/runtime_error.h"

namespace runtime::scripted {

enum class CallKind {
  NewWindow,
  Show,
  Hide,
  GetText,
  SetText,
  EndProgram,
  Run,
  ReportStartFailure
};

// One call of the interface, as the back end received it.
struct Call {
  CallKind kind;
  std::string window = {};   // the window class; empty for EndProgram, Run and reports
  std::string control = {};  // GetText and SetText only
  std::string text = {};     // the text read or written; a start failure's message
  Status status = kOk;
  friend bool operator==(const Call&, const Call&) = default;
};

std::ostream& operator<<(std::ostream& out, const Call& call);

// An error that left a handler, as the click dispatcher reported it.
struct ReportedError {
  std::string message;
  // The RuntimeError's cause; empty for any other exception.
  std::optional<std::variant<FailedCall, ArithmeticFault>> cause;
};

class ScriptedForms final : public Forms {
 public:
  ScriptedForms() = default;
  // The windows it created must be gone first, as with a real back end.
  ~ScriptedForms() override = default;
  ScriptedForms(const ScriptedForms&) = delete;
  ScriptedForms& operator=(const ScriptedForms&) = delete;

  // Throws RuntimeError (operation Create) for a creation the test asked to fail.
  std::unique_ptr<Window> NewWindow(const WindowDescription& description,
                                    std::vector<Binding> bindings) override;
  // Records the call and returns at once with exit code 0: the test drives the clicks.
  int Run() override;
  void EndProgram() override;
  // Records the message: a test reads what a user would have been told.
  void ReportStartFailure(const std::exception& error) override;

  // Failures to come, counted from now: n = 1 is the next call of that sort. The failing
  // call returns `status` and changes nothing.
  void FailControlAccess(int n, Status status = kFailed);  // GetText or SetText
  void FailWindowCall(int n, Status status = kFailed);     // Show or Hide
  void FailCreation(int n);

  // The user's actions. Each throws std::logic_error for what a user could not do: act on a
  // window that does not exist, is not shown, or after the program ended; name a control
  // the window lacks; type into anything but a text box. Not recorded as calls.
  void Type(std::string_view window, std::string_view control, std::string_view text);
  // Clicks a control or menu item; a menu item passes its own index. A control without a
  // handler does nothing, as on screen.
  void Click(std::string_view window, std::string_view control);
  void Click(std::string_view window, std::string_view control, int index);
  // The close box: hides the window and runs no code.
  void Close(std::string_view window);

  // What a test inspects; none of it is recorded.
  [[nodiscard]] const std::vector<Call>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  [[nodiscard]] const std::vector<ReportedError>& Errors() const { return errors_; }
  // What screen readers were told after the clicks, oldest first.
  [[nodiscard]] const std::vector<std::string>& Announced() const { return announced_; }
  [[nodiscard]] std::string Text(std::string_view window, std::string_view control) const;
  [[nodiscard]] bool IsShown(std::string_view window) const;
  [[nodiscard]] int InstanceCount(std::string_view window) const;
  [[nodiscard]] bool Ended() const { return ended_; }

 private:
  class ScriptedWindow;
  friend class ScriptedWindow;

  // The next call's failure status, if the test scripted one.
  static std::optional<Status> NextFailure(int& count, std::map<int, Status>& failures);
  [[nodiscard]] ScriptedWindow& Find(std::string_view window) const;
  [[nodiscard]] ScriptedWindow& FindUsable(std::string_view window) const;
  void Record(Call call) { calls_.push_back(std::move(call)); }

  std::vector<ScriptedWindow*> windows_;
  std::vector<Call> calls_;
  std::vector<ReportedError> errors_;
  std::vector<std::string> announced_;
  int controlAccesses_ = 0;
  int windowCalls_ = 0;
  int creations_ = 0;
  std::map<int, Status> controlFailures_;
  std::map<int, Status> windowFailures_;
  std::map<int, Status> creationFailures_;
  bool ended_ = false;
};

}  // namespace runtime::scripted
