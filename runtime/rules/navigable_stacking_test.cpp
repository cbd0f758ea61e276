// The navigable stacking: what overlaps keeps its look, what takes the focus its tab order.
#include "runtime/rules/navigable_stacking.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

#include "runtime/scripted/test_window.h"

namespace runtime {
namespace {

std::vector<std::string_view> Names(std::span<const Control> controls) {
  return scripted::NamesOf(NavigableStacking(controls));
}

// A frame behind two buttons, whose tab order runs against the table's, and an entry apart.
TEST(NavigableStacking, ButtonsTakeTheirTabOrderAndStayInFrontOfTheFrame) {
  constexpr std::array controls = {
      Control{ControlKind::PushButton, "Second", "", Box{300, 300, 600, 600}, 2, kWindowFont},
      Control{ControlKind::PushButton, "First", "", Box{1200, 300, 600, 600}, 1, kWindowFont},
      Control{ControlKind::TextBox, "Entry", "", Box{0, 3000, 600, 300}, 0, kWindowFont},
      Control{ControlKind::Frame, "Frame", "", Box{0, 0, 3000, 1500}, 3, kWindowFont},
  };
  EXPECT_EQ(Names(controls), (std::vector<std::string_view>{"Entry", "First", "Second", "Frame"}));
}

TEST(NavigableStacking, LinesStayOverTheLabelsTheyCross) {
  constexpr std::array controls = {
      Control{ControlKind::Line, "Edge", "", Segment{0, 600, 3000, 600}, kNoTabIndex, kWindowFont},
      Control{ControlKind::Label, "Marker", "", Box{2400, 300, 600, 450}, 1, kWindowFont},
      Control{ControlKind::Label, "Answer", "", Box{0, 300, 2415, 450}, 0, kWindowFont},
  };
  EXPECT_EQ(Names(controls), (std::vector<std::string_view>{"Edge", "Marker", "Answer"}));
}

// Two overlapping buttons whose tab order would put the one behind in front.
TEST(NavigableStacking, ContradictionKeepsTheTablesLook) {
  constexpr std::array controls = {
      Control{ControlKind::PushButton, "Front", "", Box{0, 0, 600, 600}, 1, kWindowFont},
      Control{ControlKind::PushButton, "Behind", "", Box{300, 300, 600, 600}, 0, kWindowFont},
  };
  EXPECT_EQ(Names(controls), (std::vector<std::string_view>{"Front", "Behind"}));
}

}  // namespace
}  // namespace runtime
