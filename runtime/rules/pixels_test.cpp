// Twips to pixels at the standard and a raised dpi, lines, and windows moved onto a screen.
#include "runtime/rules/pixels.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace runtime {
namespace {

struct TwipsRow {
  const char* name;
  Twips twips;
  int dpi;
  int pixels;
};

void PrintTo(const TwipsRow& row, std::ostream* out) {
  *out << row.name;
}

class TwipsToPixelsGives : public testing::TestWithParam<TwipsRow> {};

TEST_P(TwipsToPixelsGives, TheNearestPixel) {
  EXPECT_EQ(TwipsToPixels(GetParam().twips, GetParam().dpi), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Lengths, TwipsToPixelsGives,
                         testing::Values(TwipsRow{"ClientWidthAt96", 6705, 96, 447},
                                         TwipsRow{"ClientWidthAt144", 6705, 144,
                                                  671},  // 670.5 rounds up
                                         TwipsRow{"ButtonWidthAt96", 850, 96, 57},
                                         TwipsRow{"ButtonWidthAt144", 850, 144, 85},
                                         TwipsRow{"HalfPixelAwayFromZero", -5, 144, -1},
                                         TwipsRow{"SevenTwipsAreNothingAt96", 7, 96, 0},
                                         TwipsRow{"EightTwipsAreAPixelAt96", 8, 96, 1},
                                         TwipsRow{"TwoHundredPercent", 4590, 192, 612}),
                         [](const auto& each) { return std::string(each.param.name); });

// The raised dpi the Windows tests use: every whole-pixel length at 96 dpi is 1.5 times as
// long, to the pixel, when its twips are a multiple of 30.
TEST(ToPixels, BoxesScaleByOneAndAHalfAt144Dpi) {
  const Box box{4440, 2520, 1470, 1590};
  const PixelRect at96 = ToPixels(box, kStandardDpi);
  const PixelRect at144 = ToPixels(box, 144);
  EXPECT_EQ(at144, (PixelRect{at96.left * 3 / 2, at96.top * 3 / 2, at96.width * 3 / 2,
                              at96.height * 3 / 2}));
}

TEST(ToPixels, LinesCoverBothEndsWhicheverWayTheyRun) {
  EXPECT_EQ(ToPixels(Segment{6000, 960, 240, 960}, 96),
            (PixelLine{{400, 64}, {16, 64}, {16, 64, 385, 1}}));
  EXPECT_EQ(ToPixels(Segment{240, 1560, 240, 940}, 144),
            (PixelLine{{24, 156}, {24, 94}, {24, 94, 1, 63}}));
}

TEST(Overlap, NeedsASharedPixelNotATouchingEdge) {
  const PixelRect box{10, 10, 20, 20};
  EXPECT_TRUE(Overlap(box, PixelRect{29, 29, 5, 5}));
  EXPECT_FALSE(Overlap(box, PixelRect{30, 10, 5, 5}));
  EXPECT_FALSE(Overlap(box, PixelRect{10, 30, 5, 5}));
  // A level line one pixel thick across the box.
  EXPECT_TRUE(Overlap(box, AreaOf(Control{ControlKind::Line, "l", "", Segment{0, 300, 900, 300},
                                          kNoTabIndex, kWindowFont},
                                  kStandardDpi)));
}

struct PlacementRow {
  const char* name;
  PixelRect window;
  PixelRect placed;
};

void PrintTo(const PlacementRow& row, std::ostream* out) {
  *out << row.name;
}

class PlaceOnScreenMoves : public testing::TestWithParam<PlacementRow> {};

TEST_P(PlaceOnScreenMoves, TheWindowOntoTheScreen) {
  EXPECT_EQ(PlaceOnScreen(GetParam().window, PixelRect{0, 0, 800, 600}), GetParam().placed);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, PlaceOnScreenMoves,
    testing::Values(PlacementRow{"FitsAndStays", {270, 246, 447, 328}, {270, 246, 447, 328}},
                    PlacementRow{"PastTheRightEdge", {500, 100, 447, 328}, {353, 100, 447, 328}},
                    PlacementRow{"PastTheBottom", {270, 400, 447, 328}, {270, 272, 447, 328}},
                    PlacementRow{"AboveTheTop", {270, -20, 447, 328}, {270, 0, 447, 328}},
                    PlacementRow{"LargerThanTheScreen", {270, 246, 1000, 700}, {0, 0, 1000, 700}}),
    [](const auto& each) { return std::string(each.param.name); });

}  // namespace
}  // namespace runtime
