// What screen readers are told of each kind of control.
#include "runtime/rules/accessibility.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace runtime {
namespace {

struct Row {
  const char* what;
  Control control;
  bool decorative;
  std::string name;
  bool captionDescribes;
};

Control MakeControl(ControlKind kind, std::string_view caption, std::string_view accessibleName) {
  Control control{kind, "c", caption, Box{0, 0, 10, 10}, kNoTabIndex, kWindowFont};
  control.accessibleName = accessibleName;
  return control;
}

void PrintTo(const Row& row, std::ostream* out) {
  *out << row.what;
}

class AccessibilityOfControl : public testing::TestWithParam<Row> {};

TEST_P(AccessibilityOfControl, FollowsTheRule) {
  const Accessibility accessibility = AccessibilityOf(GetParam().control);
  EXPECT_EQ(accessibility.decorative, GetParam().decorative);
  EXPECT_EQ(accessibility.name, GetParam().name);
  EXPECT_EQ(accessibility.captionDescribes, GetParam().captionDescribes);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, AccessibilityOfControl,
    testing::Values(
        Row{"EntryByItsOwnName", MakeControl(ControlKind::TextBox, "12", "Entry"), false, "Entry",
            false},
        Row{"ButtonByItsCaption", MakeControl(ControlKind::PushButton, "Clear", ""), false, "Clear",
            false},
        Row{"LabelByItsCaption", MakeControl(ControlKind::Label, "Version 1.0", ""), false,
            "Version 1.0", false},
        Row{"NamedLabelDescribedByItsCaption", MakeControl(ControlKind::Label, "42", "Result"),
            false, "Result", true},
        Row{"FrameByItsCaption", MakeControl(ControlKind::Frame, "Pallete", ""), false, "Pallete",
            false},
        Row{"LineIsDecorative", MakeControl(ControlKind::Line, "", "Rule"), true, "", false},
        Row{"PictureIsDecorative", MakeControl(ControlKind::Picture, "", ""), true, "", false},
        Row{"NamedPictureIsShown", MakeControl(ControlKind::Picture, "", "Logo"), false, "Logo",
            false}),
    [](const auto& each) { return std::string(each.param.what); });

}  // namespace
}  // namespace runtime
