// libFuzzer target: the icon directory reader on random bytes; every image it gives must lie
// inside the file and have a sane size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "runtime/rules/icon_directory.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const unsigned char> file(data, size);
  for (const runtime::IconImage& image : runtime::ReadIconDirectory(file)) {
    const bool inside = image.bytes.data() >= file.data() &&
                        image.bytes.data() + image.bytes.size() <= file.data() + file.size();
    const bool sized =
        image.width >= 1 && image.width <= 256 && image.height >= 1 && image.height <= 256;
    if (!inside || !sized) {
      std::abort();
    }
  }
  return 0;
}
