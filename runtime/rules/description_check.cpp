// The description check. Each rule is one small function adding its problems to a list.
#include "runtime/rules/description_check.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>
#include <utility>
#include <variant>

#include "runtime/rules/menu_tree.h"
#include "runtime/rules/shortcut.h"

namespace runtime {
namespace {

class Problems {
 public:
  explicit Problems(std::string_view window) : window_(window) {}

  void Add(std::string_view what) {
    std::string sentence(window_);
    sentence += ": ";
    sentence += what;
    sentence += '.';
    list_.push_back(std::move(sentence));
  }

  std::vector<std::string> Take() { return std::move(list_); }

 private:
  std::string_view window_;
  std::vector<std::string> list_;
};

std::string Quoted(std::string_view name) {
  std::string quoted;
  quoted.reserve(name.size() + 2);
  quoted.append(1, '"').append(name).append(1, '"');
  return quoted;
}

bool FontIsGiven(const Font& font) {
  return !font.face.empty() && font.points > 0 && font.weight > 0 && font.weight <= 1000;
}

bool TakesNoTabIndex(ControlKind kind) {
  return kind == ControlKind::Line || kind == ControlKind::Picture;
}

void CheckNames(const WindowDescription& description, Problems& problems) {
  if (description.properties.name.empty()) {
    problems.Add("the window class has no name");
  }
  std::set<std::string_view> seen;
  auto check = [&](std::string_view name) {
    if (name.empty()) {
      problems.Add("a control or menu entry has no name");
    } else if (!seen.insert(name).second) {
      problems.Add("the name " + Quoted(name) + " is given twice");
    }
  };
  for (const Control& control : description.controls) {
    check(control.name);
  }
  for (const MenuEntry& entry : description.menu) {
    check(entry.name);
  }
}

void CheckFonts(const WindowDescription& description, Problems& problems) {
  if (!FontIsGiven(description.properties.font)) {
    problems.Add("the window font needs a face, a size and a weight");
  }
  for (const Control& control : description.controls) {
    if (control.font && !FontIsGiven(*control.font)) {
      problems.Add("the font of " + Quoted(control.name) + " needs a face, a size and a weight");
    }
  }
}

void CheckGeometry(const WindowDescription& description, Problems& problems) {
  for (const Control& control : description.controls) {
    const bool isLine = control.kind == ControlKind::Line;
    if (isLine != std::holds_alternative<Segment>(control.geometry)) {
      problems.Add(Quoted(control.name) +
                   (isLine ? " is a line and needs end points" : " needs a box, not end points"));
    } else if (const Box* box = std::get_if<Box>(&control.geometry);
               box != nullptr && (box->width < 0 || box->height < 0)) {
      problems.Add("the box of " + Quoted(control.name) + " has a negative size");
    }
  }
}

void CheckTabIndexes(const WindowDescription& description, Problems& problems) {
  std::map<int, std::string_view> owners;
  for (const Control& control : description.controls) {
    if (TakesNoTabIndex(control.kind)) {
      if (control.tabIndex) {
        problems.Add(Quoted(control.name) + " cannot take the focus and needs no tab index");
      }
    } else if (!control.tabIndex) {
      problems.Add(Quoted(control.name) + " has no tab index");
    } else if (auto [owner, added] = owners.emplace(*control.tabIndex, control.name); !added) {
      problems.Add("tab index " + std::to_string(*control.tabIndex) + " is given to both " +
                   Quoted(owner->second) + " and " + Quoted(control.name));
    }
  }
  // A map keeps its keys sorted: the indexes run 0 to n-1 when each key equals its place.
  int expected = 0;
  for (const auto& [index, name] : owners) {
    if (index != expected) {
      problems.Add("the tab indexes skip " + std::to_string(expected) + " (next is " +
                   std::to_string(index) + ", on " + Quoted(name) + ")");
      break;
    }
    ++expected;
  }
}

void CheckMenu(const WindowDescription& description, Problems& problems) {
  std::set<std::string_view> shortcuts;
  for (std::size_t i = 0; i < description.menu.size(); ++i) {
    const MenuEntry& entry = description.menu[i];
    if (!HasPlaceInMenuTree(description.menu, i)) {
      problems.Add("the menu entry " + Quoted(entry.name) + " is not under a menu of the bar");
    }
    if (!entry.shortcut.empty() && !ParseShortcut(entry.shortcut)) {
      problems.Add("the shortcut " + Quoted(entry.shortcut) + " of " + Quoted(entry.name) +
                   " is not a key with Ctrl or Alt, nor a function key");
    } else if (!entry.shortcut.empty() && !shortcuts.insert(entry.shortcut).second) {
      problems.Add("the shortcut " + std::string(entry.shortcut) + " is given twice");
    }
  }
}

void CheckButtonRoles(const WindowDescription& description, Problems& problems) {
  std::set<ButtonRole> given;
  for (const Control& control : description.controls) {
    if (control.role == ButtonRole::None) {
      continue;
    }
    const std::string_view role = control.role == ButtonRole::Default ? "default" : "cancel";
    if (control.kind != ControlKind::PushButton) {
      problems.Add(Quoted(control.name) + " is not a push button and cannot be the " +
                   std::string(role) + " button");
    } else if (!given.insert(control.role).second) {
      problems.Add("the window has a second " + std::string(role) + " button, " +
                   Quoted(control.name));
    }
  }
}

bool IsClickable(const WindowDescription& description, std::string_view name) {
  if (const Control* control = FindControl(description, name)) {
    return control->kind == ControlKind::PushButton;
  }
  const auto entry = std::ranges::find(description.menu, name, &MenuEntry::name);
  if (entry == description.menu.end()) {
    return false;
  }
  // An entry without a place in the menu tree is the menu check's to report.
  const auto row = static_cast<std::size_t>(entry - description.menu.begin());
  return !HasPlaceInMenuTree(description.menu, row) || IsMenuCommand(description.menu, row);
}

bool Exists(const WindowDescription& description, std::string_view name) {
  return FindControl(description, name) != nullptr || FindMenuEntry(description, name) != nullptr;
}

void CheckBindings(const WindowDescription& description, std::span<const Binding> bindings,
                   Problems& problems) {
  std::set<std::string_view> bound;
  for (const Binding& binding : bindings) {
    if (!Exists(description, binding.control)) {
      problems.Add("a handler is bound to " + Quoted(binding.control) + ", which does not exist");
    } else if (!IsClickable(description, binding.control)) {
      problems.Add("a handler is bound to " + Quoted(binding.control) +
                   ", which is neither a push button nor a menu item");
    }
    if (!bound.insert(binding.control).second) {
      problems.Add(Quoted(binding.control) + " is bound twice");
    }
    if (!binding.handler) {
      problems.Add("the binding of " + Quoted(binding.control) + " has no handler");
    }
  }
}

}  // namespace

std::vector<std::string> CheckDescription(const WindowDescription& description,
                                          std::span<const Binding> bindings) {
  Problems problems(description.properties.name);
  CheckNames(description, problems);
  CheckFonts(description, problems);
  CheckGeometry(description, problems);
  CheckTabIndexes(description, problems);
  CheckMenu(description, problems);
  CheckButtonRoles(description, problems);
  CheckBindings(description, bindings, problems);
  return problems.Take();
}

}  // namespace runtime
