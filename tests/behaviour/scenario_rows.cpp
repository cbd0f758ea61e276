// The steps a user takes on the windows and what must follow, grouped by behaviour: the
// start, the click road of the operations, faults, the keyboard, the menus and shortcuts,
// the windows coming and going, and the end of the program.
#include <algorithm>
#include <initializer_list>
#include <utility>

#include "tests/behaviour/behaviour_table.h"

namespace tests::behaviour {
namespace {

using Kind = Step::Kind;
using enum Visibility;

// Why a back end cannot show a row.
constexpr std::string_view kNoKeyboard =
    "the scripted back end has no keyboard and no focus: keys, focus and tab order are the "
    "toolkits'";
constexpr std::string_view kNoEndRule =
    "the scripted back end keeps every window's state but does not end the program when the "
    "last one goes; OpenWindows's own tests hold that rule";
constexpr std::string_view kNoBoxTitle =
    "the scripted back end records a handler's error without a message box to title or own";

constexpr std::string_view kNoScreenReader = "the scripted back end has no screen reader";

constexpr Marks kKeysOnly = {.scripted = kNoKeyboard};

// The calculator's buttons by caption, as the user sees them.
constexpr std::pair<std::string_view, std::string_view> kButtons[] = {
    {"+", "cmdsum"},      {"-", "cmdsub"},     {"*", "cmdmul"},
    {"/", "cmddiv"},      {"%", "Cmdpersen"},  {"Clear", "cmdclr"},
    {"Square", "cmdSqu"}, {"cube", "cmdcube"}, {"x^(Power)", "cmdsq"}};

Step Type(std::string_view text) {
  return {Kind::Type, "frmcal", "txtnum", text};
}
Step TypeHere(std::string_view window, std::string_view text) {
  return {Kind::TypeHere, window, {}, text};
}
Step Click(std::string_view window, std::string_view control) {
  return {Kind::Click, window, control};
}
Step Press(std::string_view window, Key key) {
  return {Kind::Press, window, {}, {}, key};
}
Step Close(std::string_view window) {
  return {Kind::Close, window};
}

// "30 + 12 +": a caption clicks its button, anything else is typed into the entry.
std::vector<Step> Calculate(std::string_view steps) {
  std::vector<Step> made;
  while (!steps.empty()) {
    const std::size_t end = std::min(steps.find(' '), steps.size());
    const std::string_view word = steps.substr(0, end);
    steps.remove_prefix(std::min(end + 1, steps.size()));
    const auto* button =
        std::ranges::find(kButtons, word, &std::pair<std::string_view, std::string_view>::first);
    made.push_back(button != std::end(kButtons) ? Click("frmcal", button->second) : Type(word));
  }
  return made;
}

// The same steps by an assistive tool: it sets the entry's text and presses the buttons.
std::vector<Step> ByTool(std::vector<Step> steps) {
  for (Step& step : steps) {
    step.kind = step.kind == Kind::Type ? Kind::ToolSetText : Kind::ToolPress;
  }
  return steps;
}

std::vector<Step> Then(std::initializer_list<std::vector<Step>> parts) {
  std::vector<Step> joined;
  for (const std::vector<Step>& part : parts) {
    joined.insert(joined.end(), part.begin(), part.end());
  }
  return joined;
}

// The user's ways to the about and details windows.
const std::vector<Step> kF2 = {Press("frmcal", Key::F2)};
const std::vector<Step> kHelpAbout = {Click("frmcal", "mnabout")};
const std::vector<Step> kMoreDetails = {Click("Form1", "Command1")};
const std::vector<Step> kExit = {Click("Form1", "Command2")};
const std::vector<Step> kCloseAbout = {Close("Form1")};
const std::vector<Step> kCloseDetails = {Close("Form2")};

// The calculator's texts after "30 + 12", which the windows' coming and going leaves alone.
const std::vector<Step> kThirtyPlusTwelve = Calculate("30 + 12");
constexpr ShownTexts kThirtyPlusTwelveTexts = {"12", "30", ""};
constexpr ShownTexts kEmpty = {"", "", ""};

// A row of the keyboard group: keys and focus, which the scripted back end does not have.
ScenarioRow Keyboard(std::string_view name, std::vector<Step> steps, Expectation expected) {
  return {"keyboard", name, std::move(steps), std::move(expected), kKeysOnly};
}

ScenarioRow Calculation(std::string_view steps, ShownTexts texts) {
  return {"calculations", steps, Calculate(steps), {.texts = texts}};
}

// The entry's text set and the buttons pressed by an assistive tool.
ScenarioRow ToolCalculation(std::string_view name, std::string_view steps, ShownTexts texts) {
  return {"calculations", name, ByTool(Calculate(steps)), {.texts = texts}};
}

ScenarioRow Fault(std::string_view name, std::string_view steps, std::string_view message,
                  ShownTexts texts) {
  return {"faults",
          name,
          Calculate(steps),
          {.texts = texts, .messages = std::vector{message}, .process = kRunning}};
}

// The about and details windows after the steps, which start from "30 + 12"; the calculator
// stays shown with its texts.
ScenarioRow Lifecycle(std::string_view name, std::initializer_list<std::vector<Step>> steps,
                      Visibility about, Visibility details) {
  std::vector<Step> all = kThirtyPlusTwelve;
  for (const std::vector<Step>& part : steps) {
    all.insert(all.end(), part.begin(), part.end());
  }
  const bool keys = std::ranges::any_of(all, [](const Step& s) { return s.kind == Kind::Press; });
  return {"lifecycle",
          name,
          std::move(all),
          {.texts = kThirtyPlusTwelveTexts,
           .windows = std::vector{Shown, about, details},
           .process = kRunning},
          keys ? kKeysOnly : Marks{}};
}

// What screen readers announce after the steps, and no more.
ScenarioRow Heard(std::string_view name, std::vector<Step> steps,
                  std::vector<std::string_view> announcements, Marks marks = {}) {
  return {
      "announcements", name, std::move(steps), {.announcements = std::move(announcements)}, marks};
}

// Steps after which the program has ended with exit code 0 and no window is left shown.
ScenarioRow Ending(std::string_view name, std::vector<Step> steps, Marks marks = {}) {
  return {"ending",
          name,
          std::move(steps),
          {.windows = std::vector{NotShown, NotShown, NotShown}, .process = 0},
          marks};
}

std::vector<ScenarioRow> MakeRows() {
  std::vector<ScenarioRow> rows = {
      // The start.
      {"start",
       "the calculator opens empty, alone, with the caret in the entry",
       {},
       {.texts = kEmpty,
        .focus = Focus{"frmcal", "txtnum"},
        .windows = std::vector{Shown, NotMade, NotMade},
        .process = kRunning},
       {.scripted = kNoKeyboard}},
      {"start",
       "the calculator's texts at the start",
       {},
       {.texts = kEmpty, .windows = std::vector{Shown, NotMade, NotMade}}},

      // The click road: typed numbers, clicked buttons.
      Calculation("12 +", {"", "12", ""}),
      Calculation("30 + 12 +", {"", "42", ""}),
      Calculation("1.5 + 2.25 +", {"", "3.75", ""}),
      Calculation("20 + 5 %", {"5", "400", "%"}),
      Calculation("12 - 5 - 7 - 3 *", {"", "3", ""}),
      Calculation("2 x^(Power) 10 x^(Power)", {"", "1024", ""}),
      Calculation("3 + 7 Square", {"", "9", ""}),
      Calculation("5 cube", {"", "125", ""}),
      Calculation("20 + 5 / Clear", kEmpty),
      {"calculations",
       "letters and spaces typed arrive",
       {Type("twelve and a half")},
       {.texts = ShownTexts{"twelve and a half", "", ""}}},
      {"calculations",
       "signs, accents and Chinese typed arrive",
       {Type("dreißig Grüße, 三十 & -1.5e3 (x)")},
       {.texts = ShownTexts{"dreißig Grüße, 三十 & -1.5e3 (x)", "", ""}}},
      {"calculations",
       "emoji typed arrive",
       {Type("三十 🙂")},
       {.texts = ShownTexts{"三十 🙂", "", ""}}},
      // Each button pressed by an assistive tool.
      ToolCalculation("30 + 12 + by an assistive tool", "30 + 12 +", {"", "42", ""}),
      ToolCalculation("20 + 5 % by an assistive tool", "20 + 5 %", {"5", "400", "%"}),
      ToolCalculation("5 cube, then Clear by an assistive tool", "5 cube Clear", kEmpty),
      ToolCalculation("6, then minus by an assistive tool", "6 -", {"", "6", ""}),
      ToolCalculation("6, then times by an assistive tool", "6 *", {"", "6", ""}),
      ToolCalculation("6, then divided by, by an assistive tool", "6 /", {"", "6", ""}),
      ToolCalculation("6, then x^(Power) by an assistive tool", "6 x^(Power)", {"", "6", ""}),
      ToolCalculation("6, then Square by an assistive tool", "6 Square", {"", "36", ""}),

      {"calculations",
       "screen readers hear the running result's and the marker's texts as descriptions",
       Calculate("20 + 5 %"),
       {.texts = ShownTexts{"5", "400", "%"}, .answerDescription = "400", .markerDescription = "%"},
       {.scripted = kNoScreenReader}},

      // Faults: a message box, the texts kept, the program going on.
      Fault("20 / 0", "20 + 0 /", "Division by zero.", {"0", "20", ""}),
      Fault("% with nothing typed and no result", "%", "Invalid operation.", kEmpty),
      Fault("1e200 Square", "1e200 Square", "Overflow.", {"1e200", "", ""}),
      {"faults",
       "the calculator goes on after a fault's OK",
       Calculate("20 + 0 / Clear 7 +"),
       {.texts = ShownTexts{"", "7", ""},
        .messages = std::vector<std::string_view>{"Division by zero."},
        .process = kRunning}},
      {"faults",
       "the message box carries the program's title and belongs to the calculator",
       Calculate("20 + 0 /"),
       {.messages = std::vector<std::string_view>{"Division by zero."},
        .messageTitle = kMessageTitle,
        .messageOwner = "frmcal"},
       {.scripted = kNoBoxTitle}},

      // The keyboard: focus, tab order, the keys that press buttons.
      Keyboard("a click leaves the focus on its button", Calculate("30 + 12 +"),
               {.focus = Focus{"frmcal", "cmdsum"}}),
      Keyboard("a click on % leaves the focus there", Calculate("20 + 5 %"),
               {.focus = Focus{"frmcal", "Cmdpersen"}}),
      Keyboard("digits typed after a click do not reach the entry",
               Then({Calculate("12 +"), {TypeHere("frmcal", "34")}}),
               {.texts = ShownTexts{"", "12", ""}, .focus = Focus{"frmcal", "cmdsum"}}),
      Keyboard("Tab from the entry runs round the calculator",
               std::vector<Step>(10, Press("frmcal", Key::Tab)),
               {.focusAfterEachStep = {"cmdclr", "cmddiv", "cmdmul", "cmdsub", "cmdsum", "cmdSqu",
                                       "cmdcube", "cmdsq", "Cmdpersen", "txtnum"}}),
      Keyboard("Shift+Tab from the entry runs round the calculator backwards",
               std::vector<Step>(10, Press("frmcal", Key::ShiftTab)),
               {.focusAfterEachStep = {"Cmdpersen", "cmdsq", "cmdcube", "cmdSqu", "cmdsum",
                                       "cmdsub", "cmdmul", "cmddiv", "cmdclr", "txtnum"}}),
      Keyboard("Enter in the entry presses nothing",
               Then({kThirtyPlusTwelve, {Press("frmcal", Key::Enter), TypeHere("frmcal", "|")}}),
               {.texts = ShownTexts{"12|", "30", ""},
                .focus = Focus{"frmcal", "txtnum"},
                .messages = std::vector<std::string_view>{}}),
      Keyboard(
          "keypad Enter in the entry presses nothing",
          Then({kThirtyPlusTwelve, {Press("frmcal", Key::KeypadEnter), TypeHere("frmcal", "|")}}),
          {.texts = ShownTexts{"12|", "30", ""},
           .focus = Focus{"frmcal", "txtnum"},
           .messages = std::vector<std::string_view>{}}),
      Keyboard("Esc in the entry presses nothing",
               Then({kThirtyPlusTwelve, {Press("frmcal", Key::Esc), TypeHere("frmcal", "|")}}),
               {.texts = ShownTexts{"12|", "30", ""},
                .focus = Focus{"frmcal", "txtnum"},
                .messages = std::vector<std::string_view>{}}),
      Keyboard("Space presses the focused Clear button",
               Then({kThirtyPlusTwelve, {Press("frmcal", Key::Tab), Press("frmcal", Key::Space)}}),
               {.texts = kEmpty, .focus = Focus{"frmcal", "cmdclr"}}),
      Keyboard("Enter presses the focused Clear button",
               Then({kThirtyPlusTwelve, {Press("frmcal", Key::Tab), Press("frmcal", Key::Enter)}}),
               {.texts = kEmpty, .focus = Focus{"frmcal", "cmdclr"}}),
      Keyboard("Space presses the focused + button again",
               Then({Calculate("12 +"), {Press("frmcal", Key::Space)}}),
               {.texts = ShownTexts{"", "12", ""}, .focus = Focus{"frmcal", "cmdsum"}}),
      Keyboard(
          "Right and Down on a button move to the next control, Left and Up back",
          {Press("frmcal", Key::Tab), Press("frmcal", Key::Right), Press("frmcal", Key::Down),
           Press("frmcal", Key::Left), Press("frmcal", Key::Up), Press("frmcal", Key::Up)},
          {.focusAfterEachStep = {"cmdclr", "cmddiv", "cmdmul", "cmddiv", "cmdclr", "txtnum"}}),
      Keyboard("Right on the last button comes round to the entry",
               {Press("frmcal", Key::ShiftTab), Press("frmcal", Key::Right)},
               {.focusAfterEachStep = {"Cmdpersen", "txtnum"}}),
      Keyboard("arrows in the entry move the caret, not the focus",
               {Type("12"), Press("frmcal", Key::Left), TypeHere("frmcal", "|"),
                Press("frmcal", Key::Right), TypeHere("frmcal", "#"), Press("frmcal", Key::Up),
                Press("frmcal", Key::Down)},
               {.texts = ShownTexts{"1|2#", "", ""}, .focusAfterEachStep = {"txtnum", "txtnum"}}),
      Keyboard("the about window opens with the focus on More Details", kF2,
               {.focus = Focus{"Form1", "Command1"}}),
      Keyboard("Tab runs between the about window's two buttons",
               Then({kF2, std::vector<Step>(3, Press("Form1", Key::Tab))}),
               {.focusAfterEachStep = {"Command2", "Command1", "Command2"}}),
      Keyboard("Shift+Tab runs between the about window's two buttons",
               Then({kF2, std::vector<Step>(3, Press("Form1", Key::ShiftTab))}),
               {.focusAfterEachStep = {"Command2", "Command1", "Command2"}}),
      Keyboard("Enter on More Details shows the details window",
               Then({kF2, {Press("Form1", Key::Enter)}}),
               {.windows = std::vector{Shown, Shown, Shown}}),
      Keyboard("keypad Enter on More Details shows the details window",
               Then({kF2, {Press("Form1", Key::KeypadEnter)}}),
               {.windows = std::vector{Shown, Shown, Shown}}),
      Keyboard("Space on More Details shows the details window",
               Then({kF2, {Press("Form1", Key::Space)}}),
               {.windows = std::vector{Shown, Shown, Shown}}),
      Keyboard("Space on Exit hides the about window",
               Then({kF2, {Press("Form1", Key::Tab), Press("Form1", Key::Space)}}),
               {.windows = std::vector{Shown, Hidden, Hidden}}),
      Keyboard("Enter on Exit hides the about window",
               Then({kF2, {Press("Form1", Key::Tab), Press("Form1", Key::Enter)}}),
               {.windows = std::vector{Shown, Hidden, Hidden}}),
      Keyboard(
          "Esc on the about window presses nothing", Then({kF2, {Press("Form1", Key::Esc)}}),
          {.focus = Focus{"Form1", "Command1"}, .windows = std::vector{Shown, Shown, NotMade}}),
      Keyboard(
          "the about window's labels and picture take no click",
          Then({kF2,
                {Click("Form1", "Label1"), Click("Form1", "Label2"), Click("Form1", "Label5"),
                 Click("Form1", "Label6"), Click("Form1", "Label7"), Click("Form1", "Label8"),
                 Click("Form1", "Label3"), Click("Form1", "Image1")}}),
          {.focus = Focus{"Form1", "Command1"}, .windows = std::vector{Shown, Shown, NotMade}}),
      Keyboard("the details window takes no focus and no key presses anything",
               Then({kF2,
                     kMoreDetails,
                     {Press("Form2", Key::Tab), Press("Form2", Key::Enter),
                      Press("Form2", Key::Space), Press("Form2", Key::Esc)}}),
               {.focus = Focus{"Form2", ""}, .windows = std::vector{Shown, Shown, Shown}}),

      // What screen readers announce: the new running result, with the marker where it is
      // set, once after each click that rewrites them, however the button was pressed.
      Heard("each new result once, after + and after -", Calculate("12 + 5 -"),
            {"Result 12", "Result 7"}),
      Heard("the marker with its result", Calculate("20 + 5 %"),
            {"Result 20", "Result 400, Marker %"}),
      Heard("Clear, the emptied result", Calculate("20 + 5 % Clear"),
            {"Result 20", "Result 400, Marker %", "Result empty"}),
      Heard("Edit > Clear, as the button", Then({Calculate("12 +"), {Click("frmcal", "mnclear")}}),
            {"Result 12", "Result empty"}),
      Heard("a result pressed by an assistive tool", ByTool(Calculate("6 Square")), {"Result 36"}),
      Heard("a fault, nothing but its message box", Calculate("20 + 0 /"), {"Result 20"}),
      Heard("Space and Enter on the focused button, each press",
            Then({Calculate("12 +"), {Press("frmcal", Key::Space), Press("frmcal", Key::Enter)}}),
            {"Result 12", "Result 12", "Result 12"}, kKeysOnly),
      Heard("Ctrl+C, the emptied result", Then({Calculate("12 +"), {Press("frmcal", Key::CtrlC)}}),
            {"Result 12", "Result empty"}, kKeysOnly),
      Heard("typing and moving the focus, nothing",
            {Type("12"), Press("frmcal", Key::Tab), Press("frmcal", Key::ShiftTab),
             TypeHere("frmcal", "3")},
            {}, kKeysOnly),

      // The menus and their shortcuts.
      {"menus",
       "F1 does nothing",
       Then({kThirtyPlusTwelve, {Press("frmcal", Key::F1)}}),
       {.texts = kThirtyPlusTwelveTexts,
        .focus = Focus{"frmcal", "txtnum"},
        .windows = std::vector{Shown, NotMade, NotMade},
        .messages = std::vector<std::string_view>{}},
       kKeysOnly},
      {"menus",
       "Help > Help me does nothing",
       Then({kThirtyPlusTwelve, {Click("frmcal", "mnhelpme")}}),
       {.texts = kThirtyPlusTwelveTexts,
        .windows = std::vector{Shown, NotMade, NotMade},
        .messages = std::vector<std::string_view>{}}},
      {"menus",
       "Edit > Clear empties all three texts",
       Then({Calculate("20 + 5 %"), {Click("frmcal", "mnclear")}}),
       {.texts = kEmpty}},
      {"menus",
       "Ctrl+C on the focused % button empties all three texts",
       Then({Calculate("20 + 5 %"), {Press("frmcal", Key::CtrlC)}}),
       {.texts = kEmpty},
       kKeysOnly},
      {"menus",
       "Ctrl+C over a selection in the entry empties all three texts",
       Then({Calculate("20 + 5 %"),
             {{Kind::SelectAll, "frmcal", "txtnum"}, Press("frmcal", Key::CtrlC)}}),
       {.texts = kEmpty},
       kKeysOnly},
      {"menus",
       "F2 shows the about window",
       kF2,
       {.windows = std::vector{Shown, Shown, NotMade}},
       kKeysOnly},
      {"menus",
       "Help > About shows the about window",
       kHelpAbout,
       {.windows = std::vector{Shown, Shown, NotMade}}},
      {"menus",
       "shortcuts rest while the about window is active",
       Then({kThirtyPlusTwelve,
             kF2,
             {Press("Form1", Key::CtrlC), Press("Form1", Key::CtrlQ), Press("Form1", Key::F2)}}),
       {.texts = kThirtyPlusTwelveTexts,
        .windows = std::vector{Shown, Shown, NotMade},
        .process = kRunning},
       kKeysOnly},
      {"menus",
       "Ctrl+Q ends the program",
       {Press("frmcal", Key::CtrlQ)},
       {.process = 0},
       kKeysOnly},

      // The about and details windows come, go and come back; one of each.
      Lifecycle("F2", {kF2}, Shown, NotMade),
      Lifecycle("Help > About", {kHelpAbout}, Shown, NotMade),
      Lifecycle("F2 twice", {kF2, kF2}, Shown, NotMade),
      Lifecycle("Help > About twice", {kHelpAbout, kHelpAbout}, Shown, NotMade),
      Lifecycle("F2, then Help > About", {kF2, kHelpAbout}, Shown, NotMade),
      Lifecycle("More Details", {kHelpAbout, kMoreDetails}, Shown, Shown),
      Lifecycle("More Details twice", {kHelpAbout, kMoreDetails, kMoreDetails}, Shown, Shown),
      Lifecycle("Exit before More Details", {kHelpAbout, kExit}, Hidden, Hidden),
      Lifecycle("Exit before More Details, then About and More Details",
                {kHelpAbout, kExit, kHelpAbout, kMoreDetails}, Shown, Shown),
      Lifecycle("Exit while the details window is shown", {kHelpAbout, kMoreDetails, kExit}, Hidden,
                Hidden),
      Lifecycle("Exit after closing the details window",
                {kHelpAbout, kMoreDetails, kCloseDetails, kExit}, Hidden, Hidden),
      Lifecycle("About after Exit", {kHelpAbout, kMoreDetails, kExit, kHelpAbout}, Shown, Hidden),
      Lifecycle("About after Exit, then More Details",
                {kHelpAbout, kMoreDetails, kExit, kHelpAbout, kMoreDetails}, Shown, Shown),
      Lifecycle("About after closing the about window", {kHelpAbout, kCloseAbout, kHelpAbout},
                Shown, NotMade),
      Lifecycle("More Details after closing the details window",
                {kHelpAbout, kMoreDetails, kCloseDetails, kMoreDetails}, Shown, Shown),
      Lifecycle("closing the about window leaves the details window",
                {kHelpAbout, kMoreDetails, kCloseAbout}, Hidden, Shown),
      Lifecycle("About after closing both",
                {kHelpAbout, kMoreDetails, kCloseDetails, kCloseAbout, kHelpAbout}, Shown, Hidden),
      {"lifecycle",
       "the calculator works beside the about and details windows",
       Then({kHelpAbout, kMoreDetails, Calculate("30 + 12 + 8 +")}),
       {.texts = ShownTexts{"", "50", ""}, .windows = std::vector{Shown, Shown, Shown}}},
      {"lifecycle",
       "the calculator works after Exit",
       Then({kHelpAbout, kMoreDetails, kExit, Calculate("30 + 12 + 8 +")}),
       {.texts = ShownTexts{"", "50", ""}, .windows = std::vector{Shown, Hidden, Hidden}}},
      {"lifecycle",
       "closing the calculator leaves the about window shown",
       Then({kHelpAbout, {Close("frmcal")}}),
       {.windows = std::vector{Hidden, Shown, NotMade}, .process = kRunning}},

      // The end of the program.
      Ending("File > Exit with every window shown",
             Then({kHelpAbout, kMoreDetails, {Click("frmcal", "mnexit")}})),
      Ending("Ctrl+Q with every window shown",
             Then({kHelpAbout, kMoreDetails, {Press("frmcal", Key::CtrlQ)}}), kKeysOnly),
      Ending("the calculator closed, the last window", {Close("frmcal")}, {.scripted = kNoEndRule}),
      Ending("Exit on the about window with the calculator closed",
             Then({kHelpAbout, {Close("frmcal")}, kExit}), {.scripted = kNoEndRule}),
      Ending("the about window closed after the calculator",
             Then({kHelpAbout, {Close("frmcal")}, kCloseAbout}), {.scripted = kNoEndRule}),
  };
  return rows;
}

}  // namespace

std::string_view Marks::For(Backend backend) const {
  switch (backend) {
    case Backend::Scripted:
      return scripted;
    case Backend::Qt:
      return qt;
    case Backend::Win32:
      return win32;
  }
  return {};
}

const std::vector<ScenarioRow>& ScenarioRows() {
  static const std::vector<ScenarioRow> rows = MakeRows();
  return rows;
}

std::vector<const ScenarioRow*> RowsOfGroup(std::string_view group) {
  std::vector<const ScenarioRow*> found;
  for (const ScenarioRow& row : ScenarioRows()) {
    if (row.group == group) {
      found.push_back(&row);
    }
  }
  return found;
}

}  // namespace tests::behaviour
