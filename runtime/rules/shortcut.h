// A menu shortcut read from the portable text of a description ("Ctrl+Q", "Shift+F2", "F1"),
// so each back end maps keys, not text, to its own key codes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace runtime {

struct Shortcut {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  // Exactly one of the two: a letter 'A'-'Z' or digit '0'-'9', or a function key 1-24.
  char key = 0;
  int functionKey = 0;
  friend bool operator==(const Shortcut&, const Shortcut&) = default;
};

// The shortcut the text names: modifiers "Ctrl", "Shift", "Alt" (any case, each once) joined
// by "+" before one key, a letter (either case), a digit or "F1" to "F24". Anything else,
// a key alone that would shadow typing included ("Q", "Shift+Q"), is nullopt.
[[nodiscard]] std::optional<Shortcut> ParseShortcut(std::string_view text);

// The shortcut as a menu shows it beside its item: "Ctrl+Q", "F1".
[[nodiscard]] std::string ShortcutText(const Shortcut& shortcut);

}  // namespace runtime
