// Clicks on the calculator window through the scripted back end: what each button reads and
// writes, in which order, and what a fault or a failed control access leaves on screen.
#include "ui/frmcal/frmcal_handlers.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/forms/checked_calls.h"
#include "runtime/testing/scripted_forms.h"
#include "ui/catalogue.h"

namespace ui::frmcal {
namespace {

using app::WindowClass;
using runtime::ArithmeticFault;
using runtime::FailedCall;
using runtime::FaultKind;
using runtime::Method;
using runtime::scripted::Call;
using runtime::scripted::CallKind;
using runtime::scripted::ScriptedForms;
using Cause = std::variant<FailedCall, ArithmeticFault>;

// What the window shows: entry, answer, marker.
struct Texts {
  std::string entry, answer, marker;
  friend bool operator==(const Texts&, const Texts&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Texts& t) {
    return out << "{entry \"" << t.entry << "\", answer \"" << t.answer << "\", marker \""
               << t.marker << "\"}";
  }
};

Call Read(std::string_view control, std::string_view text) {
  return {CallKind::GetText, "frmcal", std::string(control), std::string(text)};
}

Call Write(std::string_view control, std::string_view text) {
  return {CallKind::SetText, "frmcal", std::string(control), std::string(text)};
}

std::vector<Call> Reads(const Texts& texts) {
  return {Read("txtnum", texts.entry), Read("lblans", texts.answer), Read("LblSpc", texts.marker)};
}

class CalculatorWindow {
 public:
  // The calculator as start-up leaves it: created, shown, all texts empty.
  CalculatorWindow() {
    runtime::ShowChecked(registry_.InstanceOf(WindowClass::frmcal));
    forms_.ClearCalls();
  }

  // Brings the window to these texts as a user would, then forgets the calls that took: a
  // "%" on the empty answer shows the marker, the answer is typed and added to nothing.
  // Returns the texts shown, the answer as the engine writes the typed number.
  Texts Given(const Texts& texts) {
    if (!texts.marker.empty()) {
      Type("1");
      Click("Cmdpersen");
    }
    if (!texts.answer.empty()) {
      Type(texts.answer);
      Click("cmdsum");
    }
    Type(texts.entry);
    Texts shown = Shown();
    EXPECT_EQ(shown.entry, texts.entry);
    EXPECT_EQ(shown.marker, texts.marker);
    EXPECT_TRUE(forms_.Errors().empty());
    forms_.ClearCalls();
    return shown;
  }

  void Type(std::string_view text) { forms_.Type("frmcal", "txtnum", text); }
  void Click(std::string_view control) { forms_.Click("frmcal", control); }

  [[nodiscard]] Texts Shown() const {
    return {forms_.Text("frmcal", "txtnum"), forms_.Text("frmcal", "lblans"),
            forms_.Text("frmcal", "LblSpc")};
  }

  ScriptedForms forms_;
  app::WindowRegistry registry_{forms_, WindowClasses()};
};

struct WriteRow {
  const char* name;
  Texts before;
  std::string_view button;
  std::vector<Call> writes;
};

void PrintTo(const WriteRow& row, std::ostream* out) {
  *out << row.name;
}

class frmcalWriteOrder : public testing::TestWithParam<WriteRow> {};

// All three texts are read first; then only the texts the operation sets, in its order.
TEST_P(frmcalWriteOrder, ReadsAllThenWritesWhatTheOperationSets) {
  CalculatorWindow window;
  EXPECT_EQ(window.Given(GetParam().before), GetParam().before);
  window.Click(GetParam().button);
  std::vector<Call> expected = Reads(GetParam().before);
  expected.insert(expected.end(), GetParam().writes.begin(), GetParam().writes.end());
  EXPECT_EQ(window.forms_.Calls(), expected);
  EXPECT_TRUE(window.forms_.Errors().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, frmcalWriteOrder,
    testing::Values(WriteRow{"Sum_30_plus_12",
                             {"12", "30", ""},
                             "cmdsum",
                             {Write("lblans", "42"), Write("txtnum", "")}},
                    WriteRow{"Subtract_30_minus_12",
                             {"12", "30", ""},
                             "cmdsub",
                             {Write("lblans", "18"), Write("txtnum", "")}},
                    WriteRow{"Multiply_30_by_2",
                             {"2", "30", ""},
                             "cmdmul",
                             {Write("lblans", "60"), Write("txtnum", "")}},
                    WriteRow{"Divide_30_by_6",
                             {"6", "30", ""},
                             "cmddiv",
                             {Write("lblans", "5"), Write("txtnum", "")}},
                    WriteRow{"Percent_20_of_5",
                             {"5", "20", ""},
                             "Cmdpersen",
                             {Write("lblans", "400"), Write("LblSpc", "%")}},
                    WriteRow{"Power_2_to_the_10",
                             {"10", "2", ""},
                             "cmdsq",
                             {Write("lblans", "1024"), Write("txtnum", "")}},
                    WriteRow{"Square_of_answer_3_ignores_entry_7",
                             {"7", "3", ""},
                             "cmdSqu",
                             {Write("lblans", "9"), Write("txtnum", "")}},
                    WriteRow{"Cube_of_answer_2",
                             {"", "2", ""},
                             "cmdcube",
                             {Write("lblans", "8"), Write("txtnum", "")}},
                    WriteRow{"Clear_button",
                             {"12", "30", "%"},
                             "cmdclr",
                             {Write("txtnum", ""), Write("lblans", ""), Write("LblSpc", "")}},
                    WriteRow{"Edit_Clear_menu",
                             {"12", "30", "%"},
                             "mnclear",
                             {Write("txtnum", ""), Write("lblans", ""), Write("LblSpc", "")}},
                    WriteRow{"Sum_after_percent_keeps_the_marker",
                             {"12", "30", "%"},
                             "cmdsum",
                             {Write("lblans", "42"), Write("txtnum", "")}},
                    WriteRow{"Subtract_from_no_answer_takes_the_entry_over",
                             {"5", "", ""},
                             "cmdsub",
                             {Write("lblans", "5"), Write("txtnum", "")}}),
    [](const auto& each) { return std::string(each.param.name); });

struct FaultRow {
  const char* name;
  Texts before;
  std::string_view button;
  FaultKind fault;
};

void PrintTo(const FaultRow& row, std::ostream* out) {
  *out << row.name;
}

class frmcalFault : public testing::TestWithParam<FaultRow> {};

// The fault goes to the runtime before any write: the screen keeps every text.
TEST_P(frmcalFault, WritesNothingAndReportsTheFault) {
  CalculatorWindow window;
  const Texts before = window.Given(GetParam().before);
  window.Click(GetParam().button);
  EXPECT_EQ(window.forms_.Calls(), Reads(before));
  EXPECT_EQ(window.Shown(), before);
  ASSERT_EQ(window.forms_.Errors().size(), 1U);
  EXPECT_EQ(window.forms_.Errors()[0].cause, Cause(ArithmeticFault{GetParam().fault}));
}

INSTANTIATE_TEST_SUITE_P(
    Operations, frmcalFault,
    testing::Values(
        FaultRow{"Divide_20_by_0", {"0", "20", ""}, "cmddiv", FaultKind::DivisionByZero},
        FaultRow{"Divide_20_by_nothing", {"", "20", ""}, "cmddiv", FaultKind::DivisionByZero},
        FaultRow{
            "Percent_of_20_by_nothing", {"", "20", ""}, "Cmdpersen", FaultKind::DivisionByZero},
        FaultRow{
            "Percent_with_nothing_at_all", {"", "", ""}, "Cmdpersen", FaultKind::InvalidOperation},
        FaultRow{"Multiply_1e308_by_10", {"10", "1e308", ""}, "cmdmul", FaultKind::Overflow},
        FaultRow{"Square_of_1e200", {"", "1e200", ""}, "cmdSqu", FaultKind::Overflow},
        FaultRow{"Power_of_minus_8_to_one_half",
                 {"0.5", "-8", ""},
                 "cmdsq",
                 FaultKind::InvalidOperation}),
    [](const auto& each) { return std::string(each.param.name); });

struct AccessRow {
  const char* name;
  Texts before;
  std::string_view button;
  int failingAccess;  // 1 to 3 read, then the writes
  Texts after;
  FailedCall failure;
};

void PrintTo(const AccessRow& row, std::ostream* out) {
  *out << row.name;
}

class frmcalFailedAccess : public testing::TestWithParam<AccessRow> {};

// The failing call stops the click: texts written before it stay, later ones are skipped.
TEST_P(frmcalFailedAccess, StopsAtTheFailingCall) {
  const AccessRow& row = GetParam();
  CalculatorWindow window;
  EXPECT_EQ(window.Given(row.before), row.before);
  window.forms_.FailControlAccess(row.failingAccess);
  window.Click(row.button);
  EXPECT_EQ(window.Shown(), row.after);
  EXPECT_EQ(window.forms_.Calls().size(), static_cast<std::size_t>(row.failingAccess));
  EXPECT_EQ(window.forms_.Calls().back().status, runtime::kFailed);
  ASSERT_EQ(window.forms_.Errors().size(), 1U);
  EXPECT_EQ(window.forms_.Errors()[0].cause, Cause(row.failure));
}

constexpr auto kGet = Method::GetText;
constexpr auto kSet = Method::SetText;
constexpr auto kFailed = runtime::kFailed;

INSTANTIATE_TEST_SUITE_P(Reads, frmcalFailedAccess,
                         testing::Values(AccessRow{"Sum_entry_unreadable",
                                                   {"12", "30", ""},
                                                   "cmdsum",
                                                   1,
                                                   {"12", "30", ""},
                                                   {kFailed, "txtnum", "TextBox", kGet}},
                                         AccessRow{"Sum_answer_unreadable",
                                                   {"12", "30", ""},
                                                   "cmdsum",
                                                   2,
                                                   {"12", "30", ""},
                                                   {kFailed, "lblans", "Label", kGet}},
                                         AccessRow{"Sum_marker_unreadable",
                                                   {"12", "30", ""},
                                                   "cmdsum",
                                                   3,
                                                   {"12", "30", ""},
                                                   {kFailed, "LblSpc", "Label", kGet}},
                                         AccessRow{"Clear_entry_unreadable",
                                                   {"12", "30", "%"},
                                                   "cmdclr",
                                                   1,
                                                   {"12", "30", "%"},
                                                   {kFailed, "txtnum", "TextBox", kGet}}),
                         [](const auto& each) { return std::string(each.param.name); });

INSTANTIATE_TEST_SUITE_P(Writes, frmcalFailedAccess,
                         testing::Values(AccessRow{"Sum_answer_unwritable",
                                                   {"12", "30", ""},
                                                   "cmdsum",
                                                   4,
                                                   {"12", "30", ""},
                                                   {kFailed, "lblans", "Label", kSet}},
                                         AccessRow{"Sum_entry_cannot_be_emptied",
                                                   {"12", "30", ""},
                                                   "cmdsum",
                                                   5,
                                                   {"12", "42", ""},
                                                   {kFailed, "txtnum", "TextBox", kSet}},
                                         AccessRow{"Percent_marker_unwritable",
                                                   {"5", "20", ""},
                                                   "Cmdpersen",
                                                   5,
                                                   {"5", "400", ""},
                                                   {kFailed, "LblSpc", "Label", kSet}},
                                         AccessRow{"Clear_entry_cannot_be_emptied",
                                                   {"12", "30", "%"},
                                                   "cmdclr",
                                                   4,
                                                   {"12", "30", "%"},
                                                   {kFailed, "txtnum", "TextBox", kSet}},
                                         AccessRow{"Clear_answer_cannot_be_emptied",
                                                   {"12", "30", "%"},
                                                   "cmdclr",
                                                   5,
                                                   {"", "30", "%"},
                                                   {kFailed, "lblans", "Label", kSet}},
                                         AccessRow{"Edit_Clear_marker_cannot_be_emptied",
                                                   {"12", "30", "%"},
                                                   "mnclear",
                                                   6,
                                                   {"", "", "%"},
                                                   {kFailed, "LblSpc", "Label", kSet}}),
                         [](const auto& each) { return std::string(each.param.name); });

// After a reported error the window works on from what it shows.
TEST(frmcalAfterAnError, NextClickWorksOnTheTextsShown) {
  CalculatorWindow window;
  window.Given({"0", "20", ""});
  window.Click("cmddiv");
  window.Type("1");
  window.Click("cmdsum");
  EXPECT_EQ(window.Shown(), (Texts{"", "21", ""}));
  EXPECT_EQ(window.forms_.Errors().size(), 1U);
}

struct Step {
  const char* typed;  // nullptr: the user types nothing before the click
  std::string_view button;
  Texts after;
};

struct ScenarioRow {
  const char* name;
  std::vector<Step> steps;
};

void PrintTo(const ScenarioRow& row, std::ostream* out) {
  *out << row.name;
}

class frmcalScenario : public testing::TestWithParam<ScenarioRow> {};

TEST_P(frmcalScenario, TextsAfterEachClick) {
  CalculatorWindow window;
  for (const Step& step : GetParam().steps) {
    if (step.typed != nullptr) {
      window.Type(step.typed);
    }
    window.Click(step.button);
    EXPECT_EQ(window.Shown(), step.after) << "after " << step.button;
  }
  EXPECT_TRUE(window.forms_.Errors().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Runs, frmcalScenario,
    testing::Values(ScenarioRow{"Subtract_down_to_zero_then_multiply_starts_afresh",
                                {{"12", "cmdsub", {"", "12", ""}},
                                 {"5", "cmdsub", {"", "7", ""}},
                                 {"7", "cmdsub", {"", "0", ""}},
                                 {"3", "cmdmul", {"", "3", ""}}}},
                    ScenarioRow{"Percent_twice_keeps_the_entry_and_the_marker",
                                {{"20", "cmdsum", {"", "20", ""}},
                                 {"5", "Cmdpersen", {"5", "400", "%"}},
                                 {nullptr, "Cmdpersen", {"5", "8000", "%"}},
                                 {"1", "cmdsum", {"", "8001", "%"}},
                                 {nullptr, "cmdclr", {"", "", ""}}}},
                    ScenarioRow{"Power_takes_the_base_first",
                                {{"2", "cmdsq", {"", "2", ""}}, {"10", "cmdsq", {"", "1024", ""}}}},
                    ScenarioRow{
                        "Letters_read_as_zero",
                        {{"abc", "cmdsum", {"", "0", ""}}, {"7", "cmdSqu", {"", "49", ""}}}}),
    [](const auto& each) { return std::string(each.param.name); });

TEST(frmcalMenu, HelpMeDoesNothing) {
  CalculatorWindow window;
  window.Given({"12", "30", ""});
  window.Click("mnhelpme");
  EXPECT_TRUE(window.forms_.Calls().empty());
  EXPECT_TRUE(window.forms_.Errors().empty());
}

TEST(frmcalMenu, AboutTwiceShowsOneAboutWindow) {
  CalculatorWindow window;
  window.Click("mnabout");
  window.Click("mnabout");
  EXPECT_EQ(window.forms_.Calls(), (std::vector<Call>{{CallKind::NewWindow, "Form1"},
                                                      {CallKind::Show, "Form1"},
                                                      {CallKind::Show, "Form1"}}));
  EXPECT_EQ(window.forms_.InstanceCount("Form1"), 1);
  EXPECT_TRUE(window.forms_.IsShown("Form1"));
}

// The instance stays in its slot; the next About shows it without creating another.
TEST(frmcalMenu, FailedShowOfTheAboutWindowIsReported) {
  CalculatorWindow window;
  window.forms_.FailWindowCall(1);
  window.Click("mnabout");
  ASSERT_EQ(window.forms_.Errors().size(), 1U);
  EXPECT_EQ(window.forms_.Errors()[0].cause,
            Cause(FailedCall{runtime::kFailed, "Form1", "Form1", Method::Show}));
  EXPECT_FALSE(window.forms_.IsShown("Form1"));
  window.Click("mnabout");
  EXPECT_TRUE(window.forms_.IsShown("Form1"));
  EXPECT_EQ(window.forms_.InstanceCount("Form1"), 1);
}

// A window the platform refused to create is asked for again on the next About.
TEST(frmcalMenu, RefusedCreationOfTheAboutWindowIsReported) {
  CalculatorWindow window;
  window.forms_.FailCreation(1);
  window.Click("mnabout");
  ASSERT_EQ(window.forms_.Errors().size(), 1U);
  EXPECT_EQ(window.forms_.Errors()[0].message,
            "Creating the window Form1 failed with status 0x80004005.");
  EXPECT_EQ(window.forms_.InstanceCount("Form1"), 0);
  window.Click("mnabout");
  EXPECT_TRUE(window.forms_.IsShown("Form1"));
}

TEST(frmcalMenu, AboutAfterClosingTheAboutWindowShowsItAgain) {
  CalculatorWindow window;
  window.Click("mnabout");
  window.forms_.Close("Form1");
  window.Click("mnabout");
  EXPECT_TRUE(window.forms_.IsShown("Form1"));
  EXPECT_EQ(window.forms_.InstanceCount("Form1"), 1);
}

struct ExitRow {
  const char* name;
  std::function<void(CalculatorWindow&)> before;
};

void PrintTo(const ExitRow& row, std::ostream* out) {
  *out << row.name;
}

class frmcalExit : public testing::TestWithParam<ExitRow> {};

// File > Exit ends the program at once and nothing runs after it.
TEST_P(frmcalExit, EndsTheProgramWhateverIsShown) {
  CalculatorWindow window;
  GetParam().before(window);
  window.forms_.ClearCalls();
  window.Click("mnexit");
  EXPECT_TRUE(window.forms_.Ended());
  EXPECT_EQ(window.forms_.Calls(), (std::vector<Call>{{CallKind::EndProgram}}));
}

INSTANTIATE_TEST_SUITE_P(Windows, frmcalExit,
                         testing::Values(ExitRow{"OnlyTheCalculator", [](CalculatorWindow&) {}},
                                         ExitRow{"AboutWindowShown",
                                                 [](CalculatorWindow& w) { w.Click("mnabout"); }},
                                         ExitRow{"AboutAndDetailsShown",
                                                 [](CalculatorWindow& w) {
                                                   w.Click("mnabout");
                                                   w.forms_.Click("Form1", "Command1");
                                                 }},
                                         ExitRow{"AboutAndDetailsHidden",
                                                 [](CalculatorWindow& w) {
                                                   w.Click("mnabout");
                                                   w.forms_.Click("Form1", "Command2");
                                                 }},
                                         ExitRow{"TextsOnScreen",
                                                 [](CalculatorWindow& w) {
                                                   w.Given({"12", "30", "%"});
                                                 }}),
                         [](const auto& each) { return std::string(each.param.name); });

struct IndexRow {
  const char* name;
  std::string_view item;
  int index;
};

void PrintTo(const IndexRow& row, std::ostream* out) {
  *out << row.name;
}

class frmcalMenuIndex : public testing::TestWithParam<IndexRow> {};

// A menu handler does the same whatever index the click passes.
TEST_P(frmcalMenuIndex, HasNoEffect) {
  CalculatorWindow ownIndex;
  ownIndex.Given({"12", "30", ""});
  ownIndex.Click(GetParam().item);
  CalculatorWindow otherIndex;
  otherIndex.Given({"12", "30", ""});
  otherIndex.forms_.Click("frmcal", GetParam().item, GetParam().index);
  EXPECT_EQ(otherIndex.forms_.Calls(), ownIndex.forms_.Calls());
  EXPECT_EQ(otherIndex.Shown(), ownIndex.Shown());
}

INSTANTIATE_TEST_SUITE_P(Items, frmcalMenuIndex,
                         testing::Values(IndexRow{"About_index_0", "mnabout", 0},
                                         IndexRow{"About_index_minus_1", "mnabout", -1},
                                         IndexRow{"Exit_index_32", "mnexit", 32},
                                         IndexRow{"Clear_index_999", "mnclear", 999},
                                         IndexRow{"HelpMe_index_11", "mnhelpme", 11}),
                         [](const auto& each) { return std::string(each.param.name); });

}  // namespace
}  // namespace ui::frmcal
