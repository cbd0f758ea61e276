// Walking an icon file's directory with every offset and size checked against the file.
#include "runtime/rules/icon_directory.h"

#include <algorithm>
#include <iterator>

namespace runtime {
namespace {

using Bytes = std::span<const unsigned char>;

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kLargestSide = 256;
constexpr std::uint32_t kIconType = 1;
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

std::optional<std::uint32_t> ReadBigEndian32(Bytes bytes, std::size_t at) {
  if (at > bytes.size() || bytes.size() - at < 4) {
    return std::nullopt;
  }
  std::uint32_t value = 0;
  for (std::size_t byte = 0; byte < 4; ++byte) {
    value = (value << 8U) | bytes[at + byte];
  }
  return value;
}

bool IsPng(Bytes image) {
  return image.size() >= std::size(kPngSignature) &&
         std::equal(std::begin(kPngSignature), std::end(kPngSignature), image.begin());
}

bool SideFits(std::uint32_t side) {
  return side >= 1 && side <= kLargestSide;
}

// A PNG image gives its size in the header chunk right after the signature.
std::optional<IconImage> PngImage(Bytes image) {
  const auto width = ReadBigEndian32(image, 16);
  const auto height = ReadBigEndian32(image, 20);
  if (!width || !height || !SideFits(*width) || !SideFits(*height) || image.size() < 26) {
    return std::nullopt;
  }
  const int bitDepth = image[24];
  const int colourType = image[25];
  const int channels = colourType == 2 ? 3 : colourType == 4 ? 2 : colourType == 6 ? 4 : 1;
  return IconImage{static_cast<int>(*width), static_cast<int>(*height), bitDepth * channels, true,
                   image};
}

// A bitmap image starts with an information header whose height counts the colour rows and
// the mask rows together.
std::optional<IconImage> BitmapImage(Bytes image) {
  const auto headerSize = ReadU32(image, 0);
  const auto width = ReadU32(image, 4);
  const auto doubleHeight = ReadU32(image, 8);
  const auto bitsPerPixel = ReadU16(image, 14);
  if (!headerSize || *headerSize < kInfoHeaderSize || !width || !doubleHeight || !bitsPerPixel ||
      !SideFits(*width) || !SideFits(*doubleHeight / 2)) {
    return std::nullopt;
  }
  return IconImage{static_cast<int>(*width), static_cast<int>(*doubleHeight / 2),
                   static_cast<int>(*bitsPerPixel), false, image};
}

}  // namespace

std::optional<std::uint32_t> ReadU16(Bytes bytes, std::size_t at) {
  return ReadLittleEndian(bytes, at, 2);
}

std::optional<std::uint32_t> ReadU32(Bytes bytes, std::size_t at) {
  return ReadLittleEndian(bytes, at, 4);
}

std::vector<IconImage> ReadIconDirectory(Bytes file) {
  std::vector<IconImage> images;
  const auto reserved = ReadU16(file, 0);
  const auto type = ReadU16(file, 2);
  const auto count = ReadU16(file, 4);
  if (!reserved || *reserved != 0 || !type || *type != kIconType || !count) {
    return images;
  }
  for (std::size_t entry = 0; entry < *count; ++entry) {
    const std::size_t at = kDirectorySize + entry * kEntrySize;
    const auto size = ReadU32(file, at + 8);
    const auto offset = ReadU32(file, at + 12);
    if (!size || !offset || *offset > file.size() || file.size() - *offset < *size) {
      continue;
    }
    const Bytes bytes = file.subspan(*offset, *size);
    if (const std::optional<IconImage> image =
            IsPng(bytes) ? PngImage(bytes) : BitmapImage(bytes)) {
      images.push_back(*image);
    }
  }
  return images;
}

}  // namespace runtime
