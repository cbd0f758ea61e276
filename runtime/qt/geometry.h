// From the description's twips to Qt's logical pixels, and a window's place on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "runtime/forms/window_description.h"

namespace runtime::qt {

// Twips to logical pixels at 96 dpi (15 twips a pixel), to the nearest pixel, by the shared
// rule; Qt's high-dpi scaling then applies the screen's device-pixel ratio.
[[nodiscard]] int TwipsToPixels(Twips twips);

[[nodiscard]] QPoint ToPixels(Point point);
[[nodiscard]] QSize ToPixels(Twips width, Twips height);
[[nodiscard]] QRect ToPixels(const Box& box);

// A line in pixels: its two end points and the smallest rectangle holding both.
struct LinePixels {
  QPoint from;
  QPoint to;
  QRect bounds;
};
[[nodiscard]] LinePixels ToPixels(const Segment& segment);

// Moves `window` the shortest way onto `available`. A window larger than the screen keeps
// its top-left corner on it, so its title bar stays within reach.
[[nodiscard]] QRect PlaceOnScreen(const QRect& window, const QRect& available);

}  // namespace runtime::qt
