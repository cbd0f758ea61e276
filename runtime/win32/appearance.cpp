// Colours by value or role, fonts at a dpi, pictures through the Windows Imaging Component
// and icons from their file's images.
#include "runtime/win32/appearance.h"

#include <wincodec.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <span>
#include <string_view>
#include <vector>

#include "runtime/rules/font_faces.h"
#include "runtime/rules/icon_directory.h"
#include "runtime/win32/com.h"
#include "runtime/win32/text.h"

namespace runtime::win32 {
namespace {

constexpr int kPointsPerInch = 72;
// The version of the icon format CreateIconFromResourceEx reads: 3.0.
constexpr DWORD kIconFormatVersion = 0x00030000;

// Releases a COM interface on every way out.
template <typename Interface>
class ComPointer {
 public:
  ComPointer() = default;
  ~ComPointer() {
    if (pointer_ != nullptr) {
      pointer_->Release();
    }
  }
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;

  Interface* operator->() const { return pointer_; }
  Interface** Receive() { return &pointer_; }
  [[nodiscard]] Interface* Get() const { return pointer_; }

 private:
  Interface* pointer_ = nullptr;
};

// Characters of `height` pixels (the em, without the internal leading), as Windows sizes a
// font by its point size.
FontHandle CreateFace(const wchar_t* face, int height, int weight) {
  return FontHandle(CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_SWISS, face));
}

// Whether the font the system chose for `font` has characters of `height` pixels, give or
// take the one pixel of rounding: any scalable font has.
bool DrawsAtHeight(HFONT font, int height) {
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) {
    return true;
  }
  const HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  const bool measured = GetTextMetricsW(dc, &metrics) != FALSE;
  SelectObject(dc, previous);
  DeleteDC(dc);
  const bool scalable = (metrics.tmPitchAndFamily & (TMPF_TRUETYPE | TMPF_VECTOR)) != 0;
  return !measured || scalable ||
         std::abs(metrics.tmHeight - metrics.tmInternalLeading - height) <= 1;
}

}  // namespace

int SystemColourIndex(SystemColour colour) {
  switch (colour) {
    case SystemColour::ButtonFace:
      return COLOR_BTNFACE;
    case SystemColour::ButtonText:
      return COLOR_BTNTEXT;
    case SystemColour::Highlight:
      return COLOR_HIGHLIGHT;
    case SystemColour::InfoText:
      return COLOR_INFOTEXT;
    case SystemColour::WindowBackground:
      return COLOR_WINDOW;
  }
  return COLOR_WINDOW;
}

COLORREF ToColorRef(Rgb colour) {
  return RGB((colour.value >> 16U) & 0xFFU, (colour.value >> 8U) & 0xFFU, colour.value & 0xFFU);
}

std::optional<COLORREF> ResolveColour(const Colour& colour) {
  if (const auto* rgb = std::get_if<Rgb>(&colour)) {
    return ToColorRef(*rgb);
  }
  if (const auto* role = std::get_if<SystemColour>(&colour)) {
    return GetSysColor(SystemColourIndex(*role));
  }
  return std::nullopt;
}

FontHandle MakeFont(const Font& font, int dpi) {
  const int height = static_cast<int>(std::lround(font.points * dpi / kPointsPerInch));
  FontHandle made = CreateFace(ToWide(font.face).c_str(), height, font.weight);
  // A bitmap face such as "MS Sans Serif" comes in a few sizes only, and the system gives the
  // nearest smaller one: a size it lacks is drawn with the face's best stand-in instead (for
  // "MS Sans Serif" its TrueType successor, in every Windows since 2000).
  const std::span<const std::string_view> standIns = StandInsFor(font.face);
  if (made && !standIns.empty() && !DrawsAtHeight(made.get(), height)) {
    if (FontHandle standIn = CreateFace(ToWide(standIns.front()).c_str(), height, font.weight)) {
      return standIn;
    }
  }
  return made;
}

BitmapHandle DecodePicture(Asset picture) {
  if (picture.empty() || picture.size() > std::numeric_limits<DWORD>::max()) {
    return nullptr;
  }
  ComPointer<IWICImagingFactory> factory;
  ComPointer<IWICStream> stream;
  ComPointer<IWICBitmapDecoder> decoder;
  ComPointer<IWICBitmapFrameDecode> frame;
  ComPointer<IWICFormatConverter> converter;
  // The stream only reads the bytes, which the program embeds and keeps.
  auto* bytes = const_cast<BYTE*>(picture.data());
  const CoCreateInstanceFunction createObject = ComObjectFactory();
  if (createObject == nullptr ||
      FAILED(createObject(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                          IID_PPV_ARGS(factory.Receive()))) ||
      FAILED(factory->CreateStream(stream.Receive())) ||
      FAILED(stream->InitializeFromMemory(bytes, static_cast<DWORD>(picture.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.Receive())) ||
      FAILED(decoder->GetFrame(0, frame.Receive())) ||
      FAILED(factory->CreateFormatConverter(converter.Receive())) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR,
                                   WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return nullptr;
  }
  UINT width = 0;
  UINT height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > 0x4000 ||
      height > 0x4000) {
    return nullptr;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down rows, as WIC gives them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  const UINT stride = width * 4;
  if (!bitmap ||
      FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(pixels)))) {
    return nullptr;
  }
  return bitmap;
}

IconHandle IconOfSize(Asset icon, int side) {
  const std::vector<IconImage> images = ReadIconDirectory(icon);
  const IconImage* best = nullptr;
  for (const IconImage& image : images) {
    const bool fits = image.width >= side;
    const bool bestFits = best != nullptr && best->width >= side;
    if (best == nullptr || (fits && (!bestFits || image.width < best->width)) ||
        (!fits && !bestFits && image.width > best->width)) {
      best = &image;
    }
  }
  if (best == nullptr || best->bytes.size() > std::numeric_limits<DWORD>::max()) {
    return nullptr;
  }
  // The system reads the image only; the program's embedded bytes stay as they are.
  auto* bytes = const_cast<BYTE*>(best->bytes.data());
  return IconHandle(CreateIconFromResourceEx(bytes, static_cast<DWORD>(best->bytes.size()), TRUE,
                                             kIconFormatVersion, side, side, LR_DEFAULTCOLOR));
}

}  // namespace runtime::win32
