// A message hook that the driver sets on the program's thread, so that it runs inside the
// program: under Wine only the process that made a menu or a font can read it. Asked by a
// posted message, it tells the window of a new dpi when asked to, then writes the window's
// menu tree, its icons and its controls' fonts into the driver's shared memory and signals
// the driver.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <iterator>
#include <vector>

#include "tests/behaviour/win32/probe_reply.h"

namespace {

using tests::behaviour::win32::ControlFontRecord;
using tests::behaviour::win32::IconRecord;
using tests::behaviour::win32::kNoColourChange;
using tests::behaviour::win32::ProbeReply;

void ReadMenu(HMENU menu, int depth, ProbeReply& reply) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0;
       position < count && reply.menuItems < static_cast<int>(std::size(reply.menu)); ++position) {
    auto& record = reply.menu[reply.menuItems++];
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    item.dwTypeData = record.text;
    item.cch = static_cast<UINT>(std::size(record.text) - 1);
    GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item);
    record.depth = depth;
    record.id = item.hSubMenu != nullptr ? 0 : item.wID;
    if (item.hSubMenu != nullptr) {
      ReadMenu(item.hSubMenu, depth + 1, reply);
    }
  }
}

// The font the control draws its text with, as the program asked the system for it.
void ReadFont(HWND control, ControlFontRecord& record) {
  record.id = GetDlgCtrlID(control);
  auto* font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  LOGFONTW asked{};
  if (font == nullptr || GetObjectW(font, sizeof asked, &asked) == 0) {
    record.emHeight = 0;
    return;
  }
  // A negative height asks for the em height itself, without the internal leading.
  record.emHeight = asked.lfHeight < 0 ? -asked.lfHeight : 0;
  record.weight = asked.lfWeight;
  record.decorated = asked.lfItalic != 0 || asked.lfUnderline != 0 || asked.lfStrikeOut != 0;
  std::ranges::copy(asked.lfFaceName, record.face);
}

// The window's icon of `type` (ICON_BIG, ICON_SMALL): its width and an FNV-1a digest of its
// colour pixels as 32-bit BGRA.
IconRecord ReadIcon(HWND window, WPARAM type) {
  IconRecord record{0, 0};
  ICONINFO icon{};
  auto* handle = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, type, 0));
  if (handle == nullptr || GetIconInfo(handle, &icon) == 0) {
    return record;
  }
  BITMAP colour{};
  if (icon.hbmColor != nullptr && GetObjectW(icon.hbmColor, sizeof colour, &colour) != 0) {
    record.width = colour.bmWidth;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = colour.bmWidth;
    format.bmiHeader.biHeight = colour.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(colour.bmWidth) *
                                     static_cast<std::size_t>(colour.bmHeight) * 4);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, icon.hbmColor, 0, static_cast<UINT>(colour.bmHeight), pixels.data(), &format,
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    record.print = 2166136261U;
    for (const std::uint8_t byte : pixels) {
      record.print = (record.print ^ byte) * 16777619U;
    }
  }
  for (HBITMAP bitmap : {icon.hbmColor, icon.hbmMask}) {
    if (bitmap != nullptr) {
      DeleteObject(bitmap);
    }
  }
  return record;
}

// Opens the driver's named object `prefix` + its process id.
template <class Open>
HANDLE OpenNamed(Open open, DWORD access, const wchar_t* prefix, WPARAM processId) {
  wchar_t name[96];
  std::swprintf(name, std::size(name), L"%ls%lu", prefix, static_cast<unsigned long>(processId));
  return open(access, FALSE, name);
}

void Reply(HWND window, WPARAM processId) {
  HANDLE memory = OpenNamed(OpenFileMappingW, FILE_MAP_WRITE,
                            tests::behaviour::win32::kReplyMemoryPrefix, processId);
  HANDLE replied = OpenNamed(OpenEventW, EVENT_MODIFY_STATE,
                             tests::behaviour::win32::kReplyEventPrefix, processId);
  void* view =
      memory != nullptr ? MapViewOfFile(memory, FILE_MAP_WRITE, 0, 0, sizeof(ProbeReply)) : nullptr;
  if (view != nullptr && replied != nullptr) {
    auto* reply = static_cast<ProbeReply*>(view);
    if (const auto dpi = static_cast<WORD>(reply->newDpi); dpi != 0) {
      // Where the window is now is the place the system would suggest.
      RECT suggested{};
      GetWindowRect(window, &suggested);
      SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    }
    if (reply->highlight != kNoColourChange) {
      const int element = COLOR_HIGHLIGHT;
      const COLORREF colour = reply->highlight;
      SetSysColors(1, &element, &colour);
    }
    reply->menuItems = 0;
    ReadMenu(GetMenu(window), 0, *reply);
    reply->bigIcon = ReadIcon(window, ICON_BIG);
    reply->smallIcon = ReadIcon(window, ICON_SMALL);
    reply->controls = 0;
    for (HWND child = GetWindow(window, GW_CHILD);
         child != nullptr && reply->controls < static_cast<int>(std::size(reply->fonts));
         child = GetWindow(child, GW_HWNDNEXT)) {
      ReadFont(child, reply->fonts[reply->controls++]);
    }
    SetEvent(replied);
  }
  if (view != nullptr) {
    UnmapViewOfFile(view);
  }
  for (HANDLE handle : {memory, replied}) {
    if (handle != nullptr) {
      CloseHandle(handle);
    }
  }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    ProbeHook(int code, WPARAM removal, LPARAM message) {
  auto* posted = reinterpret_cast<MSG*>(message);
  if (code == HC_ACTION && removal == PM_REMOVE &&
      posted->message == RegisterWindowMessageW(tests::behaviour::win32::kProbeMessage)) {
    Reply(posted->hwnd, posted->wParam);
    // The program itself never sees the question.
    posted->message = WM_NULL;
  }
  return CallNextHookEx(nullptr, code, removal, message);
}
