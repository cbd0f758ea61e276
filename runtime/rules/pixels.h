// From the description's twips to a screen's pixels, and a window's place on its screen: the
// one conversion of lengths that every back end uses.
#pragma once

#include "runtime/forms/window_description.h"

namespace runtime {

inline constexpr int kTwipsPerInch = 1440;
// At this many dots per inch 15 twips make a pixel.
inline constexpr int kStandardDpi = 96;

struct PixelPoint {
  int x, y;
  friend constexpr bool operator==(PixelPoint, PixelPoint) = default;
};

// `left` and `top` lie inside, `Right()` and `Bottom()` just outside.
struct PixelRect {
  int left, top, width, height;
  [[nodiscard]] constexpr int Right() const { return left + width; }
  [[nodiscard]] constexpr int Bottom() const { return top + height; }
  friend constexpr bool operator==(PixelRect, PixelRect) = default;
};

// A line one pixel thick: its end points and the pixels it covers, ends included.
struct PixelLine {
  PixelPoint from, to;
  PixelRect bounds;
  friend constexpr bool operator==(PixelLine, PixelLine) = default;
};

// Twips to the nearest whole pixel on a screen of `dpi` dots per inch, halves away from zero.
[[nodiscard]] int TwipsToPixels(Twips twips, int dpi);

[[nodiscard]] PixelPoint ToPixels(Point point, int dpi);
[[nodiscard]] PixelRect ToPixels(const Box& box, int dpi);
[[nodiscard]] PixelLine ToPixels(const Segment& segment, int dpi);

// The pixels a control covers on a screen of `dpi`: its box, or the bounds of its line.
[[nodiscard]] PixelRect AreaOf(const Control& control, int dpi);

// Whether the two areas share a pixel; areas that only touch do not.
[[nodiscard]] bool Overlap(const PixelRect& a, const PixelRect& b);

// Moves `window` the shortest way onto `available`. A window larger than the screen keeps
// its top-left corner on it, so its title bar stays within reach.
[[nodiscard]] PixelRect PlaceOnScreen(PixelRect window, PixelRect available);

}  // namespace runtime
