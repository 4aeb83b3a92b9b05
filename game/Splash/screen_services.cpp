#include "game/Splash/screen_services.h"

#include <algorithm>

#include "components/ZEZ/TGKScreen.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/shell_state.h"
#include "platform/core/bitmap.h"
#include "platform/core/paths.h"
#include "platform/draw/gdi_bitmap.h"

namespace {
TScreenAudio defaultAudio;
TScreenAudio* currentAudio = &defaultAudio;

constexpr int kRingLast = 5;
}  // namespace

void TScreenAudio::PlaySound(int effect) {
  if (fmMain) fmMain->PlaySoundEffect(effect);
}

void TScreenAudio::PlayCoinSound() {
  if (fmMain) fmMain->CoinSoundIndex = fmMain->CoinSoundIndex >= kRingLast ? 0 : fmMain->CoinSoundIndex + 1;
}

void TScreenAudio::PlayBrickSound() {
  if (fmMain) fmMain->BrickSoundIndex = fmMain->BrickSoundIndex >= kRingLast ? 0 : fmMain->BrickSoundIndex + 1;
}

void TScreenAudio::LoadSoundLibrary(const std::string&) {}

void TScreenAudio::OpenMusic(const std::string& file, int tag) {
  file_ = file;
  tag_ = tag;
  playing_ = false;
}

void TScreenAudio::PlayMusic() { playing_ = !file_.empty(); }
void TScreenAudio::StopMusic() { playing_ = false; }

TScreenAudio& screenAudio() { return *currentAudio; }
void setScreenAudio(TScreenAudio* audio) { currentAudio = audio ? audio : &defaultAudio; }

void PlayScreenSound(int effect) {
  if (GameShell.PlaySound) screenAudio().PlaySound(effect);
}

bool DisplayRunning() { return fmMain && fmMain->DXScreen && fmMain->DXScreen->DirectDraw && fmMain->DXScreen->BackSurface; }

void CopyFrontToBack() {
  TGKScreen& s = *fmMain->DXScreen;
  if (!s.FrontSurface || !s.BackSurface) return;
  s.BackSurface->BlitClip(0, 0, *s.FrontSurface, s.FrontSurface->Rect, false);
}

void ClearDisplay() {
  if (!DisplayRunning()) return;
  TGKScreen& s = *fmMain->DXScreen;
  s.BackSurface->Erase(0);
  s.Flip();
  CopyFrontToBack();
}

std::unique_ptr<TGKSurface> LoadPictureSurface(const std::string& storedPath, platform::GdiBitmap& picture) {
  if (!DisplayRunning() || storedPath.empty() || !platform::fileExists(storedPath)) return nullptr;
  try {
    picture.LoadFromFile(platform::resolvePath(storedPath).string());
  } catch (const platform::BmpError&) {
    return nullptr;
  }
  if (picture.Empty()) return nullptr;
  TGKScreen& s = *fmMain->DXScreen;
  auto surface = TGKSurface::CreateOffscreen(*s.DirectDraw, picture.Width(), picture.Height(), s.ColorDepth);
  surface->Canvas->Draw(0, 0, picture);
  surface->Canvas->Release();
  surface->SetColorKey(0);
  return surface;
}

void CopyPictureColors(const platform::GdiBitmap& picture, int count, int first) {
  TGKScreen& s = *fmMain->DXScreen;
  if (s.ColorDepth != 8 || picture.BitsPerPixel() != 8) return;
  for (int i = 0; i < count && first + i < 256; ++i) {
    const platform::PALETTEENTRY& e = picture.Palette[size_t(i)];
    s.PaletteEntries[size_t(first + i)] = {e.peRed, e.peGreen, e.peBlue, 0};
  }
  s.SetPalette(s.PaletteEntries);
}
