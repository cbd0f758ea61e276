// The directory of an icon (.ico) file: where each image's bytes lie. Decoding the pixels is
// the back ends' (Qt reads them itself, Windows hands them to the system).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace runtime {

struct IconImage {
  int width;   // in pixels, 1 to 256, as the image's own header gives it
  int height;  // in pixels, without the mask rows of a bitmap image
  int bitsPerPixel;
  bool isPng;
  std::span<const unsigned char> bytes;  // within the file's bytes
};

// Every image of the file whose bytes lie inside it, in the file's order. Entries pointing
// outside the file, and bytes that are no icon file, give nothing. Never reads outside
// `file`.
[[nodiscard]] std::vector<IconImage> ReadIconDirectory(std::span<const unsigned char> file);

// Little-endian fields of binary files; nullopt past the end of `bytes`.
[[nodiscard]] std::optional<std::uint32_t> ReadU16(std::span<const unsigned char> bytes,
                                                   std::size_t at);
[[nodiscard]] std::optional<std::uint32_t> ReadU32(std::span<const unsigned char> bytes,
                                                   std::size_t at);

}  // namespace runtime
