// How the description's colours, fonts, icons and pictures become Qt's.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <optional>
#include <string_view>

#include "runtime/forms/window_description.h"

namespace runtime::qt {

// The description's UTF-8 text as Qt's.
[[nodiscard]] QString ToQString(std::string_view text);

// The colour to paint with, or nullopt for the platform's own colour of that kind of control.
// System colours are looked up by their role in `platform`.
[[nodiscard]] std::optional<QColor> ResolveColour(const Colour& colour, const QPalette& platform);

// The font at its point size and weight, in its face or, where the system lacks it, the
// first stand-in it has; a face missing with all its stand-ins falls back to a sans-serif one.
[[nodiscard]] QFont ToQFont(const Font& font);

// Every image of an icon file; an empty icon when the bytes are not one.
[[nodiscard]] QIcon DecodeIcon(Asset icon);

// A picture from the bytes of a BMP or JPEG file; a null image when they are neither.
[[nodiscard]] QImage DecodePicture(Asset picture);

}  // namespace runtime::qt
