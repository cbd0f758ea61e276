// Building a window from its description and binding its clicks, the messages and keys it
// answers, and its texts.
#include "runtime/win32/win32_window.h"

#include <algorithm>
#include <optional>
#include <string>

#include "runtime/forms/click_dispatch.h"
#include "runtime/forms/runtime_error.h"
#include "runtime/rules/keyboard.h"
#include "runtime/rules/navigable_stacking.h"
#include "runtime/rules/tab_order.h"
#include "runtime/win32/appearance.h"
#include "runtime/win32/control_ids.h"
#include "runtime/win32/last_error.h"
#include "runtime/win32/menu_bar.h"
#include "runtime/win32/screen_reader.h"
#include "runtime/win32/text.h"
#include "runtime/win32/tooltips.h"
#include "runtime/win32/win32_forms.h"

namespace runtime::win32 {
namespace {

// Posted to a window once it was hidden: by the time it arrives, the event that hid it is
// handled, and the program ends if no window of ours is left shown.
constexpr UINT kCheckEndMessage = WM_APP + 1;
// Posted at the window's first paint: the icons and the tooltips come once the window is up.
// Neither is needed to paint it, and each costs the start-up time: the tooltips load the
// common controls, and Wine's X11 driver turns each icon into a property of the X window.
constexpr UINT kAfterFirstPaintMessage = WM_APP + 2;

DWORD StyleOf(Border border) {
  const DWORD common = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  return border == Border::Sizable ? common | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX
                                   : common;
}

DWORD ExtendedStyleOf(Border border) {
  return border == Border::FixedDialog ? WS_EX_DLGMODALFRAME | WS_EX_APPWINDOW : WS_EX_APPWINDOW;
}

}  // namespace

Win32Window::Win32Window(const WindowDescription& description, std::vector<Binding> bindings,
                         Win32Forms& forms)
    : description_(description),
      forms_(forms),
      report_([this](const std::exception& error) { forms_.Report(window_.get(), error); }),
      announcements_(description_) {
  const WindowProperties& properties = description_.properties;
  const auto fail = [&properties] {
    CheckStatus(LastErrorStatus(), properties.name, properties.name, Method::Create);
  };
  HMENU menu = MakeMenuBar(description_.menu);
  if (menu == nullptr && !description_.menu.empty()) {
    fail();
  }
  // Made where it belongs at the system's dpi, which is the window's own unless it opens on a
  // screen of another: moving a window once it is made costs a round of messages.
  const int plannedDpi = static_cast<int>(GetDpiForSystem());
  const PixelRect frame = WantedFrame(plannedDpi);
  window_.reset(CreateWindowExW(ExtendedStyleOf(properties.border), kFormClassName.data(),
                                ToWide(properties.title).c_str(), StyleOf(properties.border),
                                frame.left, frame.top, frame.width, frame.height, nullptr, menu,
                                GetModuleHandleW(nullptr), this));
  if (!window_) {
    const Status refused = LastErrorStatus();
    DestroyMenu(menu);
    CheckStatus(refused, properties.name, properties.name, Method::Create);
  }
  // Without the table the menu items still work, by the mouse and by the menu keys.
  SetLastError(ERROR_SUCCESS);
  accelerators_ = MakeAccelerators(description_.menu);
  if (!accelerators_ && GetLastError() != ERROR_SUCCESS) {
    forms_.Shortfalls().Note(Shortfall::Shortcuts, GetLastError());
  }
  const int dpi = static_cast<int>(GetDpiForWindow(window_.get()));
  dpi_ = dpi;
  BuildControls(dpi);
  if (controls_.size() != description_.controls.size()) {
    fail();
  }
  HandlersByRow handlers = BindByRow(description_, std::move(bindings));
  for (std::size_t row = 0; row < byRow_.size(); ++row) {
    byRow_[row]->handler = std::move(handlers.controls[row]);
  }
  commands_ = std::move(handlers.menu);
  if (const Control* carrier = announcements_.Carrier()) {
    carrier_ = byRow_[static_cast<std::size_t>(carrier - description_.controls.data())];
    CarryAnnouncements(*carrier_);
  }
  if (dpi != plannedDpi) {
    MoveOntoScreen(dpi);
  } else {
    FitClientArea(dpi);
  }
  forms_.Windows().Add(*this);
}

Win32Window::~Win32Window() {
  forms_.Windows().Remove(*this);
}

void Win32Window::DetachingWindowDeleter::operator()(HWND window) const {
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
}

void Win32Window::BuildControls(int dpi) {
  // Made front to back, each behind the last, in an order that keeps the described look and
  // lets the dialog keys walk the tab order.
  const std::vector<const Control*> stacking = NavigableStacking(description_.controls);
  controls_.reserve(stacking.size());
  byRow_.resize(stacking.size());
  for (const Control* row : stacking) {
    const auto rowIndex = static_cast<std::size_t>(row - description_.controls.data());
    ChildControl& control = controls_.emplace_back();
    control.row = row;
    control.id = ControlId(rowIndex);
    if (!CreateChild(window_.get(), control, FontOf(*row, dpi), dpi) ||
        !AnswerScreenReaders(control)) {
      controls_.pop_back();
      return;
    }
    byRow_[rowIndex] = &control;
    if (row->kind == ControlKind::Picture && !control.picture) {
      forms_.Shortfalls().Note(Shortfall::Pictures, static_cast<DWORD>(E_FAIL));
    }
  }
}

HFONT Win32Window::FontOf(const Control& row, int dpi) {
  HFONT font = fonts_.At(row.font.value_or(description_.properties.font), dpi);
  if (font == nullptr) {
    forms_.Shortfalls().Note(Shortfall::Fonts, GetLastError());
  }
  return font;
}

void Win32Window::Place(int dpi) {
  for (ChildControl& control : controls_) {
    PlaceChild(control, FontOf(*control.row, dpi), dpi);
  }
  // Every control holds its font for `dpi` now: those of the old dpi can go.
  fonts_.KeepOnly(dpi);
  dpi_ = dpi;
}

RECT Win32Window::FrameAround(int dpi) const {
  const Border border = description_.properties.border;
  const RECT client{0, 0, TwipsToPixels(description_.properties.clientWidth, dpi),
                    TwipsToPixels(description_.properties.clientHeight, dpi)};
  RECT frame = client;
  // Should the system refuse, the frame is taken as the client area: FitClientArea then
  // grows the window by what its borders take.
  return AdjustWindowRectExForDpi(&frame, StyleOf(border), !description_.menu.empty(),
                                  ExtendedStyleOf(border), static_cast<UINT>(dpi)) != FALSE
             ? frame
             : client;
}

void Win32Window::FitClientArea(int dpi) {
  // A menu bar that wraps takes more than the one line the frame allowed for, and a frame
  // sized for a dpi the window does not have yet is off by its borders: the client area
  // keeps the described size all the same.
  HWND window = window_.get();
  RECT client{};
  RECT frame{};
  if (!GetClientRect(window, &client) || !GetWindowRect(window, &frame)) {
    return;
  }
  const int missingWidth =
      TwipsToPixels(description_.properties.clientWidth, dpi) - (client.right - client.left);
  const int missingHeight =
      TwipsToPixels(description_.properties.clientHeight, dpi) - (client.bottom - client.top);
  if (missingWidth != 0 || missingHeight != 0) {
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + missingWidth,
                 frame.bottom - frame.top + missingHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

PixelRect Win32Window::WantedFrame(int dpi) const {
  const std::optional<Point>& start = description_.properties.startPosition;
  const RECT frame = FrameAround(dpi);
  PixelRect wanted{CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                   frame.bottom - frame.top};
  if (start) {
    const PixelPoint client = ToPixels(*start, dpi);
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
  }
  return wanted;
}

void Win32Window::MoveOntoScreen(int dpi) {
  const PixelRect wanted = WantedFrame(dpi);
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (wanted.left == CW_USEDEFAULT) {
    flags |= SWP_NOMOVE;
  }
  SetWindowPos(window_.get(), nullptr, wanted.left, wanted.top, wanted.width, wanted.height, flags);
  FitClientArea(dpi);
}

void Win32Window::OnDpiChanged(int dpi, const RECT& suggested) {
  // The new dpi comes from the message: the window's own may not have changed yet. The
  // client area's size comes from the description, the place from the system's suggestion.
  Place(dpi);
  SetIcons(dpi);
  const RECT frame = FrameAround(dpi);
  SetWindowPos(window_.get(), nullptr, suggested.left, suggested.top, frame.right - frame.left,
               frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
  FitClientArea(dpi);
}

void Win32Window::SetIcons(int dpi) {
  const Asset icon = description_.properties.icon;
  IconHandle big = IconOfSize(icon, GetSystemMetricsForDpi(SM_CXICON, static_cast<UINT>(dpi)));
  IconHandle small = IconOfSize(icon, GetSystemMetricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi)));
  if ((!big || !small) && !icon.empty()) {
    forms_.Shortfalls().Note(Shortfall::Icons, GetLastError());
  }
  // The window takes the new icons before the old ones are freed, so that it never draws
  // with a freed one.
  SendMessageW(window_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
  SendMessageW(window_.get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
  bigIcon_ = std::move(big);
  smallIcon_ = std::move(small);
}

void Win32Window::AfterFirstPaint() {
  SetIcons(dpi_);
  tooltips_ = AddTooltips(window_.get(), controls_, forms_.Shortfalls());
}

Status Win32Window::Show() {
  HWND window = window_.get();
  ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(window);
  return kOk;
}

Status Win32Window::Hide() {
  ShowWindow(window_.get(), SW_HIDE);
  AfterHiding();
  return kOk;
}

bool Win32Window::IsShown() const {
  return IsWindowVisible(window_.get()) != FALSE;
}

Status Win32Window::GetText(std::string_view control, std::string& text) {
  const ChildControl* child = ControlNamed(control);
  if (child == nullptr || !HoldsText(child->row->kind)) {
    return kFailed;
  }
  text = ToUtf8(WindowText(child->handle));
  return kOk;
}

Status Win32Window::SetText(std::string_view control, std::string_view text) {
  ChildControl* child = ControlNamed(control);
  if (child == nullptr || !HoldsText(child->row->kind)) {
    return kFailed;
  }
  if (!SetWindowTextW(child->handle, ToWide(text).c_str())) {
    return LastErrorStatus();
  }
  announcements_.Written(*child->row, text);
  if (child->row->kind == ControlKind::Label) {
    // A self-sizing label takes the size of its new caption, in the font it has.
    PlaceChild(*child, child->font, dpi_);
  }
  return kOk;
}

Win32Window* Win32Window::Of(HWND window) {
  wchar_t className[32] = {};
  if (window == nullptr || GetClassNameW(window, className, 32) == 0 ||
      kFormClassName != className) {
    return nullptr;
  }
  return reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

ChildControl* Win32Window::ControlNamed(std::string_view name) {
  const auto found =
      std::ranges::find(controls_, name, [](const ChildControl& each) { return each.row->name; });
  return found == controls_.end() ? nullptr : &*found;
}

ChildControl* Win32Window::ControlWithId(int id) {
  const int row = id - kFirstControlId;
  return row >= 0 && static_cast<std::size_t>(row) < byRow_.size()
             ? byRow_[static_cast<std::size_t>(row)]
             : nullptr;
}

ChildControl* Win32Window::ControlWithHandle(HWND handle) {
  const auto found = std::ranges::find(controls_, handle, &ChildControl::handle);
  return found == controls_.end() ? nullptr : &*found;
}

COLORREF Win32Window::Background() const {
  return ResolveColour(description_.properties.background).value_or(GetSysColor(COLOR_BTNFACE));
}

HBRUSH Win32Window::BackgroundBrush() {
  return brushes_.Of(description_.properties.background, GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK Win32Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    return DefWindowProcW(window, message, wParam, lParam);
  }
  auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  }
  // Until the window handle is stored, the window is not ready for its own messages.
  if (self == nullptr || !self->window_) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->Handle(message, wParam, lParam);
}

LRESULT Win32Window::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = window_.get();
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, BackgroundBrush());
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
        return reinterpret_cast<LRESULT>(BackgroundBrush());
      }
      break;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (const ChildControl* control = ControlWithId(static_cast<int>(item.CtlID))) {
        PaintChild(item, *control, Surface{BackgroundBrush(), controls_, brushes_});
        return TRUE;
      }
      break;
    }
    case WM_PAINT:
      if (!firstPainted_) {
        firstPainted_ = true;
        if (!PostMessageW(window, kAfterFirstPaintMessage, 0, 0)) {
          AfterFirstPaint();  // at once, then
        }
      }
      break;
    case kAfterFirstPaintMessage:
      AfterFirstPaint();
      return 0;
    case WM_SYSCOLORCHANGE:
      // The system's brushes have their new colours already: everything paints again with
      // them. Common controls learn of the change from their parent.
      if (tooltips_ != nullptr) {
        SendMessageW(tooltips_, WM_SYSCOLORCHANGE, wParam, lParam);
      }
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      return 0;
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
        const ChildControl* first =
            order.empty()
                ? nullptr
                : byRow_[static_cast<std::size_t>(order.front() - description_.controls.data())];
        target = first != nullptr ? first->handle : nullptr;
      }
      if (target != nullptr) {
        SetFocus(target);
        return 0;
      }
      break;
    }
    case WM_NEXTDLGCTL: {
      // As a dialog answers it: the control given, or the next or previous tab stop.
      HWND target = LOWORD(lParam) != 0
                        ? reinterpret_cast<HWND>(wParam)
                        : GetNextDlgTabItem(window, GetFocus(), static_cast<BOOL>(wParam != 0));
      if (target != nullptr && IsChild(window, target)) {
        SetFocus(target);
      }
      return 0;
    }
    case WM_CLOSE:
      ShowWindow(window, SW_HIDE);
      AfterHiding();
      return 0;
    case WM_GETDPISCALEDSIZE: {
      // The size the window will have at the new dpi, from its description, so that the
      // system suggests a place for that size.
      const RECT frame = FrameAround(static_cast<int>(wParam));
      *reinterpret_cast<SIZE*>(lParam) = SIZE{frame.right - frame.left, frame.bottom - frame.top};
      return TRUE;
    }
    case WM_DPICHANGED:
      OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case kCheckEndMessage:
      if (forms_.Windows().NoneShown()) {
        forms_.EndProgram();
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Window::OnCommand(int id) {
  // A control's click or a menu item's, straight to its handler by the id's row. The dialog
  // keys' own commands (IDOK, IDCANCEL) come here too and find nothing: AnswerKey has pressed
  // whatever Enter and Esc press already.
  if (const ChildControl* control = ControlWithId(id)) {
    if (control->row->kind == ControlKind::PushButton && control->handler) {
      Click(control->handler, 0);
    }
    return;
  }
  const int row = id - kFirstMenuId;
  if (row >= 0 && static_cast<std::size_t>(row) < commands_.size()) {
    if (const ClickHandler& handler = commands_[static_cast<std::size_t>(row)]) {
      Click(handler, description_.menu[static_cast<std::size_t>(row)].index);
    }
  }
}

void Win32Window::Click(const ClickHandler& handler, int index) {
  DispatchClick(handler, ClickEvent{*this, index}, report_);
  const std::optional<std::string> words = announcements_.TakeAfterClick();
  if (words && carrier_ != nullptr) {
    Announce(*carrier_, *words);
  }
}

LRESULT Win32Window::DefaultButtonId() const {
  // The dialog keys draw the default button as one; Enter itself is answered by AnswerKey.
  const Control* byDefault = ButtonWithRole(description_.controls, ButtonRole::Default);
  return byDefault != nullptr
             ? MAKELRESULT(
                   ControlId(static_cast<std::size_t>(byDefault - description_.controls.data())),
                   DC_HASDEFID)
             : 0;
}

bool Win32Window::AnswerKey(const MSG& message) {
  if (message.message != WM_KEYDOWN) {
    return false;
  }
  const bool plain =
      GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0 && GetKeyState(VK_SHIFT) >= 0;
  DialogKey key{};
  switch (message.wParam) {
    case VK_RETURN:
      key = DialogKey::Enter;
      break;
    case VK_ESCAPE:
      key = DialogKey::Esc;
      break;
    case VK_LEFT:
      key = DialogKey::Left;
      break;
    case VK_RIGHT:
      key = DialogKey::Right;
      break;
    case VK_UP:
      key = DialogKey::Up;
      break;
    case VK_DOWN:
      key = DialogKey::Down;
      break;
    default:
      return false;
  }
  if ((key == DialogKey::Enter || key == DialogKey::Esc) && !plain) {
    return false;
  }
  const ChildControl* focused = ControlWithHandle(message.hwnd);
  const KeyDecision decision =
      DecideKey(key, focused != nullptr ? focused->row : nullptr, description_.controls);
  switch (decision.action) {
    case KeyDecision::Action::Pass:
      return false;
    case KeyDecision::Action::Press: {
      const ChildControl* button =
          byRow_[static_cast<std::size_t>(decision.button - description_.controls.data())];
      if (button->handler) {
        Click(button->handler, 0);
      }
      return true;
    }
    case KeyDecision::Action::FocusNext:
      SendMessageW(window_.get(), WM_NEXTDLGCTL, 0, FALSE);
      return true;
    case KeyDecision::Action::FocusPrevious:
      SendMessageW(window_.get(), WM_NEXTDLGCTL, 1, FALSE);
      return true;
  }
  return false;
}

void Win32Window::AfterHiding() {
  PostMessageW(window_.get(), kCheckEndMessage, 0, 0);
}

}  // namespace runtime::win32
