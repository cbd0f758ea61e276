// WindowRegistry: the one instance of each window class, created on first use and kept
// until the program ends. Handlers reach the other windows only through it.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "runtime/forms/forms.h"
#include "runtime/forms/window_description.h"

namespace app {

// The window classes, named as the windows are.
enum class WindowClass { frmcal, Form1, Form2 };
inline constexpr std::size_t kWindowClassCount = 3;

[[nodiscard]] std::string_view ClassName(WindowClass windowClass);

class WindowRegistry;

// Makes the click bindings of a window class; the handlers may use the registry and forms.
using MakeBindings = std::vector<runtime::Binding> (*)(WindowRegistry& registry,
                                                       runtime::Forms& forms);

struct WindowClassEntry {
  const runtime::WindowDescription* description;
  MakeBindings makeBindings;
};

// One entry per window class, in the order of WindowClass.
using Catalogue = std::array<WindowClassEntry, kWindowClassCount>;

class WindowRegistry {
 public:
  // `forms` and the catalogue's descriptions must outlive the registry.
  WindowRegistry(runtime::Forms& forms, const Catalogue& catalogue);

  WindowRegistry(const WindowRegistry&) = delete;
  WindowRegistry& operator=(const WindowRegistry&) = delete;
  ~WindowRegistry() = default;

  // The class's instance, created from its description the first time it is asked for. If
  // creation fails, the error goes on to the caller and the slot stays empty.
  [[nodiscard]] runtime::Window& InstanceOf(WindowClass windowClass);

  [[nodiscard]] const Catalogue& Classes() const { return catalogue_; }

 private:
  runtime::Forms& forms_;
  Catalogue catalogue_;
  std::array<std::unique_ptr<runtime::Window>, kWindowClassCount> slots_;
};

}  // namespace app
