// Pictures of the program's windows as the screen shows them, frame included, for a person
// to look at and for the few checks of colour that only the screen can answer.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tests::behaviour::win32 {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xRRGGBB, rows top down
  friend bool operator==(const Picture&, const Picture&) = default;

  // The colour at a point of the picture, 0xRRGGBB.
  [[nodiscard]] std::uint32_t At(POINT point) const;
};

// What the screen shows of `window`, read once two reads in a row agree, so that the window
// has finished painting; nullopt when the screen cannot be read or never settles. The caller
// first brings the window to the front.
[[nodiscard]] std::optional<Picture> CaptureWindow(HWND window);

// Writes the picture as a 24-bit Windows bitmap file.
bool SaveBitmap(const Picture& picture, const std::wstring& path);

}  // namespace tests::behaviour::win32
