#pragma once
// The image library component: owns a TGKImages, remembers the file it was
// loaded from (so that the screen can reload it after the display was lost) and
// draws single images onto a canvas.
#include <memory>
#include <string>

#include "components/GKILib/TGKImages.h"
#include "platform/draw/canvas.h"
#include "platform/draw/gdi_bitmap.h"

class TGKImageLib {
 public:
  TGKImageLib();
  ~TGKImageLib();

  TGKImages& Images() { return *images_; }
  const TGKImages& Images() const { return *images_; }
  // Copies the given contents.
  void SetImages(const TGKImages& images);

  std::string FileName;  // empty until loaded from a file
  int ColorDepth = 8;    // bits per pixel of the screen the library is drawn for

  // FileName is set only when the load succeeds.
  void LoadFromFile(const std::string& storedPath);
  // Throws EGKImages "LoadFromFile must be called first" without a file name.
  void ReloadFromFile();
  bool HasFileName() const { return !FileName.empty(); }
  int GetCount() const { return images_ ? images_->GetCount() : 0; }

  // Image index opaque at (x, y); nothing for an index outside the images.
  void Draw(platform::Canvas& canvas, int x, int y, int index) const;
  // As Draw, but near-black colours become (4, 4, 4) and, above 8 bits per pixel,
  // index-0 pixels are left out.
  void DrawTransparent(platform::Canvas& canvas, int x, int y, int index) const;
  // Image index as a bitmap of its size, with the palette as given by Draw
  // (transparent false) or DrawTransparent (true).
  platform::GdiBitmap MakeBitmap(int index, bool transparent) const;

 private:
  std::unique_ptr<TGKImages> images_;
};
