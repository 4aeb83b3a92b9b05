#include "editor/Selectors/qt_images.h"

QImage ToQImage(const platform::Bitmap& bitmap) {
  if (bitmap.empty()) return {};
  QImage image(bitmap.width, bitmap.height, QImage::Format_RGB32);
  for (int y = 0; y < bitmap.height; ++y)
    for (int x = 0; x < bitmap.width; ++x) {
      const platform::Rgb c = bitmap.color(x, y);
      image.setPixel(x, y, qRgb(c.r, c.g, c.b));
    }
  return image;
}

QImage ToQImage(const platform::GdiBitmap& bitmap) {
  if (bitmap.Empty()) return {};
  QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const platform::TColor c = bitmap.PixelColor(x, y);
      image.setPixel(x, y, qRgb(platform::GetRValue(c), platform::GetGValue(c), platform::GetBValue(c)));
    }
  return image;
}
