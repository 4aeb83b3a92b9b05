// Playing a world map: its frame, its keys and what each sprite does after its move.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_state.h"
#include "game/Game/palette_effects.h"
#include "game/Map/world_kinds.h"
#include "game/Map/world_map.h"
#include "game/Splash/screen_services.h"
#include "game/frmMain/frmMain.h"
#include "platform/core/keys.h"
#include "platform/core/paths.h"
#include "platform/core/random.h"
#include "platform/core/tick_stamp.h"

namespace {

constexpr double kWalkSpeed = 2.5;
constexpr int kEntryDelay = 500;
constexpr int kIntroCardTime = 2500;

using platform::MsSince;
using platform::NoStamp;
using platform::StampIn;
using platform::StampNow;

TGKSprites& sprites() { return fmMain->DXSprites->Sprites; }
TGKSprite& player() { return sprites().GetSprite(MapPlayerSprite); }

TGKSprite* spriteAt(int index) {
  return index >= 0 && index < sprites().Count() ? &sprites().GetSprite(index) : nullptr;
}

TRect rectOf(const TGKSprite& s) { return {s.GetX(), s.GetY(), s.GetX() + s.Width, s.GetY() + s.Height}; }

bool intersects(const TRect& a, const TRect& b) {
  return std::max(a.Left, b.Left) < std::min(a.Right, b.Right) && std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
}

bool standsStill(const TGKSprite& s) { return s.GetVelocityX() + s.GetVelocityY() == 0; }

bool isWorldLink(const std::string& link) { return platform::sameText(platform::extractFileExt(link), ".tqw"); }

// A node is chosen: the fade starts and the entry follows after a short delay.
void chooseNode(int enteredNode) {
  screenAudio().StopMusic();
  PlayScreenSound(SoundEnterNode);
  if (DisplayRunning()) FadeOutPalette(*fmMain->DXScreen, Level.Options.PaletteFX, 50);
  WorldMap.LastPosition = WorldMap.MapPosition;
  WorldMap.EnteredNode = enteredNode;
  WorldMap.EnterNodeTime = StampNow();
  player().SetSpeed(0);
}

struct TStep {
  int dx, dy;
  int direction;  // WalkDirection of the step
  int opposite;   // the step that leads back
};

void walk(int key) {
  const TGKSpriteMgr& m = *fmMain->DXSprites;
  const TStep* step = nullptr;
  static const TStep left{-1, 0, 24, 8}, right{1, 0, 8, 24}, up{0, -1, 0, 16}, down{0, 1, 16, 0};
  if (key == m.KeyLeft) step = &left;
  else if (key == m.KeyRight) step = &right;
  else if (key == m.KeyUp) step = &up;
  else if (key == m.KeyDown) step = &down;
  if (!step) return;

  TGKSprite& p = player();
  const int rf = Level.Options.ResFactor;
  const int cx = p.GetX() + p.Width / 2 + step->dx * rf;
  const int cy = p.GetY() + p.Height / 2 + step->dy * rf;
  const TRect probe{cx - 1, cy - 1, cx + 1, cy + 1};
  const TGKSprite* here = spriteAt(WorldMap.MapPosition);
  const bool mayLeave = WorldMap.WalkAnywhere || !here || !inSet(BlockingNodes, here->Animation) ||
                        WorldMap.WalkDirection == step->opposite;
  for (int i = 1; i < sprites().Count(); ++i) {
    const TGKSprite& s = sprites().GetSprite(i);
    if (!intersects(rectOf(s), probe) || !inSet(WalkTargets, s.Animation) || !mayLeave) continue;
    if (standsStill(p)) {
      PlayScreenSound(SoundMapMove);
      p.SetVelocityX(step->dx * kWalkSpeed);
      p.SetVelocityY(step->dy * kWalkSpeed);
    }
    WorldMap.WalkDirection = step->direction;
    return;
  }
  p.State = Level.StandingOnSprite;
  if (standsStill(p)) PlayScreenSound(SoundBump);
}

void enterChosenNode() {
  TWorldMapState& w = WorldMap;
  const TGKSprite* node = spriteAt(w.MapPosition);
  const std::string* link = node ? SpriteTextOf(*node) : nullptr;
  w.EnterNodeTime = -1;
  if (!link) return;
  if (!isWorldLink(*link)) {
    const int pipe = node->Param1, direction = node->Param2;
    const bool isPipe = node->Animation == wkPipe;
    fmMain->SetScreenState(ssLevel);
    Level.LevelFileName = GameShell.ExeDir + *link;
    SetLevelPlayArea();
    Level.Rebuild = TRebuild::None;
    w.EnteredFromMap = true;
    if (isPipe) GameShell.EntryMode = EntryFromPipe;
    Level.EntryPipe = pipe;
    GameShell.EntryDirection = direction;
    StartLevel();
    return;
  }
  ForgetWorldProgress();
  w.LastPosition = MapStartNode;
  GameShell.EntryMode = EntryNormal;
  w.WorldFileName = GameShell.ExeDir + *link;
  w.MapPosition = MapStartNode;
  w.OpenLocks = false;
  Level.ReturnToMap = true;
}

bool isFirstWorldTune(const std::string& file) { return platform::sameText(platform::extractFileName(file), "world 1.mid"); }

void helpSignMoved(TGKSprite& sign) {
  if (WorldMap.ShowPlayerTime != -1 || WorldMap.InitialInfo) return;
  if (sign.Visible && MsSince(sign.Timer) > 1000) {
    sign.Hide();
    sign.Timer = StampNow();
  } else if (!sign.Visible && MsSince(sign.Timer) > 300) {
    sign.Show();
    sign.Timer = StampNow();
  }
}

void starMoved(TGKSprite& star) {
  if (!star.Enabled || !star.Visible) return;
  TGKSprite& p = player();
  if (star.State <= 14) {
    ++star.State;
  } else {
    const int dx = p.GetX() - star.GetX();
    if (dx != 0) star.SetMaxSpeed(star.GetMaxSpeed() / 2 + std::abs(dx) / 16);
    star.SetSpeed(star.GetMaxSpeed());
    p.Controlled = true;
    star.PointTo(p.GetX() + p.Width / 2, p.GetY() + p.Height / 2);
    star.State = -1;
  }
  if (intersects(rectOf(star), rectOf(p))) {
    star.Disable();
    star.Hide();
    WorldMap.IntroCardStart = -1;
    if (WorldMap.ShowPlayerTime == -1) WorldMap.ShowPlayerTime = StampIn(400);
  }
}

int startX(const TGKSprite& s) { return int16_t(s.StartPos & 0xFFFF); }
int startY(const TGKSprite& s) { return int16_t(uint32_t(s.StartPos) >> 16); }

void setWanderPosition(int line, int position) {
  std::vector<std::string>& list = fmMain->WanderPositions;
  const std::string prefix = std::to_string(line) + "=";
  std::erase_if(list, [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
  list.push_back(prefix + std::to_string(position));
}

// A resting enemy sets out for another enemy path of its row or column.
void pickTarget(TGKSprite& hammer) {
  const int camX = fmMain->CameraX, camY = fmMain->CameraY;
  const int hx = startX(hammer), hy = startY(hammer);
  std::vector<int> candidates;
  for (int i = MapStartNode; i < sprites().Count(); ++i) {
    const TGKSprite& s = sprites().GetSprite(i);
    if (!inSet(EnemyPaths, s.Animation) || intersects(rectOf(s), rectOf(hammer))) continue;
    if (s.GetX() + camX == hx || s.GetY() + camY == hy) candidates.push_back(i);
  }
  if (candidates.empty()) return;
  const int target = candidates[size_t(platform::Random(int(candidates.size())))];
  const TGKSprite& node = sprites().GetSprite(target);
  hammer.Param1 = 1;
  hammer.Param2 = target;
  if (node.GetY() + camY == hy)
    hammer.SetDirection(node.GetX() > hammer.GetX() ? 8 : 24);
  else
    hammer.SetDirection(node.GetY() > hammer.GetY() ? 16 : 0);
}

void hammerStep(TGKSprite& hammer) {
  const bool homing = hammer.Param1 == 1;
  if (!homing) {
    hammer.State = (hammer.State + 1) % 4;
    if (hammer.State != 0) return;
  }
  const int d = hammer.Direction;
  if (homing && (d == 0 || d == 16))
    hammer.SetY(hammer.GetY() + (d == 0 ? -1 : 1));
  else
    hammer.SetX(hammer.GetX() + (d == 0 || d == 8 ? 1 : -1));
  if (!homing) {
    const int mapX = hammer.GetX() + fmMain->CameraX;
    if (mapX < startX(hammer) - 6 || mapX > startX(hammer) + 6) hammer.SetDirection((d + 16) % 32);
  }
}

void hammerArrives(TGKSprite& hammer) {
  const TGKSprite* node = spriteAt(hammer.Param2);
  if (!node) {
    hammer.Param1 = 0;
    return;
  }
  // Reached along its axis of travel: it settles exactly on the node.
  const bool vertical = hammer.Direction == 0 || hammer.Direction == 16;
  if (vertical ? hammer.GetY() != node->GetY() : hammer.GetX() != node->GetX()) return;
  hammer.SetX(node->GetX());
  hammer.SetY(node->GetY());
  hammer.StartPos = int(uint32_t(uint16_t(node->GetX() + fmMain->CameraX)) |
                        (uint32_t(uint16_t(node->GetY() + fmMain->CameraY)) << 16));
  setWanderPosition(hammer.Param4, hammer.StartPos);
  hammer.Param1 = 2;
}

void hammerMoved(TGKSprite& hammer) {
  TWorldMapState& w = WorldMap;
  hammerStep(hammer);
  if (!hammer.Visible && w.ShowPlayerTime == -1 && !w.InitialInfo) hammer.Show();
  if (hammer.Visible && hammer.Param1 == 0 && w.EnteredFromMap) pickTarget(hammer);
  if (hammer.Param1 == 1) hammerArrives(hammer);

  TGKSprite& p = player();
  const int hcx = hammer.GetX() + hammer.Width / 2, hcy = hammer.GetY() + hammer.Height / 2;
  const TRect square{hcx - 2, hcy - 2, hcx + 2, hcy + 2};
  const TGKSprite* here = spriteAt(w.MapPosition);
  const std::string* level = SpriteTextOf(hammer);
  if (!intersects(rectOf(p), square) || !here || !inSet(EnemyPaths, here->Animation) || w.EnterNodeTime != -1 ||
      !standsStill(p) || hammer.Param1 != 2 || !level || !platform::fileExists(GameShell.ExeDir + *level))
    return;
  spriteAt(w.MapPosition)->Data = hammer.Data;  // the node now leads to the enemy's level
  chooseNode(hammer.Param3);
}

void playerMoved(TGKSprite& p) {
  const int mode = GameShell.PlayerMode;
  for (int i = 1; i < sprites().Count(); ++i) {
    const TGKSprite& node = sprites().GetSprite(i);
    if (intersects(rectOf(p), rectOf(node))) {
      Level.StandingOnSprite = i;
      if (WorldMap.MapPosition == -1) WorldMap.MapPosition = i;
    }
    if (i == WorldMap.MapPosition || !inSet(StopPoints, node.Animation)) continue;
    const int px = p.GetX(), py = p.GetY(), nx = node.GetX(), ny = node.GetY();
    if (p.GetVelocityX() != 0) {
      if (py >= ny - 6 && ny + node.Height + 5 >= py + p.Height && px >= nx - 4 && nx + 5 >= px) {
        p.SetVelocityX(0);
        p.SetX(mode == PlayerSmall ? nx + 1 : nx);
        WorldMap.MapPosition = i;
      }
    } else if (p.GetVelocityY() != 0) {
      if (px >= nx - 4 && nx + node.Width + 4 >= px + p.Width && ny + 5 >= py && py >= ny - 4) {
        p.SetVelocityY(0);
        p.SetY(mode == PlayerSmall ? ny : mode == PlayerFlying ? ny - 6 : ny - 3);
        WorldMap.MapPosition = i;
      }
    }
  }
}

}  // namespace

void DrawWorldBackground() {
  if (fmMain->BackSurface) fmMain->DXScreen->BackSurface->Draw(0, 0, *fmMain->BackSurface, false);
}

void DrawWorldIntroCard() {
  TGKScreen& screen = *fmMain->DXScreen;
  if (DisplayRunning()) {
    const TRect clip = screen.GetClipRect();
    const int cx = (clip.Left + clip.Right) / 2, cy = (clip.Top + clip.Bottom) / 2;
    TGKSurface& back = *screen.BackSurface;
    platform::Canvas& c = *back.Canvas;
    c.Pen.Color = platform::clBlack;
    c.Brush.Style = platform::bsSolid;
    c.Brush.Color = platform::clBlack;
    c.Rectangle(cx - 64, cy - 30, cx + 64, cy + 30);
    c.Brush.Color = platform::clWhite;
    c.Pen.Color = platform::clWhite;
    c.RoundRect(cx - 59, cy - 28, cx + 59, cy + 28, 6, 6);
    c.Brush.Color = platform::clBlack;
    c.FrameRect({cx - 57, cy - 25, cx + 57, cy + 25});
    c.Brush.Style = platform::bsClear;
    c.Font.Color = platform::clBlack;
    c.TextOut(cx + 22, cy + 5, "X");
    c.Brush.Style = platform::bsSolid;
    back.Canvas->Release();

    std::string name = Level.Options.Name;
    for (char& ch : name) ch = char(std::toupper(static_cast<unsigned char>(ch)));
    fmMain->DrawBitmapText(cx - 30, cy - 18, name);
    fmMain->DrawBitmapText(cx - 50, cy + 5, "TOBBO");
    fmMain->DrawBitmapText(cx + 36, cy + 6, std::to_string(Level.Lives));
    const int face = player().GetImageIndex() + 1;
    if (face > 0 && face < int(screen.ImageSurfaces.size())) {
      const bool small = GameShell.PlayerMode == PlayerSmall;
      back.Draw(small ? cx : cx - 1, small ? cy + 1 : cy - 5, *screen.ImageSurfaces[size_t(face)], true);
    }
  }
  if (WorldMap.IntroCardStart != NoStamp && MsSince(WorldMap.IntroCardStart) <= kIntroCardTime) return;
  WorldMap.InitialInfo = false;
  for (int i = MapFirstStar; i < MapFirstStar + MapStarCount; ++i)
    if (TGKSprite* star = spriteAt(i)) {
      star->Enable();
      star->Show();
    }
  PlayScreenSound(SoundMapIntro);
}

void WorldMapFrame() {
  TWorldMapState& w = WorldMap;
  TGKSpriteMgr& m = *fmMain->DXSprites;
  // While the game stands (under its menu or a dialog) the map is drawn as it
  // stands: nothing moves, no node is entered and no tune starts.
  const bool plays = !fmMain->GameStands();
  if (DisplayRunning()) {
    DrawWorldBackground();
    fmMain->DrawStatusBar();
    if (plays) {
      fmMain->ScrollView();
      m.MoveSprites();
    }
    m.DrawSprites();
  } else if (plays) {
    m.MoveSprites();
  }
  if (w.InitialInfo) DrawWorldIntroCard();
  if (!plays) {
    if (Level.ReturnToMap) LoadWorld();
    return;
  }

  if (w.EnterNodeTime != NoStamp && MsSince(w.EnterNodeTime) > kEntryDelay) {
    enterChosenNode();
    // A level is up: the rest of this frame belongs to the map.
    if (fmMain->ScreenState() == ssLevel) return;
  }
  if (m.KeyLeft == 0) {
    m.KeyLeft = uint16_t(Level.SavedKeyLeft);
    m.KeyRight = uint16_t(Level.SavedKeyRight);
  }
  TScreenAudio& audio = screenAudio();
  if (isFirstWorldTune(audio.MusicFileName()) && !audio.MusicPlaying() && GameShell.PlayMusic && !Level.LevelLoaded &&
      w.EnterNodeTime == -1)
    audio.PlayMusic();
  if (w.ShowPlayerTime != NoStamp && MsSince(w.ShowPlayerTime) > 0 && sprites().Count() > 0) {
    player().Enable();
    player().Show();
    w.ShowPlayerTime = -1;
    if (GameShell.PlayMusic &&
        (Level.LevelLoaded || (!isFirstWorldTune(audio.MusicFileName()) && audio.MusicPosition() == 0)))
      audio.PlayMusic();
  }
  if (Level.ReturnToMap) LoadWorld();
}

void WorldMapKeyDown(int Key) {
  TWorldMapState& w = WorldMap;
  if (Key == platform::VK_PAUSE) {
    fmMain->Paused() ? fmMain->ResumeGame() : fmMain->PauseGame();
  } else if (Key == platform::VK_BACK) {
    fmMain->ToggleSecretCode();
  }
  if (sprites().Count() == 0) return;
  // The player moves and enters nodes only once he is shown, no card shows and
  // no entry is pending.
  if (w.EnterNodeTime != -1 || w.IntroCardStart != -1 || w.ShowPlayerTime != -1) return;
  const TGKSprite* here = spriteAt(w.MapPosition);
  if (Key == fmMain->DXSprites->KeyFire1 && here && SpriteTextOf(*here)) {
    chooseNode(w.MapPosition);
    return;
  }
  walk(Key);
}

void WorldMapSpriteMoved(TGKSprite& Sprite) {
  switch (Sprite.Animation) {
    case wkHelp: helpSignMoved(Sprite); break;
    case wkStars: starMoved(Sprite); break;
    case wkHammer: hammerMoved(Sprite); break;
    default:
      if (sprites().Count() > 0 && &Sprite == &player()) playerMoved(Sprite);
      break;
  }
}
