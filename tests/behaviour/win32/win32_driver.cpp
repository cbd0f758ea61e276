// The behaviour table on the Windows program, out of process: pellomar.exe started once and
// brought back to its start between rows as a user would, or started afresh where it cannot be
// (Restore); steps given as real input (SendInput) or as an assistive tool's messages, the state
// read as an automation client reads it, names through MSAA, announcements as a screen reader
// hears them (live-region events), fonts and menus through the probe hook inside the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

#include "app/window_registry.h"
#include "runtime/win32/control_ids.h"
#include "runtime/win32/text.h"
#include "tests/behaviour/driver.h"
#include "tests/behaviour/win32/accessible_name.h"
#include "tests/behaviour/win32/input.h"
#include "tests/behaviour/win32/inside_view.h"
#include "tests/behaviour/win32/live_region_listener.h"
#include "tests/behaviour/win32/program.h"
#include "tests/behaviour/win32/run_settings.h"
#include "tests/behaviour/win32/wait.h"
#include "tests/behaviour/win32/window_access.h"
#include "ui/catalogue.h"

namespace tests::behaviour::win32 {
namespace {

using runtime::win32::ToUtf8;
using runtime::win32::ToWide;

constexpr std::wstring_view kDialogClass = L"#32770";
// How long the program's state must stay unchanged for a step to count as handled.
constexpr std::chrono::milliseconds kQuiet{150};
// How long an ended row waits for the process to go.
constexpr std::chrono::milliseconds kEndWithin{3000};

// The description of a window class, to find its windows and controls by name.
const runtime::WindowDescription& DescriptionOf(std::string_view window) {
  for (std::size_t index = 0; index < app::kWindowClassCount; ++index) {
    const auto windowClass = static_cast<app::WindowClass>(index);
    if (app::ClassName(windowClass) == window) {
      return *ui::WindowClasses()[index].description;
    }
  }
  ADD_FAILURE() << "no window class " << window;
  return *ui::WindowClasses()[0].description;
}

Keystroke KeystrokeOf(Key key) {
  constexpr std::pair<Key, Keystroke> kKeystrokes[] = {
      {Key::Tab, {VK_TAB}},
      {Key::ShiftTab, {.key = VK_TAB, .shift = true}},
      {Key::Enter, {VK_RETURN}},
      {Key::KeypadEnter, {.key = VK_RETURN, .extended = true}},
      {Key::Space, {VK_SPACE}},
      {Key::Esc, {VK_ESCAPE}},
      {Key::Left, {VK_LEFT}},
      {Key::Right, {VK_RIGHT}},
      {Key::Up, {VK_UP}},
      {Key::Down, {VK_DOWN}},
      {Key::F1, {VK_F1}},
      {Key::F2, {VK_F2}},
      {Key::CtrlC, {.key = 'C', .ctrl = true}},
      {Key::CtrlQ, {.key = 'Q', .ctrl = true}}};
  return Translate(kKeystrokes, key, Keystroke{0});
}

class Win32Driver final : public Driver {
 public:
  [[nodiscard]] Backend Which() const override { return Backend::Win32; }

  void Start() override {
    std::string error;
    listener_.reset();
    program_ = Program::Start(Settings().program, error);
    ASSERT_NE(program_, nullptr) << error;
    listener_ = std::make_unique<LiveRegionListener>(program_->Id(), Control("frmcal", "lblans"));
    EXPECT_TRUE(listener_->Listening()) << "no live-region events from the program";
    Settle();
    listener_->Forget();
  }

  // The start has only the calculator made, its texts empty and the caret in its entry. A
  // window once made stays made, and a shown message box belongs to the row that brought it
  // up: either asks for a fresh program. Otherwise Clear empties the texts, when they are not,
  // and a click into the entry gives it the focus, when it has not.
  [[nodiscard]] bool Restore() override {
    if (program_ == nullptr || !program_->Running() || ShownMessageBox() != nullptr ||
        program_->CountWindows(DescriptionOf("frmcal")) != 1 ||
        program_->CountWindows(DescriptionOf("Form1")) != 0 ||
        program_->CountWindows(DescriptionOf("Form2")) != 0) {
      return false;
    }
    messages_.clear();
    inside_.clear();
    HWND calculator = Window("frmcal");
    HWND entry = Control("frmcal", "txtnum");
    if (!Shown(calculator) || entry == nullptr) {
      return false;
    }
    if (ReadTexts() != TextsSeen{}) {
      if (!BringToFront(calculator) || !ClickAt(CentreOnScreen(Control("frmcal", "cmdclr")))) {
        return false;
      }
      Settle();
    }
    if (FocusOf(calculator) != entry || ActiveOf(calculator) != calculator) {
      if (!ClickInto(calculator, entry)) {
        return false;
      }
      Settle();
    }
    // What the Clear announced belongs to no row.
    listener_->Pump();
    listener_->Forget();
    const FocusSeen focus = ReadFocus();
    return program_->Running() && ShownMessageBox() == nullptr && ReadTexts() == TextsSeen{} &&
           focus.window == "frmcal" && focus.control == "txtnum";
  }

  void Perform(const Step& step) override {
    ASSERT_NE(program_, nullptr);
    ASSERT_TRUE(program_->Running()) << "the program has ended";
    EXPECT_TRUE(Give(step)) << "the step could not be given";
    Settle();
    // The boxes the step brought up, each read and closed with OK as the user would.
    for (HWND box = ShownMessageBox(); box != nullptr; box = ShownMessageBox()) {
      messages_.push_back(ReadMessageBox(box));
      EXPECT_TRUE(PressOk(box));
      Settle();
    }
  }

  [[nodiscard]] TextsSeen ReadTexts() override {
    return {ToUtf8(TextOf(Control("frmcal", "txtnum"))),
            ToUtf8(TextOf(Control("frmcal", "lblans"))),
            ToUtf8(TextOf(Control("frmcal", "LblSpc")))};
  }

  [[nodiscard]] FocusSeen ReadFocus() override {
    HWND calculator = Window("frmcal");
    HWND active = ActiveOf(calculator);
    HWND focus = FocusOf(calculator);
    for (std::size_t index = 0; index < app::kWindowClassCount; ++index) {
      const std::string_view name = app::ClassName(static_cast<app::WindowClass>(index));
      if (active != nullptr && Window(name) == active) {
        const std::string control =
            focus == nullptr || focus == active || IsChild(active, focus) == FALSE
                ? ""
                : std::string(runtime::win32::NameOf(DescriptionOf(name), GetDlgCtrlID(focus)));
        return {std::string(name), control};
      }
    }
    return {};
  }

  [[nodiscard]] WindowSeen ReadWindow(std::string_view window) override {
    if (!program_->Running()) {
      return {};
    }
    return {program_->CountWindows(DescriptionOf(window)), Shown(Window(window))};
  }

  [[nodiscard]] std::vector<MessageSeen> ReadMessages() override { return messages_; }

  [[nodiscard]] std::vector<std::string> ReadAnnouncements() override {
    listener_->Pump();
    return listener_->Heard();
  }

  [[nodiscard]] int ReadProcess() override {
    const std::optional<DWORD> code = program_->WaitForExit(kEndWithin);
    return code ? static_cast<int>(*code) : kRunning;
  }

  [[nodiscard]] int Dpi() override { return static_cast<int>(GetDpiForWindow(Window("frmcal"))); }

  [[nodiscard]] FrameSeen ReadFrame(std::string_view window) override {
    HWND found = Window(window);
    const LONG style = GetWindowLongW(found, GWL_STYLE);
    const runtime::PixelRect client = ClientAreaOnScreen(found);
    FrameSeen frame{ToUtf8(TitleOf(found)),
                    {client.width, client.height},
                    {client.left, client.top},
                    (style & WS_THICKFRAME) != 0 && (style & WS_MINIMIZEBOX) != 0 &&
                        (style & WS_MAXIMIZEBOX) != 0,
                    GetMenu(found) != nullptr,
                    {}};
    for (HWND child : ChildrenFrontToBack(found)) {
      frame.stacking.emplace_back(
          runtime::win32::NameOf(DescriptionOf(window), GetDlgCtrlID(child)));
    }
    return frame;
  }

  [[nodiscard]] std::optional<Rect> ReadRect(std::string_view window,
                                             std::string_view control) override {
    HWND found = Control(window, control);
    if (found == nullptr) {
      return std::nullopt;
    }
    const runtime::PixelRect rect = RectInParent(found);
    return Rect{rect.left, rect.top, rect.width, rect.height};
  }

  [[nodiscard]] std::string ReadAccessibleName(std::string_view window,
                                               std::string_view control) override {
    const std::optional<AccessibleSeen> seen = AccessibleOf(Control(window, control));
    if (!seen) {
      ADD_FAILURE() << "no MSAA object for " << window << "." << control;
      return {};
    }
    return ToUtf8(seen->name);
  }

  [[nodiscard]] Role ReadAccessibleRole(std::string_view window,
                                        std::string_view control) override {
    constexpr std::pair<LONG, Role> kRoles[] = {
        {ROLE_SYSTEM_PUSHBUTTON, Role::PushButton}, {ROLE_SYSTEM_TEXT, Role::Text},
        {ROLE_SYSTEM_STATICTEXT, Role::StaticText}, {ROLE_SYSTEM_GROUPING, Role::Grouping},
        {ROLE_SYSTEM_SEPARATOR, Role::Separator},   {ROLE_SYSTEM_GRAPHIC, Role::Graphic}};
    const std::optional<AccessibleSeen> seen = AccessibleOf(Control(window, control));
    return Translate(kRoles, seen ? seen->role : LONG{0}, Role::Other);
  }

  [[nodiscard]] std::string ReadAccessibleDescription(std::string_view window,
                                                      std::string_view control) override {
    const std::optional<AccessibleSeen> seen = AccessibleOf(Control(window, control));
    return seen ? ToUtf8(seen->description) : "";
  }

  [[nodiscard]] std::optional<FontSeen> ReadFont(std::string_view window,
                                                 std::string_view control) override {
    const std::optional<int> id = runtime::win32::IdOf(DescriptionOf(window), control);
    const InsideView* inside = Inside(window);
    if (!id || inside == nullptr) {
      return std::nullopt;
    }
    const auto font = std::ranges::find(inside->fonts, *id, &ControlFont::id);
    if (font == inside->fonts.end()) {
      return std::nullopt;
    }
    return FontSeen{ToUtf8(font->face), font->emHeight, font->weight >= FW_BOLD, font->decorated};
  }

  [[nodiscard]] std::vector<MenuSeen> ReadMenu() override {
    const InsideView* inside = Inside("frmcal");
    std::vector<MenuSeen> items;
    if (inside == nullptr) {
      return items;
    }
    const runtime::WindowDescription& description = DescriptionOf("frmcal");
    std::size_t menus = 0;
    for (const MenuItem& item : inside->menu) {
      const std::size_t tab = item.text.find(L'\t');
      // A menu on the bar carries no command id: it is known by its place on the bar.
      std::string name;
      if (item.depth == 0) {
        std::size_t seen = 0;
        for (const runtime::MenuEntry& entry : description.menu) {
          if (entry.depth == 0 && seen++ == menus) {
            name = entry.name;
          }
        }
        ++menus;
      } else {
        name = runtime::win32::NameOf(description, static_cast<int>(item.id));
      }
      items.push_back({name, ToUtf8(item.text.substr(0, tab)),
                       tab == std::wstring::npos ? "" : ToUtf8(item.text.substr(tab + 1))});
    }
    return items;
  }

  [[nodiscard]] std::string ReadTooltip(std::string_view window,
                                        std::string_view control) override {
    HWND found = Window(window);
    const runtime::PixelRect client = ClientAreaOnScreen(found);
    BringToFront(found);
    MoveTo({client.left, client.top});
    MoveTo(CentreOnScreen(Control(window, control)));
    std::wstring shown;
    (void)WaitUntil([&] {
      for (HWND tip : program_->WindowsOfClass(L"tooltips_class32")) {
        if (Shown(tip) && !(shown = TextOf(tip)).empty()) {
          return true;
        }
      }
      return false;
    });
    MoveTo({client.left, client.top});
    return ToUtf8(shown);
  }

 private:
  [[nodiscard]] HWND Window(std::string_view window) const {
    return program_->Window(DescriptionOf(window));
  }

  [[nodiscard]] HWND Control(std::string_view window, std::string_view control) const {
    return ControlOf(Window(window), DescriptionOf(window), control);
  }

  // Turns the step into input: SendInput for the user's keys and mouse, window messages for
  // an assistive tool's.
  bool Give(const Step& step) {
    HWND window = Window(step.window);
    HWND control = step.control.empty() ? nullptr : Control(step.window, step.control);
    switch (step.kind) {
      case Step::Kind::Type:
        return ClickInto(window, control) && Type(ToWide(step.text));
      case Step::Kind::TypeHere:
        return Type(ToWide(step.text));
      case Step::Kind::Click:
        if (control == nullptr) {
          return ChooseFromMenu(window, DescriptionOf(step.window), step.control);
        }
        return BringToFront(window) && ClickAt(CentreOnScreen(control));
      case Step::Kind::Press:
        return BringToFront(window) && Press(KeystrokeOf(step.key));
      case Step::Kind::SelectAll:
        return ClickInto(window, control) && SendMessageW(control, EM_SETSEL, 0, -1) != LRESULT{-1};
      case Step::Kind::Close:
        return ClickCloseBox(window);
      case Step::Kind::ToolSetText:
        return SetTextOf(control, ToWide(step.text));
      case Step::Kind::ToolPress:
        return Click(control);
    }
    return false;
  }

  // Clicks into a text box, as the user does before typing, and waits until it has the focus.
  static bool ClickInto(HWND window, HWND control) {
    return BringToFront(window) && ClickAt(CentreOnScreen(control)) &&
           WaitUntil([&] { return FocusOf(window) == control; });
  }

  // What the user could see change: the windows shown, the active window and focus, the
  // calculator's texts. A step is handled once it stays the same for a while, and what screen
  // readers were told of it is heard.
  [[nodiscard]] std::wstring Snapshot() const {
    std::wstring seen;
    for (HWND window : program_->WindowsOfClass(L"")) {
      seen +=
          std::to_wstring(reinterpret_cast<std::uintptr_t>(window)) + (Shown(window) ? L"+" : L"-");
    }
    HWND calculator = Window("frmcal");
    seen += std::to_wstring(reinterpret_cast<std::uintptr_t>(FocusOf(calculator)));
    for (const char* control : {"txtnum", "lblans", "LblSpc"}) {
      seen += L"|" + TextOf(Control("frmcal", control));
    }
    return seen;
  }

  void Settle() {
    std::wstring last = Snapshot();
    auto quietSince = std::chrono::steady_clock::now();
    (void)WaitUntil([&] {
      listener_->Pump();
      if (!program_->Running()) {
        return true;
      }
      std::wstring now = Snapshot();
      if (now != last) {
        last = std::move(now);
        quietSince = std::chrono::steady_clock::now();
      }
      return std::chrono::steady_clock::now() - quietSince >= kQuiet;
    });
    listener_->Pump();
  }

  [[nodiscard]] HWND ShownMessageBox() const {
    if (!program_->Running()) {
      return nullptr;
    }
    for (HWND box : program_->WindowsOfClass(kDialogClass)) {
      if (Shown(box)) {
        return box;
      }
    }
    return nullptr;
  }

  // A message box's text is its one static control with text; its owner is the window it
  // belongs to.
  [[nodiscard]] MessageSeen ReadMessageBox(HWND box) const {
    MessageSeen message{ToUtf8(TitleOf(box)), {}, {}};
    for (HWND child : ChildrenFrontToBack(box)) {
      if (lstrcmpiW(ClassOf(child).c_str(), L"Static") == 0 && !TextOf(child).empty()) {
        message.text = ToUtf8(TextOf(child));
      }
    }
    HWND owner = GetWindow(box, GW_OWNER);
    for (std::size_t index = 0; index < app::kWindowClassCount; ++index) {
      const std::string_view name = app::ClassName(static_cast<app::WindowClass>(index));
      if (owner != nullptr && Window(name) == owner) {
        message.owner = name;
      }
    }
    return message;
  }

  static bool PressOk(HWND box) {
    return Click(GetDlgItem(box, IDOK)) && WaitUntil([box] { return !Shown(box); });
  }

  // What the probe hook reads inside the program, once per window.
  const InsideView* Inside(std::string_view window) {
    const auto known = inside_.find(std::string(window));
    if (known != inside_.end()) {
      return &known->second;
    }
    std::optional<InsideView> inside = LookInside(Window(window), Settings().hookLibrary);
    if (!inside) {
      ADD_FAILURE() << "the probe hook does not answer in " << window;
      return nullptr;
    }
    return &inside_.emplace(std::string(window), std::move(*inside)).first->second;
  }

  std::unique_ptr<Program> program_;
  std::unique_ptr<LiveRegionListener> listener_;  // stops listening before the program goes
  std::vector<MessageSeen> messages_;
  std::map<std::string, InsideView, std::less<>> inside_;
};

}  // namespace
}  // namespace tests::behaviour::win32

namespace tests::behaviour {

std::unique_ptr<Driver> MakeDriver() {
  return std::make_unique<win32::Win32Driver>();
}

}  // namespace tests::behaviour
