// Twips to pixels at any dpi, and the placement of a window on its screen.
#include "runtime/rules/pixels.h"

#include <algorithm>
#include <cmath>
#include <variant>

namespace runtime {

int TwipsToPixels(Twips twips, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / kTwipsPerInch));
}

PixelPoint ToPixels(Point point, int dpi) {
  return {TwipsToPixels(point.x, dpi), TwipsToPixels(point.y, dpi)};
}

PixelRect ToPixels(const Box& box, int dpi) {
  return {TwipsToPixels(box.left, dpi), TwipsToPixels(box.top, dpi), TwipsToPixels(box.width, dpi),
          TwipsToPixels(box.height, dpi)};
}

PixelLine ToPixels(const Segment& segment, int dpi) {
  const PixelPoint from = ToPixels(Point{segment.x1, segment.y1}, dpi);
  const PixelPoint to = ToPixels(Point{segment.x2, segment.y2}, dpi);
  const int left = std::min(from.x, to.x);
  const int top = std::min(from.y, to.y);
  return {
      from, to,
      PixelRect{left, top, std::max(from.x, to.x) - left + 1, std::max(from.y, to.y) - top + 1}};
}

PixelRect AreaOf(const Control& control, int dpi) {
  if (const auto* segment = std::get_if<Segment>(&control.geometry)) {
    return ToPixels(*segment, dpi).bounds;
  }
  return ToPixels(std::get<Box>(control.geometry), dpi);
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

PixelRect PlaceOnScreen(PixelRect window, PixelRect available) {
  // Past the right or bottom edge first, then back over the left or top edge, which wins.
  PixelRect placed = window;
  placed.left = std::min(placed.left, available.Right() - placed.width);
  placed.top = std::min(placed.top, available.Bottom() - placed.height);
  placed.left = std::max(placed.left, available.left);
  placed.top = std::max(placed.top, available.top);
  return placed;
}

}  // namespace runtime
