// Building, placing and painting the controls. Positions come from the description alone.
#include "runtime/win32/controls.h"

#include <algorithm>
#include <string>

#include "runtime/rules/captions.h"
#include "runtime/win32/appearance.h"
#include "runtime/win32/text.h"

namespace runtime::win32 {
namespace {

struct ClassAndStyle {
  const wchar_t* windowClass;
  DWORD style;
  DWORD extendedStyle;
};

ClassAndStyle ClassOf(const Control& row) {
  switch (row.kind) {
    case ControlKind::TextBox:
      return {L"Edit", WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE};
    case ControlKind::PushButton: {
      const DWORD button = row.role == ButtonRole::Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
      return {L"Button", WS_TABSTOP | button, 0};
    }
    case ControlKind::Frame:
      return {L"Button", BS_GROUPBOX, 0};
    case ControlKind::Label:
    case ControlKind::Picture:
    case ControlKind::Line:
      // Drawn by the window itself: transparent labels, stretched pictures and lines in a
      // system colour are beyond what the system's own statics paint.
      return {L"Static", SS_OWNERDRAW, 0};
  }
  return {L"Static", SS_OWNERDRAW, 0};
}

// The caption's extent on one line in the control's font.
SIZE MeasureCaption(HWND control, HFONT font) {
  SIZE size{};
  HDC dc = GetDC(control);
  if (dc == nullptr) {
    return size;
  }
  const HGDIOBJ previous = SelectObject(dc, font);
  const std::wstring caption = WindowText(control);
  GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return size;
}

UINT AlignmentFlags(const Control& row) {
  UINT flags = DT_NOPREFIX | DT_TOP;
  switch (row.alignment) {
    case Alignment::Left:
      flags |= DT_LEFT;
      break;
    case Alignment::Right:
      flags |= DT_RIGHT;
      break;
    case Alignment::Centre:
      flags |= DT_CENTER;
      break;
  }
  // A fixed box breaks its caption at spaces; a self-sizing label holds one line.
  flags |= row.sizing == Sizing::FixedBox ? DT_WORDBREAK : DT_SINGLELINE;
  return flags;
}

void Fill(HDC dc, const RECT& rect, HBRUSH brush) {
  if (brush != nullptr) {
    FillRect(dc, &rect, brush);
  }
}

// Draws `picture` stretched over `area`, both in the same coordinates as the device context.
void StretchPicture(HDC dc, const ChildControl& picture, const PixelRect& area) {
  BITMAP bitmap{};
  HDC source = CreateCompatibleDC(dc);
  if (source == nullptr || GetObjectW(picture.picture.get(), sizeof bitmap, &bitmap) == 0) {
    DeleteDC(source);
    return;
  }
  const HGDIOBJ previous = SelectObject(source, picture.picture.get());
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, area.left, area.top, area.width, area.height, source, 0, 0, bitmap.bmWidth,
             bitmap.bmHeight, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
}

// Paints what lies behind `label` in its own coordinates: the window's background, then every
// picture further back that reaches under it, back to front.
void PaintSurfaceBehind(HDC dc, const RECT& rect, const ChildControl& label,
                        const Surface& surface) {
  Fill(dc, rect, surface.background);
  const auto self = std::ranges::find_if(
      surface.controls, [&label](const ChildControl& each) { return &each == &label; });
  for (auto behind = surface.controls.end();
       behind != self && behind != surface.controls.begin();) {
    --behind;
    if (behind != self && behind->row->kind == ControlKind::Picture && behind->picture) {
      const PixelRect& area = behind->area;
      StretchPicture(
          dc, *behind,
          {area.left - label.area.left, area.top - label.area.top, area.width, area.height});
    }
  }
}

void PaintLabel(const DRAWITEMSTRUCT& item, const ChildControl& label, const Surface& surface) {
  const Control& row = *label.row;
  if (row.backdrop == Backdrop::Transparent) {
    PaintSurfaceBehind(item.hDC, item.rcItem, label, surface);
  } else {
    Fill(item.hDC, item.rcItem, surface.brushes.Of(row.backColour, surface.background));
  }
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, ResolveColour(row.foreColour).value_or(GetSysColor(COLOR_BTNTEXT)));
  // Without a font of its own (null) the label draws in the device context's.
  const HGDIOBJ previous = SelectObject(item.hDC, label.font);
  std::wstring caption = WindowText(item.hwndItem);
  RECT box = item.rcItem;
  DrawTextW(item.hDC, caption.data(), static_cast<int>(caption.size()), &box, AlignmentFlags(row));
  SelectObject(item.hDC, previous);
}

// The control's place and size at `dpi`: a self-sizing label's come from its caption in `font`.
PixelRect AreaAt(const ChildControl& control, HFONT font, int dpi) {
  const Control& row = *control.row;
  const PixelRect described = AreaOf(row, dpi);
  if (row.kind != ControlKind::Label || row.sizing != Sizing::AutoSize) {
    return described;
  }
  const SIZE text = MeasureCaption(control.handle, font);
  return AutoSizedLabel({described.left, described.top}, text.cx, text.cy);
}

void SetFont(ChildControl& control, HFONT font) {
  if (font != control.font) {
    SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    control.font = font;
  }
}

// Moves the control to `area` unless it is there already: each move costs the window system a
// round of messages, which adds up over a window's controls at start-up.
void MoveTo(ChildControl& control, const PixelRect& area) {
  if (area != control.area) {
    SetWindowPos(control.handle, nullptr, area.left, area.top, area.width, area.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    control.area = area;
  }
}

}  // namespace

bool CreateChild(HWND parent, ChildControl& control, HFONT font, int dpi) {
  const Control& row = *control.row;
  const ClassAndStyle kind = ClassOf(row);
  const std::wstring caption = ToWide(CaptionToShow(row));
  control.area = AreaOf(row, dpi);
  // A new child joins its siblings at the back, so rows made front to back stack in order.
  control.handle =
      CreateWindowExW(kind.extendedStyle, kind.windowClass, caption.c_str(),
                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style, control.area.left,
                      control.area.top, control.area.width, control.area.height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), nullptr, nullptr);
  if (control.handle == nullptr) {
    return false;
  }
  SetFont(control, font);
  MoveTo(control, AreaAt(control, font, dpi));
  if (row.kind == ControlKind::TextBox) {
    // The system's default stops at 32767 characters; the entry takes texts of any length.
    SendMessageW(control.handle, EM_SETLIMITTEXT, 0, 0);
  }
  if (row.kind == ControlKind::Picture) {
    control.picture = DecodePicture(row.picture);
  }
  return true;
}

void PlaceChild(ChildControl& control, HFONT font, int dpi) {
  SetFont(control, font);
  MoveTo(control, AreaAt(control, font, dpi));
  InvalidateRect(control.handle, nullptr, TRUE);
}

void PaintChild(const DRAWITEMSTRUCT& item, const ChildControl& control, const Surface& surface) {
  switch (control.row->kind) {
    case ControlKind::Label:
      PaintLabel(item, control, surface);
      break;
    case ControlKind::Picture:
      if (control.picture) {
        StretchPicture(item.hDC, control, {0, 0, control.area.width, control.area.height});
      } else {
        // A picture that could not be decoded leaves its box empty.
        Fill(item.hDC, item.rcItem, surface.background);
      }
      break;
    case ControlKind::Line:
      Fill(item.hDC, item.rcItem,
           surface.brushes.Of(control.row->foreColour, GetSysColorBrush(COLOR_WINDOWTEXT)));
      break;
    case ControlKind::TextBox:
    case ControlKind::PushButton:
    case ControlKind::Frame:
      break;
  }
}

}  // namespace runtime::win32
