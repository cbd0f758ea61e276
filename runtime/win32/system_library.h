// Functions of system libraries the program loads on demand, after start-up, from the system
// folder only: a planted copy beside the program is never loaded.
#pragma once

#include <windows.h>

namespace runtime::win32 {

// The function `name` of the system library `library`, which stays loaded for the program's
// life; null when either is missing.
template <class Function>
[[nodiscard]] Function SystemFunction(const wchar_t* library, const char* name) {
  HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module == nullptr) {
    return nullptr;
  }
  // GetProcAddress gives every function one type; each is cast back to its own.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace runtime::win32
