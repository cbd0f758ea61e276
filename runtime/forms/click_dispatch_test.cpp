// The dispatcher: a handler's error is reported, never lets the program end, and the
// handler's earlier work stays done.
#include "runtime/forms/click_dispatch.h"

#include <gtest/gtest.h>

#include <array>
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
            [](const ClickEvent&) { CheckStatus(kFailed, "lblans", "Label", Method::SetText); },
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

// Each binding lands at the row of its control or menu entry; rows without one stay empty.
TEST(BindByRow, PutsEachHandlerAtItsRow) {
  const std::array<Control, 3> controls{{
      {ControlKind::TextBox, "txtnum", "", Box{0, 0, 10, 10}, 0, kWindowFont},
      {ControlKind::PushButton, "cmdsum", "+", Box{0, 20, 10, 10}, 1, kWindowFont},
      {ControlKind::PushButton, "cmdsub", "-", Box{0, 40, 10, 10}, 2, kWindowFont},
  }};
  const std::array<MenuEntry, 2> menu{{{0, "mnhelp", 3, "Help"}, {1, "mnabout", 32, "About"}}};
  const WindowDescription description = scripted::TestWindow("frmcal", controls, menu);
  int ran = 0;
  const auto counting = [&ran](std::string_view control) {
    return Binding{control, [&ran](const ClickEvent&) { ++ran; }};
  };
  const HandlersByRow byRow =
      BindByRow(description, {counting("cmdsub"), counting("mnabout"), counting("NoSuchControl")});
  ASSERT_EQ(byRow.controls.size(), 3U);
  ASSERT_EQ(byRow.menu.size(), 2U);
  EXPECT_FALSE(byRow.controls[0]);
  EXPECT_FALSE(byRow.controls[1]);
  EXPECT_FALSE(byRow.menu[0]);
  scripted::ScriptedForms forms;
  const auto window = forms.NewWindow(description, {});
  byRow.controls[2](ClickEvent{*window, 0});
  byRow.menu[1](ClickEvent{*window, 32});
  EXPECT_EQ(ran, 2);
}

}  // namespace
}  // namespace runtime
