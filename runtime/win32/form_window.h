// runtime::Window on Win32: one top-level window of ours built from its description, with
// its child controls, menu bar, shortcuts, dpi scaling and the road of a click to its handler.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "runtime/forms/click_dispatch.h"
#include "runtime/forms/forms.h"
#include "runtime/win32/controls.h"
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

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void BuildControls();
  void Place(int dpi);
  void PlaceOnScreen(int dpi);
  void SetIcons(int dpi);
  [[nodiscard]] ChildControl* ControlNamed(std::string_view name);
  [[nodiscard]] ChildControl* ControlWithId(int id);
  [[nodiscard]] COLORREF Background() const;
  void OnCommand(int id);
  [[nodiscard]] LRESULT DefaultButtonId() const;
  void Click(std::string_view control, int index);
  void AfterHiding();

  const WindowDescription& description_;
  Win32Forms& forms_;
  ClickHandlers handlers_;
  std::vector<ChildControl> controls_;  // front to back
  BrushHandle background_;
  IconHandle bigIcon_;
  IconHandle smallIcon_;
  AcceleratorHandle accelerators_;
  HWND tooltips_ = nullptr;   // owned by the window: destroyed with it
  HWND lastFocus_ = nullptr;  // the control that had the focus when the window lost it
  WindowHandle window_;       // destroyed first, before the objects it paints with
};

}  // namespace runtime::win32
