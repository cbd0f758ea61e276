// The names column of the behaviour table as Linux screen readers hear it: over AT-SPI, from
// the program itself, started on an X server with an accessibility bus (ctest runs this under
// tests/xvfb.sh and dbus-run-session). The windows come up by the table's layout steps,
// each given as a screen reader gives it: the action of the menu item or button it names.
#include <atspi/atspi.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/behaviour/driver.h"
#include "tests/behaviour/row_printing.h"

namespace tests::behaviour {

namespace {

const char* gProgram = nullptr;

struct Unref {
  void operator()(AtspiAccessible* object) const { g_object_unref(object); }
};
using Object = std::unique_ptr<AtspiAccessible, Unref>;

std::string NameOf(AtspiAccessible* object) {
  gchar* name = atspi_accessible_get_name(object, nullptr);
  std::string copy = name != nullptr ? name : "";
  g_free(name);
  return copy;
}

// What the object is, in the table's words.
Role RoleOf(AtspiAccessible* object) {
  constexpr std::pair<AtspiRole, Role> kRoles[] = {{ATSPI_ROLE_PUSH_BUTTON, Role::PushButton},
                                                   {ATSPI_ROLE_TEXT, Role::Text},
                                                   {ATSPI_ROLE_ENTRY, Role::Text},
                                                   {ATSPI_ROLE_LABEL, Role::StaticText},
                                                   {ATSPI_ROLE_PANEL, Role::Grouping},
                                                   {ATSPI_ROLE_SEPARATOR, Role::Separator},
                                                   {ATSPI_ROLE_IMAGE, Role::Graphic}};
  return Translate(kRoles, atspi_accessible_get_role(object, nullptr), Role::Other);
}

bool CanAct(AtspiAccessible* object) {
  AtspiAction* action = atspi_accessible_get_action_iface(object);
  if (action == nullptr) {
    return false;
  }
  g_object_unref(action);
  return true;
}

// The first object below `root`, depth first, for which `wanted` holds.
Object Find(AtspiAccessible* root, const std::function<bool(AtspiAccessible*)>& wanted) {
  const int count = atspi_accessible_get_child_count(root, nullptr);
  for (int index = 0; index < count; ++index) {
    Object child(atspi_accessible_get_child_at_index(root, index, nullptr));
    if (!child) {
      continue;
    }
    if (wanted(child.get())) {
      return child;
    }
    if (Object found = Find(child.get(), wanted)) {
      return found;
    }
  }
  return nullptr;
}

// Tries until the object is there, or for five seconds.
Object WaitFor(const std::function<Object()>& find) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  Object found = find();
  while (!found && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    found = find();
  }
  return found;
}

std::string_view TitleOf(std::string_view window) {
  const auto row = std::ranges::find(WindowRows(), window, &WindowRow::window);
  return row != WindowRows().end() ? row->title : "";
}

// What a screen reader hears of the control or menu item a step names.
std::string_view HeardNameOf(const Step& step) {
  const auto item = std::ranges::find(MenuRows(), step.control, &MenuRow::item);
  if (item != MenuRows().end()) {
    return item->caption;
  }
  const auto control = std::ranges::find_if(ControlRows(), [&step](const ControlRow& row) {
    return row.window == step.window && row.control == step.control;
  });
  return control != ControlRows().end() ? control->accessibleName : "";
}

class AtspiNames : public testing::TestWithParam<ControlRow> {
 public:
  static void SetUpTestSuite() {
    char* arguments[] = {const_cast<char*>(gProgram), nullptr};
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1", 1);
    ASSERT_EQ(posix_spawn(&program_, gProgram, nullptr, nullptr, arguments, environ), 0);
    atspi_init();
    desktop_.reset(atspi_get_desktop(0));
    for (const Step& step : LayoutSteps()) {
      Object window = Window(step.window);
      ASSERT_TRUE(window) << TitleOf(step.window) << " is not heard of";
      const std::string_view heard = HeardNameOf(step);
      Object target = Find(window.get(), [heard](AtspiAccessible* object) {
        return NameOf(object) == heard && CanAct(object);
      });
      ASSERT_TRUE(target) << "nothing named \"" << heard << "\" to act on";
      AtspiAction* action = atspi_accessible_get_action_iface(target.get());
      EXPECT_TRUE(atspi_action_do_action(action, 0, nullptr)) << heard;
      g_object_unref(action);
    }
  }
  static void TearDownTestSuite() {
    desktop_.reset();
    kill(program_, SIGTERM);
    waitpid(program_, nullptr, 0);
  }

 protected:
  // The program's top-level window with the row's title, once it is there.
  static Object Window(std::string_view window) {
    const std::string title(TitleOf(window));
    return WaitFor([&title] {
      return Find(desktop_.get(), [&title](AtspiAccessible* object) {
        return atspi_accessible_get_role(object, nullptr) == ATSPI_ROLE_FRAME &&
               atspi_accessible_get_process_id(object, nullptr) == static_cast<guint>(program_) &&
               NameOf(object) == title;
      });
    });
  }

 private:
  static inline pid_t program_ = 0;
  static inline Object desktop_;
};

TEST_P(AtspiNames, IsAsTheRowSays) {
  const ControlRow& row = GetParam();
  const Object window = Window(row.window);
  ASSERT_TRUE(window) << TitleOf(row.window) << " is not heard of";
  std::string heard;
  const Object found = Find(window.get(), [&](AtspiAccessible* object) {
    gchar* role = atspi_accessible_get_role_name(object, nullptr);
    heard += "\n  " + std::string(role != nullptr ? role : "?") + " \"" + NameOf(object) + "\"";
    g_free(role);
    return RoleOf(object) == row.role && NameOf(object) == row.accessibleName;
  });
  EXPECT_TRUE(found) << "no object of the row's role named \"" << row.accessibleName
                     << "\"; heard:" << heard;
}

INSTANTIATE_TEST_SUITE_P(names, AtspiNames, testing::ValuesIn(ControlRows()),
                         ControlTestName<ControlRow>);

}  // namespace
}  // namespace tests::behaviour

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s PELLOMAR\n", argv[0]);
    return 2;
  }
  tests::behaviour::gProgram = argv[1];
  return RUN_ALL_TESTS();
}
