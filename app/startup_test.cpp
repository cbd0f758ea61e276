// Start-up: the calculator window is created and shown before the loop runs; a window that
// cannot open stops the start cleanly; faulty window classes are found.
#include "app/startup.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

#include "runtime/scripted/scripted_forms.h"
#include "runtime/scripted/test_window.h"

namespace app {
namespace {

using runtime::scripted::Call;
using runtime::scripted::CallKind;
using runtime::scripted::ScriptedForms;
using runtime::scripted::TestWindow;

constexpr std::array kClashingNames = {
    runtime::Control{runtime::ControlKind::Label, "Label1", "", runtime::Box{0, 0, 10, 10}, 0,
                     runtime::kWindowFont},
    runtime::Control{runtime::ControlKind::Label, "Label1", "", runtime::Box{0, 0, 10, 10}, 1,
                     runtime::kWindowFont}};

constexpr runtime::WindowDescription kFrmcal = TestWindow("frmcal");
constexpr runtime::WindowDescription kForm1 = TestWindow("Form1");
constexpr runtime::WindowDescription kForm2 = TestWindow("Form2");
constexpr runtime::WindowDescription kFaultyForm2 = TestWindow("Form2", kClashingNames);

std::vector<runtime::Binding> NoBindings(WindowRegistry&, runtime::Forms&) {
  return {};
}

std::vector<runtime::Binding> MissingButton(WindowRegistry&, runtime::Forms&) {
  return {{"cmdsum", [](const runtime::ClickEvent&) {}}};
}

constexpr Catalogue kSound = {
    {{&kFrmcal, NoBindings}, {&kForm1, NoBindings}, {&kForm2, NoBindings}}};

TEST(Start, ShowsTheCalculatorThenRunsTheLoop) {
  ScriptedForms forms;
  WindowRegistry registry(forms, kSound);
  EXPECT_EQ(Start(registry, forms), 0);
  EXPECT_EQ(forms.Calls(),
            (std::vector<Call>{
                {CallKind::NewWindow, "frmcal"}, {CallKind::Show, "frmcal"}, {CallKind::Run}}));
  EXPECT_TRUE(forms.IsShown("frmcal"));
}

TEST(Start, FailedShowStopsBeforeTheLoop) {
  ScriptedForms forms;
  WindowRegistry registry(forms, kSound);
  forms.FailWindowCall(1);
  EXPECT_EQ(Start(registry, forms), runtime::kStartFailedExitCode);
  EXPECT_EQ(forms.Calls(), (std::vector<Call>{{CallKind::NewWindow, "frmcal"},
                                              {CallKind::Show, "frmcal", {}, {}, runtime::kFailed},
                                              {CallKind::ReportStartFailure,
                                               {},
                                               {},
                                               "Showing frmcal failed with status 0x80004005."}}));
}

TEST(Start, FailedCreationStopsBeforeTheLoop) {
  ScriptedForms forms;
  WindowRegistry registry(forms, kSound);
  forms.FailCreation(1);
  EXPECT_EQ(Start(registry, forms), runtime::kStartFailedExitCode);
  EXPECT_EQ(forms.InstanceCount("frmcal"), 0);
  EXPECT_EQ(forms.Calls().back(),
            (Call{CallKind::ReportStartFailure,
                  {},
                  {},
                  "Creating the window frmcal failed with status 0x80004005."}));
}

// Debug builds check the window classes first and open nothing when one is faulty; release
// builds leave the check out.
TEST(Start, FaultyClassStopsOnlyADebugStart) {
  ScriptedForms forms;
  const Catalogue faulty = {
      {{&kFrmcal, NoBindings}, {&kForm1, NoBindings}, {&kFaultyForm2, NoBindings}}};
  WindowRegistry registry(forms, faulty);
  const int exitCode = Start(registry, forms);
#ifdef NDEBUG
  EXPECT_EQ(exitCode, 0);
  EXPECT_TRUE(forms.IsShown("frmcal"));
#else
  EXPECT_EQ(exitCode, runtime::kStartFailedExitCode);
  EXPECT_EQ(
      forms.Calls(),
      (std::vector<Call>{
          {CallKind::ReportStartFailure, {}, {}, "Form2: the name \"Label1\" is given twice."}}));
#endif
}

struct CatalogueRow {
  const char* name;
  Catalogue catalogue;
  std::vector<std::string> problems;
};

void PrintTo(const CatalogueRow& row, std::ostream* out) {
  *out << row.name;
}

class CheckWindowClassesFinds : public testing::TestWithParam<CatalogueRow> {};

TEST_P(CheckWindowClassesFinds, TheProblemsOfEachClass) {
  ScriptedForms forms;
  WindowRegistry registry(forms, GetParam().catalogue);
  EXPECT_EQ(CheckWindowClasses(registry, forms), GetParam().problems);
  EXPECT_TRUE(forms.Calls().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Catalogues, CheckWindowClassesFinds,
    testing::Values(
        CatalogueRow{"SoundCatalogue", kSound, {}},
        CatalogueRow{"ClassesInTheWrongSlots",
                     {{{&kFrmcal, NoBindings}, {&kForm2, NoBindings}, {&kForm1, NoBindings}}},
                     {"Form1: the catalogue gives the description of Form2.",
                      "Form2: the catalogue gives the description of Form1."}},
        CatalogueRow{"SlotWithoutDescription",
                     {{{&kFrmcal, NoBindings}, {nullptr, NoBindings}, {&kForm2, NoBindings}}},
                     {"Form1: the catalogue gives no description or bindings."}},
        CatalogueRow{"HandlerOfAMissingButton",
                     {{{&kFrmcal, MissingButton}, {&kForm1, NoBindings}, {&kForm2, NoBindings}}},
                     {"frmcal: a handler is bound to \"cmdsum\", which does not exist."}}),
    [](const auto& each) { return std::string(each.param.name); });

}  // namespace
}  // namespace app
