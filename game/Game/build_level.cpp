#include "game/Game/build_level.h"

#include <cstdlib>

#include "components/GKILib/TGKImageLib.h"
#include "components/ZEZ/TGKScreen.h"
#include "components/ZEZStar/star_field.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/draw_background.h"
#include "game/Game/kind_sets.h"
#include "game/Game/level_events.h"
#include "game/Game/level_music.h"
#include "game/Game/level_state.h"
#include "game/Game/palette_effects.h"
#include "game/Game/player_input.h"
#include "game/Game/sprite_moved.h"
#include "game/ObjectLine/object_line.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/shell_state.h"
#include "platform/core/paths.h"
#include "platform/core/random.h"
#include "platform/core/tick_stamp.h"
#include "platform/draw/gdi_bitmap.h"

namespace {

const TKindSet PipeKinds{{16, 35}, {194, 195}};
const TKindSet PlantCapableKinds{{16, 35}, {194, 195}, 238, 330};
const TKindSet TextKinds{{16, 35}, {194, 195}, 39, 46, 59, 60, 94, 95, {184, 186}, 202, 330};
const TKindSet FacingKinds{54, 57, 64, 94, 109, 110, 164, 224, 232, 233, 236, 335};
const TKindSet DoorKinds{59, {184, 186}};
const TKindSet CannonKinds{97, 227, 228, 230, 231, 331, 343, 344};
const TKindSet BaseSpeedKinds{67, 198, 205, 206};

constexpr int kPlayerSpeed = 8;
constexpr double kObjectMaxSpeed = 10.0;

std::string field(const std::string& line, int n) { return GetValue(line, n); }

void setHorizontalWrap(TGKSprite& s) {
  if (Level.Options.Wrap) s.LeftAction = s.RightAction = eaWrap;
}

void updateStartPos(TGKSprite& s) { s.StartPos = MakeLong(s.GetX(), s.GetY()); }

// Direction 24 when the player is left of the object, else 8.
int facingPlayer(const TGKSprite& s) { return Level.Player->GetX() < s.GetX() ? 24 : 8; }

TGKSprites& sprites() { return fmMain->DXSprites->Sprites; }

// Pixel position of a cell, in the 16-bit arithmetic of sprite coordinates.
int cellPixel(int cell) { return int16_t(cell * Level.Options.ResFactor); }

// --- 1. Background

void buildBackground() {
  TGKScreen& screen = *fmMain->DXScreen;
  fmMain->BackSurface.reset();
  if (!screen.DirectDraw) return;
  const TRect clip = screen.GetClipRect();
  const int clipW = clip.width(), clipH = clip.height();
  TLevelOptions& o = Level.Options;

  platform::GdiBitmap picture;
  bool havePicture = false;
  if (!o.BgImage.empty() && platform::fileExists(o.BgImage)) {
    try {
      picture.LoadFromFile(o.BgImage);
      havePicture = !picture.Empty();
    } catch (const std::exception&) {
      // A picture that cannot be read leaves the level on its background colour.
    }
  }
  if (havePicture) {
    if (picture.BitsPerPixel() == 8 && screen.ColorDepth == 8) {
      for (int i = 0; i < 100; ++i) screen.PaletteEntries[size_t(130 + i)] = picture.Palette[size_t(i)];
      if (screen.Palette) screen.Palette->SetEntries(130, 100, &screen.PaletteEntries[130]);
    }
    if (picture.Width() >= clipW && picture.Height() >= clipH) {
      fmMain->BackSurface = TGKSurface::CreateOffscreen(*screen.DirectDraw, picture.Width(), picture.Height(), 8);
      fmMain->BackSurface->Canvas->Draw(0, 0, picture);
    } else {
      fmMain->BackSurface = TGKSurface::CreateOffscreen(*screen.DirectDraw, clipW + 10, clipH + 10, 8);
      fmMain->BackSurface->Canvas->StretchDraw(fmMain->BackSurface->Rect, picture);
    }
  } else {
    fmMain->BackSurface = TGKSurface::CreateOffscreen(*screen.DirectDraw, clipW + 10, clipH + 10, 8);
    platform::Canvas& c = *fmMain->BackSurface->Canvas;
    c.Brush = {platform::TColor(o.BgColor) & 0xFFFFFF, platform::bsSolid};
    c.FillRect(fmMain->BackSurface->Rect);
  }
  fmMain->BackSurface->Canvas->Release();
  o.BgWidth = clipW - o.BgWidth;
  o.BgHeight = clipH - o.BgHeight;
}

// --- 2. Player

void addPlayer() {
  const std::vector<std::string>& keys = fmMain->SpriteKeys;
  // A start whose key names no cell stands in the first one.
  const TObjectCell cell = keys.empty() ? TObjectCell{} : CellOfKey(keys.front()).value_or(TObjectCell{});
  const int index = sprites().AddJumper(0, cellPixel(cell.column), cellPixel(cell.row), 8, kPlayerSpeed, 0);
  auto& p = static_cast<TGKJumper&>(sprites().GetSprite(index));
  Level.Player = &p;
  p.WalkAnimation = 1;
  p.JumpAnimation = 2;
  p.StandAnimation = 0;
  p.SetGravity(0.23);
  p.SetAcceleration(0.15);
  p.SetDeceleration(0.15);
  p.SetMaxFall(Level.MaxFallSpeed);
  p.SetEdgeActions(eaStop);
  setHorizontalWrap(p);
  const int top = -(Level.Options.ResFactor * Level.Options.Height);
  p.Bounds = {0, top, fmMain->DXScreen->GetClipRect().Right, top};
  if (GameShell.PlayerMode > PlayerSmall) p.SetY(p.GetY() - 10);
}

// --- 3. Effect pools

struct TPoolSetUp {
  int kind, count, x, direction;
  double speed;
  bool wraps;
};
constexpr TPoolSetUp kPools[] = {
    {40, 12, -10, 8, 8.0, true}, {61, 4, -10, 8, 0.0, false},  {101, 4, -100, 8, 0.0, false},
    {50, 3, -10, 8, 8.0, false}, {213, 6, -10, 8, 1.0, false}, {286, 3, -10, 0, 1.0, false},
    {287, 4, -10, 8, 0.0, false}, {332, 2, -10, 8, 5.0, false},
};

void addEffectPools() {
  for (const TPoolSetUp& pool : kPools)
    for (int i = 0; i < pool.count; ++i) {
      TGKSprite& s = sprites().GetSprite(sprites().AddBouncer(0, pool.x, 0, pool.direction, pool.speed, pool.kind));
      s.Disable();
      s.Hide();
      s.SetEdgeActions(eaNone);
      if (pool.wraps) setHorizontalWrap(s);
    }
  for (int i = 0; i < 4; ++i) {
    fmMain->DustSprites[size_t(i)] = &sprites().GetSprite(DustPool.first + i);
    fmMain->DropsSprites[size_t(i)] = &sprites().GetSprite(DropsPool.first + i);
  }
}

// --- 4. Objects

struct TPlantPlace {
  int dx, dy;
  bool turnsOnY;  // State is the plant's y (else its x) plus turnOffset
  int turnOffset;
};
// Plant codes 1..10: where the plant stands against its pipe and where it turns.
constexpr TPlantPlace kPlants[10] = {
    {8, 0, true, -24},  {-16, 8, false, 0}, {8, -16, true, 0}, {8, 8, false, -32}, {8, 0, true, -32},
    {-24, 8, false, 0}, {8, -24, true, 0},  {0, 8, false, -32}, {8, 0, true, -24}, {8, 0, true, -32},
};

void addPlant(int kind, int x0, int y0, int code) {
  const TPlantPlace& place = kPlants[size_t(code - 1)];
  TGKSprite& plant = sprites().GetSprite(sprites().AddBouncer(0, x0 + place.dx, y0 + place.dy, 8, 0.0, 213 + code));
  plant.State = (place.turnsOnY ? plant.GetY() : plant.GetX()) + place.turnOffset;
  if (kind == 238) plant.SetX(plant.GetX() - 8);
  updateStartPos(plant);
  plant.SetEdgeActions(eaNone);
  plant.Timer = 0;
}

void setSpeedAndDirection(TGKSprite& s, int direction, double speed) {
  s.SetDirection(direction);
  s.SetSpeed(speed);
}

void moveBy(TGKSprite& s, int dx, int dy, bool updateStart) {
  s.SetX(s.GetX() + dx);
  s.SetY(s.GetY() + dy);
  if (updateStart) updateStartPos(s);
}

bool fieldIs(const std::string& line, int n, const char* value) { return field(line, n) == value; }

// A line that is no level object (no level kind, or a key that names no cell)
// keeps its place, so that later indexes stay as the file means them.
void addSwitchedOff(int x, int y) {
  TGKSprite& s = sprites().GetSprite(sprites().AddBouncer(0, x, y, 8, 0.0, 0));
  s.Disable();
  s.Hide();
  s.SetEdgeActions(eaNone);
}

}  // namespace

void SetUpLevelObject(TGKBouncer& s, int kind, const std::string& line) {
  if (TextKinds.contains(kind)) {
    if (kind == 25) s.Param5 = ObjectFieldNumber(line, 6, 0);
    s.Data = Level.AddSpriteText(field(line, 2));
    if (PipeKinds.contains(kind) || DoorKinds.contains(kind)) s.Param3 = ObjectFieldNumber(line, 4, 0);
    s.Param4 = ObjectFieldNumber(line, 5, 0);
  }
  if (kind == 355) s.Param1 = ObjectFieldNumber(line, 2, 0);

  if (FacingKinds.contains(kind)) {
    if (kind == 57 || kind == 64 || kind == 109 || kind == 110 || kind == 232) moveBy(s, 0, 6, true);
    if (kind == 335) {
      moveBy(s, 0, 9, true);
      platform::Randomize();
      s.Param2 = platform::Random(2);
    }
    const double speed = kind == 233 ? 2.0 : kind == 335 ? 0.0 : 0.75;
    setSpeedAndDirection(s, facingPlayer(s), speed);
  }

  const bool playerLeft = Level.Player->GetX() < s.GetX();
  switch (kind) {
    case 163:
    case 232: {
      s.Data = ObjectFieldNumber(line, 2, 8);
      s.Param3 = ObjectFieldNumber(line, 3, 1);
      const double jump = s.Data;
      if (s.Param3 == 1) setSpeedAndDirection(s, playerLeft ? 31 : 1, jump - 0.7);
      if (s.Param3 == 2) setSpeedAndDirection(s, playerLeft ? 24 : 8, jump);
      if (s.Param3 == 3) setSpeedAndDirection(s, 0, jump);
      s.Param2 = 4;
      break;
    }
    case 55:
      s.Data = ObjectFieldNumber(line, 2, 7);
      s.Param3 = 1;
      setSpeedAndDirection(s, 0, s.Data);
      break;
    case 56: setSpeedAndDirection(s, playerLeft ? 24 : 8, 2.5); break;
    case 100:
      s.State = CannonFiresFlag;
      setSpeedAndDirection(s, playerLeft ? 24 : 8, 2.0);
      break;
    case 102:
    case 103: s.SetDirection(playerLeft ? 24 : 8); break;
    case 105: moveBy(s, 4, 0, true); break;
    case 63:
    case 280:
      if (!field(line, 2).empty()) s.State = ObjectFieldNumber(line, 2, s.State);
      break;
    case 180:
      if (fieldIs(line, 2, "1")) moveBy(s, 0, Level.Options.ResFactor, false);
      if (!fieldIs(line, 3, "1")) {
        s.Disable();
        s.Hide();
      }
      break;
    case 197: moveBy(s, -8, 0, false); break;
    case 333: s.SetSpeed(1.0); break;
    case 203:
      s.Param2 = ObjectFieldNumber(line, 2, 0);
      s.Param3 = ObjectFieldNumber(line, 3, 0);
      break;
    case 204:
      moveBy(s, 0, 8, false);
      s.SetDirection(facingPlayer(s));
      break;
    case 349:
      moveBy(s, 0, 4, false);
      s.SetDirection(facingPlayer(s));
      break;
    case 234:
      s.SetDirection(playerLeft ? 24 : 8);
      updateStartPos(s);
      break;
    case 237: moveBy(s, 4, 0, true); break;
    case 338: moveBy(s, 0, 2, true); break;
    case 277: setSpeedAndDirection(s, 24, 1.0); break;
    case 362: moveBy(s, 0, 13, false); break;
    case 340:
    case 345: moveBy(s, 0, 8, false); break;
    case 341:
      s.Disable();
      s.Hide();
      break;
    case 348: moveBy(s, 8, 0, false); break;
    default: break;
  }
  if (CannonKinds.contains(kind)) {
    if (fieldIs(line, 2, "1")) s.State = CannonFiresFlag;
    if (kind == 331 && fieldIs(line, 3, "1")) {
      s.Param1 = 1;
      s.Param2 = ObjectFieldNumber(line, 4, 0);
    }
    s.Timer = platform::StampIn(-1000);
  }
  if (kind >= 278 && kind <= 285) s.SetLayer(1);
  if (BaseSpeedKinds.contains(kind)) {
    if (!field(line, 3).empty()) s.Param2 = ObjectFieldNumber(line, 3, s.Param2);
    if (!field(line, 4).empty()) s.Param3 = ObjectFieldNumber(line, 4, s.Param3);
    if (!field(line, 2).empty()) s.Param4 = ObjectFieldNumber(line, 2, s.Param4);
    if (s.Param3 == 0) s.SetSpeed(s.Param4);
  }
}

void AddLevelObject(int column, int row, const std::string& line) {
  const int x0 = cellPixel(column), y0 = cellPixel(row);
  const int kind = ObjectFieldNumber(line, 0, -1);
  if (kind < 0 || kind >= LevelKindCount) {
    addSwitchedOff(x0, y0);
    return;
  }
  if (PlantCapableKinds.contains(kind) && !field(line, 3).empty()) {
    const int code = ObjectFieldNumber(line, 3, 0);
    if (code >= 1 && code <= 10) addPlant(kind, x0, y0, code);
  }
  auto& s = static_cast<TGKBouncer&>(sprites().GetSprite(sprites().AddBouncer(0, x0, y0, 8, 0.0, kind)));
  if (kind == 335 && Level.EncounterFoesLeft >= 0) ++Level.EncounterFoesLeft;
  s.SetEdgeActions(eaNone);
  setHorizontalWrap(s);
  updateStartPos(s);
  s.SetMaxSpeed(kObjectMaxSpeed);
  s.Visible = fieldIs(line, 1, "1");
  SetUpLevelObject(s, kind, line);
}

void PlaceEnteringPlayer() {
  TGKJumper& p = *Level.Player;
  const TRect clip = fmMain->DXScreen->GetClipRect();
  const int count = sprites().Count();
  const int mode = GameShell.PlayerMode;
  switch (GameShell.EntryMode) {
    case EntryFromBottom:
      p.SetY(clip.Bottom);
      p.SetAnimation(p.JumpAnimation);
      p.JumpState = jsRising;
      p.SetVelocityY(-8);
      p.Controlled = false;
      break;
    case EntryFromPipe: {
      const int dir = GameShell.EntryDirection;
      // Object line n is sprite n + 38 (sprite n + 39 for a normal entry, below);
      // the number comes from a file, so it is compared before it is added to.
      if (Level.EntryPipe >= 1 && Level.EntryPipe < count - 38) {
        const TGKSprite& d = sprites().GetSprite(Level.EntryPipe + 38);
        if (dir == EntryRight || dir == EntryLeft) p.SetY(d.GetY() + d.Height - p.Height);
        if (dir == EntryUp || dir == EntryDown)
          p.SetX(d.GetX() + (mode == PlayerSmall ? 10 : mode == PlayerFlying ? 6 : 8));
        if (dir == EntryRight) p.SetX(d.GetX() + d.Width);
        if (dir == EntryDown) p.SetY(d.GetY() + d.Height);
        if (dir == EntryLeft) p.SetX(d.GetX() - p.Width);
        if (dir == EntryUp) p.SetY(d.GetY() - p.Height);
      } else {
        p.SetX(p.GetX() - (mode == PlayerSmall ? 6 : mode == PlayerFlying ? 10 : 8));
      }
      if (dir == EntryRight || dir == EntryLeft) {
        p.Param3 = p.GetX();
        if (dir == EntryLeft) {
          p.SetDirection(24);
          p.StandAnimation = p.WalkAnimation;
        }
        p.SetX(p.GetX() + (dir == EntryRight ? -p.Width : p.Width));
      } else if (dir == EntryUp || dir == EntryDown) {
        p.Param3 = p.GetY();
        p.SetY(p.GetY() + (dir == EntryDown ? -p.Height : p.Height));
      }
      p.Controlled = false;
      fmMain->DXSprites->PlayerBehind = true;
      Level.PipeTravel = true;
      FreezeSprites(1);
      break;
    }
    case EntryFromTop:
      p.SetX(clip.width() / 2);
      p.SetY(-p.Height);
      p.SetJumpState(jsFalling);
      GameShell.EntryMode = EntryNormal;
      break;
    case EntryNormal: {
      if (Level.EntryPipe > 0 && Level.EntryPipe < count - 39) {
        const TGKSprite& d = sprites().GetSprite(Level.EntryPipe + 39);
        p.SetX(d.GetX());
        p.SetY(d.GetY() + d.Height - p.Height);
      }
      break;
    }
    default: break;
  }
  Level.EntryPipe = 0;
  if (Level.UnlimitedFlight) {
    fmMain->RunMeter = 6;
    Level.MayFly = true;
    fmMain->RunMeterFullTime = platform::StampNow();
  }
}

void StartCamera() {
  const TRect clip = fmMain->DXScreen->GetClipRect();
  const TLevelOptions& o = Level.Options;
  auto start = [](int view, int levelSize, int playerPos) {
    const int half = view / 2;
    if (levelSize <= view || playerPos <= half + 20) return 0;
    if (playerPos > levelSize - half - 20) return levelSize - view;
    return playerPos - half - 20;
  };
  fmMain->CameraX = start(clip.width(), o.ResFactor * o.Width, Level.Player->GetX());
  fmMain->CameraY = start(clip.height(), o.ResFactor * o.Height, Level.Player->GetY());
  sprites().MoveAll(true, -fmMain->CameraX, -fmMain->CameraY, true, 0, 0);
}

namespace {

void resetPlayState() {
  Level.ResetPlayState();
  Level.Crouching = false;
  fmMain->SetPaused(false);
  fmMain->DXSprites->PlayerBehind = false;
  fmMain->CoinSoundIndex = fmMain->BrickSoundIndex = 0;
  NextPlayerFireball = 0;
  fmMain->DustIndex = fmMain->DropsIndex = 0;
  fmMain->CameraX = fmMain->CameraY = 0;
  fmMain->RunMeter = 0;
  fmMain->CardBonusLives = 0;
}

void startMusic() {
  const std::string& tune = Level.Options.MIDIFile;
  const bool holdsTune = platform::sameText(LevelMusic.fileName(), tune);
  const bool reload = !(Level.Rebuild != TRebuild::None && holdsTune);
  if (reload && LevelMusic.Open) LevelMusic.Open(tune, MusicTagLooping);
  fmMain->DrawStatusBar();
  if (reload && GameShell.PlayMusic && LevelMusic.Play) LevelMusic.Play();
}

void showFirstPicture() {
  TGKScreen& screen = *fmMain->DXScreen;
  if (!screen.DirectDraw || !screen.BackSurface) return;
  DrawBackground();
  fmMain->DXSprites->MoveSprites();
  fmMain->DXSprites->DrawSprites();
  screen.Flip();
  if (screen.FrontSurface && screen.FrontSurface->Width == screen.BackSurface->Width &&
      screen.FrontSurface->Height == screen.BackSurface->Height)
    screen.FrontSurface->BltFast(0, 0, *screen.BackSurface, screen.BackSurface->Rect, false);
}

void showLevelPalette() {
  TGKScreen& screen = *fmMain->DXScreen;
  if (!screen.DirectDraw || screen.ColorDepth != 8) return;
  const TLevelOptions& o = Level.Options;
  if (o.Rain) {
    constexpr uint8_t greys[5] = {150, 168, 186, 204, 222};
    for (int i = 0; i < 5; ++i) screen.PaletteEntries[size_t(240 + i)] = {greys[i], greys[i], greys[i], 0};
    if (fmMain->DXRain1) fmMain->DXRain1->Update();
  }
  for (const TLevelColorSlot& slot : LevelColorSlots) {
    const auto c = platform::TColor(o.*slot.color);
    platform::PALETTEENTRY& e = screen.PaletteEntries[size_t(slot.entry)];
    e.peRed = platform::GetRValue(c);
    e.peGreen = platform::GetGValue(c);
    e.peBlue = platform::GetBValue(c);
  }
  FadeInPalette(screen, o.PaletteFX, 20);
}

}  // namespace

void BuildLevel() {
  Level.SpriteTexts.clear();
  ResetLevelEvents();
  buildBackground();
  addPlayer();
  addEffectPools();
  // [Sprites] in one pass, in the order of fmMain->SpriteKeys (read from the same
  // section); its first line is the player's start.
  const auto objects = Level.LevelIni->readSectionEntries("Sprites");
  for (size_t i = 1; i < objects.size(); ++i) {
    const auto& [key, value] = objects[i];
    if (const std::optional<TObjectCell> cell = CellOfKey(key))
      AddLevelObject(cell->column, cell->row, key + "=" + value);
    else
      addSwitchedOff(0, 0);
  }
  resetPlayState();
  PlaceEnteringPlayer();
  StartCamera();
  startMusic();
  showFirstPicture();
  showLevelPalette();
  fmMain->MainTimer.SetEnabled(true);
  Level.LevelBuilt = true;
}
