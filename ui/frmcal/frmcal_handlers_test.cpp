// Clicks on the calculator window through the scripted back end: what each button reads and
// writes, in which order, and what a fault or a failed control access leaves on screen.
#include "ui/frmcal/frmcal_handlers.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/operations.h"
#include "runtime/forms/checked_calls.h"
#include "runtime/scripted/scripted_forms.h"
#include "ui/catalogue.h"

namespace ui::frmcal {
namespace {

using app::WindowClass;
using engine::DisplayTexts;
using runtime::ArithmeticFault;
using runtime::FailedCall;
using runtime::FaultKind;
using runtime::Method;
using runtime::scripted::Call;
using runtime::scripted::CallKind;
using runtime::scripted::ScriptedForms;
using Cause = std::variant<FailedCall, ArithmeticFault>;

Call Read(std::string_view control, std::string_view text) {
  return {CallKind::GetText, "frmcal", std::string(control), std::string(text)};
}

Call Write(std::string_view control, std::string_view text) {
  return {CallKind::SetText, "frmcal", std::string(control), std::string(text)};
}

std::vector<Call> Reads(const DisplayTexts& texts) {
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
  DisplayTexts Given(const DisplayTexts& texts) {
    if (!texts.marker.empty()) {
      Type("1");
      Click("Cmdpersen");
    }
    if (!texts.answer.empty()) {
      Type(texts.answer);
      Click("cmdsum");
    }
    Type(texts.entry);
    DisplayTexts shown = Shown();
    EXPECT_EQ(shown.entry, texts.entry);
    EXPECT_EQ(shown.marker, texts.marker);
    EXPECT_TRUE(forms_.Errors().empty());
    forms_.ClearCalls();
    return shown;
  }

  void Type(std::string_view text) { forms_.Type("frmcal", "txtnum", text); }
  void Click(std::string_view control) { forms_.Click("frmcal", control); }

  [[nodiscard]] DisplayTexts Shown() const {
    return {forms_.Text("frmcal", "txtnum"), forms_.Text("frmcal", "lblans"),
            forms_.Text("frmcal", "LblSpc")};
  }

  ScriptedForms forms_;
  app::WindowRegistry registry_{forms_, WindowClasses()};
};

struct WriteRow {
  const char* name;
  DisplayTexts before;
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
                             {Write("txtnum", ""), Write("lblans", ""), Write("LblSpc", "")}}),
    [](const auto& each) { return std::string(each.param.name); });

// Every button runs its operation the same way: a fault goes to the runtime before any
// write, and the screen keeps every text. Which texts fault is the engine's to say.
TEST(frmcalFault, WritesNothingAndReportsTheFault) {
  CalculatorWindow window;
  const DisplayTexts before = window.Given({"0", "20", ""});
  window.Click("cmddiv");
  EXPECT_EQ(window.forms_.Calls(), Reads(before));
  EXPECT_EQ(window.Shown(), before);
  ASSERT_EQ(window.forms_.Errors().size(), 1U);
  EXPECT_EQ(window.forms_.Errors()[0].cause, Cause(ArithmeticFault{FaultKind::DivisionByZero}));
}

struct AccessRow {
  const char* name;
  DisplayTexts before;
  std::string_view button;
  int failingAccess;  // 1 to 3 read, then the writes
  DisplayTexts after;
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

// File > Exit ends the program at once and nothing runs after it, whatever windows are shown.
TEST(frmcalExit, EndsTheProgramWithItsOneCall) {
  CalculatorWindow window;
  window.Click("mnabout");
  window.forms_.Click("Form1", "Command1");
  window.forms_.ClearCalls();
  window.Click("mnexit");
  EXPECT_TRUE(window.forms_.Ended());
  EXPECT_EQ(window.forms_.Calls(), (std::vector<Call>{{CallKind::EndProgram}}));
}

}  // namespace
}  // namespace ui::frmcal
