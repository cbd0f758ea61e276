// How the description's colours, fonts, pictures and icons become Win32's.
#pragma once

#include <windows.h>

#include <optional>

#include "runtime/forms/window_description.h"
#include "runtime/win32/handles.h"

namespace runtime::win32 {

// The system colour index (COLOR_...) of a colour role.
[[nodiscard]] int SystemColourIndex(SystemColour colour);

[[nodiscard]] COLORREF ToColorRef(Rgb colour);

// The colour to paint with, or nullopt for the platform's own colour of that kind of control.
[[nodiscard]] std::optional<COLORREF> ResolveColour(const Colour& colour);

// The face at its point size and weight for a screen of `dpi` dots per inch. Faces the
// system lacks are replaced by its font mapper; a bitmap face that lacks the size, by
// "Microsoft Sans Serif".
[[nodiscard]] FontHandle MakeFont(const Font& font, int dpi);

// A BMP or JPEG file decoded by the system's imaging component into a 32-bit bitmap; null
// when the bytes are neither or the component is missing.
[[nodiscard]] BitmapHandle DecodePicture(Asset picture);

// The image of the icon file that suits `side` pixels best (the smallest that is at least as
// large, else the largest); null when the file has none.
[[nodiscard]] IconHandle IconOfSize(Asset icon, int side);

}  // namespace runtime::win32
