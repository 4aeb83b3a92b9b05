#include "game/Game/draw_background.h"

#include <algorithm>

#include "components/ZEZ/TGKScreen.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"

namespace {

// One axis of the source: its start, one view long.
int sourceStart(int camera, int view, int levelSize, int surfaceSize) {
  if (camera == 0) return 0;
  const int range = levelSize - view;
  if (range < 0 || camera >= range) return surfaceSize - view;
  const int surfaceRange = surfaceSize - view;
  // A surface no larger than the view has nothing to scroll through.
  if (surfaceRange <= 0) return 0;
  // A camera far beyond the level (an auto-scroll towards its start) still gives
  // a start that an int holds.
  const double start = double(camera) / (double(range) / double(surfaceRange));
  return int(std::clamp(start, -double(surfaceSize), double(surfaceSize)));
}

}  // namespace

platform::TRect BackgroundSource(const TBackgroundView& v) {
  platform::TRect r;
  r.Left = sourceStart(v.cameraX, v.viewWidth, v.levelWidth, v.surfaceWidth);
  r.Right = r.Left + v.viewWidth;
  r.Top = sourceStart(v.cameraY, v.viewHeight, v.levelHeight, v.surfaceHeight);
  r.Bottom = r.Top + v.viewHeight;
  if (v.levelWidth < v.viewWidth) r.Right = v.levelWidth;
  if (v.levelHeight < v.viewHeight) r.Bottom = v.levelHeight;
  if (v.marginWidth > 0 && v.marginWidth < r.width()) r.Right -= v.marginWidth;
  if (v.marginHeight > 0 && v.marginHeight < r.height()) r.Bottom -= v.marginHeight;
  return r;
}

void DrawBackground() {
  TGKScreen& screen = *fmMain->DXScreen;
  if (!screen.BackSurface) return;
  TGKSurface& back = *screen.BackSurface;
  const TLevelOptions& o = Level.Options;
  const platform::TRect clip = screen.GetClipRect();

  platform::Canvas& c = *back.Canvas;
  c.Brush = {platform::TColor(o.FillColor) & 0xFFFFFF, platform::bsSolid};
  c.FillRect(clip);
  back.Canvas->Release();

  if (!fmMain->BackSurface) return;
  TGKSurface& bg = *fmMain->BackSurface;
  TBackgroundView v{fmMain->CameraX, fmMain->CameraY, clip.width(),  clip.height(), o.ResFactor * o.Width,
                    o.ResFactor * o.Height, bg.Width, bg.Height, o.BgWidth, o.BgHeight};
  platform::TRect src = BackgroundSource(v);
  // Only what the surface holds is copied.
  src.Left = std::max(src.Left, 0);
  src.Top = std::max(src.Top, 0);
  src.Right = std::min(src.Right, bg.Width);
  src.Bottom = std::min(src.Bottom, bg.Height);
  if (src.isEmpty()) return;
  back.BlitClip(o.BgX, o.BgY, bg, src, false);
}
