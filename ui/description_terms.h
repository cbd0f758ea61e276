// The words the window tables are written in: the runtime's row types and enumerators by
// their short names, and the colours and font that more than one window uses.
#pragma once

#include "runtime/forms/window_description.h"

namespace ui::description_terms {

using runtime::Box;
using runtime::Control;
using runtime::Font;
using runtime::kBold;
using runtime::kNoTabIndex;
using runtime::kRegular;
using runtime::kWindowFont;
using runtime::MenuEntry;
using runtime::PlatformColour;
using runtime::Rgb;
using runtime::Segment;
using enum runtime::ControlKind;
using enum runtime::Alignment;
using enum runtime::Sizing;
using enum runtime::Backdrop;
using enum runtime::ButtonRole;
using enum runtime::SystemColour;
using enum runtime::Border;

inline constexpr PlatformColour kPlatform{};
inline constexpr Rgb kDarkGrey{0x404040};

// The window font of all three windows.
inline constexpr Font kSans825{"MS Sans Serif", 8.25, kRegular};

}  // namespace ui::description_terms
