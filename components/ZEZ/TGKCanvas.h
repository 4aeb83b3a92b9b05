#pragma once
// GDI drawing on a surface. The canvas takes the surface's device context on
// first use and holds it, keeping the surface busy, until Release: release it
// after drawing, before the surface is blitted, locked or flipped.
#include <memory>

#include "platform/draw/canvas.h"
#include "platform/draw/dd_surface.h"

class TGKCanvas : public platform::Canvas {
 public:
  // Throws EGKCanvas "Cannot create canvas for NIL surface" for a null surface.
  explicit TGKCanvas(std::shared_ptr<platform::DDSurface> surface);
  // The editor's edition keeps the surface without testing it: a canvas
  // without a surface never gets a context, so drawing on it fails with the
  // canvas's own error.
  struct TUntested {};
  TGKCanvas(std::shared_ptr<platform::DDSurface> surface, TUntested);
  ~TGKCanvas() override;

  void Release();
  const std::shared_ptr<platform::DDSurface>& Surface() const { return surface_; }
  bool HasDC() const { return dc_; }

 protected:
  void CreateHandle() override;

 private:
  std::shared_ptr<platform::DDSurface> surface_;
  bool dc_ = false;
};
