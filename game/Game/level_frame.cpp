#include "game/Game/level_frame.h"

#include <algorithm>
#include <cstdint>

#include "components/ZEZ/TGKScreen.h"
#include "components/ZEZSnd/TGKAudio.h"
#include "components/ZEZStar/star_field.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/build_level.h"
#include "game/Game/draw_background.h"
#include "game/Game/level_events.h"
#include "game/Game/level_music.h"
#include "game/Game/level_reader.h"
#include "game/Game/level_state.h"
#include "game/Game/palette_effects.h"
#include "game/Game/player_input.h"
#include "game/LevelAnimations/level_animations.h"
#include "game/Map/world_kinds.h"
#include "game/Map/world_map.h"
#include "game/Splash/screen_services.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/status_bar.h"
#include "platform/core/paths.h"
#include "platform/draw/gdi_bitmap.h"

namespace {

constexpr int kWorldKindPipeNode = 31;
constexpr int kSwitchTuneEnd = 63;   // song position where the switch tune ends

TGKSprites& sprites() { return fmMain->DXSprites->Sprites; }

void giveBackControl(TGKJumper& p) {
  p.Controlled = true;
  p.SetEdgeActions(eaStop);
  if (Level.Options.Wrap) p.LeftAction = p.RightAction = eaWrap;
}

TLevelReadTarget readTarget() {
  TLevelReadTarget t;
  t.ExeDir = GameShell.ExeDir;
  t.Screen = fmMain->DXScreen->DirectDraw ? fmMain->DXScreen.get() : nullptr;
  t.Images = fmMain->DXImages.get();
  t.LoadSoundLibrary = [](const std::string& path) { screenAudio().LoadSoundLibrary(path); };
  t.Animations = &fmMain->DXSprites->Animations;
  t.Rain1 = fmMain->DXRain1.get();
  t.Rain2 = fmMain->DXRain2.get();
  t.SpriteKeys = &fmMain->SpriteKeys;
  t.PlayerMode = GameShell.PlayerMode;
  return t;
}

// An auto-scroll towards the level's start never ends: the camera stops far
// beyond any level instead of running out of the int range.
int autoScrolledCamera(int camera, int step) {
  constexpr int64_t kCameraLimit = int64_t(1) << 30;
  return int(std::clamp(int64_t(camera) - step, -kCameraLimit, kCameraLimit));
}

bool samePath(const std::string& a, const std::string& b) {
  return platform::sameText(platform::resolvePath(a).string(), platform::resolvePath(b).string());
}

}  // namespace

void SetLevelPlayArea() {
  TGKScreen& s = *fmMain->DXScreen;
  const int backHeight = s.BackSurface ? s.BackSurface->Height : s.ScreenHeight;
  const TRect clip = s.GetClipRect();
  const int bottom = GameShell.FullScreen ? backHeight : backHeight - fmMain->StatusPicture().Height() - 6;
  s.SetClipRect({0, 0, clip.Right, bottom});
  for (TGKStarField* rain : {fmMain->DXRain1.get(), fmMain->DXRain2.get()}) {
    if (!rain) continue;
    rain->EdgeRight = clip.Right;
    rain->EdgeBottom = bottom;
    rain->Initialize();
  }
}

void EnterLevel(const std::string& FileName) {
  Level.LevelFileName = FileName;
  SetLevelPlayArea();
  Level.Rebuild = TRebuild::None;
  WorldMap.EnteredFromMap = true;
  const int node = WorldMap.MapPosition;
  if (node >= 0 && node < sprites().Count()) {
    const TGKSprite& s = sprites().GetSprite(node);
    if (s.Animation == kWorldKindPipeNode) {
      GameShell.EntryMode = EntryFromPipe;
      Level.EntryPipe = s.Param1;
      GameShell.EntryDirection = s.Param2;
    }
  }
  StartLevel();
  WorldMap.EnterNodeTime = -1;
}

void StartLevel() {
  fmMain->MainTimer.SetEnabled(false);
  Level.LevelIni.reset();
  Level.Player = nullptr;
  Level.LevelBuilt = false;
  sprites().Clear();
  ClearEffectRings(*fmMain);
  TGKScreen& screen = *fmMain->DXScreen;
  if (screen.DirectDraw && screen.BackSurface) {
    if (Level.Rebuild != TRebuild::None) FadeOutPalette(screen, Level.Options.PaletteFX, 20);
    screen.BackSurface->Erase(0);
    screen.Flip();
    if (screen.FrontSurface && screen.FrontSurface->Width == screen.BackSurface->Width &&
        screen.FrontSurface->Height == screen.BackSurface->Height)
      screen.FrontSurface->BltFast(0, 0, *screen.BackSurface, screen.BackSurface->Rect, false);
  }
  fmMain->SpriteKeys.clear();
  // Nothing to build: back to the map, as a level that ended would go.
  const auto backToMap = [] {
    Level.Rebuild = TRebuild::None;
    LeaveLevelForMap(TMapPlayerShows::Soon);
  };
  if (!platform::fileExists(Level.LevelFileName)) {
    backToMap();
    return;
  }
  TLevelReadTarget target = readTarget();
  ReadLevelFile(target);
  // Without a readable image library no sprite can take its size (the screen
  // refuses), so a level that names none, or a missing or broken one, is not built.
  if (fmMain->DXScreen->ImageSurfaces.empty()) {
    backToMap();
    return;
  }
  BuildLevel();
  Level.Rebuild = TRebuild::None;
}

void CheckSwitchMusicEnd() {
  // Without its tune (music off, tune missing) the switch lasts the tune's time:
  // the player then holds a tune that failed to open, or another one.
  if (!SwitchEffectTimeUp()) {
    if (SwitchEffectTimed()) return;
    const std::string tune = LevelMusic.fileName();
    if (platform::lowerCase(platform::extractFileName(tune)) != "casa de hongo.mid") return;
    if (platform::sameText(tune, Level.Options.MIDIFile)) return;
    // Past the end, or stopped (music switched off, a skipped frame): the switch is over.
    if (LevelMusic.position() < kSwitchTuneEnd && LevelMusic.playing()) return;
  }
  EndSwitchEffect();

  TGKAnimations& animations = fmMain->DXSprites->Animations;
  static constexpr int kSwitchKinds[] = {39, 41, 46, 48, 49, 63, 202, 280, 281, 282};
  if (animations.Count() >= kLevelKindCount)
    for (int kind : kSwitchKinds) SetKindFrames(animations, kind, Level.Options.AnimSpeed, GameShell.PlayerMode);
  for (int i = 1; i < sprites().Count(); ++i) {
    TGKSprite& s = sprites().GetSprite(i);
    if (s.Animation == 39)
      s.SetAnimation(49);
    else if (s.Animation == 49)
      s.SetAnimation(s.Param4 == 1 ? 115 : 39);
    else if (s.Animation == 341) {
      s.Disable();
      s.Hide();
    }
    for (int kind : kSwitchKinds)
      if (s.Animation == kind) {
        s.SetDirection(s.Direction);
        break;
      }
  }
  // The death's and the level end's tunes are not the switch's to replace: the
  // death ends with its tune.
  if (Level.PlayerDying || Level.LevelEnded) return;
  if (LevelMusic.Open) LevelMusic.Open(Level.Options.MIDIFile, MusicTagLooping);
  if (GameShell.PlayMusic && LevelMusic.Play) LevelMusic.Play();
}

void CheckFallingOut() {
  if (Level.LevelEnded || Level.PlayerDying) return;
  const int clipBottom = fmMain->DXScreen->GetClipRect().Bottom;
  const int levelHeight = Level.Options.ResFactor * Level.Options.Height;
  int limit = clipBottom < levelHeight ? clipBottom : levelHeight;
  if (!Level.ScrollLimits) limit *= 2;
  if (Level.Player->GetY() > limit) KillPlayer();
}

void UpdateView() {
  if (Level.PlayerDying || Level.EnteredPipe != -1) return;
  if (!Level.AutoScrollOn) {
    fmMain->ScrollView();
    return;
  }
  TLevelOptions& o = Level.Options;
  const TRect clip = fmMain->DXScreen->GetClipRect();
  if (Level.ScrollLimits && Level.AutoScrollActive) {
    const int levelW = o.ResFactor * o.Width, levelH = o.ResFactor * o.Height;
    const bool endX = o.AutoScrollX != 0 && (levelW < clip.width() || fmMain->CameraX > levelW - clip.width());
    const bool endY = o.AutoScrollY != 0 && (levelH < clip.height() || fmMain->CameraY > levelH - clip.height());
    if (endX || endY) {
      Level.AutoScrollActive = false;
      o.HAutoScroll = false;
    }
  }
  if (o.HAutoScroll) Level.AutoScrollActive = !Level.AutoScrollActive;
  if (!Level.AutoScrollActive) return;

  TGKJumper& p = *Level.Player;
  const bool againstScroll =
      p.Speed != Fixed16() && ((o.AutoScrollX < 0 && p.Direction == 8) || (o.AutoScrollX > 0 && p.Direction == 24));
  const Fixed16 keepX = p.X, keepY = p.Y;
  sprites().MoveAll(true, o.AutoScrollX, o.AutoScrollY, true, 0, 0);
  if (againstScroll) {
    p.X = keepX;
    p.Y = keepY;
  }
  fmMain->CameraX = autoScrolledCamera(fmMain->CameraX, o.AutoScrollX);
  fmMain->CameraY = autoScrolledCamera(fmMain->CameraY, o.AutoScrollY);
}

void CountTimeBonus() {
  if (Level.EndStage < 0 || Level.EndStage > 2 || Level.LevelTime <= 0) return;
  if (Level.LevelTime < 11) {
    Level.Score += Level.LevelTime * 50;
    Level.LevelTime = 0;
    fmMain->PlaySoundEffect(SoundCoin);
    return;
  }
  Level.LevelTime -= 10;
  Level.Score += 500;
  // The audio component's Tag makes the sound play on every second step.
  int& tag = fmMain->DXAudio->Tag;
  if (tag == 0) fmMain->PlaySoundEffect(SoundCoin);
  tag = tag == 0 ? 1 : 0;
}

void StepPlayerEntry() {
  TGKJumper& p = *Level.Player;
  if (GameShell.EntryMode == EntryFromBottom) {
    if (p.JumpState == jsFalling) {
      giveBackControl(p);
      GameShell.EntryMode = EntryNormal;
    }
  } else if (GameShell.EntryMode == EntryFromPipe) {
    const int dir = GameShell.EntryDirection;
    const int x = p.GetX() + fmMain->CameraX, y = p.GetY() + fmMain->CameraY;
    const bool out = (dir == EntryRight && x >= p.Param3) || (dir == EntryDown && y >= p.Param3) ||
                     (dir == EntryLeft && x <= p.Param3) || (dir == EntryUp && y <= p.Param3);
    if (out) {
      giveBackControl(p);
      fmMain->DXSprites->PlayerBehind = false;
      Level.PipeTravel = false;
      p.StandAnimation = 0;
      GameShell.EntryMode = EntryNormal;
      UnfreezeSprites(1);
    } else if (dir == EntryRight) {
      p.SetX(p.GetX() + 1);
    } else if (dir == EntryLeft) {
      p.SetX(p.GetX() - 1);
    } else if (dir == EntryDown) {
      p.SetY(p.GetY() + 2);
    } else if (dir == EntryUp) {
      p.SetY(p.GetY() - 2);
    } else {
      // A direction the file does not know: the exit ends where the player stands.
      giveBackControl(p);
      fmMain->DXSprites->PlayerBehind = false;
      Level.PipeTravel = false;
      p.StandAnimation = 0;
      GameShell.EntryMode = EntryNormal;
      UnfreezeSprites(1);
    }
  }
  switch (p.State) {
    case PipeUp: p.SetY(p.GetY() - 1); break;
    case PipeRight: p.SetX(p.GetX() + 1); break;
    case PipeDown: p.SetY(p.GetY() + 1); break;
    case PipeLeft: p.SetX(p.GetX() - 1); break;
    default: break;
  }
  if (p.State > 0 && p.Speed != Fixed16()) p.SetSpeed(0);
}

// A pipe to the running level: the player comes out of the destination pipe as
// he would entering the level through it, and the camera starts over there.
// The pipe's own freeze ends here; the exit makes its own.
void WarpInsideLevel() {
  GameShell.EntryMode = EntryFromPipe;
  UnfreezeSprites(1);
  // The entry places the player in level coordinates, as a fresh build would.
  sprites().MoveAll(true, fmMain->CameraX, fmMain->CameraY, true, 0, 0);
  fmMain->CameraX = fmMain->CameraY = 0;
  PlaceEnteringPlayer();
  StartCamera();
}

void FollowPipeTarget() {
  if (Level.EnteredPipe < 0 || Level.Player->State != 0) return;
  const int index = Level.EnteredPipe;
  Level.EnteredPipe = -1;
  Level.PipeTravel = false;  // set again below when the player comes out of a pipe here
  if (index >= sprites().Count()) return;
  const TGKSprite& pipe = sprites().GetSprite(index);
  const std::string* text = Level.SpriteText(pipe.Data);
  if (!text) return;
  const std::string path = GameShell.ExeDir + *text;
  if (!platform::fileExists(path)) return;

  if (platform::lowerCase(platform::extractFileExt(path)) != ".tqw") {
    Level.EntryPipe = pipe.Param3;
    GameShell.EntryDirection = pipe.Param4;
    if (!samePath(path, Level.LevelFileName)) {
      Level.LevelFileName = path;
      GameShell.EntryMode = pipe.Animation == 330 ? EntryFromTop : EntryFromPipe;
      Level.Rebuild = TRebuild::Passage;
      return;
    }
    WarpInsideLevel();
    return;
  }

  const bool sameWorld = samePath(path, WorldMap.WorldFileName);
  if (!sameWorld) {
    ForgetWorldProgress();
    WorldMap.LastPosition = MapStartNode;
    WorldMap.WorldFileName = path;
    WorldMap.OpenLocks = false;
  }
  GameShell.EntryMode = EntryNormal;
  // A node number no world can hold leaves the position as it is.
  if (pipe.Param3 > 0 && pipe.Param3 <= INT32_MAX - MapStartNode) WorldMap.LastPosition = pipe.Param3 + MapStartNode;
  // A new world's own start decides when its player shows.
  LeaveLevelForMap(sameWorld ? TMapPlayerShows::Soon : TMapPlayerShows::ByMapRules);
}

namespace {

// What plays before the level is drawn: the switch effect's end, falling out,
// the view, the time bonus, the player's keys and his blinking.
void PlayBeforeDrawing() {
  CheckSwitchMusicEnd();
  CheckFallingOut();
  UpdateView();
  CountTimeBonus();
  if (GameShell.EntryMode == EntryNormal) HandlePlayerInput();
  if (Level.HurtTimer >= 0) Level.Player->Visible = !Level.Player->Visible;
}

// The level drawn, back to front; with plays the rain falls and the sprites
// move (the per-sprite rules run inside their move pass).
void DrawLevel(bool plays) {
  DrawBackground();
  if (plays && Level.Options.Rain && fmMain->DXRain1) fmMain->DXRain1->Update();
  if (!Level.Options.AddText.empty()) DrawMessageBox();
  if (plays) fmMain->DXSprites->MoveSprites();
  fmMain->DXSprites->DrawSprites();
  if (plays && Level.Options.Rain && fmMain->DXRain2) fmMain->DXRain2->Update();
  if (Level.LevelEnded) DrawLevelEndOverlay();
  fmMain->DrawStatusBar();
}

// What plays after: the way out of a pipe and the travel through one.
void PlayAfterDrawing() {
  if (Level.LevelBuilt && Level.Player) StepPlayerEntry();
  if (Level.Player) FollowPipeTarget();
}

}  // namespace

void LevelFrame() {
  if (!Level.Player) {
    // No level stands (its file was missing): only the way back remains.
    if (Level.ReturnToMap) LoadWorld();
    return;
  }
  // While the game stands (paused, or under the game's own menu or dialog) the
  // frame shows the level as it stands and plays nothing: no sprite moves, no
  // key is read, no rain falls. The commands asked for meanwhile (a restart,
  // the way back to the map) are still carried out.
  const bool plays = !fmMain->GameStands();
  if (plays) PlayBeforeDrawing();
  DrawLevel(plays);
  if (plays) PlayAfterDrawing();
  if (Level.Rebuild != TRebuild::None) StartLevel();
  if (Level.ReturnToMap) LoadWorld();
  // Last: at game over the title takes the sprites away.
  CheckDeathSequenceEnd();
}
