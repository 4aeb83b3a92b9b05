#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/screen_link.h"

namespace screen_link {

TGKBounds clipRect(TGKScreen& screen) {
  if (!screen.FrontSurface) return {};  // not started: no clip rectangle yet
  const TRect r = screen.GetClipRect();
  return {r.Left, r.Top, r.Right, r.Bottom};
}

static bool hasImage(const TGKScreen& screen, int index) {
  return index >= 0 && static_cast<size_t>(index) < screen.ImageSurfaces.size() &&
         screen.ImageSurfaces[static_cast<size_t>(index)];
}

void imageSize(TGKScreen& screen, int index, int32_t& width, int32_t& height) {
  // Without any image surfaces the screen reports its missing library; an index
  // the library lacks leaves the size alone.
  if (screen.ImageSurfaces.empty()) screen.GetImage(index);
  if (!hasImage(screen, index)) return;
  const TGKSurface& image = *screen.ImageSurfaces[static_cast<size_t>(index)];
  width = image.Width;
  height = image.Height;
}

bool keyDown(TGKScreen& screen, uint16_t vk) { return screen.KeyDown(vk); }

void setKeys(TGKScreen& screen, uint16_t left, uint16_t right, uint16_t up, uint16_t down,
             uint16_t fire1, uint16_t fire2) {
  screen.SetKeys(left, right, up, down, fire1, fire2);
}

void drawImage(TGKScreen& screen, int index, int x, int y) {
  if (!screen.BackSurface || !hasImage(screen, index)) return;
  screen.BackSurface->Draw(x, y, *screen.ImageSurfaces[static_cast<size_t>(index)], true);
}

}  // namespace screen_link
