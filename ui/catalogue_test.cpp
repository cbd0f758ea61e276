// The three real window classes: each passes the start-up check, and every button and menu
// item that has an action is bound, nothing else.
#include "ui/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "app/startup.h"
#include "runtime/scripted/scripted_forms.h"

namespace ui {
namespace {

using app::WindowClass;

class CatalogueTest : public testing::Test {
 protected:
  std::set<std::string_view> Bound(WindowClass windowClass) {
    std::set<std::string_view> names;
    const auto& entry = WindowClasses()[static_cast<std::size_t>(windowClass)];
    for (const runtime::Binding& binding : entry.makeBindings(registry_, forms_)) {
      names.insert(binding.control);
    }
    return names;
  }

  runtime::scripted::ScriptedForms forms_;
  app::WindowRegistry registry_{forms_, WindowClasses()};
};

TEST_F(CatalogueTest, EveryClassPassesTheStartupCheck) {
  EXPECT_EQ(app::CheckWindowClasses(registry_, forms_), std::vector<std::string>{});
}

// File, Edit and Help only open their menus.
TEST_F(CatalogueTest, CalculatorBindsItsButtonsAndMenuItems) {
  EXPECT_EQ(Bound(WindowClass::frmcal),
            (std::set<std::string_view>{"cmdsum", "cmdsub", "cmdmul", "cmddiv", "Cmdpersen",
                                        "cmdsq", "cmdSqu", "cmdcube", "cmdclr", "mnclear", "mnexit",
                                        "mnhelpme", "mnabout"}));
}

TEST_F(CatalogueTest, AboutWindowBindsItsTwoButtons) {
  EXPECT_EQ(Bound(WindowClass::Form1), (std::set<std::string_view>{"Command1", "Command2"}));
}

TEST_F(CatalogueTest, DetailsWindowBindsNothing) {
  EXPECT_TRUE(Bound(WindowClass::Form2).empty());
}

}  // namespace
}  // namespace ui
