#include "components/GKILib/TGKImageLib.h"

#include "components/BmpUtil/BmpUtil.h"

TGKImageLib::TGKImageLib() : images_(std::make_unique<TGKImages>()) {}
TGKImageLib::~TGKImageLib() = default;

void TGKImageLib::SetImages(const TGKImages& images) { images.AssignTo(*images_); }

void TGKImageLib::LoadFromFile(const std::string& storedPath) {
  FileName.clear();
  images_->LoadFromFile(storedPath);
  FileName = storedPath;
}

void TGKImageLib::ReloadFromFile() {
  if (FileName.empty()) throw EGKImages("LoadFromFile must be called first");
  images_->LoadFromFile(FileName);
}

platform::GdiBitmap TGKImageLib::MakeBitmap(int index, bool transparent) const {
  const TGKImageEntry& image = images_->GetImageHeader(index);
  std::array<platform::TColor, 256> colors;
  for (int i = 0; i < 256; ++i) {
    const platform::PALETTEENTRY& e = images_->Palette[i];
    colors[i] = platform::RGB(e.peRed, e.peGreen, e.peBlue);
    // Near-black would be taken for the transparent colour.
    if (transparent && i > 0 && e.peFlags != 0 && e.peRed + e.peGreen + e.peBlue < 4)
      colors[i] = platform::RGB(4, 4, 4);
  }
  if (transparent && ColorDepth != 8) colors[0] = platform::RGB(255, 0, 255);
  BITMAPINFO info;
  info.bmiHeader.biWidth = image.Width;
  info.bmiHeader.biHeight = -image.Height;
  info.bmiHeader.biClrUsed = 256;
  ColorsToDibColorTable(colors, info);
  platform::GdiBitmap bitmap;
  DibToBitmap(bitmap, info, image.Bits.data());
  return bitmap;
}

void TGKImageLib::Draw(platform::Canvas& canvas, int x, int y, int index) const {
  if (index < 0 || index >= GetCount()) return;
  canvas.Draw(x, y, MakeBitmap(index, false));
}

void TGKImageLib::DrawTransparent(platform::Canvas& canvas, int x, int y, int index) const {
  if (index < 0 || index >= GetCount()) return;
  const platform::GdiBitmap bitmap = MakeBitmap(index, true);
  if (ColorDepth == 8) {
    canvas.Draw(x, y, bitmap);
    return;
  }
  // Index 0 became (255, 0, 255): those pixels are left out.
  const platform::TBrushStyle savedStyle = canvas.Brush.Style;
  canvas.Brush.Style = platform::bsClear;
  canvas.BrushCopy(platform::Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap,
                   {0, 0, bitmap.Width(), bitmap.Height()}, platform::RGB(255, 0, 255));
  canvas.Brush.Style = savedStyle;
}
