// What the probe hook hands back to the driver through shared memory: what only the
// program's own process can read of a window under Wine: its menu tree, its icons and the
// fonts its controls show text in. Plain data, so that the hook library needs nothing beyond the
// system's libraries.
#pragma once

#include <cstdint>

namespace tests::behaviour::win32 {

// The hook's library, beside the driver, and its hook procedure.
inline constexpr wchar_t kProbeLibrary[] = L"probe_hook.dll";
inline constexpr char kProbeProcedure[] = "ProbeHook";

// The message that asks the hook about the window it is posted to; its wParam is the asking
// process's id, which names the shared memory and the event below.
inline constexpr wchar_t kProbeMessage[] = L"PellomarWindowTests.Probe";
inline constexpr wchar_t kReplyMemoryPrefix[] = L"PellomarWindowTests.ProbeReply.";
inline constexpr wchar_t kReplyEventPrefix[] = L"PellomarWindowTests.ProbeReplied.";

struct MenuItemRecord {
  std::int32_t depth;  // 0 on the menu bar, 1 in a menu of the bar
  std::uint32_t id;    // the command id; 0 for an item that opens a menu
  wchar_t text[64];    // as the menu holds it, shortcut after a tab
};

struct ControlFontRecord {
  std::int32_t id;        // the control's id
  std::int32_t emHeight;  // in pixels, as asked for; 0: no font, or not asked by its em
  std::int32_t weight;
  std::int32_t decorated;  // italic, underlined or struck out
  wchar_t face[32];        // the face the control asks for, before the system stands in
};

struct IconRecord {
  std::int32_t width;   // in pixels; 0: the window has no such icon
  std::uint32_t print;  // a digest of its colour pixels, which tells one picture from another
};

// No colour: a COLORREF's top byte is always 0.
inline constexpr std::uint32_t kNoColourChange = 0xFFFFFFFF;

struct ProbeReply {
  // Written by the driver, each change made before the hook reads the window and made again,
  // to the same, when the driver asks again until the hook answers:
  // a dpi that the window is told it now has (WM_DPICHANGED, sent inside its process, where
  // the message's rectangle can be read); 0 for none;
  std::int32_t newDpi;
  // a new highlight colour for the system (SetSysColors, which Wine applies only to the
  // calling process), 0x00BBGGRR; kNoColourChange for none.
  std::uint32_t highlight;
  std::int32_t menuItems;  // the menu tree in menu-bar order, each menu followed by its items
  MenuItemRecord menu[32];
  IconRecord bigIcon;
  IconRecord smallIcon;
  std::int32_t controls;  // the window's children, front to back
  ControlFontRecord fonts[48];
};

}  // namespace tests::behaviour::win32
