// IAccessible's interface id, written out once for the back end and the tools that ask our
// windows what they tell screen readers: the one in mingw-w64's libraries is not the
// interface the system answers for.
#pragma once

#include <windows.h>

namespace runtime::win32 {

// {618736E0-3C3D-11CF-810C-00AA00389B71}
inline constexpr IID kAccessibleInterface = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

}  // namespace runtime::win32
