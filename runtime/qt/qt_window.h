// runtime::Window on Qt: one window instance with its widgets, its texts read and written
// by control name, and its clicks run through the click dispatcher.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "runtime/forms/click_dispatch.h"
#include "runtime/forms/forms.h"
#include "runtime/qt/form_window.h"

namespace runtime::qt {

class QtForms;

class QtWindow final : public Window {
 public:
  // `forms` reports this window's errors and learns when it is hidden; it must outlive it.
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

 private:
  void OnClick(std::string_view control, int index);

  const WindowDescription& description_;
  ClickHandlers handlers_;
  QtForms& forms_;
  std::unique_ptr<FormWindow> window_;
};

}  // namespace runtime::qt
