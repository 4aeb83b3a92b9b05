#include "components/ZEZ/TGKBackground.h"

#include <algorithm>

#include "components/ZEZ/TGKScreen.h"

void TScrollregion::SetValue(int index, uint16_t value) {
  uint16_t* field = nullptr;
  switch (index) {
    case iLeft: field = &Left; break;
    case iTop: field = &Top; break;
    case iHeight: field = &Height; break;
    case iWidth: field = &Width; break;
    default: return;
  }
  if (*field != value) *field = value;
}

void TGKBackgroundImageItem::Prepare() {
  Offset = 0;
  Surface.reset();
  if (!Screen || !Screen->DirectDraw || !Screen->FrontSurface) return;
  TGKScreen& screen = *Screen;
  const int width = Stretch ? screen.FrontSurface->Width : image_.Width();
  const int height = Stretch ? screen.FrontSurface->Height : image_.Height();
  Surface = TGKSurface::CreateOffscreen(*screen.DirectDraw, width, height, screen.ColorDepth);
  Surface->OnRestore = [&screen](TGKSurface& s) { screen.SurfaceLost(s); };
  if (Stretch)
    Surface->Canvas->StretchDraw({0, 0, width, height}, image_);
  else
    Surface->Canvas->Draw(0, 0, image_);
  Surface->Canvas->Release();
  Surface->SetColorKey(0);
  if (screen.PaletteMode == pmNormal) {
    // Drawn once more now that the surface's colours are settled.
    Surface->Canvas->StretchDraw(Surface->Canvas->ClipRect(), image_);
    Surface->Canvas->Release();
  }
}

void TGKBackgroundImageItem::ScrollAndDraw() {
  if (!Screen || !Screen->BackSurface || !Surface) return;
  TScrollregion& r = Scrollregion;
  // A region beyond the surface is narrowed to it (to nothing when it starts
  // past the surface's edge, instead of wrapping round to a huge width).
  if (r.Left + r.Width > Surface->Width) r.Width = uint16_t(std::max(0, Surface->Width - r.Left));
  if (r.Top + r.Height > Surface->Height) r.Height = uint16_t(std::max(0, Surface->Height - r.Top));

  if (r.Width == 0 || r.Height == 0) return;

  const int right = r.Left + r.Width;
  if (Direction == Scrollleft) {
    Offset += Step;
    if (Offset >= right) Offset = r.Left + Step;
  } else {
    Offset -= Step;
    if (Offset < r.Left) Offset = right - 1;
  }

  TGKSurface& back = *Screen->BackSurface;
  const int top = r.Top, bottom = r.Top + r.Height;
  // A region moved since the last frame may leave Offset outside it.
  const int from = std::clamp(Offset, int(r.Left), right);
  back.BlitClip(r.X, r.Y, *Surface, {from, top, right, bottom}, true);
  // The wrapped piece comes from the region's own start.
  back.BlitClip(right - from + r.X, r.Y, *Surface, {r.Left, top, from, bottom}, true);
}

TGKBackgroundImageItem& TGKBackground::AddImage() {
  images_.push_back(std::make_unique<TGKBackgroundImageItem>());
  return *images_.back();
}

void TGKBackground::AssignImages(const TGKBackground& source) {
  if (&source == this) return;
  images_.clear();
  for (const auto& from : source.images_) {
    TGKBackgroundImageItem& to = AddImage();
    to.SetImage(from->GetImage());
    to.Step = from->Step;
    to.Direction = from->Direction;
    to.Scrollregion = from->Scrollregion;
    to.Autoscroll = from->Autoscroll;
    to.Stretch = from->Stretch;
  }
}

void TGKBackground::Prepare() {
  for (auto& item : images_) {
    item->Screen = ZEZScreen;
    item->Prepare();
  }
}

void TGKBackground::Update() {
  if (images_.empty() || !ZEZScreen) return;
  for (auto& item : images_)
    if (item->Autoscroll) item->ScrollAndDraw();
}

void TGKBackground::Notification(const void* removed) {
  if (removed && removed == ZEZScreen) {
    ZEZScreen = nullptr;
    for (auto& item : images_) item->Screen = nullptr;
  }
}

void TGKHiColorImageLib::TGKImageItem::SetImage(const platform::GdiBitmap& picture) {
  Image = picture;
  Width = picture.Width();
  Height = picture.Height();
}

TGKHiColorImageLib::TGKImageItem& TGKHiColorImageLib::AddImage(const platform::GdiBitmap& picture) {
  Images.emplace_back().SetImage(picture);
  return Images.back();
}

const platform::GdiBitmap& TGKHiColorImageLib::GetPicture(int index) const {
  return Images.at(size_t(index)).Image;
}
