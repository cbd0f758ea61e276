// Byte-level checks of the committed icons, the about bitmap and the details JPEG:
// sizes, headers and segment layout, so a regenerated asset cannot drift from its format.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "asset_bytes.h"

namespace pellomar::assets {
namespace {

// A fixed integer field of a header: where it is, how wide, and what it must hold.
struct FieldCase {
  std::string name;
  std::size_t offset;
  std::size_t size;
  ByteOrder order;
  std::uint32_t expected;
};

void PrintTo(const FieldCase& field, std::ostream* out) {
  *out << field.name;
}

std::string FieldName(const testing::TestParamInfo<FieldCase>& param) {
  return param.param.name;
}

// ---------------------------------------------------------------------------------------------
// Icons: two images each, 32 x 32 and 16 x 16, 16 colours at 4 bits per pixel with an AND mask.

constexpr std::size_t kIconFileSize = 1078;
constexpr std::size_t kIconDirectorySize = 6;
constexpr std::size_t kIconEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kIconPaletteSize = std::size_t{16} * 4;

struct IconCase {
  std::string name;
  std::string path;
};

const std::vector<IconCase> kIcons = {
    {"Calculator", "ui/frmcal/assets/frmcal.ico"},
    {"About", "ui/Form1/assets/Form1.ico"},
    {"Details", "ui/Form2/assets/Form2.ico"},
};

void PrintTo(const IconCase& icon, std::ostream* out) {
  *out << icon.path;
}

struct IconImageCase {
  std::size_t index;  // position in the icon directory
  std::uint32_t size;
  std::uint32_t bytes;
  std::uint32_t offset;
};

void PrintTo(const IconImageCase& image, std::ostream* out) {
  *out << image.size << " x " << image.size;
}

const std::vector<IconImageCase> kIconImages = {
    {0, 32, 744, kIconDirectorySize + 2 * kIconEntrySize},
    {1, 16, 296, kIconDirectorySize + 2 * kIconEntrySize + 744},
};

// Bytes of one bitmap row padded to 32 bits.
std::size_t RowBytes(std::size_t pixels, std::size_t bitsPerPixel) {
  return (pixels * bitsPerPixel + 31) / 32 * 4;
}

// One decoded icon image: palette index and mask bit of each pixel, rows top-down.
struct IconPixels {
  std::size_t size = 0;
  std::vector<std::uint32_t> colour;
  std::vector<bool> transparent;

  [[nodiscard]] std::size_t At(std::size_t x, std::size_t y) const { return y * size + x; }
};

IconPixels DecodeIconImage(const Bytes& file, const IconImageCase& image) {
  IconPixels pixels;
  pixels.size = image.size;
  pixels.colour.resize(pixels.size * pixels.size);
  pixels.transparent.resize(pixels.size * pixels.size);
  const std::size_t xorStart = image.offset + kInfoHeaderSize + kIconPaletteSize;
  const std::size_t xorRow = RowBytes(image.size, 4);
  const std::size_t andStart = xorStart + xorRow * image.size;
  const std::size_t andRow = RowBytes(image.size, 1);
  for (std::size_t y = 0; y < image.size; ++y) {
    const std::size_t storedRow = image.size - 1 - y;  // rows are stored bottom-up
    for (std::size_t x = 0; x < image.size; ++x) {
      const std::uint32_t packed = U8(file, xorStart + storedRow * xorRow + x / 2);
      pixels.colour[pixels.At(x, y)] = x % 2 == 0 ? packed >> 4 : packed & 0x0Fu;
      const std::uint32_t maskByte = U8(file, andStart + storedRow * andRow + x / 8);
      pixels.transparent[pixels.At(x, y)] = ((maskByte >> (7 - x % 8)) & 1u) != 0;
    }
  }
  return pixels;
}

class IconFileTest : public testing::TestWithParam<IconCase> {};

TEST_P(IconFileTest, DirectoryListsTwoImagesIn1078Bytes) {
  const Bytes file = ReadAsset(GetParam().path);
  ASSERT_EQ(file.size(), kIconFileSize);
  EXPECT_EQ(U16Le(file, 0), 0u) << "reserved";
  EXPECT_EQ(U16Le(file, 2), 1u) << "type: icon";
  EXPECT_EQ(U16Le(file, 4), 2u) << "image count";
}

std::string IconName(const testing::TestParamInfo<IconCase>& param) {
  return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(AssetIcons, IconFileTest, testing::ValuesIn(kIcons), IconName);

class IconImageTest : public testing::TestWithParam<std::tuple<IconCase, IconImageCase>> {
 protected:
  [[nodiscard]] const IconCase& Icon() const { return std::get<0>(GetParam()); }
  [[nodiscard]] const IconImageCase& Image() const { return std::get<1>(GetParam()); }
  [[nodiscard]] std::size_t EntryOffset() const {
    return kIconDirectorySize + Image().index * kIconEntrySize;
  }
};

TEST_P(IconImageTest, EntryDescribesSixteenColourImage) {
  const Bytes file = ReadAsset(Icon().path);
  ASSERT_EQ(file.size(), kIconFileSize);
  const std::size_t entry = EntryOffset();
  EXPECT_EQ(U8(file, entry), Image().size) << "width";
  EXPECT_EQ(U8(file, entry + 1), Image().size) << "height";
  EXPECT_EQ(U8(file, entry + 2), 16u) << "colour count";
  EXPECT_EQ(U8(file, entry + 3), 0u) << "reserved";
  EXPECT_EQ(U16Le(file, entry + 4), 1u) << "planes";
  EXPECT_EQ(U16Le(file, entry + 6), 4u) << "bits per pixel";
  EXPECT_EQ(U32Le(file, entry + 8), Image().bytes) << "image bytes";
  EXPECT_EQ(U32Le(file, entry + 12), Image().offset) << "image offset";
}

TEST_P(IconImageTest, ImageHeaderDoublesHeightForMask) {
  const Bytes file = ReadAsset(Icon().path);
  ASSERT_EQ(file.size(), kIconFileSize);
  const std::size_t header = Image().offset;
  EXPECT_EQ(U32Le(file, header), kInfoHeaderSize) << "header size";
  EXPECT_EQ(U32Le(file, header + 4), Image().size) << "width";
  EXPECT_EQ(U32Le(file, header + 8), 2 * Image().size) << "height counts XOR and AND bitmaps";
  EXPECT_EQ(U16Le(file, header + 12), 1u) << "planes";
  EXPECT_EQ(U16Le(file, header + 14), 4u) << "bits per pixel";
  EXPECT_EQ(U32Le(file, header + 16), 0u) << "no compression";
  const std::size_t pixelBytes =
      (RowBytes(Image().size, 4) + RowBytes(Image().size, 1)) * Image().size;
  EXPECT_EQ(U32Le(file, header + 20), pixelBytes) << "image size: XOR and AND bitmaps";
  EXPECT_EQ(kInfoHeaderSize + kIconPaletteSize + pixelBytes, U32Le(file, EntryOffset() + 8))
      << "entry's byte count covers header, palette and bitmaps";
  const std::uint32_t coloursUsed = U32Le(file, header + 32);
  EXPECT_TRUE(coloursUsed == 0 || coloursUsed == 16) << "colours used " << coloursUsed;
}

TEST_P(IconImageTest, PaletteEntriesHaveZeroFourthByte) {
  const Bytes file = ReadAsset(Icon().path);
  ASSERT_EQ(file.size(), kIconFileSize);
  for (std::size_t i = 0; i < 16; ++i) {
    EXPECT_EQ(U8(file, Image().offset + kInfoHeaderSize + 4 * i + 3), 0u) << "entry " << i;
  }
}

TEST_P(IconImageTest, MaskCutsOutCornersAndKeepsADrawing) {
  const Bytes file = ReadAsset(Icon().path);
  ASSERT_EQ(file.size(), kIconFileSize);
  const IconPixels pixels = DecodeIconImage(file, Image());
  const std::size_t last = pixels.size - 1;
  for (const auto& [x, y] : std::array<std::pair<std::size_t, std::size_t>, 4>{
           {{0, 0}, {last, 0}, {0, last}, {last, last}}}) {
    EXPECT_TRUE(pixels.transparent[pixels.At(x, y)]) << "corner " << x << "," << y;
  }
  std::size_t opaque = 0;
  for (const bool transparent : pixels.transparent) {
    opaque += transparent ? 0 : 1;
  }
  EXPECT_GT(opaque, pixels.transparent.size() / 3) << "too little is drawn";
}

TEST_P(IconImageTest, TransparentPixelsAreBlackSoTheScreenShowsThrough) {
  const Bytes file = ReadAsset(Icon().path);
  ASSERT_EQ(file.size(), kIconFileSize);
  const IconPixels pixels = DecodeIconImage(file, Image());
  const std::size_t blackOffset = Image().offset + kInfoHeaderSize;
  ASSERT_EQ(U32Le(file, blackOffset), 0u) << "palette index 0 must be black";
  for (std::size_t i = 0; i < pixels.colour.size(); ++i) {
    if (pixels.transparent[i]) {
      EXPECT_EQ(pixels.colour[i], 0u) << "pixel " << i % pixels.size << "," << i / pixels.size;
    }
  }
}

std::string IconImageName(
    const testing::TestParamInfo<std::tuple<IconCase, IconImageCase>>& param) {
  return std::get<0>(param.param).name + "_" + std::to_string(std::get<1>(param.param).size) + "px";
}

INSTANTIATE_TEST_SUITE_P(AssetIcons, IconImageTest,
                         testing::Combine(testing::ValuesIn(kIcons),
                                          testing::ValuesIn(kIconImages)),
                         IconImageName);

TEST(AssetIconSetTest, ThreeIconsDifferAtEverySize) {
  for (const IconImageCase& image : kIconImages) {
    std::vector<IconPixels> decoded;
    for (const IconCase& icon : kIcons) {
      const Bytes file = ReadAsset(icon.path);
      ASSERT_EQ(file.size(), kIconFileSize) << icon.name;
      decoded.push_back(DecodeIconImage(file, image));
    }
    for (std::size_t a = 0; a < decoded.size(); ++a) {
      for (std::size_t b = a + 1; b < decoded.size(); ++b) {
        EXPECT_NE(decoded[a].colour, decoded[b].colour)
            << kIcons[a].name << " and " << kIcons[b].name << " at " << image.size << "px";
      }
    }
  }
}

// ---------------------------------------------------------------------------------------------
// About picture: 337 x 305, 32 bits per pixel, bottom-up, two pad bytes after the pixels.

constexpr std::string_view kBitmapPath = "ui/Form1/assets/Image1.bmp";
constexpr std::uint32_t kBitmapWidth = 337;
constexpr std::uint32_t kBitmapHeight = 305;
constexpr std::size_t kBitmapPixelsOffset = 54;
constexpr std::size_t kBitmapPixelBytes = std::size_t{kBitmapWidth} * kBitmapHeight * 4;
constexpr std::size_t kBitmapFileSize = 411196;
static_assert(kBitmapPixelsOffset + kBitmapPixelBytes + 2 == kBitmapFileSize,
              "headers, pixels and two pad bytes make up the file");

TEST(AssetAboutBitmapTest, FileHeaderGivesSizeAndPixelOffset) {
  const Bytes file = ReadAsset(kBitmapPath);
  ASSERT_EQ(file.size(), kBitmapFileSize);
  EXPECT_TRUE(HasText(file, 0, "BM"));
  EXPECT_EQ(U32Le(file, 2), kBitmapFileSize) << "file size";
  EXPECT_EQ(U32Le(file, 6), 0u) << "reserved";
  EXPECT_EQ(U32Le(file, 10), kBitmapPixelsOffset) << "pixel offset";
}

class AboutBitmapInfoTest : public testing::TestWithParam<FieldCase> {};

TEST_P(AboutBitmapInfoTest, InfoHeaderField) {
  const Bytes file = ReadAsset(kBitmapPath);
  ASSERT_EQ(file.size(), kBitmapFileSize);
  EXPECT_EQ(Field(file, 14 + GetParam().offset, GetParam().size, GetParam().order),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    AssetAboutBitmap, AboutBitmapInfoTest,
    testing::Values(FieldCase{"HeaderIs40Bytes", 0, 4, ByteOrder::kLittle, 40},
                    FieldCase{"Width337", 4, 4, ByteOrder::kLittle, kBitmapWidth},
                    FieldCase{"Height305PositiveSoBottomUp", 8, 4, ByteOrder::kLittle,
                              kBitmapHeight},
                    FieldCase{"OnePlane", 12, 2, ByteOrder::kLittle, 1},
                    FieldCase{"ThirtyTwoBitsPerPixel", 14, 2, ByteOrder::kLittle, 32},
                    FieldCase{"NoCompression", 16, 4, ByteOrder::kLittle, 0},
                    FieldCase{"ImageSizeCountsPixelsAndPadding", 20, 4, ByteOrder::kLittle,
                              static_cast<std::uint32_t>(kBitmapPixelBytes + 2)},
                    FieldCase{"HorizontalDensity2834PerMetre", 24, 4, ByteOrder::kLittle, 2834},
                    FieldCase{"VerticalDensity2834PerMetre", 28, 4, ByteOrder::kLittle, 2834},
                    FieldCase{"NoColourTable", 32, 4, ByteOrder::kLittle, 0},
                    FieldCase{"AllColoursImportant", 36, 4, ByteOrder::kLittle, 0}),
    FieldName);

TEST(AssetAboutBitmapTest, FourthByteOfEveryPixelAndThePaddingAreZero) {
  const Bytes file = ReadAsset(kBitmapPath);
  ASSERT_EQ(file.size(), kBitmapFileSize);
  std::size_t nonZero = 0;
  for (std::size_t pixel = 0; pixel < kBitmapPixelBytes / 4; ++pixel) {
    nonZero += file[kBitmapPixelsOffset + 4 * pixel + 3] != 0 ? 1u : 0u;
  }
  EXPECT_EQ(nonZero, 0u);
  EXPECT_EQ(file[kBitmapFileSize - 2], 0u);
  EXPECT_EQ(file[kBitmapFileSize - 1], 0u);
}

TEST(AssetAboutBitmapTest, CornersMatchTheWindowsDarkGrey) {
  const Bytes file = ReadAsset(kBitmapPath);
  ASSERT_EQ(file.size(), kBitmapFileSize);
  for (const std::size_t row : {std::size_t{0}, std::size_t{kBitmapHeight - 1}}) {
    for (const std::size_t column : {std::size_t{0}, std::size_t{kBitmapWidth - 1}}) {
      const std::size_t at = kBitmapPixelsOffset + (row * kBitmapWidth + column) * 4;
      EXPECT_EQ(U32Le(file, at), 0x00404040u) << "row " << row << " column " << column;
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Details picture: progressive JPEG 1024 x 768 with its metadata segments ahead of the image.

constexpr std::string_view kJpegPath = "ui/Form2/assets/Image1.jpg";
constexpr std::size_t kJpegFileSize = 284029;

constexpr std::uint32_t kSoi = 0xD8, kEoi = 0xD9, kSos = 0xDA, kDqt = 0xDB, kSof2 = 0xC2;
constexpr std::uint32_t kApp0 = 0xE0, kApp1 = 0xE1, kApp2 = 0xE2, kApp13 = 0xED, kApp14 = 0xEE;

// One marker segment: its marker and where its payload (after the length field) lies.
struct Segment {
  std::uint32_t marker;
  std::size_t payload;
  std::size_t length;  // payload bytes, without the two length bytes
};

// The segments from after SOI up to and including the first SOS; throws on a broken chain.
std::vector<Segment> HeaderSegments(const Bytes& file) {
  std::vector<Segment> segments;
  std::size_t at = 2;
  while (true) {
    if (U8(file, at) != 0xFF) {
      throw std::runtime_error("no marker at " + std::to_string(at));
    }
    const std::uint32_t marker = U8(file, at + 1);
    const std::uint32_t length = U16Be(file, at + 2);
    if (length < 2 || at + 2 + length > file.size()) {
      throw std::runtime_error("bad segment length at " + std::to_string(at));
    }
    segments.push_back({marker, at + 4, length - 2u});
    if (marker == kSos) {
      return segments;
    }
    at += 2 + length;
  }
}

bool IsApplicationSegment(std::uint32_t marker) {
  return marker >= 0xE0 && marker <= 0xEF;
}

bool IsFrameHeader(std::uint32_t marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Our metadata segments, in file order, with the identifier each payload opens with.
struct MetadataCase {
  std::string name;
  std::uint32_t marker;
  std::string_view identifier;
};

// Positions of the metadata segments, counted from the one after SOI.
enum MetadataSlot : std::size_t { kJfif, kExif, kResources, kXmp, kIcc, kAdobe };

const std::vector<MetadataCase> kMetadata = {
    {"Jfif", kApp0, std::string_view("JFIF\0", 5)},
    {"Exif", kApp1, std::string_view("Exif\0\0", 6)},
    {"ImageResources", kApp13, std::string_view("Photoshop 3.0\0", 14)},
    {"Xmp", kApp1, std::string_view("http://ns.adobe.com/xap/1.0/\0", 29)},
    {"IccProfile", kApp2, std::string_view("ICC_PROFILE\0", 12)},
    {"Adobe", kApp14, "Adobe"},
};

// Bytes per value of a TIFF field type, 0 for types an Exif block does not use.
std::uint32_t ExifTypeSize(std::uint32_t type) {
  switch (type) {
    case 1:  // BYTE
    case 2:  // ASCII
    case 7:  // UNDEFINED
      return 1;
    case 3:  // SHORT
      return 2;
    case 4:  // LONG
    case 9:  // SLONG
      return 4;
    case 5:   // RATIONAL
    case 10:  // SRATIONAL
      return 8;
    default:
      return 0;
  }
}

class AssetDetailsJpegTest : public testing::Test {
 protected:
  void SetUp() override {
    file_ = ReadAsset(kJpegPath);
    ASSERT_EQ(file_.size(), kJpegFileSize);
    ASSERT_NO_THROW(segments_ = HeaderSegments(file_));
    ASSERT_GE(segments_.size(), kMetadata.size());
  }

  [[nodiscard]] const Segment& Metadata(MetadataSlot slot) const { return segments_[slot]; }

  Bytes file_;
  std::vector<Segment> segments_;
};

TEST_F(AssetDetailsJpegTest, StartsWithSoiAndEndsWithEoi) {
  EXPECT_EQ(U16Be(file_, 0), 0xFF00u | kSoi);
  EXPECT_EQ(U16Be(file_, file_.size() - 2), 0xFF00u | kEoi);
}

TEST_F(AssetDetailsJpegTest, MetadataSegmentsComeFirstInOrder) {
  for (std::size_t slot = 0; slot < kMetadata.size(); ++slot) {
    EXPECT_EQ(segments_[slot].marker, kMetadata[slot].marker) << kMetadata[slot].name;
    EXPECT_TRUE(HasText(file_, segments_[slot].payload, kMetadata[slot].identifier))
        << kMetadata[slot].name;
  }
  for (std::size_t i = kMetadata.size(); i < segments_.size(); ++i) {
    EXPECT_FALSE(IsApplicationSegment(segments_[i].marker)) << "segment " << i;
  }
  EXPECT_EQ(segments_[kMetadata.size()].marker, kDqt) << "tables follow the metadata";
}

TEST_F(AssetDetailsJpegTest, OneProgressiveFrameHeader) {
  std::size_t frames = 0;
  for (const Segment& segment : segments_) {
    if (IsFrameHeader(segment.marker)) {
      ++frames;
      EXPECT_EQ(segment.marker, kSof2);
    }
  }
  EXPECT_EQ(frames, 1u);
}

TEST_F(AssetDetailsJpegTest, FrameIsEightBit1024x768WithFullResolutionChroma) {
  const Segment* frame = nullptr;
  for (const Segment& segment : segments_) {
    frame = segment.marker == kSof2 ? &segment : frame;
  }
  ASSERT_NE(frame, nullptr);
  ASSERT_EQ(frame->length, 6u + 3 * 3);
  EXPECT_EQ(U8(file_, frame->payload), 8u) << "precision";
  EXPECT_EQ(U16Be(file_, frame->payload + 1), 768u) << "height";
  EXPECT_EQ(U16Be(file_, frame->payload + 3), 1024u) << "width";
  ASSERT_EQ(U8(file_, frame->payload + 5), 3u) << "components";
  for (std::uint32_t component = 0; component < 3; ++component) {
    const std::size_t at = frame->payload + 6 + 3 * std::size_t{component};
    EXPECT_EQ(U8(file_, at), component + 1) << "component id (Y, Cb, Cr)";
    EXPECT_EQ(U8(file_, at + 1), 0x11u) << "sampling of component " << component;
  }
}

TEST_F(AssetDetailsJpegTest, JfifIsVersion12At72Dpi) {
  const Segment& jfif = Metadata(kJfif);
  ASSERT_EQ(jfif.length, 14u);
  EXPECT_EQ(U16Be(file_, jfif.payload + 5), 0x0102u) << "version";
  EXPECT_EQ(U8(file_, jfif.payload + 7), 1u) << "units: dots per inch";
  EXPECT_EQ(U16Be(file_, jfif.payload + 8), 72u) << "horizontal density";
  EXPECT_EQ(U16Be(file_, jfif.payload + 10), 72u) << "vertical density";
  EXPECT_EQ(U16Be(file_, jfif.payload + 12), 0u) << "no thumbnail";
}

TEST_F(AssetDetailsJpegTest, ExifHoldsAValidTiffDirectory) {
  const Segment& exif = Metadata(kExif);
  const std::size_t tiff = exif.payload + 6;
  const std::size_t tiffLength = exif.length - 6;
  const bool little = HasText(file_, tiff, "II");
  ASSERT_TRUE(little || HasText(file_, tiff, "MM")) << "byte order mark";
  const ByteOrder order = little ? ByteOrder::kLittle : ByteOrder::kBig;
  EXPECT_EQ(Field(file_, tiff + 2, 2, order), 42u);
  const std::uint32_t directory = Field(file_, tiff + 4, 4, order);
  ASSERT_LE(directory + 2u, tiffLength);
  const std::uint32_t entries = Field(file_, tiff + directory, 2, order);
  EXPECT_GE(entries, 1u);
  ASSERT_LE(directory + 2u + 12u * entries + 4u, tiffLength) << "directory inside segment";
  for (std::uint32_t i = 0; i < entries; ++i) {
    const std::size_t entry = tiff + directory + 2 + 12 * std::size_t{i};
    const std::uint32_t bytes =
        ExifTypeSize(Field(file_, entry + 2, 2, order)) * Field(file_, entry + 4, 4, order);
    EXPECT_NE(bytes, 0u) << "entry " << i << ": unknown type or no value";
    if (bytes > 4) {  // larger values lie elsewhere in the TIFF block
      EXPECT_LE(Field(file_, entry + 8, 4, order) + std::uint64_t{bytes}, tiffLength)
          << "entry " << i << " value outside segment";
    }
  }
}

TEST_F(AssetDetailsJpegTest, ImageResourcesHoldWholeEightBimBlocks) {
  const Segment& resources = Metadata(kResources);
  const std::size_t end = resources.payload + resources.length;
  std::size_t at = resources.payload + 14;
  std::size_t blocks = 0;
  while (at < end) {
    ASSERT_TRUE(HasText(file_, at, "8BIM")) << "block at " << at;
    // A Pascal string, padded to an even length.
    const std::size_t nameBytes = (std::size_t{U8(file_, at + 6)} + 2) / 2 * 2;
    const std::size_t sizeAt = at + 6 + nameBytes;
    const std::size_t dataBytes = (std::size_t{U32Be(file_, sizeAt)} + 1) / 2 * 2;
    at = sizeAt + 4 + dataBytes;
    ++blocks;
  }
  EXPECT_EQ(at, end) << "last block ends with the segment";
  EXPECT_GE(blocks, 1u);
}

TEST_F(AssetDetailsJpegTest, XmpPacketIsWrappedAndPadded) {
  const Segment& xmp = Metadata(kXmp);
  const std::size_t packet = xmp.payload + kMetadata[kXmp].identifier.size();
  const std::string text(file_.begin() + static_cast<std::ptrdiff_t>(packet),
                         file_.begin() + static_cast<std::ptrdiff_t>(xmp.payload + xmp.length));
  EXPECT_EQ(text.rfind("<?xpacket begin=", 0), 0u);
  EXPECT_NE(text.find("<x:xmpmeta"), std::string::npos);
  const std::string_view end = "<?xpacket end=\"w\"?>";
  ASSERT_GT(text.size(), end.size());
  EXPECT_EQ(text.substr(text.size() - end.size()), end);
  const std::size_t meta = text.find("</x:xmpmeta>");
  ASSERT_NE(meta, std::string::npos);
  const std::size_t paddingStart = meta + std::string_view("</x:xmpmeta>").size();
  const std::string padding = text.substr(paddingStart, text.size() - end.size() - paddingStart);
  EXPECT_EQ(padding.find_first_not_of(" \n"), std::string::npos) << "padding is whitespace";
}

TEST_F(AssetDetailsJpegTest, IccProfileIsOneWholeRgbChunk) {
  const Segment& icc = Metadata(kIcc);
  const std::size_t profile = icc.payload + 14;
  EXPECT_EQ(U8(file_, icc.payload + 12), 1u) << "chunk number";
  EXPECT_EQ(U8(file_, icc.payload + 13), 1u) << "chunk count";
  EXPECT_EQ(U32Be(file_, profile), icc.length - 14) << "profile size";
  EXPECT_TRUE(HasText(file_, profile + 12, "mntr")) << "display device class";
  EXPECT_TRUE(HasText(file_, profile + 16, "RGB ")) << "colour space";
  EXPECT_TRUE(HasText(file_, profile + 36, "acsp")) << "profile signature";
}

TEST_F(AssetDetailsJpegTest, AdobeSegmentMarksComponentsAsYCbCr) {
  const Segment& adobe = Metadata(kAdobe);
  ASSERT_EQ(adobe.length, 12u);
  EXPECT_EQ(U8(file_, adobe.payload + 11), 1u) << "transform: YCbCr";
}

}  // namespace
}  // namespace pellomar::assets
