// The icon file format read directly: Qt's own icon reader builds a colour-conversion table
// the first time it applies a mask, which alone costs the start-up a millisecond.
#include "runtime/qt/icon_file.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "runtime/rules/icon_directory.h"

namespace runtime::qt {
namespace {

using Bytes = std::span<const unsigned char>;

constexpr std::size_t kInfoHeaderSize = 40;

// Bit `bit` of a row of one-bit values, the leftmost pixel in the top bit.
bool BitAt(const unsigned char* row, int bit) {
  const auto index = static_cast<std::size_t>(bit);
  return ((row[index / 8] >> (7 - index % 8)) & 1U) != 0;
}

// The palette index of pixel `x` in a row of 1, 4 or 8 bits per pixel.
std::size_t IndexAt(const unsigned char* row, int x, int bitsPerPixel) {
  const auto bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bitsPerPixel);
  const unsigned byte = row[bit / 8];
  const std::size_t shift = 8 - static_cast<std::size_t>(bitsPerPixel) - bit % 8;
  return (byte >> shift) & ((1U << static_cast<unsigned>(bitsPerPixel)) - 1U);
}

// A bitmap image of an icon file: an information header whose height counts the colour
// rows and the mask rows, the palette, the colour rows and the mask rows, both bottom-up.
QImage ReadBitmapImage(const IconImage& icon) {
  const Bytes image = icon.bytes;
  const auto headerSize = ReadU32(image, 0);
  const auto compression = ReadU32(image, 16);
  const auto coloursUsed = ReadU32(image, 32);
  if (!headerSize || *headerSize < kInfoHeaderSize || !compression || *compression != 0 ||
      !coloursUsed) {
    return {};
  }
  const int w = icon.width;
  const int h = icon.height;
  const int bpp = icon.bitsPerPixel;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) {
    return {};
  }
  const std::size_t paletteSize =
      bpp > 8 ? 0 : (*coloursUsed != 0 ? *coloursUsed : (1U << static_cast<unsigned>(bpp)));
  if (paletteSize > 256) {
    return {};
  }
  const auto rows = static_cast<std::size_t>(h);
  const std::size_t colourStride =
      (static_cast<std::size_t>(w) * static_cast<std::size_t>(bpp) + 31) / 32 * 4;
  const std::size_t maskStride = (static_cast<std::size_t>(w) + 31) / 32 * 4;
  const std::size_t paletteStart = *headerSize;
  const std::size_t colourStart = paletteStart + paletteSize * 4;
  const std::size_t maskStart = colourStart + colourStride * rows;
  if (maskStart > image.size()) {
    return {};
  }
  // A 32-bit image may carry its transparency in its pixels alone.
  const bool hasMask = image.size() - maskStart >= maskStride * rows;
  if (!hasMask && bpp != 32) {
    return {};
  }

  bool anyAlpha = false;
  if (bpp == 32) {
    for (std::size_t at = colourStart + 3; at < maskStart; at += 4) {
      anyAlpha = anyAlpha || image[at] != 0;
    }
  }
  QImage decoded(w, h, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < h; ++y) {
    const auto stored = rows - 1 - static_cast<std::size_t>(y);
    const unsigned char* colours = image.data() + colourStart + stored * colourStride;
    const unsigned char* mask = hasMask ? image.data() + maskStart + stored * maskStride : nullptr;
    auto* line = reinterpret_cast<QRgb*>(decoded.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const auto pixel = static_cast<std::size_t>(x);
      QRgb colour = 0;
      int alpha = 255;
      if (bpp <= 8) {
        const std::size_t index = IndexAt(colours, x, bpp);
        const unsigned char* entry =
            index < paletteSize ? image.data() + paletteStart + index * 4 : nullptr;
        colour = entry != nullptr ? qRgb(entry[2], entry[1], entry[0]) : qRgb(0, 0, 0);
      } else {
        const unsigned char* bgr = colours + pixel * static_cast<std::size_t>(bpp / 8);
        colour = qRgb(bgr[2], bgr[1], bgr[0]);
        if (bpp == 32 && anyAlpha) {
          alpha = bgr[3];
        }
      }
      if (mask != nullptr && !(bpp == 32 && anyAlpha) && BitAt(mask, x)) {
        alpha = 0;
      }
      line[x] = qPremultiply(qRgba(qRed(colour), qGreen(colour), qBlue(colour), alpha));
    }
  }
  return decoded;
}

}  // namespace

std::vector<QImage> ReadIconFile(std::span<const unsigned char> file) {
  std::vector<QImage> images;
  for (const IconImage& icon : ReadIconDirectory(file)) {
    QImage decoded =
        icon.isPng ? QImage::fromData(icon.bytes.data(), static_cast<int>(icon.bytes.size()), "PNG")
                   : ReadBitmapImage(icon);
    if (!decoded.isNull()) {
      images.push_back(std::move(decoded));
    }
  }
  return images;
}

}  // namespace runtime::qt
