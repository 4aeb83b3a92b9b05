#include "platform/draw/gdi_bitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/core/paths.h"

namespace platform {

namespace {

// A bitmap's own canvas draws straight onto its pixels.
class BitmapCanvas final : public Canvas {
 public:
  explicit BitmapCanvas(GdiBitmap& owner) : owner_(owner) {}
  void invalidate() { ClearHandle(); }

 protected:
  void CreateHandle() override {
    if (!owner_.Empty()) SetHandle(owner_.view());
  }

 private:
  GdiBitmap& owner_;
};

// Larger than any picture the programs use; refused rather than allocated.
constexpr int64_t kMaxPixels = int64_t(1) << 26;

}  // namespace

GdiBitmap::GdiBitmap(int width, int height, int bitsPerPixel) { SetSize(width, height, bitsPerPixel); }

GdiBitmap::GdiBitmap(const GdiBitmap& other)
    : Palette(other.Palette),
      width_(other.width_),
      height_(other.height_),
      bpp_(other.bpp_),
      pitch_(other.pitch_),
      pixels_(other.pixels_) {}

GdiBitmap& GdiBitmap::operator=(const GdiBitmap& other) {
  if (this == &other) return *this;
  Palette = other.Palette;
  width_ = other.width_;
  height_ = other.height_;
  bpp_ = other.bpp_;
  pitch_ = other.pitch_;
  pixels_ = other.pixels_;
  if (canvas_) static_cast<BitmapCanvas&>(*canvas_).invalidate();
  return *this;
}

GdiBitmap::~GdiBitmap() = default;

void GdiBitmap::SetSize(int width, int height, int bitsPerPixel) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (int64_t(width) * height > kMaxPixels)
    throw std::length_error("Bitmap too large (" + std::to_string(width) + " x " + std::to_string(height) + ")");
  width_ = width;
  height_ = height;
  bpp_ = bitsPerPixel == 8 ? 8 : 32;
  pitch_ = bpp_ == 8 ? width_ : width_ * 4;
  pixels_.assign(size_t(pitch_) * height_, 0);
  if (canvas_) static_cast<BitmapCanvas&>(*canvas_).invalidate();
}

void GdiBitmap::Assign(const Bitmap& bmp) {
  SetSize(bmp.width, bmp.height, bmp.bitsPerPixel == 8 ? 8 : 32);
  if (Empty()) return;
  if (bpp_ == 8) {
    for (int i = 0; i < 256; ++i) Palette[i] = {bmp.colors[i].r, bmp.colors[i].g, bmp.colors[i].b, 0};
    std::memcpy(pixels_.data(), bmp.pixels.data(), std::min(pixels_.size(), bmp.pixels.size()));
    return;
  }
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const Rgb c = bmp.color(x, y);
      reinterpret_cast<uint32_t*>(pixels_.data() + size_t(y) * pitch_)[x] = colorToPixel32(RGB(c.r, c.g, c.b));
    }
}

void GdiBitmap::LoadFromFile(std::string_view storedPath) { Assign(readBmp(resolvePath(storedPath))); }

uint32_t GdiBitmap::Pixel32(int x, int y) const {
  if (bpp_ == 8) {
    const PALETTEENTRY& e = Palette[PixelIndex(x, y)];
    return (uint32_t(e.peRed) << 16) | (uint32_t(e.peGreen) << 8) | e.peBlue;
  }
  return reinterpret_cast<const uint32_t*>(pixels_.data() + size_t(y) * pitch_)[x];
}

TColor GdiBitmap::PixelColor(int x, int y) const { return pixel32ToColor(Pixel32(x, y)); }

PixelView GdiBitmap::view() {
  PixelView v;
  if (Empty()) return v;
  v.data = pixels_.data();
  v.width = width_;
  v.height = height_;
  v.pitch = pitch_;
  v.bitsPerPixel = bpp_;
  v.palette = bpp_ == 8 ? Palette.data() : nullptr;
  return v;
}

Canvas& GdiBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<BitmapCanvas>(*this);
  return *canvas_;
}

}  // namespace platform
