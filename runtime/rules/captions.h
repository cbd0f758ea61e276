// How a caption is shown: literally, whatever characters it holds, and on a self-sizing
// label in a box that fits it.
#pragma once

#include <string>
#include <string_view>

#include "runtime/forms/window_description.h"
#include "runtime/rules/pixels.h"

namespace runtime {

// The caption with every "&" doubled, for controls and menus that would read a single "&"
// as an access-key marker and drop it: no caption of ours marks an access key.
[[nodiscard]] std::string LiteralCaption(std::string_view caption);

// The caption a control is built with: literal for push buttons and frames, whose platform
// classes read "&" as a marker; as written for the rest, which every back end draws without
// markers (labels as plain text, text boxes as their text).
[[nodiscard]] std::string CaptionToShow(const Control& control);

// The box of a label that sizes itself to its caption on one line: left and top edges stay
// at `topLeft`, the size is the measured text's, rounded up so no glyph is cut off.
[[nodiscard]] PixelRect AutoSizedLabel(PixelPoint topLeft, double textWidth, double textHeight);

}  // namespace runtime
