// Reading and writing the portable text of a menu shortcut.
#include "runtime/rules/shortcut.h"

#include <algorithm>
#include <charconv>

namespace runtime {
namespace {

constexpr int kLastFunctionKey = 24;

bool SameLetters(std::string_view text, std::string_view word) {
  return std::ranges::equal(text, word, [](char a, char b) {
    return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
  });
}

// Reads the last part of the text, the key itself, into `shortcut`.
bool ReadKey(std::string_view key, Shortcut& shortcut) {
  if (key.size() == 1) {
    const char c = key.front();
    if (c >= 'a' && c <= 'z') {
      shortcut.key = static_cast<char>(c - 'a' + 'A');
    } else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
      shortcut.key = c;
    }
    return shortcut.key != 0;
  }
  if (key.size() < 2 || (key.front() != 'F' && key.front() != 'f') || key[1] == '0') {
    return false;
  }
  int number = 0;
  const char* end = key.data() + key.size();
  const auto [stop, error] = std::from_chars(key.data() + 1, end, number);
  if (error != std::errc() || stop != end || number < 1 || number > kLastFunctionKey) {
    return false;
  }
  shortcut.functionKey = number;
  return true;
}

}  // namespace

std::optional<Shortcut> ParseShortcut(std::string_view text) {
  Shortcut shortcut;
  while (true) {
    const std::size_t plus = text.find('+');
    if (plus == std::string_view::npos) {
      break;
    }
    const std::string_view modifier = text.substr(0, plus);
    bool* flag = SameLetters(modifier, "ctrl")    ? &shortcut.ctrl
                 : SameLetters(modifier, "shift") ? &shortcut.shift
                 : SameLetters(modifier, "alt")   ? &shortcut.alt
                                                  : nullptr;
    if (flag == nullptr || *flag) {
      return std::nullopt;
    }
    *flag = true;
    text.remove_prefix(plus + 1);
  }
  if (!ReadKey(text, shortcut)) {
    return std::nullopt;
  }
  // A letter or digit with no modifier but Shift is ordinary typing.
  if (shortcut.key != 0 && !shortcut.ctrl && !shortcut.alt) {
    return std::nullopt;
  }
  return shortcut;
}

std::string ShortcutText(const Shortcut& shortcut) {
  std::string text;
  if (shortcut.ctrl) {
    text += "Ctrl+";
  }
  if (shortcut.shift) {
    text += "Shift+";
  }
  if (shortcut.alt) {
    text += "Alt+";
  }
  if (shortcut.functionKey != 0) {
    text += 'F';
    text += std::to_string(shortcut.functionKey);
  } else {
    text += shortcut.key;
  }
  return text;
}

}  // namespace runtime
