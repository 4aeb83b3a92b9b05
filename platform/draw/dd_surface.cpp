#include "platform/draw/dd_surface.h"

#include <algorithm>
#include <cstring>

#include "platform/draw/direct_draw.h"
#include "platform/draw/presenter.h"

namespace platform {

namespace {

bool inside(const TRect& r, int width, int height) {
  return r.Left >= 0 && r.Top >= 0 && r.Right <= width && r.Bottom <= height && r.Left <= r.Right &&
         r.Top <= r.Bottom;
}

int bytesPerPixel(int bpp) { return bpp == 8 ? 1 : 4; }

// Rows of an 8-bit surface are padded to 4 bytes, as display memory is.
int pitchFor(int width, int bpp) { return bpp == 8 ? (width + 3) / 4 * 4 : width * 4; }

template <typename Pixel>
void copyRows(uint8_t* dst, int dstPitch, const uint8_t* src, int srcPitch, int w, int h) {
  const size_t bytes = size_t(w) * sizeof(Pixel);
  for (int y = 0; y < h; ++y) std::memcpy(dst + ptrdiff_t(y) * dstPitch, src + ptrdiff_t(y) * srcPitch, bytes);
}

// The keyed copy is the hot path of every sprite: written so that the compiler
// turns the select into vector code.
template <typename Pixel>
void copyRowsKeyed(uint8_t* dst, int dstPitch, const uint8_t* src, int srcPitch, int w, int h,
                   Pixel key) {
  for (int y = 0; y < h; ++y) {
    Pixel* __restrict d = reinterpret_cast<Pixel*>(dst + ptrdiff_t(y) * dstPitch);
    const Pixel* __restrict s = reinterpret_cast<const Pixel*>(src + ptrdiff_t(y) * srcPitch);
    for (int x = 0; x < w; ++x) {
      const Pixel p = s[x];
      d[x] = p != key ? p : d[x];
    }
  }
}

template <typename Pixel>
void fillRows(uint8_t* dst, int pitch, int w, int h, Pixel value) {
  for (int y = 0; y < h; ++y) {
    Pixel* d = reinterpret_cast<Pixel*>(dst + ptrdiff_t(y) * pitch);
    std::fill_n(d, w, value);
  }
}

template <typename Pixel>
void stretchRows(uint8_t* dst, int dstPitch, int dw, int dh, const uint8_t* src, int srcPitch,
                 int sw, int sh) {
  for (int y = 0; y < dh; ++y) {
    const Pixel* s = reinterpret_cast<const Pixel*>(src + ptrdiff_t(int64_t(y) * sh / dh) * srcPitch);
    Pixel* d = reinterpret_cast<Pixel*>(dst + ptrdiff_t(y) * dstPitch);
    for (int x = 0; x < dw; ++x) d[x] = s[int64_t(x) * sw / dw];
  }
}

}  // namespace

DDSurface::DDSurface(int width, int height, int bitsPerPixel, std::shared_ptr<DisplayLink> link,
                     SurfaceKind kind, bool systemMemory)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      bpp_(bitsPerPixel == 8 ? 8 : 32),
      pitch_(pitchFor(width_, bpp_)),
      pixels_(size_t(pitch_) * height_),
      link_(link ? std::move(link) : std::make_shared<DisplayLink>()),
      kind_(kind),
      systemMemory_(systemMemory) {}

DDSurface::~DDSurface() {
  if (palette_ && kind_ == SurfaceKind::Primary) palette_->onChange = nullptr;
}

HRESULT DDSurface::busyOrLost() const {
  if (lost_) return DDERR_SURFACELOST;
  if (locked_ || dc_) return DDERR_SURFACEBUSY;
  return DD_OK;
}

HRESULT DDSurface::Lock(const TRect* rect, uint8_t** bits, int* pitch) {
  if (!bits) return DDERR_INVALIDPARAMS;
  *bits = nullptr;
  if (HRESULT hr = busyOrLost(); FAILED(hr)) return hr;
  const TRect r = rect ? *rect : this->rect();
  if (!inside(r, width_, height_)) return DDERR_INVALIDRECT;
  locked_ = true;
  *bits = pixels_.data() + ptrdiff_t(r.Top) * pitch_ + ptrdiff_t(r.Left) * bytesPerPixel(bpp_);
  if (pitch) *pitch = pitch_;
  return DD_OK;
}

HRESULT DDSurface::Unlock() {
  if (!locked_) return DDERR_NOTLOCKED;
  locked_ = false;
  return DD_OK;
}

HRESULT DDSurface::BltFast(int x, int y, DDSurface& src, const TRect& srcRect, uint32_t flags) {
  if (HRESULT hr = busyOrLost(); FAILED(hr)) return hr;
  if (&src != this)
    if (HRESULT hr = src.busyOrLost(); FAILED(hr)) return hr;
  if (src.bpp_ != bpp_) return DDERR_UNSUPPORTED;
  const int w = srcRect.width(), h = srcRect.height();
  const TRect dest{x, y, x + w, y + h};
  if (!inside(srcRect, src.width_, src.height_) || !inside(dest, width_, height_))
    return DDERR_INVALIDRECT;
  if (w == 0 || h == 0) return DD_OK;
  const int bpp = bytesPerPixel(bpp_);
  uint8_t* d = pixels_.data() + ptrdiff_t(y) * pitch_ + ptrdiff_t(x) * bpp;
  const uint8_t* s = src.pixels_.data() + ptrdiff_t(srcRect.Top) * src.pitch_ + ptrdiff_t(srcRect.Left) * bpp;
  if (&src == this) {
    // Overlapping copies within one surface go through a copy of the source.
    std::vector<uint8_t> tmp(size_t(w) * bpp * h);
    copyRows<uint8_t>(tmp.data(), w * bpp, s, src.pitch_, w * bpp, h);
    if ((flags & DDBLTFAST_SRCCOLORKEY) && hasKey_) {
      if (bpp == 1) copyRowsKeyed<uint8_t>(d, pitch_, tmp.data(), w, w, h, uint8_t(key_));
      else copyRowsKeyed<uint32_t>(d, pitch_, tmp.data(), w * 4, w, h, key_);
    } else {
      copyRows<uint8_t>(d, pitch_, tmp.data(), w * bpp, w * bpp, h);
    }
    return DD_OK;
  }
  if ((flags & DDBLTFAST_SRCCOLORKEY) && src.hasKey_) {
    if (bpp == 1) copyRowsKeyed<uint8_t>(d, pitch_, s, src.pitch_, w, h, uint8_t(src.key_));
    else copyRowsKeyed<uint32_t>(d, pitch_, s, src.pitch_, w, h, src.key_);
  } else {
    copyRows<uint8_t>(d, pitch_, s, src.pitch_, w * bpp, h);
  }
  return DD_OK;
}

HRESULT DDSurface::Blt(const TRect* destRect, DDSurface& src, const TRect* srcRect) {
  if (HRESULT hr = busyOrLost(); FAILED(hr)) return hr;
  if (&src != this)
    if (HRESULT hr = src.busyOrLost(); FAILED(hr)) return hr;
  if (src.bpp_ != bpp_) return DDERR_UNSUPPORTED;
  const TRect s = srcRect ? *srcRect : src.rect();
  if (!inside(s, src.width_, src.height_) || s.isEmpty()) return DDERR_INVALIDRECT;
  if (kind_ == SurfaceKind::Primary && !link_->fullScreen) {
    // The windowed primary is the window: keep the frame at buffer size and show
    // it scaled onto the destination, given in screen coordinates.
    TRect dest = destRect ? *destRect : rect();
    if (link_->window) {
      const TPoint o = link_->window->clientOrigin();
      dest = {dest.Left - o.X, dest.Top - o.Y, dest.Right - o.X, dest.Bottom - o.Y};
    }
    const TRect keep{0, 0, std::min(s.width(), width_), std::min(s.height(), height_)};
    const int bpp = bytesPerPixel(bpp_);
    copyRows<uint8_t>(pixels_.data(), pitch_,
                      src.pixels_.data() + ptrdiff_t(s.Top) * src.pitch_ + ptrdiff_t(s.Left) * bpp,
                      src.pitch_, keep.width() * bpp, keep.height());
    presentTo(keep, dest);
    return DD_OK;
  }
  const TRect d = destRect ? *destRect : rect();
  if (!inside(d, width_, height_)) return DDERR_INVALIDRECT;
  if (d.isEmpty()) return DD_OK;
  const int bpp = bytesPerPixel(bpp_);
  uint8_t* dp = pixels_.data() + ptrdiff_t(d.Top) * pitch_ + ptrdiff_t(d.Left) * bpp;
  const uint8_t* sp = src.pixels_.data() + ptrdiff_t(s.Top) * src.pitch_ + ptrdiff_t(s.Left) * bpp;
  if (&src == this) {
    std::vector<uint8_t> tmp(size_t(s.width()) * bpp * s.height());
    copyRows<uint8_t>(tmp.data(), s.width() * bpp, sp, pitch_, s.width() * bpp, s.height());
    if (bpp == 1) stretchRows<uint8_t>(dp, pitch_, d.width(), d.height(), tmp.data(), s.width(), s.width(), s.height());
    else stretchRows<uint32_t>(dp, pitch_, d.width(), d.height(), tmp.data(), s.width() * 4, s.width(), s.height());
  } else if (bpp == 1) {
    stretchRows<uint8_t>(dp, pitch_, d.width(), d.height(), sp, src.pitch_, s.width(), s.height());
  } else {
    stretchRows<uint32_t>(dp, pitch_, d.width(), d.height(), sp, src.pitch_, s.width(), s.height());
  }
  return DD_OK;
}

HRESULT DDSurface::ColorFill(const TRect* rect, uint32_t color) {
  if (HRESULT hr = busyOrLost(); FAILED(hr)) return hr;
  const TRect r = rect ? *rect : this->rect();
  if (!inside(r, width_, height_)) return DDERR_INVALIDRECT;
  uint8_t* d = pixels_.data() + ptrdiff_t(r.Top) * pitch_ + ptrdiff_t(r.Left) * bytesPerPixel(bpp_);
  if (bpp_ == 8) fillRows<uint8_t>(d, pitch_, r.width(), r.height(), uint8_t(color));
  else fillRows<uint32_t>(d, pitch_, r.width(), r.height(), color & 0xFFFFFFu);
  return DD_OK;
}

HRESULT DDSurface::SetColorKey(uint32_t low, uint32_t high) {
  if (lost_) return DDERR_SURFACELOST;
  if (low != high) return DDERR_UNSUPPORTED;  // key ranges are not supported
  hasKey_ = true;
  key_ = bpp_ == 8 ? (low & 0xFF) : (low & 0xFFFFFFu);
  return DD_OK;
}

HRESULT DDSurface::GetDC(PixelView& view) {
  view = {};
  if (HRESULT hr = busyOrLost(); FAILED(hr)) return hr;
  dc_ = true;
  view.data = pixels_.data();
  view.width = width_;
  view.height = height_;
  view.pitch = pitch_;
  view.bitsPerPixel = bpp_;
  view.palette = effectivePalette();
  return DD_OK;
}

HRESULT DDSurface::ReleaseDC() {
  if (!dc_) return DDERR_NOTLOCKED;
  dc_ = false;
  return DD_OK;
}

HRESULT DDSurface::SetPalette(std::shared_ptr<DDPalette> palette) {
  if (lost_) return DDERR_SURFACELOST;
  if (bpp_ != 8) return DDERR_UNSUPPORTED;
  if (kind_ == SurfaceKind::Primary) {
    if (palette_) palette_->onChange = nullptr;
    if (palette)
      palette->onChange = [this] {
        if (presented_) presentTo(lastSource_, lastDest_);
      };
    link_->primaryPalette = palette;
  }
  palette_ = std::move(palette);
  return DD_OK;
}

std::shared_ptr<DDPalette> DDSurface::GetPalette() const { return palette_; }

const PALETTEENTRY* DDSurface::effectivePalette() const {
  if (bpp_ != 8) return nullptr;
  if (palette_) return palette_->entries().data();
  if (link_->primaryPalette) return link_->primaryPalette->entries().data();
  return nullptr;
}

HRESULT DDSurface::GetAttachedSurface(std::shared_ptr<DDSurface>& out) {
  out = attached_;
  return attached_ ? DD_OK : DDERR_INVALIDOBJECT;
}

HRESULT DDSurface::Flip() {
  if (kind_ != SurfaceKind::Primary || !attached_) return DDERR_NOTFLIPPABLE;
  if (HRESULT hr = busyOrLost(); FAILED(hr)) return hr;
  if (HRESULT hr = attached_->busyOrLost(); FAILED(hr)) return hr;
  // The front keeps what is shown, so that callers can read the shown frame back.
  const int w = std::min(width_, attached_->width_), h = std::min(height_, attached_->height_);
  copyRows<uint8_t>(pixels_.data(), pitch_, attached_->pixels_.data(), attached_->pitch_,
                    w * bytesPerPixel(bpp_), h);
  presentTo({0, 0, w, h}, {0, 0, width_, height_});
  return DD_OK;
}

void DDSurface::presentTo(const TRect& source, const TRect& dest) {
  presented_ = true;
  lastSource_ = source;
  lastDest_ = dest;
  if (!link_->window) return;
  FrameView frame;
  frame.pixels = pixels_.data();
  frame.width = width_;
  frame.height = height_;
  frame.pitch = pitch_;
  frame.bitsPerPixel = bpp_;
  frame.palette = effectivePalette();
  link_->window->present(frame, source, dest);
}

HRESULT DDSurface::Restore() {
  if (HRESULT fault = directDrawFaults().restore; FAILED(fault)) return fault;
  if (!lost_) return DD_OK;
  lost_ = false;
  // Restored memory holds nothing of the old contents.
  std::fill(pixels_.begin(), pixels_.end(), uint8_t(0));
  if (attached_) attached_->Restore();
  return DD_OK;
}

}  // namespace platform
