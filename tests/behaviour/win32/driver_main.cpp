// The Windows driver's program, its arguments after GoogleTest's own:
//   behaviour_win32 [--gtest_...] PROGRAM.exe PICTURES_FOLDER DPI
// It sees the screen in real pixels, whatever its dpi, as the rows' rectangles are.
#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "tests/behaviour/win32/probe_reply.h"
#include "tests/behaviour/win32/run_settings.h"

namespace tests::behaviour::win32 {

RunSettings& Settings() {
  static RunSettings settings;
  return settings;
}

namespace {

// The probe hook's library lies beside this program.
std::wstring HookLibraryPath() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L"\\/") + 1) + kProbeLibrary;
}

}  // namespace
}  // namespace tests::behaviour::win32

int wmain(int argc, wchar_t** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc < 4) {
    std::fputs("usage: behaviour_win32 [--gtest_...] PROGRAM.exe PICTURES_FOLDER DPI\n", stderr);
    return 2;
  }
  if (SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) == FALSE) {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
  }
  // MSAA clients reach the program's objects through COM.
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
    std::fputs("COM does not start\n", stderr);
    return 1;
  }
  tests::behaviour::win32::Settings() = {argv[1], tests::behaviour::win32::HookLibraryPath(),
                                         argv[2],
                                         static_cast<int>(std::wcstol(argv[3], nullptr, 10))};
  return RUN_ALL_TESTS();
}
