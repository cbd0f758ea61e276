// The shared twips-to-pixels rules in Qt's types. Qt's high-dpi scaling works in logical
// pixels of a 96-dpi screen and applies each screen's device-pixel ratio itself.
#include "runtime/qt/geometry.h"

#include "runtime/rules/pixels.h"

namespace runtime::qt {
namespace {

QPoint ToQPoint(PixelPoint point) {
  return {point.x, point.y};
}

QRect ToQRect(PixelRect rect) {
  return {rect.left, rect.top, rect.width, rect.height};
}

PixelRect FromQRect(const QRect& rect) {
  return {rect.left(), rect.top(), rect.width(), rect.height()};
}

}  // namespace

int TwipsToPixels(Twips twips) {
  return runtime::TwipsToPixels(twips, kStandardDpi);
}

QPoint ToPixels(Point point) {
  return ToQPoint(runtime::ToPixels(point, kStandardDpi));
}

QSize ToPixels(Twips width, Twips height) {
  return {TwipsToPixels(width), TwipsToPixels(height)};
}

QRect ToPixels(const Box& box) {
  return ToQRect(runtime::ToPixels(box, kStandardDpi));
}

LinePixels ToPixels(const Segment& segment) {
  const PixelLine line = runtime::ToPixels(segment, kStandardDpi);
  return {ToQPoint(line.from), ToQPoint(line.to), ToQRect(line.bounds)};
}

QRect PlaceOnScreen(const QRect& window, const QRect& available) {
  return ToQRect(runtime::PlaceOnScreen(FromQRect(window), FromQRect(available)));
}

}  // namespace runtime::qt
