// The registry's slots: filled once, never emptied.
#include "app/window_registry.h"

#include <stdexcept>
#include <string>

namespace app {

std::string_view ClassName(WindowClass windowClass) {
  switch (windowClass) {
    case WindowClass::frmcal:
      return "frmcal";
    case WindowClass::Form1:
      return "Form1";
    case WindowClass::Form2:
      return "Form2";
  }
  return "unknown window class";
}

WindowRegistry::WindowRegistry(runtime::Forms& forms, const Catalogue& catalogue)
    : forms_(forms), catalogue_(catalogue) {}

runtime::Window& WindowRegistry::InstanceOf(WindowClass windowClass) {
  const auto slot = static_cast<std::size_t>(windowClass);
  if (!slots_[slot]) {
    const WindowClassEntry& entry = catalogue_[slot];
    auto window = forms_.NewWindow(*entry.description, entry.makeBindings(*this, forms_));
    // A back end reports refusal by throwing; an empty result would be its own fault, and
    // is stopped here rather than dereferenced.
    if (!window) {
      throw std::logic_error("The forms back end gave no window for " +
                             std::string(ClassName(windowClass)) + ".");
    }
    slots_[slot] = std::move(window);
  }
  return *slots_[slot];
}

}  // namespace app
