// Reading the images of an icon (.ico) file: the bitmaps of 1, 4, 8, 24 or 32 bits per pixel
// with their transparency masks, and PNG images as newer icon files hold them.
#pragma once

#include <QImage>
#include <span>
#include <vector>

namespace runtime::qt {

// Every image the file holds, in the file's order; images that cannot be read are left out,
// and bytes that are no icon file give none. Never reads outside `file`.
[[nodiscard]] std::vector<QImage> ReadIconFile(std::span<const unsigned char> file);

}  // namespace runtime::qt
