// Which labels are live, how an announcement is worded, and that each click announces once.
#include "runtime/rules/announcements.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace runtime {
namespace {

Control Label(std::string_view name, int tabIndex, std::string_view accessibleName) {
  Control control{ControlKind::Label, name, "", Box{0, 0, 10, 10}, tabIndex, kWindowFont};
  control.accessibleName = accessibleName;
  return control;
}

// Rows out of tab order; "Plain" has no name of its own, so its caption is its name.
const std::array kRows{Label("Unit", 2, "Unit"), Label("Plain", 0, ""), Label("Sum", 1, "Sum")};
const WindowDescription kWindow{.properties = {}, .controls = kRows, .menu = {}};

TEST(Announcements, NothingUntilALiveLabelIsWritten) {
  Announcements announcements(kWindow);
  announcements.Written(kRows[1], "caption");
  EXPECT_EQ(announcements.TakeAfterClick(), std::nullopt);
}

TEST(Announcements, EveryLiveLabelInTabOrderOnceAClickWroteOne) {
  Announcements announcements(kWindow);
  announcements.Written(kRows[0], "kg");
  announcements.Written(kRows[2], "4");
  announcements.Written(kRows[2], "5");
  EXPECT_EQ(announcements.TakeAfterClick(), std::optional<std::string>("Sum 5, Unit kg"));
  EXPECT_EQ(announcements.TakeAfterClick(), std::nullopt);
}

TEST(Announcements, AnEmptyFirstLabelIsSaidEmptyAndLaterOnesLeftOut) {
  Announcements announcements(kWindow);
  announcements.Written(kRows[0], "");
  EXPECT_EQ(announcements.TakeAfterClick(), std::optional<std::string>("Sum empty"));
  EXPECT_EQ(announcements.Carrier(), &kRows[2]);
}

TEST(Announcements, AWindowWithoutLiveLabelsHasNoCarrier) {
  const std::array rows{Label("Plain", 0, "")};
  const WindowDescription window{.properties = {}, .controls = rows, .menu = {}};
  EXPECT_EQ(Announcements(window).Carrier(), nullptr);
}

}  // namespace
}  // namespace runtime
