// Start-up and the debug-build check of the window classes.
#include "app/startup.h"

#include <stdexcept>

#include "runtime/forms/checked_calls.h"
#include "runtime/forms/click_dispatch.h"
#include "runtime/rules/description_check.h"

namespace app {
namespace {

#ifdef NDEBUG
constexpr bool kCheckClassesAtStart = false;
#else
constexpr bool kCheckClassesAtStart = true;
#endif

constexpr WindowClass kStartupWindow = WindowClass::frmcal;

}  // namespace

std::vector<std::string> CheckWindowClasses(WindowRegistry& registry, runtime::Forms& forms) {
  std::vector<std::string> problems;
  for (std::size_t slot = 0; slot < kWindowClassCount; ++slot) {
    const std::string_view name = ClassName(static_cast<WindowClass>(slot));
    const WindowClassEntry& entry = registry.Classes()[slot];
    if (entry.description == nullptr || entry.makeBindings == nullptr) {
      problems.push_back(std::string(name) + ": the catalogue gives no description or bindings.");
      continue;
    }
    if (entry.description->properties.name != name) {
      problems.push_back(std::string(name) + ": the catalogue gives the description of " +
                         std::string(entry.description->properties.name) + ".");
    }
    const std::vector<runtime::Binding> bindings = entry.makeBindings(registry, forms);
    for (std::string& problem : runtime::CheckDescription(*entry.description, bindings)) {
      problems.push_back(std::move(problem));
    }
  }
  return problems;
}

int Start(WindowRegistry& registry, runtime::Forms& forms) {
  if constexpr (kCheckClassesAtStart) {
    const std::vector<std::string> problems = CheckWindowClasses(registry, forms);
    if (!problems.empty()) {
      std::string message;
      for (const std::string& problem : problems) {
        message += message.empty() ? "" : "\n";
        message += problem;
      }
      forms.ReportStartFailure(std::runtime_error(message));
      return runtime::kStartFailedExitCode;
    }
  }
  // No window of the program is shown yet to carry a message, so the back end says it its
  // own way.
  const bool shown = runtime::RunReported(
      [&registry] { runtime::ShowChecked(registry.InstanceOf(kStartupWindow)); },
      [&forms](const std::exception& error) { forms.ReportStartFailure(error); });
  return shown ? forms.Run() : runtime::kStartFailedExitCode;
}

}  // namespace app
