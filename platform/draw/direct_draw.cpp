#include "platform/draw/direct_draw.h"

#include "platform/core/clock.h"
#include "platform/draw/presenter.h"

namespace platform {

namespace {
int gDesktopWidth = 1920;
int gDesktopHeight = 1080;
int gDesktopColorBits = 32;

// Our surfaces hold 8-bit indexed or 32-bit pixels; other depths are kept as 32.
int storedBits(int bits) { return bits == 8 ? 8 : 32; }
}  // namespace

DirectDrawFaults& directDrawFaults() {
  static DirectDrawFaults faults;
  return faults;
}

DirectDraw::DirectDraw() : link_(std::make_shared<DisplayLink>()) {}

DirectDraw::~DirectDraw() {
  if (link_->fullScreen && link_->window) link_->window->restoreDisplayMode();
  link_->window = nullptr;
}

HRESULT DirectDraw::SetCooperativeLevel(Presenter* window, uint32_t flags) {
  if (HRESULT fault = directDrawFaults().cooperativeLevel; FAILED(fault)) return fault;
  if ((flags & DDSCL_EXCLUSIVE) && !(flags & DDSCL_FULLSCREEN)) return DDERR_INVALIDPARAMS;
  link_->window = window;
  coopFlags_ = flags;
  return DD_OK;
}

HRESULT DirectDraw::SetDisplayMode(int width, int height, int bits) {
  if (HRESULT fault = directDrawFaults().displayMode; FAILED(fault)) return fault;
  if (!(coopFlags_ & DDSCL_EXCLUSIVE)) return DDERR_NOEXCLUSIVEMODE;
  if (width <= 0 || height <= 0) return DDERR_INVALIDPARAMS;
  modeWidth_ = width;
  modeHeight_ = height;
  modeBits_ = bits;
  link_->fullScreen = true;
  if (link_->window) link_->window->setDisplayMode(width, height, bits);
  return DD_OK;
}

HRESULT DirectDraw::RestoreDisplayMode() {
  if (link_->fullScreen && link_->window) link_->window->restoreDisplayMode();
  link_->fullScreen = false;
  modeWidth_ = modeHeight_ = modeBits_ = 0;
  return DD_OK;
}

int DirectDraw::displayBits() const { return storedBits(link_->fullScreen ? modeBits_ : desktopBits_); }

HRESULT DirectDraw::GetDisplayMode(int& width, int& height, int& bits, int& pitch) const {
  if (link_->fullScreen) {
    width = modeWidth_;
    height = modeHeight_;
  } else {
    width = gDesktopWidth;
    height = gDesktopHeight;
  }
  bits = displayBits();
  pitch = bits == 8 ? (width + 3) / 4 * 4 : width * 4;
  return DD_OK;
}

HRESULT DirectDraw::CreateSurface(const SurfaceDesc& desc, std::shared_ptr<DDSurface>& out) {
  out.reset();
  if (HRESULT fault = directDrawFaults().createSurface; FAILED(fault)) return fault;
  const int bits = displayBits();
  if (desc.primary) {
    if (!link_->window && coopFlags_ == 0) return DDERR_NOEXCLUSIVEMODE;
    if (desc.backBufferCount > 0) {
      if (!link_->fullScreen) return DDERR_NOEXCLUSIVEMODE;
      out = std::make_shared<DDSurface>(modeWidth_, modeHeight_, bits, link_, SurfaceKind::Primary);
      out->attach(std::make_shared<DDSurface>(modeWidth_, modeHeight_, bits, link_,
                                              SurfaceKind::BackBuffer));
      return DD_OK;
    }
    int w = desc.width, h = desc.height;
    if (link_->fullScreen) {
      w = modeWidth_;
      h = modeHeight_;
    }
    if (w <= 0 || h <= 0) return DDERR_INVALIDPARAMS;
    out = std::make_shared<DDSurface>(w, h, bits, link_, SurfaceKind::Primary);
    return DD_OK;
  }
  if (desc.width <= 0 || desc.height <= 0) return DDERR_INVALIDPARAMS;
  // Far beyond any display: refuse rather than try to allocate gigabytes.
  if (int64_t(desc.width) * desc.height > (int64_t(1) << 26)) return DDERR_OUTOFMEMORY;
  out = std::make_shared<DDSurface>(desc.width, desc.height, bits, link_, SurfaceKind::Offscreen,
                                    desc.systemMemory);
  return DD_OK;
}

HRESULT DirectDraw::CreatePalette(const PALETTEENTRY* entries, std::shared_ptr<DDPalette>& out) {
  out.reset();
  if (HRESULT fault = directDrawFaults().createPalette; FAILED(fault)) return fault;
  if (!entries) return DDERR_INVALIDPARAMS;
  DDPalette::Entries table;
  std::copy_n(entries, 256, table.begin());
  out = std::make_shared<DDPalette>(table);
  return DD_OK;
}

HRESULT DirectDraw::WaitForVerticalBlank() {
  // Refreshes fall on multiples of 1000/60 ms of the tick clock.
  Clock& clock = activeClock();
  const uint64_t now = clock.tickCount();
  const uint64_t next = (now * 60 / 1000 + 1) * 1000 / 60 + ((now * 60 / 1000 + 1) * 1000 % 60 ? 1 : 0);
  if (next > now) clock.sleep(uint32_t(next - now));
  return DD_OK;
}

void DirectDraw::setDesktop(int width, int height) {
  gDesktopWidth = width;
  gDesktopHeight = height;
}
int DirectDraw::desktopWidth() { return gDesktopWidth; }
int DirectDraw::desktopHeight() { return gDesktopHeight; }
void DirectDraw::setDesktopColorBits(int bits) { gDesktopColorBits = bits; }
int DirectDraw::desktopColorBits() { return gDesktopColorBits; }
void DirectDraw::setDesktopBits(int bits) { desktopBits_ = storedBits(bits); }

HRESULT DirectDrawCreate(std::unique_ptr<DirectDraw>& out) {
  out.reset();
  if (HRESULT fault = directDrawFaults().create; FAILED(fault)) return fault;
  out = std::make_unique<DirectDraw>();
  return DD_OK;
}

}  // namespace platform
