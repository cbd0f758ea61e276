// The behaviour table as GoogleTest cases, the same for every back end: each driver's test
// program links this file with its own MakeDriver. A scenario row starts from the program's
// start: the program an earlier row of its group left, brought back there by the driver where
// it can, or else a fresh one; the layout rows share one program with every window shown. A
// row marked for the driver's back end is skipped with the table's reason.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <memory>
#include <string>

#include "tests/behaviour/driver.h"
#include "tests/behaviour/row_printing.h"

namespace tests::behaviour {
namespace {

std::string VisibilityName(Visibility visibility) {
  switch (visibility) {
    case Visibility::NotMade:
      return "not made";
    case Visibility::Hidden:
      return "hidden";
    case Visibility::Shown:
      return "shown";
    case Visibility::NotShown:
      return "not shown";
  }
  return "?";
}

// How a window was seen, in the words of the row's expectation.
std::string Seen(const WindowSeen& window, Visibility expected) {
  if (expected == Visibility::NotShown) {
    return window.shown ? "shown" : "not shown";
  }
  return window.instances == 0 ? "not made" : window.shown ? "shown" : "hidden";
}

// A test name from a row's words: letters and digits kept, the rest made underscores.
std::string TestName(std::string_view words) {
  std::string name(words);
  std::ranges::replace_if(
      name, [](char c) { return std::isalnum(static_cast<unsigned char>(c)) == 0; }, '_');
  return name;
}

constexpr std::string_view kWindowNames[] = {"frmcal", "Form1", "Form2"};

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

// The driver's back end's mark, if the row carries one.
#define SKIP_WHEN_MARKED(driver, marks)                                                 \
  if (const std::string_view reason = (marks).For((driver).Which()); !reason.empty()) { \
    GTEST_SKIP() << reason;                                                             \
  }

// The rows of a group one after another, on one program while the driver can bring it back
// to the start. A row without steps checks the start itself, so it gets a fresh program; so
// does the row after one that failed, which may have left the program in any state.
class Scenario : public testing::TestWithParam<const ScenarioRow*> {
 public:
  static void TearDownTestSuite() { kept_.reset(); }

 protected:
  void TearDown() override {
    if (HasFailure()) {
      kept_.reset();
    }
  }

  // The driver for the row, its program at the start.
  static Driver& StartRow(const ScenarioRow& row) {
    if (kept_ == nullptr || row.steps.empty() || !kept_->Restore()) {
      kept_.reset();
      kept_ = MakeDriver();
      kept_->Start();
    }
    return *kept_;
  }

  // The driver, not necessarily started, to ask which back end it drives.
  static Driver& Kept() {
    if (kept_ == nullptr) {
      kept_ = MakeDriver();
    }
    return *kept_;
  }

 private:
  static inline std::unique_ptr<Driver> kept_;
};

TEST_P(Scenario, FollowsTheRow) {
  const ScenarioRow& row = *GetParam();
  SKIP_WHEN_MARKED(Kept(), row.marks);
  const Expectation& expected = row.expected;
  Driver* const driver = &StartRow(row);
  // A program that did not start has nothing to show: its failure is reported, and the row
  // ends there rather than reading windows that do not exist.
  if (HasFatalFailure()) {
    return;
  }
  std::vector<std::string> focusAfterSteps;
  for (std::size_t index = 0; index < row.steps.size(); ++index) {
    const Step& step = row.steps[index];
    SCOPED_TRACE("step " + std::to_string(index + 1));
    driver->Perform(step);
    for (const std::string_view window : kWindowNames) {
      EXPECT_LE(driver->ReadWindow(window).instances, kMostInstances) << window;
    }
    if (index + expected.focusAfterEachStep.size() >= row.steps.size()) {
      const FocusSeen focus = driver->ReadFocus();
      focusAfterSteps.push_back(focus.window == step.window ? focus.control
                                                            : "(in " + focus.window + ")");
    }
  }
  if (!expected.focusAfterEachStep.empty()) {
    EXPECT_EQ(focusAfterSteps, std::vector<std::string>(expected.focusAfterEachStep.begin(),
                                                        expected.focusAfterEachStep.end()));
  }
  if (expected.texts) {
    const TextsSeen texts = driver->ReadTexts();
    EXPECT_EQ(texts.entry, expected.texts->entry) << "the entry";
    EXPECT_EQ(texts.answer, expected.texts->answer) << "the running result";
    EXPECT_EQ(texts.marker, expected.texts->marker) << "the marker";
  }
  if (expected.focus) {
    const FocusSeen focus = driver->ReadFocus();
    EXPECT_EQ(focus.window, expected.focus->window) << "the active window";
    EXPECT_EQ(focus.control, expected.focus->control) << "the focused control";
  }
  if (expected.windows) {
    for (std::size_t window = 0; window < expected.windows->size(); ++window) {
      const Visibility visibility = (*expected.windows)[window];
      EXPECT_EQ(Seen(driver->ReadWindow(kWindowNames[window]), visibility),
                VisibilityName(visibility))
          << kWindowNames[window];
    }
  }
  const std::vector<MessageSeen> messages = driver->ReadMessages();
  if (expected.messages) {
    std::vector<std::string> texts(messages.size());
    std::ranges::transform(messages, texts.begin(), &MessageSeen::text);
    EXPECT_EQ(texts,
              std::vector<std::string>(expected.messages->begin(), expected.messages->end()));
  }
  if (expected.messageTitle && !messages.empty()) {
    EXPECT_EQ(messages.back().title, *expected.messageTitle);
  }
  if (expected.messageOwner && !messages.empty()) {
    EXPECT_EQ(messages.back().owner, *expected.messageOwner);
  }
  if (expected.answerDescription) {
    EXPECT_EQ(driver->ReadAccessibleDescription("frmcal", "lblans"), *expected.answerDescription);
  }
  if (expected.markerDescription) {
    EXPECT_EQ(driver->ReadAccessibleDescription("frmcal", "LblSpc"), *expected.markerDescription);
  }
  if (expected.announcements) {
    EXPECT_EQ(driver->ReadAnnouncements(), std::vector<std::string>(expected.announcements->begin(),
                                                                    expected.announcements->end()));
  }
  if (expected.process) {
    EXPECT_EQ(driver->ReadProcess(), *expected.process) << "the exit code, or -1 while it runs";
  }
}

std::string ScenarioName(const testing::TestParamInfo<const ScenarioRow*>& info) {
  return TestName(info.param->name);
}

#define PELLOMAR_ROW_GROUP(group) \
  INSTANTIATE_TEST_SUITE_P(group, Scenario, testing::ValuesIn(RowsOfGroup(#group)), ScenarioName)
PELLOMAR_ROW_GROUP(start);
PELLOMAR_ROW_GROUP(calculations);
PELLOMAR_ROW_GROUP(faults);
PELLOMAR_ROW_GROUP(keyboard);
PELLOMAR_ROW_GROUP(announcements);
PELLOMAR_ROW_GROUP(menus);
PELLOMAR_ROW_GROUP(lifecycle);
PELLOMAR_ROW_GROUP(ending);

// One program for the rows of a layout suite, with every window shown; started before the
// suite's first row and ended after its last.
template <class Row>
class LayoutSuite : public testing::TestWithParam<Row> {
 public:
  static void SetUpTestSuite() {
    driver_ = MakeDriver();
    if (LayoutMarks().For(driver_->Which()).empty()) {
      driver_->Start();
      for (const Step& step : LayoutSteps()) {
        driver_->Perform(step);
      }
    }
  }
  static void TearDownTestSuite() { driver_.reset(); }

 protected:
  static Driver& LayoutDriver() { return *driver_; }

 private:
  static inline std::unique_ptr<Driver> driver_;
};

// The layout rows, at the driver's screen's dpi where they give pixels.
#define SKIP_LAYOUT_WHEN_MARKED(row_marks) \
  Driver& driver = LayoutDriver();         \
  SKIP_WHEN_MARKED(driver, LayoutMarks()); \
  SKIP_WHEN_MARKED(driver, row_marks)

class Frame : public LayoutSuite<WindowRow> {};

TEST_P(Frame, IsAsTheRowSays) {
  const WindowRow& row = GetParam();
  SKIP_LAYOUT_WHEN_MARKED(row.marks);
  const int dpi = driver.Dpi();
  // A run on a screen of its own dpi names it, so that a platform that ignored the request
  // fails here instead of checking the 96 dpi rows again.
  if (const char* asked = std::getenv("BEHAVIOUR_DPI"); asked != nullptr) {
    ASSERT_EQ(dpi, std::atoi(asked)) << "the screen's dpi";
  }
  const FrameSeen frame = driver.ReadFrame(row.window);
  EXPECT_EQ(frame.title, row.title);
  EXPECT_EQ(frame.client, ClientAt(row, dpi)) << "client area at " << dpi << " dpi";
  if (const std::optional<Point>& place = PlaceAt(row, dpi)) {
    EXPECT_EQ(frame.place, *place) << "client area's place on the screen at " << dpi << " dpi";
  }
  EXPECT_EQ(frame.sizable, row.sizable) << "a sizing border and boxes";
  EXPECT_EQ(frame.menuBar, row.menuBar) << "a menu bar";
  // Stacking shows only where controls overlap: each overlapping pair keeps the row's order.
  ASSERT_EQ(frame.stacking.size(), row.stacking.size()) << "one control a row";
  const auto depth = [&frame](std::string_view control) {
    return std::ranges::find(frame.stacking, control) - frame.stacking.begin();
  };
  for (std::size_t front = 0; front < row.stacking.size(); ++front) {
    for (std::size_t back = front + 1; back < row.stacking.size(); ++back) {
      const std::optional<Rect> a = driver.ReadRect(row.window, row.stacking[front]);
      const std::optional<Rect> b = driver.ReadRect(row.window, row.stacking[back]);
      if (a && b && Overlap(*a, *b)) {
        EXPECT_LT(depth(row.stacking[front]), depth(row.stacking[back]))
            << row.stacking[front] << " in front of " << row.stacking[back];
      }
    }
  }
}

std::string FrameTestName(const testing::TestParamInfo<WindowRow>& info) {
  return std::string(info.param.window);
}

INSTANTIATE_TEST_SUITE_P(layout, Frame, testing::ValuesIn(WindowRows()), FrameTestName);

class ControlPlace : public LayoutSuite<ControlRow> {};

TEST_P(ControlPlace, IsAsTheRowSays) {
  const ControlRow& row = GetParam();
  SKIP_LAYOUT_WHEN_MARKED(Marks{});
  const int dpi = driver.Dpi();
  const std::optional<Rect> found = driver.ReadRect(row.window, row.control);
  ASSERT_TRUE(found.has_value());
  const Rect& expected = RectAt(row, dpi);
  EXPECT_TRUE(Matches(expected, *found, EdgeTolerance(driver.Which(), dpi)))
      << "expected (" << expected.left << ", " << expected.top << ") " << expected.width << " x "
      << expected.height << " at " << dpi << " dpi, found (" << found->left << ", " << found->top
      << ") " << found->width << " x " << found->height;
}

class ControlName : public LayoutSuite<ControlRow> {};

TEST_P(ControlName, IsAsTheRowSays) {
  const ControlRow& row = GetParam();
  SKIP_LAYOUT_WHEN_MARKED(row.marks);
  EXPECT_EQ(driver.ReadAccessibleName(row.window, row.control), row.accessibleName);
  EXPECT_EQ(driver.ReadAccessibleRole(row.window, row.control), row.role);
}

INSTANTIATE_TEST_SUITE_P(layout, ControlPlace, testing::ValuesIn(ControlRows()),
                         ControlTestName<ControlRow>);
INSTANTIATE_TEST_SUITE_P(names, ControlName, testing::ValuesIn(ControlRows()),
                         ControlTestName<ControlRow>);

class Font : public LayoutSuite<FontRow> {};

TEST_P(Font, IsAsTheRowSays) {
  const FontRow& row = GetParam();
  SKIP_LAYOUT_WHEN_MARKED(row.marks);
  const int dpi = driver.Dpi();
  const std::optional<FontSeen> font = driver.ReadFont(row.window, row.control);
  ASSERT_TRUE(font.has_value());
  if (std::ranges::find(kFacesStandingIn, FaceStandingIn{row.face, font->face}) ==
      kFacesStandingIn.end()) {
    EXPECT_EQ(font->face, row.face);
  }
  EXPECT_EQ(font->pixels, FontPixelsAt(row, dpi)) << "at " << dpi << " dpi";
  EXPECT_EQ(font->bold, row.bold);
  EXPECT_FALSE(font->decorated) << "italic, underlined or struck out";
}

INSTANTIATE_TEST_SUITE_P(layout, Font, testing::ValuesIn(FontRows()), ControlTestName<FontRow>);

// A menu row by its place in the menu tree.
class Menu : public LayoutSuite<std::size_t> {};

TEST_P(Menu, IsAsTheRowSays) {
  const MenuRow& row = MenuRows()[GetParam()];
  SKIP_LAYOUT_WHEN_MARKED(row.marks);
  const std::vector<MenuSeen> menu = driver.ReadMenu();
  ASSERT_LT(GetParam(), menu.size());
  const MenuSeen& item = menu[GetParam()];
  EXPECT_EQ(item.item, row.item);
  EXPECT_EQ(item.caption, row.caption);
  EXPECT_EQ(item.shortcut, row.shortcut);
}

std::string MenuTestName(const testing::TestParamInfo<std::size_t>& info) {
  return std::string(MenuRows()[info.param].item);
}

INSTANTIATE_TEST_SUITE_P(layout, Menu, testing::Range(std::size_t{0}, MenuRows().size()),
                         MenuTestName);

class Tooltip : public LayoutSuite<TooltipRow> {};

TEST_P(Tooltip, IsAsTheRowSays) {
  const TooltipRow& row = GetParam();
  SKIP_LAYOUT_WHEN_MARKED(row.marks);
  EXPECT_EQ(driver.ReadTooltip(row.window, row.control), row.tooltip);
}

INSTANTIATE_TEST_SUITE_P(layout, Tooltip, testing::ValuesIn(TooltipRows()),
                         ControlTestName<TooltipRow>);

}  // namespace
}  // namespace tests::behaviour

namespace tests::behaviour {

bool Driver::Restore() {
  return false;
}

// A back end without a screen never reaches these: its layout rows are marked.
int Driver::Dpi() {
  ADD_FAILURE() << "this back end has no screen";
  return 0;
}
FrameSeen Driver::ReadFrame(std::string_view /*window*/) {
  ADD_FAILURE() << "this back end has no screen";
  return {};
}
std::optional<Rect> Driver::ReadRect(std::string_view /*window*/, std::string_view /*control*/) {
  ADD_FAILURE() << "this back end has no screen";
  return std::nullopt;
}
std::string Driver::ReadAccessibleName(std::string_view /*window*/, std::string_view /*control*/) {
  ADD_FAILURE() << "this back end has no screen reader";
  return {};
}
Role Driver::ReadAccessibleRole(std::string_view /*window*/, std::string_view /*control*/) {
  ADD_FAILURE() << "this back end has no screen reader";
  return Role::Other;
}
std::string Driver::ReadAccessibleDescription(std::string_view /*window*/,
                                              std::string_view /*control*/) {
  ADD_FAILURE() << "this back end has no screen reader";
  return {};
}
std::optional<FontSeen> Driver::ReadFont(std::string_view /*window*/,
                                         std::string_view /*control*/) {
  ADD_FAILURE() << "this back end has no fonts";
  return std::nullopt;
}
std::vector<MenuSeen> Driver::ReadMenu() {
  ADD_FAILURE() << "this back end has no screen";
  return {};
}
std::string Driver::ReadTooltip(std::string_view /*window*/, std::string_view /*control*/) {
  ADD_FAILURE() << "this back end has no screen";
  return {};
}

}  // namespace tests::behaviour
