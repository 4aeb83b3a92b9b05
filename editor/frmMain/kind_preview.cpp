#include "editor/frmMain/kind_preview.h"

#include "editor/Selectors/qt_images.h"
#include "editor/frmChild/child_view.h"

QImage KindPreview(TChildView* view, int kind, int size) {
  if (size <= 0) return {};
  platform::GdiBitmap picture(size, size);
  platform::Canvas& canvas = picture.Canvas();
  canvas.Brush.Style = platform::bsSolid;
  canvas.Brush.Color = platform::clWhite;
  canvas.FillRect({0, 0, size, size});
  if (view && kind >= 0 && kind < int(view->KindImages.size())) {
    // The previews keep the library's own white background, whatever the level's colour.
    TGKEditorImageLib& images = view->DXImages;
    const bool used = images.UseBackgroundColor;
    images.UseBackgroundColor = false;
    images.DrawTransparentEditor(canvas, 0, 0, view->KindImages[size_t(kind)]);
    images.UseBackgroundColor = used;
  }
  return ToQImage(picture);
}
