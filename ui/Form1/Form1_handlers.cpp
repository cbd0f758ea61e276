// The about window's two button handlers.
#include "ui/Form1/Form1_handlers.h"

#include "runtime/forms/checked_calls.h"

namespace ui::Form1 {

using app::WindowClass;

void Command1_Click(app::WindowRegistry& registry, const runtime::ClickEvent& /*event*/) {
  runtime::ShowChecked(registry.InstanceOf(WindowClass::Form2));
}

void Command2_Click(app::WindowRegistry& registry, const runtime::ClickEvent& /*event*/) {
  runtime::HideChecked(registry.InstanceOf(WindowClass::Form1));
  runtime::HideChecked(registry.InstanceOf(WindowClass::Form2));
}

std::vector<runtime::Binding> Bindings(app::WindowRegistry& registry, runtime::Forms& /*forms*/) {
  return {
      {"Command1",
       [&registry](const runtime::ClickEvent& event) { Command1_Click(registry, event); }},
      {"Command2",
       [&registry](const runtime::ClickEvent& event) { Command2_Click(registry, event); }},
  };
}

}  // namespace ui::Form1
