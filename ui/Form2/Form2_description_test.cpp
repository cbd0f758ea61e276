// The details window's description against its layout: the picture behind four labels
// that stand 240 twips apart, nothing that takes the focus.
#include "ui/Form2/Form2_description.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "runtime/testing/test_window.h"

namespace ui::Form2 {
namespace {

using runtime::Control;
using runtime::ControlKind;

const Control& Named(std::string_view name) {
  return runtime::scripted::ControlNamed(kDescription, name);
}

const runtime::Box& BoxOf(std::string_view name) {
  return std::get<runtime::Box>(Named(name).geometry);
}

// The title is the author's first name: one word.
TEST(Form2Window, TitleIsOneWord) {
  EXPECT_FALSE(kDescription.properties.title.empty());
  EXPECT_EQ(kDescription.properties.title.find(' '), std::string_view::npos);
}

TEST(Form2Window, PictureBehindTheLabels) {
  std::vector<std::string_view> names;
  for (const Control& control : kDescription.controls) {
    names.push_back(control.name);
  }
  EXPECT_EQ(names,
            (std::vector<std::string_view>{"Label3", "Label2", "Label1", "Label4", "Image1"}));
  EXPECT_FALSE(Named("Image1").picture.empty());
  EXPECT_EQ(BoxOf("Image1").width, 6120);
  EXPECT_EQ(BoxOf("Image1").height, 4680);
}

TEST(Form2Window, NothingTakesTheFocus) {
  for (const Control& control : kDescription.controls) {
    EXPECT_TRUE(control.kind == ControlKind::Label || control.kind == ControlKind::Picture)
        << control.name;
  }
}

// Class, examination, school, telephone: at the left edge, 240 twips apart from the top.
TEST(Form2Window, LabelsStandAtTheLeftEdge240Apart) {
  const std::vector<std::string_view> topDown = {"Label2", "Label1", "Label4", "Label3"};
  for (std::size_t i = 0; i < topDown.size(); ++i) {
    SCOPED_TRACE(topDown[i]);
    EXPECT_EQ(BoxOf(topDown[i]).left, 120);
    EXPECT_EQ(BoxOf(topDown[i]).top, 3600 + 240 * static_cast<int>(i));
  }
}

TEST(Form2Window, OnlyTheExaminationKeepsItsBox) {
  for (const std::string_view name : {"Label1", "Label2", "Label3", "Label4"}) {
    SCOPED_TRACE(name);
    const Control& label = Named(name);
    EXPECT_EQ(label.sizing,
              name == "Label1" ? runtime::Sizing::FixedBox : runtime::Sizing::AutoSize);
    EXPECT_EQ(label.backdrop, runtime::Backdrop::Transparent);
    EXPECT_FALSE(label.caption.empty());
  }
}

}  // namespace
}  // namespace ui::Form2
