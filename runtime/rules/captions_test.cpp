// Captions keep every character; self-sizing labels never cut a glyph off.
#include "runtime/rules/captions.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

TEST(LiteralCaption, DoublesEveryAmpersandAndKeepsTheRest) {
  EXPECT_EQ(LiteralCaption("x^(Power)"), "x^(Power)");
  EXPECT_EQ(LiteralCaption("Fish & Chips"), "Fish && Chips");
  EXPECT_EQ(LiteralCaption("&&&"), "&&&&&&");
  EXPECT_EQ(LiteralCaption(""), "");
  EXPECT_EQ(LiteralCaption("Café &"), "Café &&");
}

TEST(CaptionToShow, OnlyButtonsAndFramesDoubleTheirAmpersands) {
  const auto shown = [](ControlKind kind) {
    return CaptionToShow(Control{kind, "c", "Fish & Chips", Box{0, 0, 10, 10}, 0, kWindowFont});
  };
  EXPECT_EQ(shown(ControlKind::PushButton), "Fish && Chips");
  EXPECT_EQ(shown(ControlKind::Frame), "Fish && Chips");
  EXPECT_EQ(shown(ControlKind::Label), "Fish & Chips");
  EXPECT_EQ(shown(ControlKind::TextBox), "Fish & Chips");
}

TEST(AutoSizedLabel, RoundsTheMeasuredTextUpAndKeepsItsCorner) {
  EXPECT_EQ(AutoSizedLabel({10, 20}, 99.01, 13.0), (PixelRect{10, 20, 100, 13}));
  EXPECT_EQ(AutoSizedLabel({0, 0}, 0.0, 0.0), (PixelRect{0, 0, 0, 0}));
}

}  // namespace
}  // namespace runtime
