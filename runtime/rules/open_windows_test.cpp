// The program ends once none of its windows is shown, however the last one went.
#include "runtime/rules/open_windows.h"

#include <gtest/gtest.h>

#include "runtime/scripted/scripted_forms.h"
#include "runtime/scripted/test_window.h"

namespace runtime {
namespace {

constexpr WindowDescription kCalculator = scripted::TestWindow("frmcal");
constexpr WindowDescription kAbout = scripted::TestWindow("Form1");

class OpenWindowsTest : public testing::Test {
 protected:
  OpenWindowsTest() {
    open_.Add(*calculator_);
    open_.Add(*about_);
  }

  scripted::ScriptedForms forms_;
  std::unique_ptr<Window> calculator_ = forms_.NewWindow(kCalculator, {});
  std::unique_ptr<Window> about_ = forms_.NewWindow(kAbout, {});
  OpenWindows open_;
};

TEST_F(OpenWindowsTest, NothingEndsBeforeAnyWindowExists) {
  EXPECT_FALSE(OpenWindows().NoneShown());
}

TEST_F(OpenWindowsTest, WindowsMadeButNeverShownKeepNothingAlive) {
  EXPECT_TRUE(open_.NoneShown());
}

TEST_F(OpenWindowsTest, AnyShownWindowKeepsTheProgram) {
  ASSERT_EQ(calculator_->Show(), kOk);
  ASSERT_EQ(about_->Show(), kOk);
  ASSERT_EQ(calculator_->Hide(), kOk);
  EXPECT_FALSE(open_.NoneShown());
}

// Closing the calculator, then Exit on the about window: no window is left to end it from.
TEST_F(OpenWindowsTest, HidingTheLastShownWindowEndsIt) {
  ASSERT_EQ(calculator_->Show(), kOk);
  ASSERT_EQ(about_->Show(), kOk);
  forms_.Close("frmcal");
  ASSERT_EQ(about_->Hide(), kOk);
  EXPECT_TRUE(open_.NoneShown());
}

TEST_F(OpenWindowsTest, ADestroyedWindowNoLongerCounts) {
  ASSERT_EQ(about_->Show(), kOk);
  open_.Remove(*about_);
  EXPECT_TRUE(open_.NoneShown());
}

}  // namespace
}  // namespace runtime
