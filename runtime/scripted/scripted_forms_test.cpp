// The scripted back end itself: what the handler tests rely on it to record, keep, fail
// and refuse.
#include "runtime/scripted/scripted_forms.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <variant>

#include "runtime/forms/checked_calls.h"
#include "runtime/scripted/test_window.h"

namespace runtime::scripted {
namespace {

constexpr std::array kControls = {
    Control{ControlKind::TextBox, "txtnum", "5", Box{0, 0, 10, 10}, 0, kWindowFont},
    Control{ControlKind::Label, "lblans", "20", Box{0, 0, 10, 10}, 1, kWindowFont},
    Control{ControlKind::PushButton, "cmdsum", "+", Box{0, 0, 10, 10}, 2, kWindowFont},
};
constexpr std::array kMenu = {MenuEntry{0, "mnhelp", 3, "Help"},
                              MenuEntry{1, "mnabout", 32, "About", "F2"}};

constexpr WindowDescription kWindow = TestWindow("frmcal", kControls, kMenu);

class ScriptedFormsTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = forms_.NewWindow(
        kWindow,
        {{"cmdsum",
          [this](const ClickEvent& event) {
            clicks_.push_back(event.index);
            SetTextChecked(event.window, "lblans", "25");
          }},
         {"mnabout", [this](const ClickEvent& event) { clicks_.push_back(event.index); }}});
    ASSERT_EQ(window_->Show(), kOk);
    forms_.ClearCalls();
  }

  ScriptedForms forms_;
  std::unique_ptr<Window> window_;
  std::vector<int> clicks_;
};

TEST_F(ScriptedFormsTest, RecordsEveryCallInOrder) {
  std::string text;
  ASSERT_EQ(window_->GetText("txtnum", text), kOk);
  ASSERT_EQ(window_->SetText("lblans", "x"), kOk);
  ASSERT_EQ(window_->Hide(), kOk);
  forms_.EndProgram();
  EXPECT_EQ(forms_.Calls(), (std::vector<Call>{{CallKind::GetText, "frmcal", "txtnum", "5"},
                                               {CallKind::SetText, "frmcal", "lblans", "x"},
                                               {CallKind::Hide, "frmcal"},
                                               {CallKind::EndProgram}}));
}

TEST_F(ScriptedFormsTest, FailsExactlyTheNthControlAccess) {
  forms_.FailControlAccess(2, Status{-5});
  std::string text;
  EXPECT_EQ(window_->GetText("txtnum", text), kOk);
  EXPECT_EQ(window_->SetText("lblans", "1"), Status{-5});
  EXPECT_EQ(forms_.Text("frmcal", "lblans"), "20");
  EXPECT_EQ(window_->SetText("lblans", "2"), kOk);
  EXPECT_EQ(forms_.Text("frmcal", "lblans"), "2");
}

TEST_F(ScriptedFormsTest, FailedShowLeavesTheWindowHidden) {
  ASSERT_EQ(window_->Hide(), kOk);
  forms_.FailWindowCall(1);
  EXPECT_EQ(window_->Show(), kFailed);
  EXPECT_FALSE(forms_.IsShown("frmcal"));
}

TEST_F(ScriptedFormsTest, FailedCreationThrowsAndCreatesNothing) {
  forms_.FailCreation(1);
  try {
    static_cast<void>(forms_.NewWindow(kWindow, {}));
    ADD_FAILURE() << "the creation did not fail";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Cause(), (std::variant<FailedCall, ArithmeticFault>(
                                 FailedCall{kFailed, "frmcal", "frmcal", Method::Create})));
  }
  EXPECT_EQ(forms_.InstanceCount("frmcal"), 1);
}

TEST_F(ScriptedFormsTest, ClickPassesTheMenuIndexOrTheGivenOne) {
  forms_.Click("frmcal", "mnabout");
  forms_.Click("frmcal", "cmdsum");
  forms_.Click("frmcal", "mnabout", 7);
  EXPECT_EQ(clicks_, (std::vector<int>{32, 0, 7}));
}

TEST_F(ScriptedFormsTest, ClickOnControlWithoutHandlerDoesNothing) {
  forms_.Click("frmcal", "txtnum");
  EXPECT_TRUE(forms_.Calls().empty());
}

TEST_F(ScriptedFormsTest, CollectsTheErrorOfAHandler) {
  forms_.FailControlAccess(1);
  forms_.Click("frmcal", "cmdsum");
  ASSERT_EQ(forms_.Errors().size(), 1U);
  EXPECT_EQ(forms_.Errors()[0].cause, (std::variant<FailedCall, ArithmeticFault>(FailedCall{
                                          kFailed, "lblans", "Label", Method::SetText})));
}

struct RefusalRow {
  const char* name;
  std::function<void(ScriptedForms&, Window&)> act;
};

void PrintTo(const RefusalRow& row, std::ostream* out) {
  *out << row.name;
}

class ScriptedFormsRefuses : public testing::TestWithParam<RefusalRow> {};

// What no user could do is a mistake in the test, not a scenario.
TEST_P(ScriptedFormsRefuses, WhatAUserCannotDo) {
  ScriptedForms forms;
  const auto window = forms.NewWindow(kWindow, {});
  ASSERT_EQ(window->Show(), kOk);
  EXPECT_THROW(GetParam().act(forms, *window), std::logic_error);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, ScriptedFormsRefuses,
    testing::Values(RefusalRow{"ClickOnAHiddenWindow",
                               [](ScriptedForms& f, Window& w) {
                                 ASSERT_EQ(w.Hide(), kOk);
                                 f.Click("frmcal", "cmdsum");
                               }},
                    RefusalRow{"ClickOnAWindowClosedByTheUser",
                               [](ScriptedForms& f, Window&) {
                                 f.Close("frmcal");
                                 f.Click("frmcal", "cmdsum");
                               }},
                    RefusalRow{"ClickAfterTheProgramEnded",
                               [](ScriptedForms& f, Window&) {
                                 f.EndProgram();
                                 f.Click("frmcal", "cmdsum");
                               }},
                    RefusalRow{"ClickOnAMissingControl",
                               [](ScriptedForms& f, Window&) { f.Click("frmcal", "cmdpow"); }},
                    RefusalRow{"ClickOnAWindowNeverCreated",
                               [](ScriptedForms& f, Window&) { f.Click("Form1", "Command1"); }},
                    RefusalRow{"TypingIntoALabel",
                               [](ScriptedForms& f, Window&) { f.Type("frmcal", "lblans", "9"); }}),
    [](const auto& each) { return std::string(each.param.name); });

}  // namespace
}  // namespace runtime::scripted
