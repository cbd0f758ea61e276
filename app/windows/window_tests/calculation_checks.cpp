// Calculating through the window: the click road by automation and by the user's mouse and
// keyboard, the focus a click leaves, faults shown in a message box that leaves the texts and
// the program as they were, and texts of any length and script.
#include "app/windows/window_tests/calculator.h"
#include "app/windows/window_tests/input.h"
#include "app/windows/window_tests/scenario.h"
#include "app/windows/window_tests/text.h"
#include "app/windows/window_tests/wait.h"
#include "app/windows/window_tests/window_access.h"
#include "ui/frmcal/frmcal_description.h"

namespace app::windows::window_tests {
namespace {

using Names = std::vector<std::wstring>;

const Names kEmpty = {L"", L"", L""};

struct RoadRow {
  std::string_view steps;
  Names texts;  // entry, answer, marker
};

const RoadRow kRoads[] = {
    {"30 + 12 +", {L"", L"42", L""}},       {"20 + 5 %", {L"5", L"400", L"%"}},
    {"12 - 5 - 7 - 3 *", {L"", L"3", L""}}, {"2 x^(Power) 10 x^(Power)", {L"", L"1024", L""}},
    {"5 cube", {L"", L"125", L""}},         {"20 + 5 / Clear", {L"", L"", L""}},
};

struct FaultRow {
  std::string_view steps;
  std::wstring_view message;
  Names texts;
};

const FaultRow kFaults[] = {
    {"20 + 0 /", L"Division by zero.", {L"0", L"20", L""}},
    {"%", L"Invalid operation.", {L"", L"", L""}},
    {"1e200 Square", L"Overflow.", {L"1e200", L"", L""}},
};

std::string NameOf(Road road) {
  return road == Road::Automation ? "by automation" : "by mouse and keyboard";
}

std::string_view LastStep(std::string_view steps) {
  return steps.substr(steps.rfind(' ') + 1);
}

// The texts come out as the engine says; a click leaves the focus on its button.
void CheckClickRoads(Report& report, const Calculator& calculator) {
  for (const Road road : {Road::Automation, Road::User}) {
    for (const RoadRow& row : kRoads) {
      const std::string what = std::string(row.steps) + " " + NameOf(road);
      report.Check(calculator.SetUp("Clear", kEmpty) && BringToFront(calculator.Window()) &&
                       calculator.Perform(row.steps, road),
                   what + ": the steps are given");
      report.Equal(calculator.WaitForTexts(row.texts), row.texts, what);
      if (road == Road::User) {
        report.Check(FocusOf(calculator.Window()) == calculator.Button(LastStep(row.steps)),
                     what + ": the focus stays on the button clicked last");
      }
    }
  }
}

void CheckTypingAfterAClick(Report& report, const Calculator& calculator) {
  report.Check(calculator.SetUp("Clear", kEmpty) && calculator.Perform("12 +", Road::User) &&
                   calculator.WaitForTexts({L"", L"12", L""}) == Names{L"", L"12", L""},
               "12 + by mouse and keyboard, to type after");
  Type(L"34");
  report.Check(calculator.ClickIntoEntry() && calculator.TypeMarker(L"|"),
               "keys typed into the entry after the click arrive");
  report.Equal(calculator.Texts(), Names{L"|", L"12", L""},
               "digits typed after a click do not reach the entry");
}

// The message box is the calculator's, says what went wrong, and leaves the texts; after OK
// the calculator goes on.
void CheckFaults(Report& report, const Program& program, const Calculator& calculator) {
  for (const Road road : {Road::Automation, Road::User}) {
    for (const FaultRow& row : kFaults) {
      const std::string what = std::string(row.steps) + " " + NameOf(road);
      report.Check(calculator.SetUp("Clear", kEmpty) && BringToFront(calculator.Window()) &&
                       calculator.Perform(row.steps, road),
                   what + ": the steps are given");
      const std::optional<MessageBoxShown> shown = WaitForMessageBox(program);
      if (!report.Check(shown.has_value(), what + ": a message box comes up",
                        "texts " + Describe(calculator.Texts()))) {
        continue;
      }
      report.Check(shown->owner == calculator.Window(), what + ": the box is the calculator's");
      report.Equal(shown->title, std::wstring(L"Pellomar"), what + ": title of the box");
      report.Equal(shown->text, std::wstring(row.message), what + ": message");
      report.Equal(calculator.Texts(), row.texts, what + ": the texts stay");
      report.Check(PressOk(shown->box), what + ": OK closes the box");
      report.Check(program.Running(), what + ": the program goes on after OK");
      report.Check(calculator.SetUp("Clear 7 +", {L"", L"7", L""}),
                   what + ": the calculator works after OK");
    }
  }
}

void CheckTextsOfAnyLength(Report& report, const Calculator& calculator) {
  // 100,000 characters that read as 12 only when none is lost.
  const std::wstring longText = std::wstring(99'998, L'0') + L"12";
  report.Check(calculator.SetUp("Clear", kEmpty), "the texts cleared for a long entry");
  SetTextOf(calculator.Entry(), longText);
  report.Equal(static_cast<int>(SendMessageW(calculator.Entry(), WM_GETTEXTLENGTH, 0, 0)), 100'000,
               "a 100,000-character entry keeps its length");
  report.Equal(TextOf(calculator.Entry()), longText, "a 100,000-character entry reads back whole");
  report.Check(calculator.SetUp("+", {L"", L"12", L""}), "a 100,000-character entry computes");

  const std::wstring typed = L"dreißig Grüße, 三十 & -1.5e3 (x)";
  report.Check(calculator.SetUp("Clear", kEmpty) && BringToFront(calculator.Window()) &&
                   calculator.ClickIntoEntry(),
               "the texts cleared and the entry clicked, for typing");
  Type(typed);
  report.Check(WaitUntil([&] { return TextOf(calculator.Entry()) == typed; }),
               "any characters typed arrive in the entry", Describe(TextOf(calculator.Entry())));
}

}  // namespace

void CheckCalculations(Run& run) {
  run.report.Group("calculations");
  const std::unique_ptr<Program> program = StartProgram(run, "calculations");
  if (!program) {
    return;
  }
  const Calculator calculator(program->Window(ui::frmcal::kDescription));
  CheckClickRoads(run.report, calculator);
  CheckTypingAfterAClick(run.report, calculator);
  CheckFaults(run.report, *program, calculator);
  CheckTextsOfAnyLength(run.report, calculator);
}

}  // namespace app::windows::window_tests
