// The icon file format read directly: Qt's own icon reader builds a colour-conversion table
// the first time it applies a mask, which alone costs the start-up a millisecond.
#include "runtime/qt/icon_file.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace runtime::qt {
namespace {

using Bytes = std::span<const unsigned char>;

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kLargestSide = 256;
constexpr unsigned char kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::optional<std::uint32_t> ReadLittleEndian(Bytes bytes, std::size_t at, std::size_t width) {
  if (at > bytes.size() || bytes.size() - at < width) {
    return std::nullopt;
  }
  std::uint32_t value = 0;
  for (std::size_t byte = width; byte-- > 0;) {
    value = (value << 8U) | bytes[at + byte];
  }
  return value;
}

std::optional<std::uint32_t> U16(Bytes bytes, std::size_t at) {
  return ReadLittleEndian(bytes, at, 2);
}
std::optional<std::uint32_t> U32(Bytes bytes, std::size_t at) {
  return ReadLittleEndian(bytes, at, 4);
}

bool IsPng(Bytes image) {
  return image.size() >= sizeof kPngSignature &&
         std::equal(std::begin(kPngSignature), std::end(kPngSignature), image.begin());
}

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
QImage ReadBitmapImage(Bytes image) {
  const auto headerSize = U32(image, 0);
  const auto width = U32(image, 4);
  const auto doubleHeight = U32(image, 8);
  const auto bitsPerPixel = U16(image, 14);
  const auto compression = U32(image, 16);
  const auto coloursUsed = U32(image, 32);
  if (!headerSize || *headerSize < kInfoHeaderSize || !width || !doubleHeight || !bitsPerPixel ||
      !compression || *compression != 0 || !coloursUsed) {
    return {};
  }
  const int w = static_cast<int>(*width);
  const int h = static_cast<int>(*doubleHeight / 2);
  const int bpp = static_cast<int>(*bitsPerPixel);
  if (*width == 0 || *width > kLargestSide || *doubleHeight / 2 == 0 ||
      *doubleHeight / 2 > kLargestSide ||
      (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)) {
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
  const auto reserved = U16(file, 0);
  const auto type = U16(file, 2);
  const auto count = U16(file, 4);
  if (!reserved || *reserved != 0 || !type || *type != 1 || !count) {
    return images;
  }
  for (std::size_t entry = 0; entry < *count; ++entry) {
    const std::size_t at = kDirectorySize + entry * kEntrySize;
    const auto size = U32(file, at + 8);
    const auto offset = U32(file, at + 12);
    if (!size || !offset || *offset > file.size() || file.size() - *offset < *size) {
      continue;
    }
    const Bytes image = file.subspan(*offset, *size);
    QImage decoded;
    if (IsPng(image)) {
      decoded = QImage::fromData(image.data(), static_cast<int>(image.size()), "PNG");
    } else {
      decoded = ReadBitmapImage(image);
    }
    if (!decoded.isNull()) {
      images.push_back(std::move(decoded));
    }
  }
  return images;
}

}  // namespace runtime::qt
