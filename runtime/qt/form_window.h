// One window of ours as Qt widgets: a top-level window with the description's title, icon,
// frame, menu bar and placement, its controls at their fixed places in the client area, the
// tab order of their tab indexes, and the keys a window of ours answers itself.
#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <QPushButton>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/forms/window_description.h"

namespace runtime::qt {

class FormWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Receives every click of a push button (index 0) or a menu item (its index).
  using ClickSink = std::function<void(std::string_view control, int index)>;

  // `closed` runs after the user closed the window with its close box.
  FormWindow(const WindowDescription& description, ClickSink clicks,
             std::function<void()> closed = {});

  // The widget of a control, or nullptr when the description has none of that name.
  [[nodiscard]] QWidget* ControlWidget(std::string_view name) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildMenu(std::span<const MenuEntry> menu);
  // Adds the menu item or bar command of `entry` to `menu`, wired to its click.
  void AddCommand(QWidget* menu, const MenuEntry& entry);
  [[nodiscard]] QPushButton* ButtonNamed(const Control* control) const;
  void BuildControls(const WindowDescription& description);
  void SetTabOrder(std::span<const Control> controls);
  void SetFrameAndPlace(const WindowProperties& properties);
  void Click(std::string_view control, int index);
  [[nodiscard]] bool IsMenuShortcut(const QKeyEvent& event) const;

  ClickSink clicks_;
  std::function<void()> closed_;
  std::map<std::string, QWidget*, std::less<>> controls_;
  std::vector<QKeySequence> menuShortcuts_;
  QPushButton* defaultButton_ = nullptr;  // pressed by Enter wherever the focus is
  QPushButton* cancelButton_ = nullptr;   // pressed by Esc
};

}  // namespace runtime::qt
