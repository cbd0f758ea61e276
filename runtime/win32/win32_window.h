// runtime::Window on Win32: one top-level window of ours built from its description, with
// its child controls, menu bar, shortcuts, dpi scaling, the keys it answers itself, and each
// control and menu item bound once to its handler by its command id.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "runtime/forms/click_dispatch.h"
#include "runtime/forms/forms.h"
#include "runtime/rules/announcements.h"
#include "runtime/win32/brushes.h"
#include "runtime/win32/controls.h"
#include "runtime/win32/font_cache.h"
#include "runtime/win32/handles.h"

namespace runtime::win32 {

class Win32Forms;

class Win32Window final : public Window {
 public:
  // Builds the window, hidden. Throws RuntimeError (operation Create) when the system refuses
  // any part of it; nothing of it is then left. `forms` must outlive the window.
  Win32Window(const WindowDescription& description, std::vector<Binding> bindings,
              Win32Forms& forms);
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  // The Window calls.
  Status GetText(std::string_view control, std::string& text) override;
  Status SetText(std::string_view control, std::string_view text) override;
  Status Show() override;
  Status Hide() override;
  [[nodiscard]] bool IsShown() const override;
  [[nodiscard]] const WindowDescription& Description() const override { return description_; }

  // The window of ours that `window` is, or nullptr.
  [[nodiscard]] static Win32Window* Of(HWND window);
  // The shortcuts to translate before anything else sees a key; null without any.
  [[nodiscard]] HACCEL Accelerators() const { return accelerators_.get(); }
  // Carries out what the keyboard rule decides for Enter, Esc and the arrows pressed in this
  // window, before the dialog keys see them. True when `message` was such a key and is
  // handled; false when it passes on to the focused control.
  bool AnswerKey(const MSG& message);

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  // Runs a click's handler, then has screen readers announce what it wrote.
  void Click(const ClickHandler& handler, int index);
  // Makes the controls in their places for `dpi`.
  void BuildControls(int dpi);
  // The font of `row` at `dpi`; null (the system's) when it cannot be made.
  [[nodiscard]] HFONT FontOf(const Control& row, int dpi);
  // Gives every control its font and place for a new `dpi`.
  void Place(int dpi);
  // The window's frame around its client area at (0, 0), at `dpi`, made or not.
  [[nodiscard]] RECT FrameAround(int dpi) const;
  // The window's frame at `dpi` where it belongs: at its start position, kept on its screen;
  // without one, left and top are CW_USEDEFAULT, for the platform to choose.
  [[nodiscard]] PixelRect WantedFrame(int dpi) const;
  void MoveOntoScreen(int dpi);
  void FitClientArea(int dpi);
  void SetIcons(int dpi);
  // What the window gets once it first painted: its icons and tooltips.
  void AfterFirstPaint();
  void OnDpiChanged(int dpi, const RECT& suggested);
  [[nodiscard]] ChildControl* ControlNamed(std::string_view name);
  [[nodiscard]] ChildControl* ControlWithId(int id);
  [[nodiscard]] ChildControl* ControlWithHandle(HWND handle);
  [[nodiscard]] COLORREF Background() const;
  [[nodiscard]] HBRUSH BackgroundBrush();
  void OnCommand(int id);
  [[nodiscard]] LRESULT DefaultButtonId() const;
  void AfterHiding();

  // Destroys a window of ours once it no longer leads to its object: messages sent while
  // it is destroyed never reach a half-destroyed Win32Window.
  struct DetachingWindowDeleter {
    void operator()(HWND window) const;
  };

  const WindowDescription& description_;
  Win32Forms& forms_;
  ErrorReport report_;
  std::vector<ChildControl> controls_;  // front to back, each with its handler
  std::vector<ChildControl*> byRow_;  // the same by row of the control table: id - kFirstControlId
  std::vector<ClickHandler> commands_;  // by row of the menu table: id - kFirstMenuId
  Announcements announcements_;
  ChildControl* carrier_ = nullptr;  // the label that carries the announcements; null: none
  FontCache fonts_;
  Brushes brushes_;
  IconHandle bigIcon_;
  IconHandle smallIcon_;
  AcceleratorHandle accelerators_;
  int dpi_ = kStandardDpi;  // the dpi the window is laid out for
  bool firstPainted_ = false;
  HWND tooltips_ = nullptr;   // owned by the window: destroyed with it
  HWND lastFocus_ = nullptr;  // the control that had the focus when the window lost it
  // Destroyed first, before the objects it paints with.
  std::unique_ptr<std::remove_pointer_t<HWND>, DetachingWindowDeleter> window_;
};

}  // namespace runtime::win32
