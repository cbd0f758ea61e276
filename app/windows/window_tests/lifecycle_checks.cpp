// How the about and details windows come, go and come back: one window of each class
// whatever the steps, "Exit" hiding both, close boxes, and the calculator left as it was;
// then how the program ends: File > Exit with every window shown, or the last shown window
// closed, with exit code 0, and never while a window is still shown.
#include "app/windows/window_tests/calculator.h"
#include "app/windows/window_tests/scenario.h"
#include "app/windows/window_tests/window_access.h"
#include "ui/Form1/Form1_description.h"
#include "ui/Form2/Form2_description.h"
#include "ui/frmcal/frmcal_description.h"

namespace app::windows::window_tests {
namespace {

using Names = std::vector<std::wstring>;

// The calculator's texts after "30 + 12", before the steps.
const Names kCalculatorTexts = {L"12", L"30", L""};

// One user step on the program's windows; false when the window it needs is not shown or its
// effect does not show.
bool Perform(const Program& program, std::string_view step) {
  HWND about = program.Window(ui::Form1::kDescription);
  HWND details = program.Window(ui::Form2::kDescription);
  if (step == "F2") {
    return PressOnCalculator(program, VK_F2) &&
           WaitUntilShown(program, ui::Form1::kDescription) != nullptr;
  }
  if (step == "Help > About") {
    return ChooseFromMenu(program.Window(ui::frmcal::kDescription), ui::frmcal::kDescription,
                          "mnabout") &&
           WaitUntilShown(program, ui::Form1::kDescription) != nullptr;
  }
  if (step == "More Details") {
    return Shown(about) && Click(ControlOf(about, ui::Form1::kDescription, "Command1")) &&
           Settle(about) && WaitUntilShown(program, ui::Form2::kDescription) != nullptr;
  }
  if (step == "Exit") {
    return Shown(about) && Click(ControlOf(about, ui::Form1::kDescription, "Command2")) &&
           Settle(about) && WaitUntilHidden(about) &&
           WaitUntilHidden(program.Window(ui::Form2::kDescription));
  }
  if (step == "close about") {
    return ClickCloseBox(about) && WaitUntilHidden(about);
  }
  if (step == "close details") {
    return ClickCloseBox(details) && WaitUntilHidden(details);
  }
  if (step == "close calculator") {
    HWND calculator = program.Window(ui::frmcal::kDescription);
    return ClickCloseBox(calculator) && WaitUntilHidden(calculator);
  }
  if (step == "File > Exit") {
    return ChooseFromMenu(program.Window(ui::frmcal::kDescription), ui::frmcal::kDescription,
                          "mnexit");
  }
  return false;
}

struct LifecycleRow {
  std::string_view name;
  std::vector<std::string_view> steps;
  bool aboutShown;
  bool detailsMade;
  bool detailsShown;
};

// clang-format off
const LifecycleRow kLifecycles[] = {
  {"About twice",                         {"F2", "F2"},                                            true,  false, false},
  {"Help > About twice",                  {"Help > About", "Help > About"},                        true,  false, false},
  {"More Details twice",                  {"F2", "More Details", "More Details"},                  true,  true,  true},
  {"Exit before More Details",            {"F2", "Exit"},                                          false, true,  false},
  {"Exit before More Details, then both", {"F2", "Exit", "F2", "More Details"},                    true,  true,  true},
  {"Exit with the details window shown",  {"F2", "More Details", "Exit"},                          false, true,  false},
  {"About after its close box",           {"F2", "close about", "Help > About"},                   true,  false, false},
  {"More Details after its close box",    {"F2", "More Details", "close details", "More Details"}, true,  true,  true},
  {"closing the about window",            {"F2", "More Details", "close about"},                   false, true,  true},
};
// clang-format on

// Each step keeps one window per class, the same one throughout; at the end the windows are
// shown as the row says, and the calculator is shown with its texts as they were.
void CheckLifecycle(Run& run, const LifecycleRow& row) {
  const std::string name(row.name);
  const std::unique_ptr<Program> program = StartProgram(run, name);
  if (!program) {
    return;
  }
  const Calculator calculator(program->Window(ui::frmcal::kDescription));
  run.report.Check(calculator.SetUp("30 + 12", kCalculatorTexts), name + ": 30 + 12 to start");
  HWND about = nullptr;
  HWND details = nullptr;
  for (const std::string_view step : row.steps) {
    const std::string what = name + ", " + std::string(step);
    run.report.Check(Perform(*program, step), what + ": the step takes effect");
    for (auto [window, description] : {std::pair{&about, &ui::Form1::kDescription},
                                       std::pair{&details, &ui::Form2::kDescription}}) {
      HWND found = program->Window(*description);
      run.report.Check(
          program->CountWindows(*description) <= 1 && (*window == nullptr || found == *window),
          what + ": one " + std::string(description->properties.name) + " window");
      *window = found;
    }
  }
  run.report.Equal(Shown(about), row.aboutShown, name + ": the about window shown");
  run.report.Equal(details != nullptr, row.detailsMade, name + ": the details window made");
  run.report.Equal(Shown(details), row.detailsShown, name + ": the details window shown");
  run.report.Check(Shown(calculator.Window()) && program->Running(),
                   name + ": the calculator stays");
  run.report.Equal(calculator.Texts(), kCalculatorTexts, name + ": the calculator's texts stay");
}

struct EndingRow {
  std::string_view name;
  std::vector<std::string_view> steps;  // the last one ends the program
};

const EndingRow kEndings[] = {
    {"File > Exit with every window shown", {"F2", "More Details", "File > Exit"}},
    {"the calculator closed, the last window", {"close calculator"}},
    {"Exit on the about window with the calculator closed", {"F2", "close calculator", "Exit"}},
    {"the about window closed after the calculator", {"F2", "close calculator", "close about"}},
};

// Each step but the last takes effect and leaves the program running; after the last the
// program ends with exit code 0.
void CheckEnding(Run& run, const EndingRow& row) {
  const std::string name(row.name);
  const std::unique_ptr<Program> program = StartProgram(run, name);
  if (!program) {
    return;
  }
  for (const std::string_view step : row.steps) {
    const std::string what = name + ", " + std::string(step);
    run.report.Check(program->Running(), what + ": the program still runs before it");
    const bool tookEffect = Perform(*program, step);
    if (step != row.steps.back()) {
      run.report.Check(tookEffect, what + ": the step takes effect");
    }
  }
  const std::optional<DWORD> exitCode = program->WaitForExit();
  run.report.Check(exitCode.has_value(), name + ": the program ends");
  run.report.Equal(exitCode.value_or(1), 0UL, name + ": exit code");
}

}  // namespace

void CheckWindowLifecycle(Run& run) {
  run.report.Group("window lifecycle");
  for (const LifecycleRow& row : kLifecycles) {
    CheckLifecycle(run, row);
  }
  for (const EndingRow& row : kEndings) {
    CheckEnding(run, row);
  }
}

}  // namespace app::windows::window_tests
