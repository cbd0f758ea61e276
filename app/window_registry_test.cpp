// The registry: one instance per window class, created on first use, never replaced; a
// failed creation leaves the slot empty for the next use.
#include "app/window_registry.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <stdexcept>
#include <string>

#include "runtime/forms/checked_calls.h"
#include "runtime/scripted/scripted_forms.h"
#include "runtime/scripted/test_window.h"

namespace app {
namespace {

using runtime::scripted::Call;
using runtime::scripted::CallKind;
using runtime::scripted::ScriptedForms;
using runtime::scripted::TestWindow;

constexpr std::array kButtons = {runtime::Control{runtime::ControlKind::PushButton, "Command1",
                                                  "More", runtime::Box{0, 0, 10, 10}, 0,
                                                  runtime::kWindowFont}};

constexpr runtime::WindowDescription kFrmcal = TestWindow("frmcal");
constexpr runtime::WindowDescription kForm1 = TestWindow("Form1", kButtons);
constexpr runtime::WindowDescription kForm2 = TestWindow("Form2");

std::vector<runtime::Binding> NoBindings(WindowRegistry&, runtime::Forms&) {
  return {};
}

// Form1's button reaches Form2 through the registry its bindings were made with.
std::vector<runtime::Binding> Form1Bindings(WindowRegistry& registry, runtime::Forms&) {
  return {{"Command1", [&registry](const runtime::ClickEvent&) {
             runtime::ShowChecked(registry.InstanceOf(WindowClass::Form2));
           }}};
}

constexpr Catalogue kCatalogue = {
    {{&kFrmcal, NoBindings}, {&kForm1, Form1Bindings}, {&kForm2, NoBindings}}};

class WindowRegistryTest : public testing::Test {
 protected:
  ScriptedForms forms_;
  WindowRegistry registry_{forms_, kCatalogue};
};

TEST_F(WindowRegistryTest, NothingIsCreatedBeforeFirstUse) {
  EXPECT_TRUE(forms_.Calls().empty());
}

TEST_F(WindowRegistryTest, SecondUseGivesTheSameInstance) {
  runtime::Window& first = registry_.InstanceOf(WindowClass::Form1);
  runtime::Window& second = registry_.InstanceOf(WindowClass::Form1);
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(forms_.Calls(), (std::vector<Call>{{CallKind::NewWindow, "Form1"}}));
}

TEST_F(WindowRegistryTest, EachClassGetsItsOwnDescription) {
  for (const WindowClass windowClass : {WindowClass::Form2, WindowClass::frmcal}) {
    EXPECT_EQ(registry_.InstanceOf(windowClass).Description().properties.name,
              ClassName(windowClass));
  }
  EXPECT_EQ(forms_.InstanceCount("Form1"), 0);
}

TEST_F(WindowRegistryTest, FailedCreationLeavesTheSlotEmpty) {
  forms_.FailCreation(1);
  EXPECT_THROW(static_cast<void>(registry_.InstanceOf(WindowClass::Form2)), std::exception);
  EXPECT_EQ(forms_.InstanceCount("Form2"), 0);
  static_cast<void>(registry_.InstanceOf(WindowClass::Form2));
  EXPECT_EQ(forms_.InstanceCount("Form2"), 1);
}

TEST_F(WindowRegistryTest, BindingsReachTheRegistry) {
  runtime::ShowChecked(registry_.InstanceOf(WindowClass::Form1));
  forms_.Click("Form1", "Command1");
  forms_.Click("Form1", "Command1");
  EXPECT_TRUE(forms_.IsShown("Form2"));
  EXPECT_EQ(forms_.InstanceCount("Form2"), 1);
}

// A back end that breaks its contract and gives no window.
class EmptyForms final : public runtime::Forms {
 public:
  std::unique_ptr<runtime::Window> NewWindow(const runtime::WindowDescription&,
                                             std::vector<runtime::Binding>) override {
    return nullptr;
  }
  int Run() override { return 0; }
  void EndProgram() override {}
  void ReportStartFailure(const std::exception&) override {}
};

// An error the click dispatcher reports, rather than a window that is not there.
TEST(WindowRegistryContract, EmptyWindowFromTheBackEndIsAnError) {
  EmptyForms forms;
  WindowRegistry registry(forms, kCatalogue);
  EXPECT_THROW(static_cast<void>(registry.InstanceOf(WindowClass::Form1)), std::logic_error);
}

}  // namespace
}  // namespace app
