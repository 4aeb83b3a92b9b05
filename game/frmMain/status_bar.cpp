// The status bar, the bitmap font and the dust and water-drop rings.
#include "game/frmMain/status_bar.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "components/BmpUtil/BmpUtil.h"
#include "components/GKILib/TGKImageLib.h"
#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"
#include "platform/core/paths.h"
#include "platform/core/tick_stamp.h"
#include "platform/draw/gdi_bitmap.h"

namespace {

constexpr int kGlyphWidth = 8;
constexpr int kFontKey8 = 10;  // the font's transparent palette entry
constexpr platform::TColor kFontBackground = platform::RGB(240, 244, 248);
constexpr platform::TColor kInkBrush = platform::RGB(10, 10, 10);
constexpr int kStatusPictureWidth = 320, kStatusPictureHeight = 26;

// Glyph of a character; -1 for none.
int glyphOf(char ch) {
  const int c = std::toupper(static_cast<unsigned char>(ch));
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'b') return c - 55;
  if (c == '!') return 36;
  if (c == '>') return 38;
  return -1;
}

// Copies src to (x, y) of dest, cut to dest's whole surface (the bar lies outside the clip rectangle).
void blitInside(TGKSurface& dest, int x, int y, TGKSurface& src, bool transparent) {
  TRect r{0, 0, src.Width, src.Height};
  if (x < 0) r.Left = -x;
  if (y < 0) r.Top = -y;
  r.Right = std::min(r.Right, dest.Width - x);
  r.Bottom = std::min(r.Bottom, dest.Height - y);
  if (r.isEmpty()) return;
  dest.BltFast(x + r.Left, y + r.Top, src, r, transparent);
}

}  // namespace

std::vector<TGlyphPlacement> LayoutBitmapText(int X, int Y, const std::string& Text) {
  std::vector<TGlyphPlacement> glyphs;
  if (platform::sameText(Text, "PAUSA")) return {{PauseGlyph, X, Y}};
  for (size_t i = 0; i < Text.size(); ++i) {
    const int g = glyphOf(Text[i]);
    if (g < 0) continue;
    const int x = X + kGlyphWidth * int(i);
    glyphs.push_back({g, x, g <= 9 ? Y + 1 : Y});
  }
  return glyphs;
}

std::string ScoreText(int score) {
  char text[16];
  std::snprintf(text, sizeof text, "%07d", score);
  return text;
}

std::string LivesText(int lives) {
  if (lives < 0) return "XX";
  return (lives < 10 ? " " : "") + std::to_string(lives);
}

std::string TimeText(int time) {
  if (time < 0) return std::to_string(time);
  char text[16];
  std::snprintf(text, sizeof text, "%03d", time);
  return text;
}

const platform::GdiBitmap& TfmMain::StatusPicture() {
  if (!StatusBmp) {
    auto picture = std::make_shared<platform::GdiBitmap>();
    const std::string file = "bitmaps\\status.bmp";
    try {
      if (platform::fileExists(file, GameShell.ExeDir))
        picture->LoadFromFile(platform::resolvePath(file, GameShell.ExeDir).string());
    } catch (const std::exception& e) {
      std::fprintf(stderr, "Hopz: %s: %s\n", file.c_str(), e.what());
    }
    // Without its picture the bar keeps its place, black.
    if (picture->Empty()) picture->SetSize(kStatusPictureWidth, kStatusPictureHeight);
    StatusBmp = std::move(picture);
  }
  return *StatusBmp;
}

void TfmMain::BuildTextGlyphs() {
  TextGlyphs.clear();
  TGKScreen& s = *DXScreen;
  if (!s.DirectDraw) return;
  const int count = DXText->GetCount();
  for (int i = 0; i < count; ++i) {
    const TGKImageEntry& image = DXText->Images().GetImageHeader(i);
    auto glyph = TGKSurface::CreateOffscreen(*s.DirectDraw, image.Width, image.Height, 8);
    if (s.ColorDepth == 8 && s.PaletteMode == pmExclusive) {
      if (uint8_t* bits = glyph->Lock()) {
        const size_t rowBytes = size_t(DibRowBytes(image.Width));
        for (int y = 0; y < image.Height; ++y)
          std::copy_n(image.Bits.data() + size_t(y) * rowBytes, image.Width, bits + ptrdiff_t(y) * glyph->Pitch);
        glyph->Unlock();
      }
      glyph->SetColorKey(kFontKey8);
    } else {
      // Black ink would vanish under the colour key: it becomes nearly black, and
      // the font's background becomes the key.
      const TRect whole{0, 0, image.Width, image.Height};
      platform::GdiBitmap first(image.Width, image.Height, 32), second(image.Width, image.Height, 32);
      DXText->Draw(first.Canvas(), 0, 0, i);
      second.Canvas().Brush = {kInkBrush, platform::bsSolid};
      second.Canvas().FillRect(whole);
      second.Canvas().BrushCopy(whole, first, whole, platform::clBlack);
      first.Canvas().Brush = {platform::clBlack, platform::bsSolid};
      first.Canvas().FillRect(whole);
      first.Canvas().BrushCopy(whole, second, whole, kFontBackground);
      glyph->Canvas->Draw(0, 0, first);
      glyph->Canvas->Release();
      glyph->SetColorKey(0);
    }
    TextGlyphs.push_back(std::move(glyph));
  }
}

void TfmMain::DrawBitmapText(int X, int Y, const std::string& Text) {
  TGKSurface* back = DXScreen->BackSurface.get();
  if (!back) return;
  for (const TGlyphPlacement& g : LayoutBitmapText(X, Y, Text))
    if (g.glyph < int(TextGlyphs.size())) blitInside(*back, g.x, g.y, *TextGlyphs[size_t(g.glyph)], true);
}

void TfmMain::DrawStatusBar() {
  TGKScreen& s = *DXScreen;
  if (!s.BackSurface) return;
  TGKSurface& back = *s.BackSurface;
  const int T = s.GetClipRect().Bottom;
  if (T == back.Height) return;
  const int W = back.Width;

  platform::Canvas& c = *back.Canvas;
  c.Brush = {platform::TColor(Level.Options.FillColor) & 0xFFFFFF, platform::bsSolid};
  c.FillRect({0, T, W, back.Height});
  c.Draw(0, T + 2, StatusPicture());
  c.Font.Name = "Small Fonts";
  c.Font.Bold = true;
  c.Font.Size = 6;
  c.Font.Color = platform::clBlack;
  c.Brush.Style = platform::bsClear;

  if (GameShell.SecretCodeEntry) {
    c.Brush = {platform::RGB(240, 244, 248), platform::bsSolid};
    c.FillRect({3, T + 5, 162, T + 25});
    c.Brush.Style = platform::bsClear;
    back.Canvas->Release();
    DrawBitmapText(4, T + 6, "CODIGO SECRETO >");
    DrawBitmapText(4, T + 15, SecretCodeText);
  } else {
    c.Pen = {platform::clWhite, 1, platform::psSolid};
    c.Brush = {platform::clWhite, platform::bsSolid};
    for (int k = 0; k < RunMeter; ++k) {
      const TPoint triangle[] = {{70 + 8 * k, T + 8}, {70 + 8 * k, T + 14}, {77 + 8 * k, T + 11}};
      c.Polygon(triangle);
    }
    if (RunMeter >= 6) {
      const int32_t since = platform::MsSince(RunMeterBlinkTime);
      if (since > 100) {
        c.RoundRect(119, T + 8, 134, T + 15, 5, 5);
        for (TPoint p : {TPoint{120, T + 9}, TPoint{120, T + 13}, TPoint{132, T + 9}, TPoint{132, T + 13}})
          c.SetPixel(p.X, p.Y, platform::clBlack);
        c.Pen.Color = platform::clBlack;
        c.Brush.Color = platform::clBlack;
        const TPoint badge[] = {{124, T + 13}, {124, T + 10}, {128, T + 10}, {128, T + 12}, {124, T + 12}};
        c.Polygon(badge);
        c.SetPixel(128, T + 12, platform::clWhite);
      }
      if (since > 200) RunMeterBlinkTime = platform::StampNow();
    }
    c.Brush.Style = platform::bsClear;
    back.Canvas->Release();

    DrawBitmapText(36, T + 7, MapShortName);
    Level.Score = std::min(Level.Score, MaxShownScore);
    DrawBitmapText(70, T + 15, ScoreText(Level.Score));
    DrawBitmapText(26, T + 15, LivesText(Level.Lives));
    DrawBitmapText(150, T + 7, std::to_string(Level.Coins));
    DrawBitmapText(142, T + 15, TimeText(Level.LevelTime));

    const int imageShift = ScreenState() == ssWorldMap ? 40 : 0;
    constexpr int cardX[3] = {177, 201, 225};
    for (size_t slot = 0; slot < 3; ++slot) {
      const int n = Cards[slot] - imageShift;
      if (Cards[slot] > 0 && n >= 0 && n < int(s.ImageSurfaces.size()) && s.ImageSurfaces[size_t(n)])
        blitInside(back, cardX[slot], T + 2, *s.ImageSurfaces[size_t(n)], true);
    }
  }

  if (GameShell.ShowInfo) {
    DrawBitmapText(W - 58, T + 6, std::to_string(DXSprites->Sprites.Count() - 1));
    if (FrameTime > 0) DrawBitmapText(W - 58, T + 15, std::to_string(int(std::lround(1000.0 / FrameTime))));
    c.TextOut(W - 30, T + 5, "OBJ");
    if (FrameTime > 0) c.TextOut(W - 30, T + 14, "FPS");
    back.Canvas->Release();
  }
}

namespace {

void showRingSprite(std::array<TGKSprite*, 4>& ring, int& index, int X, int Y, int animation) {
  if (index < 0 || index >= int(ring.size())) index = 0;
  TGKSprite* s = ring[size_t(index)];
  index = (index + 1) % int(ring.size());
  if (!s) return;
  s->SetX(X);
  s->SetY(Y);
  s->SetAnimation(0);
  s->Enable();
  s->SetAnimation(animation);
  s->Show();
}

}  // namespace

void TfmMain::ShowDust(int X, int Y) {
  showRingSprite(DustSprites, DustIndex, X, Y, ScreenState() == ssWorldMap ? 70 : 61);
}

void TfmMain::ShowDrops(int X, int Y) { showRingSprite(DropsSprites, DropsIndex, X, Y, 287); }

void ClearEffectRings(TfmMain& window) {
  window.DustSprites.fill(nullptr);
  window.DropsSprites.fill(nullptr);
  window.DustIndex = 0;
  window.DropsIndex = 0;
}
