// Literal captions and self-sizing labels.
#include "runtime/rules/captions.h"

#include <cmath>

namespace runtime {

std::string LiteralCaption(std::string_view caption) {
  std::string literal;
  literal.reserve(caption.size());
  for (const char c : caption) {
    literal += c;
    if (c == '&') {
      literal += '&';
    }
  }
  return literal;
}

std::string CaptionToShow(const Control& control) {
  const bool readsMarkers =
      control.kind == ControlKind::PushButton || control.kind == ControlKind::Frame;
  return readsMarkers ? LiteralCaption(control.caption) : std::string(control.caption);
}

PixelRect AutoSizedLabel(PixelPoint topLeft, double textWidth, double textHeight) {
  return {topLeft.x, topLeft.y, static_cast<int>(std::ceil(textWidth)),
          static_cast<int>(std::ceil(textHeight))};
}

}  // namespace runtime
