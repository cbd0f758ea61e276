// How a caption is shown: literally, whatever characters it holds, and on a self-sizing
// label in a box that fits it.
#pragma once

#include <string>
#include <string_view>

#include "runtime/rules/pixels.h"

namespace runtime {

// The caption with every "&" doubled, for controls and menus that would read a single "&"
// as an access-key marker and drop it: no caption of ours marks an access key.
[[nodiscard]] std::string LiteralCaption(std::string_view caption);

// The box of a label that sizes itself to its caption on one line: left and top edges stay
// at `topLeft`, the size is the measured text's, rounded up so no glyph is cut off.
[[nodiscard]] PixelRect AutoSizedLabel(PixelPoint topLeft, double textWidth, double textHeight);

}  // namespace runtime
