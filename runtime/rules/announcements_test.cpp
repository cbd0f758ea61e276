// Which labels are live. How the calculator's announcements are worded and when they come is
// the behaviour table's to check; a window's plain labels it cannot reach.
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

TEST(Announcements, OnlyLabelsWithNamesOfTheirOwnAreLiveAndTheyGoByTabIndex) {
  // "Plain" has no name of its own: its caption names it, so it is read and never announced.
  const std::array rows{Label("Unit", 2, "Unit"), Label("Plain", 0, ""), Label("Sum", 1, "Sum")};
  Announcements announcements({.properties = {}, .controls = rows, .menu = {}});
  announcements.Written(rows[1], "caption");
  EXPECT_EQ(announcements.TakeAfterClick(), std::nullopt);
  announcements.Written(rows[0], "kg");
  EXPECT_EQ(announcements.TakeAfterClick(), std::optional<std::string>("Sum empty, Unit kg"));
  EXPECT_EQ(announcements.Carrier(), &rows[2]);
}

}  // namespace
}  // namespace runtime
