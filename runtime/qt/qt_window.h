// runtime::Window on Qt: one window instance with its widgets, its texts read and written
// by control name, and its clicks run through the click dispatcher.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "runtime/forms.h"
#include "runtime/qt/form_window.h"

namespace runtime::qt {

class QtWindow final : public Window {
 public:
  // Shows a message about an error that stopped a handler of this window.
  using Reporter = std::function<void(QWidget* window, const std::exception& error)>;

  QtWindow(const WindowDescription& description, std::vector<Binding> bindings, Reporter reporter);
  ~QtWindow() override;
  QtWindow(const QtWindow&) = delete;
  QtWindow& operator=(const QtWindow&) = delete;

  [[nodiscard]] const WindowDescription& Description() const override { return description_; }
  Status Show() override;
  Status Hide() override;
  Status GetText(std::string_view control, std::string& text) override;
  Status SetText(std::string_view control, std::string_view text) override;

 private:
  void OnClick(std::string_view control, int index);

  const WindowDescription& description_;
  std::map<std::string, ClickHandler, std::less<>> handlers_;
  Reporter reporter_;
  std::unique_ptr<FormWindow> window_;
};

}  // namespace runtime::qt
