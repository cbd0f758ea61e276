// runtime::Window on Win32: one top-level window of ours built from its description, with
// its child controls, menu bar, shortcuts, dpi scaling and the road of a click to its handler.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "runtime/forms/click_dispatch.h"
#include "runtime/forms/forms.h"
#include "runtime/win32/brushes.h"
#include "runtime/win32/controls.h"
#include "runtime/win32/font_cache.h"
#include "runtime/win32/handles.h"

namespace runtime::win32 {

class Win32Forms;

class FormWindow final : public Window {
 public:
  // Builds the window, hidden. Throws RuntimeError (operation Create) when the system refuses
  // any part of it; nothing of it is then left. `forms` must outlive the window.
  FormWindow(const WindowDescription& description, std::vector<Binding> bindings,
             Win32Forms& forms);
  ~FormWindow() override;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // The Window calls.
  Status GetText(std::string_view control, std::string& text) override;
  Status SetText(std::string_view control, std::string_view text) override;
  Status Show() override;
  Status Hide() override;
  [[nodiscard]] bool IsShown() const override;
  [[nodiscard]] const WindowDescription& Description() const override { return description_; }

  // The window of ours that `window` is, or nullptr.
  [[nodiscard]] static FormWindow* Of(HWND window);
  // The shortcuts to translate before anything else sees a key; null without any.
  [[nodiscard]] HACCEL Accelerators() const { return accelerators_.get(); }
  // An arrow key pressed on a push button moves the focus along the tab order, as in any
  // dialog: Right and Down to the next control, Left and Up to the previous one. True when
  // `message` was such a key and is handled; a text box keeps its arrows for the caret.
  bool ArrowMovesFocus(const MSG& message);

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void BuildControls();
  void Place(int dpi);
  void MoveOntoScreen(int dpi);
  // The window's frame around its client area at (0, 0), at `dpi`.
  [[nodiscard]] RECT FrameAround(int dpi) const;
  void FitClientArea(int dpi);
  void SetIcons(int dpi);
  void OnDpiChanged(int dpi, const RECT& suggested);
  [[nodiscard]] ChildControl* ControlNamed(std::string_view name);
  [[nodiscard]] ChildControl* ControlWithId(int id);
  [[nodiscard]] COLORREF Background() const;
  [[nodiscard]] HBRUSH BackgroundBrush();
  void OnCommand(int id);
  [[nodiscard]] LRESULT DefaultButtonId() const;
  void Click(std::string_view control, int index);
  void AfterHiding();

  // Destroys a window of ours once it no longer leads to its object: messages sent while
  // it is destroyed never reach a half-destroyed FormWindow.
  struct DetachingWindowDeleter {
    void operator()(HWND window) const;
  };

  const WindowDescription& description_;
  Win32Forms& forms_;
  ClickHandlers handlers_;
  std::vector<ChildControl> controls_;  // front to back
  FontCache fonts_;
  Brushes brushes_;
  IconHandle bigIcon_;
  IconHandle smallIcon_;
  AcceleratorHandle accelerators_;
  int dpi_ = kStandardDpi;  // the dpi the window is laid out for
  bool tooltipsAsked_ = false;
  HWND tooltips_ = nullptr;   // owned by the window: destroyed with it
  HWND lastFocus_ = nullptr;  // the control that had the focus when the window lost it
  // Destroyed first, before the objects it paints with.
  std::unique_ptr<std::remove_pointer_t<HWND>, DetachingWindowDeleter> window_;
};

}  // namespace runtime::win32
