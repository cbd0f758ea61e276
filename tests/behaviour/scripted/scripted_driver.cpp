// The behaviour table on the scripted back end, in-process: steps become the back end's
// typing, clicks and close boxes; the state is read from its windows and its error reports.
#include <gtest/gtest.h>

#include <memory>

#include "app/window_registry.h"
#include "runtime/forms/checked_calls.h"
#include "runtime/scripted/scripted_forms.h"
#include "tests/behaviour/driver.h"
#include "ui/catalogue.h"

namespace tests::behaviour {
namespace {

class ScriptedDriver final : public Driver {
 public:
  [[nodiscard]] Backend Which() const override { return Backend::Scripted; }

  void Start() override { runtime::ShowChecked(registry_.InstanceOf(app::WindowClass::frmcal)); }

  void Perform(const Step& step) override {
    switch (step.kind) {
      case Step::Kind::Type:
        forms_.Type(step.window, step.control,
                    forms_.Text(step.window, step.control) + std::string(step.text));
        return;
      case Step::Kind::ToolSetText:
        forms_.Type(step.window, step.control, step.text);
        return;
      case Step::Kind::Click:
      case Step::Kind::ToolPress:
        forms_.Click(step.window, step.control);
        return;
      case Step::Kind::Close:
        forms_.Close(step.window);
        return;
      case Step::Kind::TypeHere:
      case Step::Kind::Press:
      case Step::Kind::SelectAll:
        break;
    }
    ADD_FAILURE() << "the scripted back end has no keyboard; the row should be marked";
  }

  [[nodiscard]] TextsSeen ReadTexts() override {
    return {forms_.Text("frmcal", "txtnum"), forms_.Text("frmcal", "lblans"),
            forms_.Text("frmcal", "LblSpc")};
  }

  [[nodiscard]] FocusSeen ReadFocus() override {
    ADD_FAILURE() << "the scripted back end keeps no focus; the row should be marked";
    return {};
  }

  // An ended program shows nothing, whatever its windows last were.
  [[nodiscard]] WindowSeen ReadWindow(std::string_view window) override {
    const int instances = forms_.InstanceCount(window);
    return {instances, instances == 1 && forms_.IsShown(window) && !forms_.Ended()};
  }

  [[nodiscard]] std::vector<MessageSeen> ReadMessages() override {
    std::vector<MessageSeen> messages;
    for (const runtime::scripted::ReportedError& error : forms_.Errors()) {
      messages.push_back({{}, error.message, {}});
    }
    return messages;
  }

  [[nodiscard]] std::vector<std::string> ReadAnnouncements() override { return forms_.Announced(); }

  // The exit code Run gives once the program has been ended.
  [[nodiscard]] int ReadProcess() override { return forms_.Ended() ? 0 : kRunning; }

 private:
  runtime::scripted::ScriptedForms forms_;
  app::WindowRegistry registry_{forms_, ui::WindowClasses()};
};

}  // namespace

std::unique_ptr<Driver> MakeDriver() {
  return std::make_unique<ScriptedDriver>();
}

}  // namespace tests::behaviour
