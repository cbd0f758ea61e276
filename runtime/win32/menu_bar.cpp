// The menu tree as Win32 menus, and its shortcuts as accelerators.
#include "runtime/win32/menu_bar.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/rules/captions.h"
#include "runtime/rules/menu_tree.h"
#include "runtime/rules/shortcut.h"
#include "runtime/win32/control_ids.h"
#include "runtime/win32/text.h"

namespace runtime::win32 {
namespace {

// Keeps the thread's last error: a menu is destroyed on the way out of a failed call, whose
// error the caller reads after.
struct MenuDeleter {
  void operator()(HMENU menu) const {
    const DWORD error = GetLastError();
    DestroyMenu(menu);
    SetLastError(error);
  }
};
using MenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

// The item's caption, with its shortcut after a tab, where menus show it.
std::wstring ItemText(const MenuEntry& entry) {
  std::string text = LiteralCaption(entry.caption);
  if (const std::optional<Shortcut> shortcut = ParseShortcut(entry.shortcut)) {
    text += '\t';
    text += ShortcutText(*shortcut);
  }
  return ToWide(text);
}

ACCEL AcceleratorOf(const Shortcut& shortcut, int command) {
  BYTE flags = FVIRTKEY;
  flags |= shortcut.ctrl ? FCONTROL : 0;
  flags |= shortcut.shift ? FSHIFT : 0;
  flags |= shortcut.alt ? FALT : 0;
  // Letters and digits are their own virtual-key codes.
  const WORD key = shortcut.functionKey != 0 ? static_cast<WORD>(VK_F1 + shortcut.functionKey - 1)
                                             : static_cast<WORD>(shortcut.key);
  return {flags, key, static_cast<WORD>(command)};
}

}  // namespace

HMENU MakeMenuBar(std::span<const MenuEntry> menu) {
  if (menu.empty()) {
    return nullptr;
  }
  MenuHandle bar(CreateMenu());
  if (!bar) {
    return nullptr;
  }
  for (const BarEntry& barEntry : MenuTree(menu)) {
    const std::wstring text = ItemText(menu[barEntry.row]);
    if (barEntry.items.empty()) {
      if (!AppendMenuW(bar.get(), MF_STRING, static_cast<UINT_PTR>(MenuId(barEntry.row)),
                       text.c_str())) {
        return nullptr;
      }
      continue;
    }
    MenuHandle popup(CreatePopupMenu());
    if (!popup) {
      return nullptr;
    }
    for (const std::size_t item : barEntry.items) {
      if (!AppendMenuW(popup.get(), MF_STRING, static_cast<UINT_PTR>(MenuId(item)),
                       ItemText(menu[item]).c_str())) {
        return nullptr;
      }
    }
    if (!AppendMenuW(bar.get(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup.get()),
                     text.c_str())) {
      return nullptr;
    }
    static_cast<void>(popup.release());  // the bar owns it now
  }
  return bar.release();
}

AcceleratorHandle MakeAccelerators(std::span<const MenuEntry> menu) {
  std::vector<ACCEL> accelerators;
  for (std::size_t row = 0; row < menu.size(); ++row) {
    if (const std::optional<Shortcut> shortcut = ParseShortcut(menu[row].shortcut)) {
      accelerators.push_back(AcceleratorOf(*shortcut, MenuId(row)));
    }
  }
  if (accelerators.empty()) {
    return nullptr;
  }
  return AcceleratorHandle(
      CreateAcceleratorTableW(accelerators.data(), static_cast<int>(accelerators.size())));
}

}  // namespace runtime::win32
