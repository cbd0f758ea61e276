// The fonts a window's controls show their text in: each made once per face, size, weight
// and dpi, and kept while a control may use it, so that neither a new caption nor a new
// place makes a font.
#pragma once

#include <windows.h>

#include <vector>

#include "runtime/forms/window_description.h"
#include "runtime/win32/handles.h"

namespace runtime::win32 {

class FontCache {
 public:
  // The font for `font` on a screen of `dpi` dots per inch, made on first use (MakeFont).
  // Null when the system refuses: the control then keeps the system's font.
  [[nodiscard]] HFONT At(const Font& font, int dpi);

  // Frees the fonts made for any other dpi. Call it once every control has been handed its
  // font for `dpi`, so that no control still shows a font it frees.
  void KeepOnly(int dpi);

 private:
  struct Kept {
    Font font;
    int dpi;
    FontHandle handle;
  };
  std::vector<Kept> fonts_;
};

}  // namespace runtime::win32
