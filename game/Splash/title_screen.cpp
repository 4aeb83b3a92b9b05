#include "game/Splash/title_screen.h"

#include "components/GKILib/TGKImageLib.h"
#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_state.h"
#include "game/Game/palette_effects.h"
#include "game/Map/world_map.h"
#include "game/Splash/screen_services.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/status_bar.h"
#include "platform/core/keys.h"
#include "platform/core/paths.h"
#include "platform/core/random.h"
#include "platform/draw/gdi_bitmap.h"

int TitlePhase = -1;
TTitleState Title;

namespace {

constexpr int kCurtainVisible = 19;
constexpr int kCurtainStep = 3;
constexpr int kOptionLines = 6;

std::string programFile(const char* relative) { return GameShell.ExeDir + relative; }

TGKScreen& screen() { return *fmMain->DXScreen; }
TGKSpriteMgr& sprites() { return *fmMain->DXSprites; }

int curtainHeight() { return fmMain->BackSurface ? fmMain->BackSurface->Height : 0; }

void showAllSprites() {
  TGKSprites& list = sprites().Sprites;
  for (int i = 0; i < list.Count(); ++i) list.GetSprite(i).Show();
}

// The menu appears: the curtain at rest, the sprites shown, the music on.
void showMenu() {
  Title.CurtainY = TitleCurtainRestY();
  TitlePhase = 2;
  showAllSprites();
  if (GameShell.PlayMusic) screenAudio().PlayMusic();
}

void loadImageLibrary(const char* relative) {
  TGKImageLib& lib = *fmMain->DXImages;
  const std::string file = programFile(relative);
  try {
    lib.LoadFromFile(platform::resolvePath(file).string());
  } catch (const std::exception&) {
    // A missing or broken library leaves the title without sprites.
    lib.Images().Clear();
  }
}

void defineTitleAnimations() {
  TGKAnimations& a = sprites().Animations;
  a.GetAnimation(a.Add("Number", true)).DefineAllSequences(150, {0, 1, 2, 3, 2, 1});
  TGKAnimation& bullet = a.GetAnimation(a.Add("Bullet", true));
  bullet.DefineSequence(8, 150, {4});
  bullet.DefineSequence(24, 150, {5});
}

bool& optionValue(int line) {
  switch (line) {
    case 0: return GameShell.PlaySound;
    case 1: return GameShell.PlayMusic;
    case 2: return GameShell.FullScreen;
    case 3: return GameShell.SecretCodes;
    default: return GameShell.ShowInfo;
  }
}

void optionsKey(int key) {
  if (key == GameShell.KeySelect) {
    Title.OptionsCursor = (Title.OptionsCursor + 1) % kOptionLines;
    PlayScreenSound(SoundMapMove);
  } else if (key == GameShell.KeyStart) {
    if (Title.OptionsCursor == kOptionLines - 1)
      Title.OptionsOpen = false;
    else
      optionValue(Title.OptionsCursor) = !optionValue(Title.OptionsCursor);
    if (!GameShell.PlayMusic) screenAudio().StopMusic();
  }
}

void startGame() {
  // Without a game file there is nothing to start.
  if (fmMain->GameFileName.empty()) return;
  screenAudio().StopMusic();
  if (GameShell.PlaySound) screenAudio().PlayCoinSound();
  if (DisplayRunning()) FadeOutPalette(screen(), Level.Options.PaletteFX, 50);
  OpenGame();
}

}  // namespace

int TitleCurtainRestY() { return kCurtainVisible - curtainHeight(); }

void LoadTitleResources() {
  fmMain->SetScreenState(ssTitle);
  Level.ForgetRunningLevel();
  const bool loadedBefore = Title.TitleLoaded || Title.WorldLoaded || Level.LevelLoaded;
  if (loadedBefore) {
    sprites().Sprites.Clear();
    ClearEffectRings(*fmMain);
    screen().FreeImageSurfaces();
  }
  loadImageLibrary("sprites\\splash.iml");
  screenAudio().LoadSoundLibrary(programFile("sounds\\game.sdl"));
  if (loadedBefore) {
    screen().SetImageLibrary(fmMain->DXImages.get(), true);
    sprites().Animations.Clear();
    Level.Score = 0;
    Level.Coins = 0;
  }
  if (Title.WorldLoaded || Level.LevelLoaded) {
    ForgetWorldProgress();
    WorldMap.LastPosition = -1;
  }
  Title.TitleLoaded = true;
  Title.WorldLoaded = false;
  Level.LevelLoaded = false;
  sprites().Animations.Clear();
  defineTitleAnimations();
}

void SetTitlePlayArea() {
  TGKScreen& s = screen();
  s.SetClipRect({0, 0, s.ScreenWidth, s.ScreenHeight});
}

void StartTitleScreen() {
  TGKScreen& s = screen();
  const bool running = DisplayRunning();
  platform::GdiBitmap picture;
  if (auto curtain = LoadPictureSurface(programFile("bitmaps\\splash0.bmp"), picture)) {
    CopyPictureColors(picture, 61, 30);
    if (s.ColorDepth == 8) {
      s.PaletteEntries[152] = {52, 52, 52, 0};
      s.SetPalette(s.PaletteEntries);
      // Drawn again now that the palette holds its colours.
      curtain = LoadPictureSurface(programFile("bitmaps\\splash0.bmp"), picture);
    }
    fmMain->BackSurface = std::move(curtain);
  } else {
    fmMain->BackSurface.reset();
  }
  if (auto background = LoadPictureSurface(programFile("bitmaps\\splash1.bmp"), picture)) {
    CopyPictureColors(picture, 61, 91);
    if (s.ColorDepth == 8) background = LoadPictureSurface(programFile("bitmaps\\splash1.bmp"), picture);
    fmMain->TitleSurface2 = std::move(background);
  } else {
    fmMain->TitleSurface2.reset();
  }

  const TRect clip = s.GetClipRect();
  const int firstWidth = s.ImageSurfaces.empty() ? 0 : s.ImageSurfaces[0]->Width;
  TGKSprites& list = sprites().Sprites;
  TGKSprite& figure = list.GetSprite(list.AddJumper(0, clip.width() / 2 - firstWidth / 2, 95, 0, 8.0, TitleNumberAnimation));
  figure.Controlled = (platform::GetAsyncKeyState(GameShell.KeySelect) & 0x8000) != 0;

  for (int i = 0; i < TitleBulletCount; ++i) {
    const int x = platform::Random(5000) - 2500;
    const int y = platform::Random(std::max(1, clip.height() - 54));
    const int direction = platform::Random(31) < 16 ? 8 : 24;
    TGKSprite& bullet = list.GetSprite(list.AddBouncer(0, x, y, direction, 3.0, TitleBulletAnimation));
    bullet.SetMaxSpeed(platform::Random(30) / 10.0 + 1);
    bullet.SetEdgeActions(0);
    bullet.Hide();
  }

  screenAudio().OpenMusic(programFile("music\\splash.mid"), MusicTagLooping);
  fmMain->MainTimer.SetEnabled(true);

  if (!running) return;
  FadeOutPalette(s, Level.Options.PaletteFX, 1);
  TitleFrame();
  s.Flip();
  FadeInPalette(s, Level.Options.PaletteFX, 50);
}

void ReturnToTitle() {
  fmMain->SetPaused(false);
  if (DisplayRunning()) {
    Level.Options.PaletteFX = 0;
    FadeOutPalette(screen(), 0, 20);
    ClearDisplay();
  }
  LoadTitleResources();
  TitlePhase = 1;
  SetTitlePlayArea();
  StartTitleScreen();
}

void TitleFrame() {
  if (!DisplayRunning()) return;
  TGKSurface& back = *screen().BackSurface;
  if (fmMain->TitleSurface2) back.Draw(0, 0, *fmMain->TitleSurface2, false);
  // While the game stands (under its menu or a dialog) the title is drawn as
  // it stands: the curtain waits, and with it the menu and its tune.
  const bool plays = !fmMain->GameStands();
  if (plays && TitlePhase == 1) {
    if (Title.CurtainY <= TitleCurtainRestY())
      showMenu();
    else
      Title.CurtainY -= kCurtainStep;
  }
  if (plays) sprites().MoveSprites();
  sprites().DrawSprites();
  if (TitlePhase == 2) {
    fmMain->DrawBitmapText(130, 150, ShellTexts.strStart);
    fmMain->DrawBitmapText(130, 163, ShellTexts.strOptions);
    fmMain->DrawBitmapText(120, Title.Cursor == 0 ? 150 : 163, ">");
    if (Title.OptionsOpen) DrawTitleOptions();
  }
  if (fmMain->BackSurface) back.Draw(0, Title.CurtainY, *fmMain->BackSurface, true);
}

void TitleKeyDown(int Key) {
  if (Title.OptionsOpen) {
    optionsKey(Key);
    return;
  }
  if (TitlePhase == 2 && Key == GameShell.KeySelect) {
    Title.Cursor = 1 - Title.Cursor;
    PlayScreenSound(SoundMapMove);
  }
  if (Key != GameShell.KeyStart) return;
  if (TitlePhase != 2) {
    showMenu();
  } else if (Title.Cursor == 1) {
    Title.OptionsOpen = true;
  } else {
    startGame();
  }
}

void DrawTitleOptions() {
  TGKSurface& back = *screen().BackSurface;
  platform::Canvas& c = *back.Canvas;
  const int w = back.Width, h = back.Height;
  c.Brush.Style = platform::bsClear;
  c.Pen.Color = platform::clBlack;
  c.Rectangle(20, 50, w - 20, h - 50);
  c.Brush.Style = platform::bsSolid;
  c.Brush.Color = platform::RGB(52, 52, 52);
  c.Pen.Color = platform::clWhite;
  c.Rectangle(21, 51, w - 21, h - 51);
  back.Canvas->Release();

  const TShellTexts& t = ShellTexts;
  fmMain->DrawBitmapText(130, 60, t.strOptions);
  const std::string* lines[] = {&t.strOptSound, &t.strOptMusic, &t.strOptStatusBar,
                                &t.strOptSecretCodes, &t.strOptStats, &t.strOptBack};
  for (int i = 0; i < kOptionLines; ++i) fmMain->DrawBitmapText(40, 85 + 13 * i, *lines[i]);
  const bool values[] = {GameShell.PlaySound, GameShell.PlayMusic, !GameShell.FullScreen, GameShell.SecretCodes,
                         GameShell.ShowInfo};
  for (int i = 0; i < kOptionLines - 1; ++i) fmMain->DrawBitmapText(260, 85 + 13 * i, values[i] ? t.strOptYes : t.strOptNo);
  fmMain->DrawBitmapText(30, 85 + 13 * Title.OptionsCursor, ">");
}

void TitleSpriteMoved(TGKSprite& Sprite) {
  const TRect clip = screen().GetClipRect();
  if (Sprite.Animation == TitleNumberAnimation) {
    auto* figure = dynamic_cast<TGKJumper*>(&Sprite);
    if (figure && Sprite.GetY() + Sprite.Height > clip.Bottom) {
      figure->SetJumpState(jsGround);
      Sprite.SetY(clip.Bottom - Sprite.Height);
    }
  } else if (Sprite.Animation == TitleBulletAnimation) {
    if (Sprite.GetX() > 2500) {
      Sprite.SetX(-2500);
      Sprite.SetDirection(8);
    } else if (Sprite.GetX() < -2500) {
      Sprite.SetX(2500);
      Sprite.SetDirection(24);
    }
  }
}
