// runtime::Window on Qt: one window of ours as a top-level Qt window with the description's
// title, icon, frame, menu bar and placement, its controls at their fixed places in the client
// area, the tab order of their tab indexes, the keys a window of ours answers itself, each
// control bound once to its handler, and the announcements that follow its clicks.
#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/forms/click_dispatch.h"
#include "runtime/forms/forms.h"
#include "runtime/rules/announcements.h"
#include "runtime/rules/keyboard.h"

namespace runtime::qt {

class Announcer;
class QtForms;

class QtWindow final : public QMainWindow, public Window {
  Q_OBJECT

 public:
  // Builds the window, not yet shown. `forms` reports this window's errors and learns when it
  // is hidden; it must outlive the window, and the description too.
  QtWindow(const WindowDescription& description, std::vector<Binding> bindings, QtForms& forms);
  ~QtWindow() override;
  QtWindow(const QtWindow&) = delete;
  QtWindow& operator=(const QtWindow&) = delete;

  [[nodiscard]] const WindowDescription& Description() const override { return description_; }
  Status Show() override;
  Status Hide() override;
  [[nodiscard]] bool IsShown() const override;
  Status GetText(std::string_view control, std::string& text) override;
  Status SetText(std::string_view control, std::string_view text) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // One row of the control table with its widget and the handler of its clicks.
  struct BoundControl {
    const Control* row;
    QWidget* widget;
    ClickHandler handler;
  };

  void BuildMenu(std::vector<ClickHandler> handlers);
  // Adds the menu item or bar command of menu row `row` to `menu`, bound to `handler`.
  void AddCommand(QWidget* menu, std::size_t row, ClickHandler handler);
  void BuildControls(std::vector<ClickHandler> handlers);
  // Runs a click's handler, then has screen readers announce what it wrote to live labels.
  void Click(const ClickHandler& handler, int index);
  void SetTabOrder();
  void SetFrameAndPlace();
  [[nodiscard]] BoundControl* Find(std::string_view name);
  [[nodiscard]] const BoundControl* FindWidget(const QObject* widget) const;
  // Carries out what the keyboard rule decides for `event` with `focused` (null: the window)
  // having the focus; false when the key passes to the focused control.
  bool AnswerKey(const QKeyEvent& event, const BoundControl* focused);
  [[nodiscard]] bool IsMenuShortcut(const QKeyEvent& event) const;

  const WindowDescription& description_;
  QtForms& forms_;
  ErrorReport report_;
  std::vector<BoundControl> controls_;  // in table order; the handlers of menu items live in
                                        // their actions' connections
  std::vector<QKeySequence> menuShortcuts_;
  Announcements announcements_;
  Announcer* announcer_ = nullptr;  // a child of the window; null without live labels
};

}  // namespace runtime::qt
