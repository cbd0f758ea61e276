// The icon file's directory: each image found where its entry says, sized from its own
// header, and nothing read from outside the file.
#include "runtime/rules/icon_directory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace runtime {
namespace {

using Bytes = std::vector<unsigned char>;

void Put(Bytes& bytes, std::size_t at, std::uint32_t value, std::size_t width) {
  for (std::size_t byte = 0; byte < width; ++byte) {
    bytes[at + byte] = static_cast<unsigned char>(value >> (8 * byte));
  }
}

// A bitmap image: its information header and `extra` bytes of pixels.
Bytes Bitmap(std::uint32_t side, std::uint32_t bitsPerPixel, std::size_t extra = 8) {
  Bytes image(40 + extra, 0);
  Put(image, 0, 40, 4);
  Put(image, 4, side, 4);
  Put(image, 8, side * 2, 4);
  Put(image, 12, 1, 2);
  Put(image, 14, bitsPerPixel, 2);
  return image;
}

Bytes Png(std::uint32_t side) {
  Bytes image = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  for (int shift = 24; shift >= 0; shift -= 8) {
    image.push_back(static_cast<unsigned char>(side >> shift));
  }
  image.insert(image.end(), image.end() - 4, image.end());
  image.push_back(8);  // bits per channel
  image.push_back(6);  // red, green, blue and alpha
  return image;
}

// An icon file holding `images` one after another behind its directory.
Bytes IconFile(const std::vector<Bytes>& images) {
  Bytes file(6 + 16 * images.size(), 0);
  Put(file, 2, 1, 2);
  Put(file, 4, static_cast<std::uint32_t>(images.size()), 2);
  for (std::size_t i = 0; i < images.size(); ++i) {
    Put(file, 6 + 16 * i + 8, static_cast<std::uint32_t>(images[i].size()), 4);
    Put(file, 6 + 16 * i + 12, static_cast<std::uint32_t>(file.size()), 4);
    file.insert(file.end(), images[i].begin(), images[i].end());
  }
  return file;
}

TEST(ReadIconDirectory, FindsEveryImageWithItsSizeAndDepth) {
  const Bytes file = IconFile({Bitmap(32, 4), Bitmap(16, 4), Png(256)});
  const std::vector<IconImage> images = ReadIconDirectory(file);
  ASSERT_EQ(images.size(), 3U);
  EXPECT_EQ(images[0].width, 32);
  EXPECT_EQ(images[0].height, 32);  // the mask rows are not counted
  EXPECT_EQ(images[0].bitsPerPixel, 4);
  EXPECT_FALSE(images[0].isPng);
  EXPECT_EQ(images[1].width, 16);
  EXPECT_EQ(images[1].bytes.data(), file.data() + 102);  // behind the directory and the first image
  EXPECT_EQ(images[2].width, 256);
  EXPECT_EQ(images[2].bitsPerPixel, 32);
  EXPECT_TRUE(images[2].isPng);
}

TEST(ReadIconDirectory, LeavesOutWhatIsNotThere) {
  const Bytes good = IconFile({Bitmap(16, 4)});
  Bytes cursor = good;
  cursor[2] = 2;
  Bytes pastTheEnd = good;
  Put(pastTheEnd, 6 + 12, 0xFFFFFFF0U, 4);
  Bytes countTooLarge = good;
  Put(countTooLarge, 4, 500, 2);
  const Bytes tooWide = IconFile({Bitmap(4112, 4)});
  const Bytes goodBesideBad = IconFile({Bitmap(0, 4), Bitmap(16, 8)});

  EXPECT_TRUE(ReadIconDirectory({}).empty());
  EXPECT_TRUE(ReadIconDirectory(cursor).empty());
  EXPECT_TRUE(ReadIconDirectory(pastTheEnd).empty());
  EXPECT_EQ(ReadIconDirectory(countTooLarge).size(), 1U);
  EXPECT_TRUE(ReadIconDirectory(Bytes(good.begin(), good.end() - 20)).empty());
  EXPECT_TRUE(ReadIconDirectory(tooWide).empty());
  ASSERT_EQ(ReadIconDirectory(goodBesideBad).size(), 1U);
  EXPECT_EQ(ReadIconDirectory(goodBesideBad)[0].bitsPerPixel, 8);
}

}  // namespace
}  // namespace runtime
