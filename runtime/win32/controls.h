// The child window of each row of a control table: its system class and styles, its place
// and font at a dpi, and the painting of the rows the back end draws itself (labels,
// pictures and lines).
#pragma once

#include <windows.h>

#include <memory>
#include <span>
#include <vector>

#include "runtime/forms/forms.h"
#include "runtime/forms/window_description.h"
#include "runtime/rules/pixels.h"
#include "runtime/win32/brushes.h"
#include "runtime/win32/handles.h"

namespace runtime::win32 {

struct LiveRegion;  // screen_reader.h

struct ChildControl {
  const Control* row = nullptr;
  int id = 0;
  HWND handle = nullptr;              // destroyed with its parent
  WNDPROC systemProcedure = nullptr;  // its class's, behind the answers to screen readers
  HFONT font = nullptr;               // kept by the window's font cache; null: the system's font
  BitmapHandle picture;               // pictures only; null when the bytes could not be decoded
  PixelRect area{};                   // in the parent's client area, at the window's dpi
  ClickHandler handler;               // push buttons only; empty when none is bound
  // The label that carries its window's announcements only, shared with the accessible objects
  // that screen readers hold, which may outlive the window; null for every other control.
  std::shared_ptr<LiveRegion> live;
};

// Creates the child window of `control`'s row, at the back of its siblings, in `font` and in
// its place for `dpi`, or returns false when the system refuses.
[[nodiscard]] bool CreateChild(HWND parent, ChildControl& control, HFONT font, int dpi);

// Gives the control `font` and its place and size for `dpi`; a self-sizing label takes the
// size of its current caption.
void PlaceChild(ChildControl& control, HFONT font, int dpi);

// What lies behind a transparent label: the window's background and the pictures further
// back; and the window's brushes to paint with.
struct Surface {
  HBRUSH background;
  std::span<const ChildControl> controls;  // front to back, as created
  Brushes& brushes;
};

// Paints an owner-drawn control into `item`'s device context.
void PaintChild(const DRAWITEMSTRUCT& item, const ChildControl& control, const Surface& surface);

}  // namespace runtime::win32
