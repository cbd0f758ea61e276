// Fonts looked up by what they were made for.
#include "runtime/win32/font_cache.h"

#include <algorithm>

#include "runtime/win32/appearance.h"

namespace runtime::win32 {

HFONT FontCache::At(const Font& font, int dpi) {
  const auto kept = std::ranges::find_if(fonts_, [&font, dpi](const Kept& each) {
    return each.dpi == dpi && each.font.face == font.face && each.font.points == font.points &&
           each.font.weight == font.weight;
  });
  if (kept != fonts_.end()) {
    return kept->handle.get();
  }
  FontHandle made = MakeFont(font, dpi);
  if (!made) {
    return nullptr;
  }
  return fonts_.emplace_back(Kept{font, dpi, std::move(made)}).handle.get();
}

void FontCache::KeepOnly(int dpi) {
  std::erase_if(fonts_, [dpi](const Kept& each) { return each.dpi != dpi; });
}

}  // namespace runtime::win32
