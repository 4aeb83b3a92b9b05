// The star field on the screen's back buffer.
#include "components/ZEZ/TGKScreen.h"
#include "components/ZEZStar/star_field.h"

void TGKStarField::Initialize() {
  if (!ZEZScreen || !ZEZScreen->BackSurface) return;
  Prepare(ZEZScreen->BackSurface->Width, ZEZScreen->BackSurface->Height);
  MoveAndDraw();
}

void TGKStarField::Update() {
  if (Erase) EraseArea();
  MoveAndDraw();
}

void TGKStarField::EraseArea() {
  if (!ZEZScreen || !ZEZScreen->BackSurface) return;
  TGKSurface& back = *ZEZScreen->BackSurface;
  TRect area{};
  if (!platform::IntersectRect(area, TRect{EdgeLeft, EdgeTop, EdgeRight, EdgeBottom}, back.Rect)) return;
  back.Fill(area, 0);
}

void TGKStarField::MoveAndDraw() {
  if (!ZEZScreen || !ZEZScreen->BackSurface) return;
  TGKSurface& back = *ZEZScreen->BackSurface;
  uint8_t* bits = back.Lock();
  if (!bits) return;
  MoveAndDrawInto(bits, back.Pitch, back.Surface->bitsPerPixel(), back.Width, back.Height);
  back.Unlock();
}

