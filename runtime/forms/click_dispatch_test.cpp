// The dispatcher: a handler's error is reported, never lets the program end, and the
// handler's earlier work stays done.
#include "runtime/forms/click_dispatch.h"

#include <gtest/gtest.h>

#include <new>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/forms/runtime_error.h"
#include "runtime/scripted/scripted_forms.h"
#include "runtime/scripted/test_window.h"

namespace runtime {
namespace {

constexpr WindowDescription kWindow = scripted::TestWindow("frmcal");

struct Row {
  const char* name;
  ClickHandler handler;
  bool completes;
  std::string reported;  // the message reported, empty when none is
};

void PrintTo(const Row& row, std::ostream* out) {
  *out << row.name;
}

class DispatchClickReports : public testing::TestWithParam<Row> {};

TEST_P(DispatchClickReports, WhatLeavesTheHandler) {
  scripted::ScriptedForms forms;
  const auto window = forms.NewWindow(kWindow, {});
  std::vector<std::string> reports;
  const bool completed = DispatchClick(
      GetParam().handler, ClickEvent{*window, 0},
      [&reports](const std::exception& error) { reports.emplace_back(error.what()); });
  EXPECT_EQ(completed, GetParam().completes);
  if (GetParam().reported.empty()) {
    EXPECT_TRUE(reports.empty());
  } else {
    EXPECT_EQ(reports, std::vector<std::string>{GetParam().reported});
  }
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, DispatchClickReports,
    testing::Values(
        Row{"HandlerEndsNormally", [](const ClickEvent&) {}, true, ""},
        Row{"ArithmeticFault",
            [](const ClickEvent&) { throw RuntimeError(ArithmeticFault{FaultKind::Overflow}); },
            false, "Overflow."},
        Row{"FailedControlWrite",
            [](const ClickEvent&) { CheckStatus(kFailed, "lblans", "Label", Operation::SetText); },
            false, "Writing the text of lblans (Label) failed with status 0x80004005."},
        Row{"OutOfMemory", [](const ClickEvent&) { throw std::bad_alloc(); }, false,
            std::bad_alloc().what()},
        Row{"OtherStandardError",
            [](const ClickEvent&) { throw std::runtime_error("window refused"); }, false,
            "window refused"}),
    [](const auto& each) { return std::string(each.param.name); });

TEST(DispatchClick, PassesTheEventToTheHandler) {
  scripted::ScriptedForms forms;
  const auto window = forms.NewWindow(kWindow, {});
  const Window* seenWindow = nullptr;
  int seenIndex = -1;
  const bool completed = DispatchClick(
      [&](const ClickEvent& event) {
        seenWindow = &event.window;
        seenIndex = event.index;
      },
      ClickEvent{*window, 32}, [](const std::exception&) {});
  EXPECT_TRUE(completed);
  EXPECT_EQ(seenWindow, window.get());
  EXPECT_EQ(seenIndex, 32);
}

// What the handler did before the error stays done, and the next click runs as usual.
TEST(DispatchClick, ProgramGoesOnAfterAnError) {
  scripted::ScriptedForms forms;
  const auto window = forms.NewWindow(kWindow, {});
  int runs = 0;
  const ClickHandler failsAfterWork = [&runs](const ClickEvent&) {
    ++runs;
    throw RuntimeError(ArithmeticFault{FaultKind::DivisionByZero});
  };
  int reports = 0;
  const auto count = [&reports](const std::exception&) { ++reports; };
  EXPECT_FALSE(DispatchClick(failsAfterWork, ClickEvent{*window, 0}, count));
  EXPECT_FALSE(DispatchClick(failsAfterWork, ClickEvent{*window, 0}, count));
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(reports, 2);
}

// A back end's handlers by control name: the bound one runs with the click's index and its
// error is reported; a control without a handler, or bound to none, reacts to nothing.
TEST(ClickHandlers, RunTheBoundHandlerAlone) {
  scripted::ScriptedForms forms;
  const auto window = forms.NewWindow(kWindow, {});
  std::vector<int> indexes;
  const ClickHandlers handlers(
      {{"mnabout", [&indexes](const ClickEvent& event) { indexes.push_back(event.index); }},
       {"cmddiv",
        [](const ClickEvent&) { throw RuntimeError(ArithmeticFault{FaultKind::DivisionByZero}); }},
       {"cmdsum", nullptr}});
  std::vector<std::string> reports;
  const auto report = [&reports](const std::exception& error) {
    reports.emplace_back(error.what());
  };
  handlers.Click("mnabout", *window, 32, report);
  handlers.Click("cmddiv", *window, 0, report);
  handlers.Click("cmdsum", *window, 0, report);
  handlers.Click("cmdmul", *window, 0, report);
  EXPECT_EQ(indexes, std::vector<int>{32});
  EXPECT_EQ(reports, std::vector<std::string>{"Division by zero."});
}

}  // namespace
}  // namespace runtime
