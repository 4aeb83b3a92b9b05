#include "components/ZEZ/TGKCanvas.h"

#include "components/ZEZ/ZEZErrors.h"

TGKCanvas::TGKCanvas(std::shared_ptr<platform::DDSurface> surface) : surface_(std::move(surface)) {
  if (!surface_) throw EGKCanvas("Cannot create canvas for NIL surface");
}

TGKCanvas::TGKCanvas(std::shared_ptr<platform::DDSurface> surface, TUntested) : surface_(std::move(surface)) {}

TGKCanvas::~TGKCanvas() { Release(); }

void TGKCanvas::CreateHandle() {
  if (dc_ || !surface_) return;
  platform::PixelView view;
  // A lost or busy surface gives no context; drawing then fails with the
  // canvas's own error.
  if (platform::SUCCEEDED(surface_->GetDC(view))) {
    dc_ = true;
    SetHandle(view);
  }
}

void TGKCanvas::Release() {
  if (!dc_) return;
  ClearHandle();
  surface_->ReleaseDC();
  dc_ = false;
}
