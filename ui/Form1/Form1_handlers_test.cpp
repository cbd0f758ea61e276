// Clicks on the about window: the registry calls "More Details" and "Exit" make, in their
// order, and how a failed Show or Hide stops the click where it failed. Which windows a user
// then sees is the behaviour table's lifecycle group.
#include "ui/Form1/Form1_handlers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/forms/checked_calls.h"
#include "runtime/scripted/scripted_forms.h"
#include "ui/catalogue.h"

namespace ui::Form1 {
namespace {

using app::WindowClass;
using runtime::FailedCall;
using runtime::Method;
using runtime::scripted::Call;
using runtime::scripted::CallKind;
using Cause = std::variant<FailedCall, runtime::ArithmeticFault>;

// The calculator is open and Help > About has shown the about window.
class AboutWindowClicks : public testing::Test {
 protected:
  void SetUp() override {
    runtime::ShowChecked(registry_.InstanceOf(WindowClass::frmcal));
    forms_.Click("frmcal", "mnabout");
    forms_.ClearCalls();
  }

  void Click(std::string_view button) { forms_.Click("Form1", button); }

  runtime::scripted::ScriptedForms forms_;
  app::WindowRegistry registry_{forms_, WindowClasses()};
};

TEST_F(AboutWindowClicks, MoreDetailsTwiceShowsOneDetailsWindow) {
  Click("Command1");
  Click("Command1");
  EXPECT_EQ(forms_.Calls(), (std::vector<Call>{{CallKind::NewWindow, "Form2"},
                                               {CallKind::Show, "Form2"},
                                               {CallKind::Show, "Form2"}}));
  EXPECT_TRUE(forms_.IsShown("Form1"));
  EXPECT_TRUE(forms_.IsShown("Form2"));
}

// The details window is created only to be hidden, and never shows.
TEST_F(AboutWindowClicks, ExitBeforeMoreDetailsCreatesAndHidesTheDetailsWindow) {
  Click("Command2");
  EXPECT_EQ(forms_.Calls(), (std::vector<Call>{{CallKind::Hide, "Form1"},
                                               {CallKind::NewWindow, "Form2"},
                                               {CallKind::Hide, "Form2"}}));
  EXPECT_FALSE(forms_.IsShown("Form1"));
  EXPECT_FALSE(forms_.IsShown("Form2"));
  EXPECT_TRUE(forms_.IsShown("frmcal"));
}

// No step after the failing one runs: the details window is not even created.
TEST_F(AboutWindowClicks, FailedFirstHideLeavesTheDetailsWindowAlone) {
  Click("Command1");
  forms_.ClearCalls();
  forms_.FailWindowCall(1);
  Click("Command2");
  EXPECT_EQ(forms_.Calls(),
            (std::vector<Call>{{CallKind::Hide, "Form1", {}, {}, runtime::kFailed}}));
  EXPECT_TRUE(forms_.IsShown("Form1"));
  EXPECT_TRUE(forms_.IsShown("Form2"));
  ASSERT_EQ(forms_.Errors().size(), 1U);
  EXPECT_EQ(forms_.Errors()[0].cause,
            Cause(FailedCall{runtime::kFailed, "Form1", "Form1", Method::Hide}));
}

TEST_F(AboutWindowClicks, FailedSecondHideLeavesTheAboutWindowHidden) {
  Click("Command1");
  forms_.FailWindowCall(2);
  Click("Command2");
  EXPECT_FALSE(forms_.IsShown("Form1"));
  EXPECT_TRUE(forms_.IsShown("Form2"));
  ASSERT_EQ(forms_.Errors().size(), 1U);
  EXPECT_EQ(forms_.Errors()[0].cause,
            Cause(FailedCall{runtime::kFailed, "Form2", "Form2", Method::Hide}));
}

TEST_F(AboutWindowClicks, FailedShowOfTheDetailsWindowIsReported) {
  forms_.FailWindowCall(1);
  Click("Command1");
  EXPECT_FALSE(forms_.IsShown("Form2"));
  EXPECT_EQ(forms_.InstanceCount("Form2"), 1);
  ASSERT_EQ(forms_.Errors().size(), 1U);
  EXPECT_EQ(forms_.Errors()[0].cause,
            Cause(FailedCall{runtime::kFailed, "Form2", "Form2", Method::Show}));
}

}  // namespace
}  // namespace ui::Form1
