// Solid brushes kept per colour; colour roles painted with the system's brushes.
#include "runtime/win32/brushes.h"

#include <algorithm>

#include "runtime/win32/appearance.h"

namespace runtime::win32 {

HBRUSH Brushes::Of(const Colour& colour, HBRUSH platform) {
  if (const auto* role = std::get_if<SystemColour>(&colour)) {
    // The system owns these and changes their colour with the scheme.
    return GetSysColorBrush(SystemColourIndex(*role));
  }
  const auto* rgb = std::get_if<Rgb>(&colour);
  if (rgb == nullptr) {
    return platform;
  }
  const COLORREF value = ToColorRef(*rgb);
  const auto kept = std::ranges::find(solid_, value, &std::pair<COLORREF, BrushHandle>::first);
  if (kept != solid_.end()) {
    return kept->second.get();
  }
  BrushHandle made(CreateSolidBrush(value));
  if (!made) {
    return nullptr;
  }
  return solid_.emplace_back(value, std::move(made)).second.get();
}

}  // namespace runtime::win32
