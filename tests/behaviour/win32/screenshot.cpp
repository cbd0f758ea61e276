// Reading the screen into a 32-bit top-down DIB, and writing bottom-up 24-bit BMP files.
#include "tests/behaviour/win32/screenshot.h"

#include <filesystem>
#include <fstream>
#include <memory>

#include "tests/behaviour/win32/wait.h"

namespace tests::behaviour::win32 {
namespace {

struct ReleaseScreen {
  void operator()(HDC screen) const { ReleaseDC(nullptr, screen); }
};
struct DeleteMemoryDc {
  void operator()(HDC memory) const { DeleteDC(memory); }
};
struct DeleteBitmap {
  void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};

std::optional<Picture> ReadScreen(const RECT& area) {
  Picture picture{area.right - area.left, area.bottom - area.top, {}};
  if (picture.width <= 0 || picture.height <= 0) {
    return std::nullopt;
  }
  const std::unique_ptr<HDC__, ReleaseScreen> screen(GetDC(nullptr));
  const std::unique_ptr<HDC__, DeleteMemoryDc> memory(CreateCompatibleDC(screen.get()));
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = picture.width;
  format.bmiHeader.biHeight = -picture.height;  // top down
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const std::unique_ptr<HBITMAP__, DeleteBitmap> bitmap(
      CreateDIBSection(screen.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!screen || !memory || !bitmap) {
    return std::nullopt;
  }
  HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
  const bool copied = BitBlt(memory.get(), 0, 0, picture.width, picture.height, screen.get(),
                             area.left, area.top, SRCCOPY | CAPTUREBLT) != FALSE;
  GdiFlush();
  SelectObject(memory.get(), previous);
  if (!copied) {
    return std::nullopt;
  }
  const auto* first = static_cast<const std::uint32_t*>(bits);
  picture.pixels.assign(first, first + static_cast<std::size_t>(picture.width) *
                                           static_cast<std::size_t>(picture.height));
  for (std::uint32_t& pixel : picture.pixels) {
    pixel &= 0xFFFFFF;
  }
  return picture;
}

void PutLittleEndian(std::ofstream& file, std::uint32_t value, int bytes) {
  for (int byte = 0; byte < bytes; ++byte) {
    file.put(static_cast<char>((value >> (8 * byte)) & 0xFF));
  }
}

}  // namespace

std::uint32_t Picture::At(POINT point) const {
  if (point.x < 0 || point.y < 0 || point.x >= width || point.y >= height) {
    return 0xFFFFFFFF;
  }
  return pixels[static_cast<std::size_t>(point.y) * static_cast<std::size_t>(width) +
                static_cast<std::size_t>(point.x)];
}

std::optional<Picture> CaptureWindow(HWND window) {
  std::optional<Picture> previous;
  std::optional<Picture> latest;
  const bool settled = WaitUntil([&] {
    RECT area{};
    GetWindowRect(window, &area);
    previous = std::move(latest);
    latest = ReadScreen(area);
    return latest && previous && *latest == *previous;
  });
  return settled ? latest : std::nullopt;
}

bool SaveBitmap(const Picture& picture, const std::wstring& path) {
  const auto rowBytes = static_cast<std::uint32_t>((picture.width * 3 + 3) / 4 * 4);
  const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(picture.height);
  constexpr std::uint32_t kHeaders = 14 + 40;
  std::ofstream file(std::filesystem::path(path), std::ios::binary);
  file.write("BM", 2);
  PutLittleEndian(file, kHeaders + pixelBytes, 4);
  PutLittleEndian(file, 0, 4);
  PutLittleEndian(file, kHeaders, 4);
  PutLittleEndian(file, 40, 4);
  PutLittleEndian(file, static_cast<std::uint32_t>(picture.width), 4);
  PutLittleEndian(file, static_cast<std::uint32_t>(picture.height), 4);  // bottom up
  PutLittleEndian(file, 1, 2);
  PutLittleEndian(file, 24, 2);
  for (int field = 0; field < 6; ++field) {  // no compression, sizes and palette left to readers
    PutLittleEndian(file, 0, 4);
  }
  for (int row = picture.height - 1; row >= 0; --row) {
    for (int column = 0; column < picture.width; ++column) {
      PutLittleEndian(file, picture.At({column, row}), 3);
    }
    PutLittleEndian(file, 0, static_cast<int>(rowBytes) - picture.width * 3);
  }
  return file.good();
}

}  // namespace tests::behaviour::win32
