// COM, loaded and started on first use rather than with the program: only the pictures of
// the about and details windows and the answers to screen readers need it, so the
// calculator window opens without it.
#pragma once

#include <objbase.h>
#include <windows.h>

namespace runtime::win32 {

using CoCreateInstanceFunction = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);

// COM's object factory, with COM started on the calling (the user interface) thread; null
// when the system lacks COM.
[[nodiscard]] CoCreateInstanceFunction ComObjectFactory();

}  // namespace runtime::win32
