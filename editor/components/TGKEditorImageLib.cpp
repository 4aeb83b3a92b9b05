#include "editor/components/TGKEditorImageLib.h"

#include "components/BmpUtil/BmpUtil.h"

platform::GdiBitmap TGKEditorImageLib::MakeEditorBitmap(int index) const {
  const TGKImageEntry& image = Images().GetImageHeader(index);
  std::array<platform::TColor, 256> colors{};
  // Entry 0 stays black: it is the colour the brush replaces.
  for (int i = 1; i < 256; ++i) {
    const platform::PALETTEENTRY& e = Images().Palette[i];
    colors[i] = (e.peRed + e.peGreen + e.peBlue == 0) ? platform::RGB(8, 8, 8)
                                                        : platform::RGB(e.peRed, e.peGreen, e.peBlue);
  }
  BITMAPINFO info;
  info.bmiHeader.biWidth = image.Width;
  info.bmiHeader.biHeight = -image.Height;
  ColorsToDibColorTable(colors, info);
  platform::GdiBitmap bitmap;
  DibToBitmap(bitmap, info, image.Bits.data());
  return bitmap;
}

void TGKEditorImageLib::DrawTransparentEditor(platform::Canvas& canvas, int x, int y,
                                              int index) const {
  if (index < 0 || index >= GetCount()) return;
  const platform::GdiBitmap bitmap = MakeEditorBitmap(index);
  const platform::TBrush savedBrush = canvas.Brush;
  canvas.Brush.Style = platform::bsSolid;
  canvas.Brush.Color = UseBackgroundColor ? BackgroundColor : platform::clWhite;
  canvas.BrushCopy(platform::Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap,
                   {0, 0, bitmap.Width(), bitmap.Height()}, platform::clBlack);
  canvas.Brush = savedBrush;
}
