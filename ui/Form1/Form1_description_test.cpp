// The about window's description against its layout: stacking and tab order, the default
// button, the labels' sizing and the author texts' punctuation.
#include "ui/Form1/Form1_description.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/testing/test_window.h"

namespace ui::Form1 {
namespace {

using runtime::Control;
using runtime::ControlKind;

const Control& Named(std::string_view name) {
  return runtime::scripted::ControlNamed(kDescription, name);
}

TEST(Form1Window, StackingOrderFrontToBack) {
  std::vector<std::string_view> names;
  for (const Control& control : kDescription.controls) {
    names.push_back(control.name);
  }
  EXPECT_EQ(names,
            (std::vector<std::string_view>{"Command2", "Command1", "Label8", "Label3", "Label7",
                                           "Label6", "Label5", "Label2", "Label1", "Image1"}));
}

// Only the buttons take the focus: "More Details", then "Exit".
TEST(Form1Window, TabOrderOfTheButtons) {
  EXPECT_EQ(Named("Command1").caption, "More Details");
  EXPECT_EQ(Named("Command2").caption, "Exit");
  EXPECT_LT(Named("Command1").tabIndex, Named("Command2").tabIndex);
  for (const Control& control : kDescription.controls) {
    EXPECT_NE(control.kind, ControlKind::TextBox) << control.name;
  }
}

// "More Details" is pressed by Enter wherever the focus is; it looks like "Exit" although
// its back colour names the button-text role.
TEST(Form1Window, MoreDetailsIsTheDefaultButton) {
  EXPECT_EQ(Named("Command1").role, runtime::ButtonRole::Default);
  EXPECT_EQ(Named("Command1").backColour, runtime::Colour(runtime::SystemColour::ButtonText));
  EXPECT_EQ(Named("Command2").role, runtime::ButtonRole::None);
}

struct LabelRow {
  const char* name;
  runtime::Sizing sizing;
  double points;
  std::uint32_t colour;
  std::string_view ending;  // the caption's last character, or empty for any
};

void PrintTo(const LabelRow& row, std::ostream* out) {
  *out << row.name;
}

class Form1Labels : public testing::TestWithParam<LabelRow> {};

// All transparent Tahoma bold on one line; the postal lines end as an address is written.
TEST_P(Form1Labels, SizingFontColourAndPunctuation) {
  const Control& label = Named(GetParam().name);
  EXPECT_EQ(label.kind, ControlKind::Label);
  EXPECT_EQ(label.sizing, GetParam().sizing);
  EXPECT_EQ(label.backdrop, runtime::Backdrop::Transparent);
  ASSERT_TRUE(label.font.has_value());
  EXPECT_EQ(label.font->face, "Tahoma");
  EXPECT_EQ(label.font->points, GetParam().points);
  EXPECT_EQ(label.font->weight, runtime::kBold);
  EXPECT_EQ(label.foreColour, runtime::Colour(runtime::Rgb{GetParam().colour}));
  EXPECT_FALSE(label.caption.empty());
  EXPECT_EQ(label.caption.find('\n'), std::string_view::npos);
  if (!GetParam().ending.empty()) {
    EXPECT_TRUE(label.caption.ends_with(GetParam().ending)) << label.caption;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Labels, Form1Labels,
    testing::Values(LabelRow{"Label1", runtime::Sizing::FixedBox, 27.75, 0x81AFE9, ""},
                    LabelRow{"Label2", runtime::Sizing::AutoSize, 14.25, 0xC0C0FF, ","},
                    LabelRow{"Label5", runtime::Sizing::AutoSize, 14.25, 0xC0C0FF, ","},
                    LabelRow{"Label6", runtime::Sizing::AutoSize, 14.25, 0xC0C0FF, ","},
                    LabelRow{"Label7", runtime::Sizing::AutoSize, 14.25, 0xC0C0FF, "."},
                    LabelRow{"Label8", runtime::Sizing::AutoSize, 18, 0xC0C0FF, ""},
                    LabelRow{"Label3", runtime::Sizing::AutoSize, 11.25, 0x8080FF, ""}),
    [](const auto& each) { return std::string(each.param.name); });

TEST(Form1Window, HeadingIsCentredInItsBox) {
  EXPECT_EQ(Named("Label1").caption, "Pellomar Cooperation");
  EXPECT_EQ(Named("Label1").alignment, runtime::Alignment::Centre);
}

}  // namespace
}  // namespace ui::Form1
