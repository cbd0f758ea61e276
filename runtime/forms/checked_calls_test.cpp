// The status-tested calls: a failed one becomes a RuntimeError naming the object, its
// interface (from the control's kind, or the window class) and the operation.
#include "runtime/forms/checked_calls.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "runtime/forms/runtime_error.h"
#include "runtime/scripted/scripted_forms.h"
#include "runtime/scripted/test_window.h"

namespace runtime {
namespace {

using scripted::ScriptedForms;

constexpr std::array kControls = {
    Control{ControlKind::TextBox, "txtnum", "12", Box{0, 0, 10, 10}, 0, kWindowFont},
    Control{ControlKind::Label, "lblans", "30", Box{0, 0, 10, 10}, 1, kWindowFont},
    Control{ControlKind::PushButton, "cmdsum", "+", Box{0, 0, 10, 10}, 2, kWindowFont},
};

constexpr WindowDescription kWindow = scripted::TestWindow("frmcal", kControls);

struct FailureRow {
  const char* name;
  std::function<void(Window&)> call;
  FailedCall expected;
};

void PrintTo(const FailureRow& row, std::ostream* out) {
  *out << row.name;
}

class CheckedCallFails : public testing::TestWithParam<FailureRow> {};

TEST_P(CheckedCallFails, RaisesNamingTheCall) {
  ScriptedForms forms;
  const auto window = forms.NewWindow(kWindow, {});
  const Status status{-7};
  forms.FailControlAccess(1, status);
  forms.FailWindowCall(1, status);
  try {
    GetParam().call(*window);
    FAIL() << "no RuntimeError";
  } catch (const RuntimeError& error) {
    FailedCall expected = GetParam().expected;
    expected.status = status;
    EXPECT_EQ(error.Cause(), (std::variant<FailedCall, ArithmeticFault>(expected)));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CheckedCallFails,
    testing::Values(FailureRow{"ReadingATextBox",
                               [](Window& w) { static_cast<void>(GetTextChecked(w, "txtnum")); },
                               {{}, "txtnum", "TextBox", Method::GetText}},
                    FailureRow{"ReadingALabel",
                               [](Window& w) { static_cast<void>(GetTextChecked(w, "lblans")); },
                               {{}, "lblans", "Label", Method::GetText}},
                    FailureRow{"WritingATextBox",
                               [](Window& w) { SetTextChecked(w, "txtnum", ""); },
                               {{}, "txtnum", "TextBox", Method::SetText}},
                    FailureRow{"WritingALabel",
                               [](Window& w) { SetTextChecked(w, "lblans", "42"); },
                               {{}, "lblans", "Label", Method::SetText}},
                    FailureRow{"WritingAButton",
                               [](Window& w) { SetTextChecked(w, "cmdsum", "-"); },
                               {{}, "cmdsum", "PushButton", Method::SetText}},
                    FailureRow{"WritingAMissingControl",
                               [](Window& w) { SetTextChecked(w, "Label9", ""); },
                               {{}, "Label9", "Control", Method::SetText}},
                    FailureRow{"ShowingTheWindow",
                               [](Window& w) { ShowChecked(w); },
                               {{}, "frmcal", "frmcal", Method::Show}},
                    FailureRow{"HidingTheWindow",
                               [](Window& w) { HideChecked(w); },
                               {{}, "frmcal", "frmcal", Method::Hide}}),
    [](const auto& each) { return std::string(each.param.name); });

}  // namespace
}  // namespace runtime
