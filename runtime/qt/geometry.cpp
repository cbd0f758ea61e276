// Twips to pixels and the placement of a window on its screen.
#include "runtime/qt/geometry.h"

#include <algorithm>
#include <cmath>

namespace runtime::qt {
namespace {

constexpr double kTwipsPerPixel = 15.0;

}  // namespace

int TwipsToPixels(Twips twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QPoint ToPixels(Point point) {
  return {TwipsToPixels(point.x), TwipsToPixels(point.y)};
}

QSize ToPixels(Twips width, Twips height) {
  return {TwipsToPixels(width), TwipsToPixels(height)};
}

QRect ToPixels(const Box& box) {
  return {ToPixels(Point{box.left, box.top}), ToPixels(box.width, box.height)};
}

LinePixels ToPixels(const Segment& segment) {
  const QPoint from = ToPixels(Point{segment.x1, segment.y1});
  const QPoint to = ToPixels(Point{segment.x2, segment.y2});
  // QRect's corners are inclusive, so a line of one pixel's thickness gets a box one wide.
  const QRect bounds(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                     QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
  return {from, to, bounds};
}

QRect PlaceOnScreen(const QRect& window, const QRect& available) {
  // Past the right or bottom edge first, then back over the left or top edge, which wins.
  QRect placed = window;
  if (placed.right() > available.right()) {
    placed.moveRight(available.right());
  }
  if (placed.bottom() > available.bottom()) {
    placed.moveBottom(available.bottom());
  }
  if (placed.left() < available.left()) {
    placed.moveLeft(available.left());
  }
  if (placed.top() < available.top()) {
    placed.moveTop(available.top());
  }
  return placed;
}

}  // namespace runtime::qt
