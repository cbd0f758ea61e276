// The tab order: controls that take the focus, by tab index, whatever their stacking.
#include "runtime/rules/tab_order.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

#include "runtime/scripted/test_window.h"

namespace runtime {
namespace {

std::vector<std::string_view> Names(std::span<const Control> controls) {
  return scripted::NamesOf(TabOrder(controls));
}

constexpr Box kBox{0, 0, 100, 100};

TEST(TabOrder, FollowsTheIndexesAndSkipsWhatTakesNoFocus) {
  constexpr std::array controls = {
      Control{ControlKind::PushButton, "Back", "", kBox, 3, kWindowFont},
      Control{ControlKind::Label, "Caption", "", kBox, 0, kWindowFont},
      Control{ControlKind::TextBox, "Entry", "", kBox, 1, kWindowFont},
      Control{ControlKind::Frame, "Group", "", kBox, 4, kWindowFont},
      Control{ControlKind::Picture, "Photo", "", kBox, kNoTabIndex, kWindowFont},
      Control{ControlKind::PushButton, "Next", "", kBox, 2, kWindowFont},
  };
  EXPECT_EQ(Names(controls), (std::vector<std::string_view>{"Entry", "Next", "Back"}));
}

TEST(TabOrder, ControlsWithoutAnIndexComeLastInTableOrder) {
  constexpr std::array controls = {
      Control{ControlKind::PushButton, "First", "", kBox, kNoTabIndex, kWindowFont},
      Control{ControlKind::PushButton, "Second", "", kBox, kNoTabIndex, kWindowFont},
      Control{ControlKind::PushButton, "Indexed", "", kBox, 5, kWindowFont},
  };
  EXPECT_EQ(Names(controls), (std::vector<std::string_view>{"Indexed", "First", "Second"}));
  EXPECT_TRUE(Names({}).empty());
}

}  // namespace
}  // namespace runtime
