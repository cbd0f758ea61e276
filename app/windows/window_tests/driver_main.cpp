// The window tests of the Windows program: an automation client that starts pellomar.exe
// afresh for each scenario and drives it from outside, by window messages and by real input.
//   window_tests PROGRAM.exe PICTURES_FOLDER DPI [GROUP...]
// DPI is the dots per inch the screen of the run has; every expected rectangle scales with it.
// Named GROUPs (layout, keyboard, menus, calculations, lifecycle, dpi, arrows,
// screenreaders) run alone.
// Prints each failed check and the closing line "N passed, M failed"; exits 1 on any failure.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/windows/window_tests/probe_reply.h"
#include "app/windows/window_tests/report.h"
#include "app/windows/window_tests/scenario.h"

namespace {

using app::windows::window_tests::Run;

const std::pair<std::wstring_view, void (*)(Run&)> kGroups[] = {
    {L"layout", app::windows::window_tests::CheckLayout},
    {L"keyboard", app::windows::window_tests::CheckKeyboard},
    {L"menus", app::windows::window_tests::CheckMenusAndShortcuts},
    {L"calculations", app::windows::window_tests::CheckCalculations},
    {L"lifecycle", app::windows::window_tests::CheckWindowLifecycle},
    {L"dpi", app::windows::window_tests::CheckDpiChange},
    {L"arrows", app::windows::window_tests::CheckArrowKeys},
    {L"screenreaders", app::windows::window_tests::CheckScreenReaderNames},
};

// The probe hook's library lies beside this program.
std::wstring HookLibraryPath() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L"\\/") + 1) + app::windows::window_tests::kProbeLibrary;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fputs("usage: window_tests PROGRAM.exe PICTURES_FOLDER DPI [GROUP...]\n", stderr);
    return 2;
  }
  using namespace app::windows::window_tests;
  Report report;
  // Real pixels in every rectangle the system gives, whatever the screen's dpi.
  if (SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) == FALSE) {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
  }
  report.Check(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()) ==
                   DPI_AWARENESS_PER_MONITOR_AWARE,
               "the driver sees real pixels");
  Run run{report, argv[1], HookLibraryPath(), argv[2],
          static_cast<int>(std::wcstol(argv[3], nullptr, 10))};
  const std::vector<std::wstring> chosen(argv + 4, argv + argc);
  for (const auto& [name, check] : kGroups) {
    if (chosen.empty() || std::ranges::find(chosen, name) != chosen.end()) {
      check(run);
    }
  }
  return report.Summarise() ? 0 : 1;
}
