// Tooltips through the common controls, loaded from the system folder when first needed.
#include "runtime/win32/tooltips.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "runtime/win32/system_library.h"
#include "runtime/win32/text.h"

namespace runtime::win32 {
namespace {

using InitCommonControlsExFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);

// Loads the common controls (the version the manifest asks for) and registers the tooltip
// class. The library stays loaded for the program's life: its windows need it.
bool LoadCommonControls(ShortfallLog& shortfalls) {
  const auto initialize =
      SystemFunction<InitCommonControlsExFunction>(L"comctl32.dll", "InitCommonControlsEx");
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  if (initialize == nullptr || initialize(&classes) == FALSE) {
    shortfalls.Note(Shortfall::CommonControls, GetLastError());
    return false;
  }
  return true;
}

}  // namespace

HWND AddTooltips(HWND window, std::span<const ChildControl> controls, ShortfallLog& shortfalls) {
  if (std::ranges::none_of(controls,
                           [](const ChildControl& each) { return !each.row->tooltip.empty(); }) ||
      !LoadCommonControls(shortfalls)) {
    return nullptr;
  }
  HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, nullptr, nullptr);
  if (tips == nullptr) {
    shortfalls.Note(Shortfall::Tooltips, GetLastError());
    return nullptr;
  }
  for (const ChildControl& control : controls) {
    if (control.row->tooltip.empty()) {
      continue;
    }
    std::wstring text = ToWide(control.row->tooltip);
    TOOLINFOW tool{};
    // The size every version of the common controls accepts.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(control.handle);
    tool.lpszText = text.data();
    if (SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) == FALSE) {
      shortfalls.Note(Shortfall::Tooltips, GetLastError());
    }
  }
  return tips;
}

}  // namespace runtime::win32
