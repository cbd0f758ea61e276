// Building a window from its description, the messages it answers, and its texts.
#include "runtime/win32/form_window.h"

#include <commctrl.h>

#include <algorithm>

#include "runtime/forms/click_dispatch.h"
#include "runtime/forms/runtime_error.h"
#include "runtime/rules/button_roles.h"
#include "runtime/rules/navigable_stacking.h"
#include "runtime/rules/tab_order.h"
#include "runtime/win32/appearance.h"
#include "runtime/win32/control_ids.h"
#include "runtime/win32/menu_bar.h"
#include "runtime/win32/text.h"
#include "runtime/win32/win32_forms.h"

namespace runtime::win32 {
namespace {

// Posted to a window once it was hidden: by the time it arrives, the event that hid it is
// handled, and the program ends if no window of ours is left shown.
constexpr UINT kCheckEndMessage = WM_APP + 1;

DWORD StyleOf(Border border) {
  const DWORD common = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  return border == Border::Sizable ? common | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX
                                   : common;
}

DWORD ExtendedStyleOf(Border border) {
  return border == Border::FixedDialog ? WS_EX_DLGMODALFRAME | WS_EX_APPWINDOW : WS_EX_APPWINDOW;
}

// The status of the system call that just failed.
Status LastErrorStatus() {
  const DWORD error = GetLastError();
  return error == 0 ? kFailed : Status{static_cast<std::int32_t>(HRESULT_FROM_WIN32(error))};
}

}  // namespace

FormWindow::FormWindow(const WindowDescription& description, std::vector<Binding> bindings,
                       Win32Forms& forms)
    : description_(description), forms_(forms), handlers_(std::move(bindings)) {
  const WindowProperties& properties = description_.properties;
  const auto fail = [&properties] {
    CheckStatus(LastErrorStatus(), properties.name, properties.name, Operation::Create);
  };
  HMENU menu = MakeMenuBar(description_.menu);
  if (menu == nullptr && !description_.menu.empty()) {
    fail();
  }
  window_.reset(CreateWindowExW(ExtendedStyleOf(properties.border), kFormClassName.data(),
                                ToWide(properties.title).c_str(), StyleOf(properties.border),
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                menu, GetModuleHandleW(nullptr), this));
  if (!window_) {
    DestroyMenu(menu);
    fail();
  }
  accelerators_ = MakeAccelerators(description_.menu);
  if (const std::optional<COLORREF> colour = ResolveColour(properties.background)) {
    background_.reset(CreateSolidBrush(*colour));
  }
  BuildControls();
  if (controls_.size() != description_.controls.size()) {
    fail();
  }
  const int dpi = static_cast<int>(GetDpiForWindow(window_.get()));
  Place(dpi);
  PlaceOnScreen(dpi);
  SetIcons(dpi);
  forms_.Windows().Add(*this);
}

FormWindow::~FormWindow() {
  forms_.Windows().Remove(*this);
}

void FormWindow::BuildControls() {
  // Made front to back, each behind the last, in an order that keeps the described look and
  // lets the dialog keys walk the tab order.
  const std::vector<const Control*> stacking = NavigableStacking(description_.controls);
  controls_.reserve(stacking.size());
  for (const Control* row : stacking) {
    ChildControl& control = controls_.emplace_back();
    control.row = row;
    control.id = ControlId(static_cast<std::size_t>(row - description_.controls.data()));
    if (!CreateChild(window_.get(), control)) {
      controls_.pop_back();
      return;
    }
  }
  for (const ChildControl& control : controls_) {
    if (control.row->tooltip.empty()) {
      continue;
    }
    if (tooltips_ == nullptr) {
      tooltips_ =
          CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, window_.get(), nullptr, nullptr, nullptr);
    }
    std::wstring text = ToWide(control.row->tooltip);
    TOOLINFOW tool{};
    // The size every version of the common controls accepts.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_.get();
    tool.uId = reinterpret_cast<UINT_PTR>(control.handle);
    tool.lpszText = text.data();
    if (tooltips_ != nullptr) {
      SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
}

void FormWindow::Place(int dpi) {
  for (ChildControl& control : controls_) {
    PlaceChild(control, description_.properties.font, dpi);
  }
}

void FormWindow::PlaceOnScreen(int dpi) {
  const WindowProperties& properties = description_.properties;
  HWND window = window_.get();
  const int clientWidth = TwipsToPixels(properties.clientWidth, dpi);
  const int clientHeight = TwipsToPixels(properties.clientHeight, dpi);
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectExForDpi(
      &frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), GetMenu(window) != nullptr,
      static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), static_cast<UINT>(dpi));
  PixelRect wanted{0, 0, frame.right - frame.left, frame.bottom - frame.top};
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (properties.startPosition) {
    const PixelPoint client = ToPixels(*properties.startPosition, dpi);
    wanted.left = client.x + frame.left;
    wanted.top = client.y + frame.top;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromPoint(POINT{client.x, client.y}, MONITOR_DEFAULTTONEAREST),
                        &monitor)) {
      const RECT& work = monitor.rcWork;
      wanted = runtime::PlaceOnScreen(
          wanted, {work.left, work.top, work.right - work.left, work.bottom - work.top});
    }
  } else {
    flags |= SWP_NOMOVE;  // the platform places the window
  }
  SetWindowPos(window, nullptr, wanted.left, wanted.top, wanted.width, wanted.height, flags);
  // A menu bar that wraps takes more than the one line the frame allowed for: the client
  // area keeps its size all the same.
  RECT client{};
  GetClientRect(window, &client);
  const int missing = clientHeight - (client.bottom - client.top);
  if (missing != 0) {
    SetWindowPos(window, nullptr, 0, 0, wanted.width, wanted.height + missing,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void FormWindow::SetIcons(int dpi) {
  const Asset icon = description_.properties.icon;
  bigIcon_ = IconOfSize(icon, GetSystemMetricsForDpi(SM_CXICON, static_cast<UINT>(dpi)));
  smallIcon_ = IconOfSize(icon, GetSystemMetricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi)));
  SendMessageW(window_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  SendMessageW(window_.get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

Status FormWindow::Show() {
  HWND window = window_.get();
  // A window the user closed is only hidden, so it comes back as it was; showing a shown
  // window again brings it to the front.
  ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(window);
  return kOk;
}

Status FormWindow::Hide() {
  // A window never shown is built already and stays invisible.
  ShowWindow(window_.get(), SW_HIDE);
  AfterHiding();
  return kOk;
}

bool FormWindow::IsShown() const {
  return IsWindowVisible(window_.get()) != FALSE;
}

Status FormWindow::GetText(std::string_view control, std::string& text) {
  const ChildControl* child = ControlNamed(control);
  if (child == nullptr || !HoldsText(child->row->kind)) {
    return kFailed;
  }
  text = ToUtf8(WindowText(child->handle));
  return kOk;
}

Status FormWindow::SetText(std::string_view control, std::string_view text) {
  ChildControl* child = ControlNamed(control);
  if (child == nullptr || !HoldsText(child->row->kind)) {
    return kFailed;
  }
  if (!SetWindowTextW(child->handle, ToWide(text).c_str())) {
    return LastErrorStatus();
  }
  if (child->row->kind == ControlKind::Label) {
    // A self-sizing label takes the size of its new caption.
    PlaceChild(*child, description_.properties.font,
               static_cast<int>(GetDpiForWindow(window_.get())));
  }
  return kOk;
}

FormWindow* FormWindow::Of(HWND window) {
  wchar_t className[32] = {};
  if (window == nullptr || GetClassNameW(window, className, 32) == 0 ||
      kFormClassName != className) {
    return nullptr;
  }
  return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

ChildControl* FormWindow::ControlNamed(std::string_view name) {
  const auto found =
      std::ranges::find(controls_, name, [](const ChildControl& each) { return each.row->name; });
  return found == controls_.end() ? nullptr : &*found;
}

ChildControl* FormWindow::ControlWithId(int id) {
  const auto found = std::ranges::find(controls_, id, &ChildControl::id);
  return found == controls_.end() ? nullptr : &*found;
}

COLORREF FormWindow::Background() const {
  return ResolveColour(description_.properties.background).value_or(GetSysColor(COLOR_BTNFACE));
}

LRESULT CALLBACK FormWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    return DefWindowProcW(window, message, wParam, lParam);
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  }
  // Until the window handle is stored, the window is not ready for its own messages.
  if (self == nullptr || !self->window_) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->Handle(message, wParam, lParam);
}

LRESULT FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = window_.get();
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(window, &client);
      const BrushHandle system(background_ ? nullptr : CreateSolidBrush(Background()));
      FillRect(reinterpret_cast<HDC>(wParam), &client,
               background_ ? background_.get() : system.get());
      return 1;
    }
    case WM_CTLCOLORSTATIC:
      if (const ChildControl* frame = ControlWithId(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
          frame != nullptr && frame->row->kind == ControlKind::Frame) {
        // The frame's caption in its colours; the face behind it is the window's.
        auto* dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc,
                     ResolveColour(frame->row->foreColour).value_or(GetSysColor(COLOR_BTNTEXT)));
        SetBkColor(dc, ResolveColour(frame->row->backColour).value_or(Background()));
        if (background_) {
          return reinterpret_cast<LRESULT>(background_.get());
        }
      }
      break;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (const ChildControl* control = ControlWithId(static_cast<int>(item.CtlID))) {
        PaintChild(item, *control, Surface{Background(), controls_});
        return TRUE;
      }
      break;
    }
    case WM_COMMAND:
      if (lParam == 0 || HIWORD(wParam) == BN_CLICKED) {
        OnCommand(LOWORD(wParam));
      }
      return 0;
    case DM_GETDEFID:
      return DefaultButtonId();
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        lastFocus_ = focus != nullptr && IsChild(window, focus) ? focus : lastFocus_;
        return 0;
      }
      [[fallthrough]];
    case WM_SETFOCUS: {
      // The window gives the focus back to the control that had it, or at first to its first
      // tab stop.
      HWND target = lastFocus_;
      if (target == nullptr) {
        const std::vector<const Control*> order = TabOrder(description_.controls);
        const ChildControl* first = order.empty() ? nullptr : ControlNamed(order.front()->name);
        target = first != nullptr ? first->handle : nullptr;
      }
      if (target != nullptr) {
        SetFocus(target);
        return 0;
      }
      break;
    }
    case WM_CLOSE:
      // The close box only hides the window: its instance lives on and can be shown again.
      ShowWindow(window, SW_HIDE);
      AfterHiding();
      return 0;
    case WM_DPICHANGED: {
      const int dpi = LOWORD(wParam);
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      Place(dpi);
      SetIcons(dpi);
      SetWindowPos(window, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case kCheckEndMessage:
      forms_.Windows().EndProgramIfNoneShown(forms_);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void FormWindow::OnCommand(int id) {
  // Enter and Esc, from the dialog keys: only a cancel button answers Esc; Enter reaches the
  // default button through DM_GETDEFID, and nothing otherwise.
  if (id == IDCANCEL) {
    if (const Control* cancel = ButtonWithRole(description_.controls, ButtonRole::Cancel)) {
      Click(cancel->name, 0);
    }
    return;
  }
  const std::string_view name = NameOf(description_, id);
  if (const MenuEntry* entry = FindMenuEntry(description_, name)) {
    Click(name, entry->index);
  } else if (const Control* control = FindControl(description_, name);
             control != nullptr && control->kind == ControlKind::PushButton) {
    Click(name, 0);
  }
}

LRESULT FormWindow::DefaultButtonId() const {
  // A focused push button is pressed by Enter; otherwise the window's default button, if any.
  HWND focus = GetFocus();
  for (const ChildControl& control : controls_) {
    if (control.row->kind == ControlKind::PushButton && control.handle == focus) {
      return MAKELRESULT(control.id, DC_HASDEFID);
    }
  }
  const Control* byDefault = ButtonWithRole(description_.controls, ButtonRole::Default);
  const auto button = std::ranges::find(controls_, byDefault, &ChildControl::row);
  return byDefault != nullptr && button != controls_.end() ? MAKELRESULT(button->id, DC_HASDEFID)
                                                           : 0;
}

void FormWindow::Click(std::string_view control, int index) {
  handlers_.Click(control, *this, index,
                  [this](const std::exception& error) { forms_.Report(window_.get(), error); });
}

void FormWindow::AfterHiding() {
  PostMessageW(window_.get(), kCheckEndMessage, 0, 0);
}

}  // namespace runtime::win32
