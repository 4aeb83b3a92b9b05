// Contact cases of the player with blocks, brick fragments, movable blocks,
// bonus and spring blocks, coins, switches, doors, the end card, power-ups and
// the level-end objects.
#include <cstdint>
#include <string>

#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/contact_box.h"
#include "game/Game/kind_cases.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "game/frmMain/frmMain.h"
#include "platform/core/paths.h"
#include "platform/core/tick_stamp.h"

std::string LevelEndLink;

namespace {

using namespace contact;

// The existing level file a link of the level names, or empty: links to files
// that are not there are not followed.
std::string linkedFile(const TGKSprite& o) {
  const std::string* target = SpriteTextOf(o);
  if (!target || target->empty() || !platform::fileExists(*target, GameShell.ExeDir)) return {};
  return platform::resolvePath(*target, GameShell.ExeDir).string();
}

// One step of the bump of a block: four moves of 3 pixels one way, four back.
// Spring blocks in State 0 go down first.
void bumpStep(TGKSprite& o, bool downFirst) {
  if (o.Timer < 0) return;
  --o.Timer;
  const bool firstHalf = o.Timer > 2;
  o.SetY(o.GetY() + (firstHalf != downFirst ? -3 : 3));
}

// The player's head against the underside of a block, in the band the blocks share.
bool underBlock(const TContactBox& p, const TContactBox& o) { return o.x < p.right() - 4 && p.x + 4 < o.right(); }

// The player is put under the block and falls.
void dropUnder(const TContactBox& o) {
  player().SetY(o.bottom());
  player().SetJumpState(jsFalling);
}

TCaseEnd brickBlock(TPlayerMove&, int i) {  // 39
  TGKSprite& o = spriteAt(i);
  if (!o.Enabled || GameShell.EntryMode != EntryNormal) return TCaseEnd::Solid;
  bumpStep(o, false);
  const TContactBox p(player()), b(o);
  if (underBlock(p, b) && p.y + 2 < b.bottom() && b.bottom() < p.y + 12) {
    dropUnder(b);
    if (SpriteTextOf(o)) {
      HitBonusBlock(i);
    } else if (GameShell.PlayerMode >= PlayerBig) {
      BreakBrick(i);
    } else if (o.Timer == -1) {
      o.Timer = 7;
      PlayLevelSound(SoundBump);
    }
  }
  return TCaseEnd::Solid;
}

TCaseEnd brickFragment(TPlayerMove&, int i) {  // 40
  TGKSprite& o = spriteAt(i);
  const TRect clip = LevelScreen().GetClipRect();
  const int top = -(Level.Options.ResFactor * Level.Options.Height);
  const int x = o.GetX(), y = o.GetY();
  if (x >= 0 && x < clip.Right && y >= top && y < clip.Bottom) {
    if (o.Direction == 1 || o.Direction == 31) o.SetVelocityY(o.GetVelocityY() + 1.0);
    if (o.Direction == 2 || o.Direction == 30) o.SetVelocityY(o.GetVelocityY() + 1.5);
  } else {
    o.Disable();
    o.Hide();
  }
  return TCaseEnd::Solid;
}

TCaseEnd movableBlock(TPlayerMove&, int i) {  // 41
  TGKSprite& o = spriteAt(i);
  const TContactBox p(player()), b(o);
  if (p.x < b.right() && b.x < p.right() && p.y <= b.bottom() && b.bottom() < p.y + 10)
    o.SetY(b.y + player().VelocityY.round());
  if (player().Direction == 8 && p.right() >= b.x && b.x >= p.x && p.y + 3 < b.bottom() &&
      b.y < p.bottom() - 3)
    o.SetX(p.right());
  else if (player().Direction == 24 && b.right() >= p.x && p.right() >= b.right() && b.bottom() >= p.y + 3 &&
           b.y < p.bottom() - 3)
    o.SetX(p.x - b.w);
  return TCaseEnd::Solid;
}

TCaseEnd bonusBlock(TPlayerMove&, int i) {  // 46
  TGKSprite& o = spriteAt(i);
  const TContactBox p(player()), b(o);
  if (underBlock(p, b) && p.y < b.bottom() && b.y < p.y + 4 && player().GetVelocityY() < 0) {
    dropUnder(b);
    player().SetVelocityY(player().GetMaxFall() / 4);
    HitBonusBlock(i);
  }
  return TCaseEnd::Solid;
}

TCaseEnd squareBlock(TPlayerMove&, int i) {  // 47
  TGKSprite& o = spriteAt(i);
  if (o.Enabled) bumpStep(o, false);
  return TCaseEnd::Solid;
}

// Spring blocks 48 and the warp spring 202. Launch gives the top contact with
// Fire1 held; it returns false when it did not launch (a plain spring).
template <class Launch>
void springContact(TGKSprite& o, bool showWhileRising, Launch&& launch) {
  if (o.Timer != -1) {
    bumpStep(o, o.State == 0);
    return;
  }
  const TContactBox p(player()), b(o);
  if (!underBlock(p, b)) return;
  if (p.bottom() < b.bottom() && b.y < p.bottom() + 1 && o.Visible) {
    PlayLevelSound(SoundBump);
    if (!(keyHeld(&TGKSpriteMgr::KeyFire1) && launch())) player().SetVelocityY(keyHeld(&TGKSpriteMgr::KeyFire1) ? -7 : -3);
    o.Timer = 7;
    o.State = 0;
  } else if (p.y < b.bottom() && b.y < p.y + 4) {
    if (!o.Visible) {
      if (showWhileRising) o.Show();
    } else {
      PlayLevelSound(SoundBump);
      dropUnder(b);
      o.Timer = 7;
      o.State = 1;
    }
  }
}

TCaseEnd springBlock(TPlayerMove&, int i) {  // 48
  TGKSprite& o = spriteAt(i);
  if (o.Enabled) springContact(o, player().GetVelocityY() < 0, [] { return false; });
  return TCaseEnd::Solid;
}

TCaseEnd warpSpring(TPlayerMove&, int i) {  // 202
  TGKSprite& o = spriteAt(i);
  if (!o.Enabled) return TCaseEnd::Solid;
  TGKJumper& pl = player();
  if (o.Timer == -1 && pl.Param2 == 1 && MsSince(pl.Param3) > 1000) {
    GameShell.EntryMode = EntryFromBottom;
    Level.LevelBuilt = false;
    Level.Rebuild = TRebuild::Passage;
    return TCaseEnd::Leave;
  }
  springContact(o, pl.JumpState == jsRising, [&] {
    const std::string target = linkedFile(o);
    if (target.empty()) return false;
    pl.SetVelocityY(-15);
    PlayLevelSound(SoundPowerUp);
    Level.LevelFileName = target;
    pl.Controlled = false;
    pl.Param2 = 1;
    pl.Param3 = StampNow();
    return true;
  });
  return TCaseEnd::Solid;
}

TCaseEnd coin(TPlayerMove&, int i) {  // 49, 341
  TGKSprite& o = spriteAt(i);
  if (o.Enabled && o.Visible && TContactBox(o).intersects(TContactBox(player()))) {
    o.Disable();
    o.Hide();
    o.State = 1;
    CollectCoin();
  }
  return TCaseEnd::Solid;
}

TCaseEnd coinPop(TPlayerMove&, int i) {  // 50
  TGKSprite& o = spriteAt(i);
  if (o.Param1 == 0) return TCaseEnd::Solid;
  if (TContactBox(o).bottom() < o.Param1) {
    o.SetVelocityY(o.GetVelocityY() + 0.65);
  } else {
    o.Disable();
    o.Hide();
  }
  return TCaseEnd::Solid;
}

// The player's feet on the switch.
bool pressesSwitch(const TGKSprite& o) {
  const TContactBox p(player()), s(o);
  return o.Enabled && p.right() - 1 >= s.x && s.right() >= p.x && p.bottom() < s.bottom() && p.bottom() >= s.y;
}

constexpr int kPressedSwitch = 53;

void press(TGKSprite& o) {
  o.SetAnimation(kPressedSwitch);
  o.SetY(o.GetY() + 12);
}

// Bricks become coins and coins bricks.
void tradeBricksAndCoins(TGKSprite& s) {
  if (s.Animation == 39)
    s.SetAnimation(49);
  else if (s.Animation == 49)
    s.SetAnimation(39);
}

TCaseEnd brickSwitch(TPlayerMove&, int i) {  // 51
  TGKSprite& o = spriteAt(i);
  if (!pressesSwitch(o)) return TCaseEnd::Solid;
  press(o);
  TGKSprites& sprites = LevelSprites().Sprites;
  for (int k = 1; k < sprites.Count(); ++k) tradeBricksAndCoins(sprites.GetSprite(k));
  Level.Score += 1000;
  PlayLevelSound(SoundPipe);
  return TCaseEnd::Next;
}

// Kinds that the switch effect shows on one frame each, and those frames.
struct TSwitchFrame {
  int kind;
  uint16_t frame;
};
constexpr TSwitchFrame kSwitchFrames[] = {{39, 582}, {41, 57},  {46, 64},  {48, 69},  {49, 72},
                                          {63, 108}, {202, 324}, {280, 460}, {281, 464}, {282, 468}};

bool showsSwitchFrame(int kind) {
  for (const TSwitchFrame& f : kSwitchFrames)
    if (f.kind == kind) return true;
  return false;
}

bool switchEffect = false;
int switchEffectEnd = -1;  // when the effect ends without its tune, -1 while it plays

TCaseEnd timedSwitch(TPlayerMove&, int i) {  // 52
  TGKSprite& o = spriteAt(i);
  if (!pressesSwitch(o)) return TCaseEnd::Solid;
  press(o);
  TGKAnimations& animations = LevelSprites().Animations;
  for (const TSwitchFrame& f : kSwitchFrames)
    if (f.kind < animations.Count()) animations.GetAnimation(f.kind).DefineAllSequences(Level.Options.AnimSpeed, {f.frame});
  // A second switch while the effect runs leaves bricks and coins as they are,
  // so that the end of the effect turns them back.
  const bool trade = !SwitchEffectRunning();
  TGKSprites& sprites = LevelSprites().Sprites;
  for (int k = 1; k < sprites.Count(); ++k) {
    TGKSprite& s = sprites.GetSprite(k);
    if (trade) tradeBricksAndCoins(s);
    if (s.Animation == 115) {
      s.SetAnimation(49);
      s.Enable();
      s.Param4 = 1;
    } else if (s.Animation == 341 && s.State == 0) {
      s.Enable();
      s.Show();
    }
    if (showsSwitchFrame(s.Animation)) s.SetDirection(s.Direction);
  }
  StartSwitchEffect();
  Level.Score += 1000;
  PlayLevelSound(SoundPipe);
  return TCaseEnd::Next;
}

// Doors 59, 184, 186 and the half-width door 185.
TCaseEnd door(TPlayerMove& move, int i, bool halfWidth) {
  TGKSprite& o = spriteAt(i);
  const TContactBox p(player()), d(o);
  const int t = GameShell.PlayerMode == PlayerFlying ? 6 : 3;
  const int doorRight = halfWidth ? d.x + d.w / 2 : d.right();
  const bool across = p.x + t >= d.x && doorRight >= p.right() - t;
  move.FlightBlocked = across;
  // Not during a won level's walk-off: the level's end marks its node first.
  if (across && !Level.LevelEnded && d.bottom() >= p.bottom() && p.y >= d.y && LevelKeyHeld(LevelSprites().KeyUp)) {
    const std::string target = linkedFile(o);
    if (!target.empty()) {
      Level.LevelFileName = target;
      Level.EntryPipe = PipeDestination(o);
      Level.Rebuild = TRebuild::Passage;
      return TCaseEnd::Leave;
    }
  }
  return TCaseEnd::Solid;
}
TCaseEnd fullDoor(TPlayerMove& move, int i) { return door(move, i, false); }
TCaseEnd halfDoor(TPlayerMove& move, int i) { return door(move, i, true); }

TCaseEnd endCard(TPlayerMove&, int i) {  // 60
  TGKSprite& o = spriteAt(i);
  const TContactBox p(player()), c(o);
  const bool across = p.right() - 1 >= c.x + 5 && c.right() - 5 >= p.x;
  const bool fromAbove = p.bottom() < c.bottom() - 5 && p.bottom() >= c.y + 5;
  const bool fromBelow = c.bottom() - 5 >= p.y && p.bottom() >= c.bottom() - 5;
  if (!across || !(fromAbove || fromBelow) || Level.EndCard != 0) return TCaseEnd::Solid;
  TfmMain& w = *fmMain;
  Level.EndCard = o.GetImageIndex();
  if (w.NextCardSlot < 0 || w.NextCardSlot > 2) w.NextCardSlot = 0;
  w.Cards[static_cast<size_t>(w.NextCardSlot)] = Level.EndCard;
  w.NextCardSlot = (w.NextCardSlot + 1) % 3;
  const std::string* target = SpriteTextOf(o);
  LevelEndLink = GameShell.ExeDir + (target ? *target : std::string());
  LevelSprites().Animations.GetAnimation(o.Animation).DefineAllSequences(150, {102, 102, 102});
  w.ShowDust(c.x + 6, c.y + 6);
  player().SetEdgeActions(eaNone);
  StartLevelEnd();
  return TCaseEnd::Solid;
}

TCaseEnd powerUp(TPlayerMove&, int i) {  // 62, 158, 159, 334
  TGKSprite& o = spriteAt(i);
  TfmMain& w = *fmMain;
  const TContactBox b(o);
  if (o.Enabled && o.Visible) {
    if (!b.intersects(TContactBox(player()))) return TCaseEnd::Solid;
    o.State = 1;
    switch (o.Animation) {
      case 62:
        if (GameShell.PlayerMode == PlayerSmall) w.SetPlayerMode(PlayerBig, false);
        break;
      case 158: w.AddLives(1); break;
      case 159:
        if (Level.LevelWon) break;  // a won level takes no life
        w.RemoveLives(1);
        PlayLevelSound(SoundPoison);
        break;
      default: w.SetPlayerMode(PlayerFire, false); break;
    }
    w.ShowDust(b.x, b.y);
    Level.Score += 1000;
    o.Disable();
    o.Hide();
    return TCaseEnd::Solid;
  }
  // Still inside its block: it rises out of it slowly, then walks.
  const int block = BonusSourceBlock(o);
  if (o.State != 0 || block < 1 || block >= LevelSprites().Sprites.Count() || block == i) return TCaseEnd::Solid;
  if (MsSince(o.Timer) <= 250) return TCaseEnd::Solid;
  if (!o.Visible) {
    PlayLevelSound(SoundPowerUp);
    o.Show();
  }
  o.Param1 = o.Param1 == 0 ? 1 : 0;
  if (o.Param1 == 0) o.SetY(o.GetY() - 1);
  if (TContactBox(o).bottom() <= spriteAt(block).GetY()) {
    o.State = 1;
    o.Enable();
    o.SetLayer(0);
  }
  return TCaseEnd::Solid;
}

constexpr int kCastleEnd = 66;
constexpr int kChest = 180;

void takeLevelEnd(TGKSprite& o, bool dust) {
  o.Disable();
  o.Hide();
  o.Param2 = 1;
  o.Timer = StampNow();
  if (dust) fmMain->ShowDust(o.GetX(), o.GetY());
  Level.Score += 1000;
}

// The level is won as its end is taken: its node is listed as won at once, and
// a castle's end opens the map's locks, so nothing in the wait before the map
// comes back (a restart, the way back to the map) can lose the win.
void winLevel(bool castle) {
  Level.LevelWon = true;
  MarkEnteredNodeEnded();
  if (castle) WorldMap.OpenLocks = true;
}

TCaseEnd levelEndObject(TPlayerMove&, int i) {  // 66, 180
  TGKSprite& o = spriteAt(i);
  const TContactBox p(player()), b(o);
  if (o.Enabled) {
    if (!b.intersects(p)) return TCaseEnd::Solid;
    takeLevelEnd(o, o.Animation == kChest);
    if (o.Animation == kCastleEnd || !Level.Options.AddText.empty()) player().Controlled = false;
    TGKSprites& sprites = LevelSprites().Sprites;
    for (int k = 10; k < sprites.Count(); ++k) {
      TGKSprite& s = sprites.GetSprite(k);
      if (k != i && s.Visible && (s.Animation == kCastleEnd || s.Animation == kChest)) takeLevelEnd(s, true);
    }
    winLevel(o.Animation == kCastleEnd);
  } else if (LevelEndTaken(o)) {
    if (MsSince(o.Timer) <= 5000) return TCaseEnd::Solid;
    Level.LevelEnded = true;
    Level.UnlimitedFlight = false;
    LeaveLevelForMap(TMapPlayerShows::Soon);
  } else if (o.Animation == kChest && Level.EncounterFoesLeft == -1) {
    const int clipBottom = LevelScreen().GetClipRect().Bottom;
    const bool near = b.x < p.right() + 100 && p.x - 100 < b.right() && b.y < clipBottom && 0 < b.bottom();
    if (near) {
      o.Show();
      o.Enable();
      PlayLevelSound(SoundTransform);
      fmMain->ShowDust(b.x, b.y);
    }
  }
  return TCaseEnd::Solid;
}

}  // namespace

bool LevelEndTaken(const TGKSprite& s) {
  return (s.Animation == kCastleEnd || s.Animation == kChest) && !s.Enabled && s.Param2 == 1;
}

bool SwitchEffectRunning() { return switchEffect; }

void StartSwitchEffect() {
  if (switchEffect) return;
  switchEffect = true;
  switchEffectEnd = PlayTuneOnce(MusicSwitch) ? -1 : StampIn(SwitchTuneMs);
}

bool SwitchEffectTimed() { return switchEffect && switchEffectEnd != -1; }

bool SwitchEffectTimeUp() { return SwitchEffectTimed() && MsSince(switchEffectEnd) >= 0; }

void EndSwitchEffect() {
  switchEffect = false;
  switchEffectEnd = -1;
}

void RegisterBlockItemCases(TKindCaseTable& table) {
  table.Set(3, brickBlock);
  table.Set(4, brickFragment);
  table.Set(5, movableBlock);
  table.Set(6, bonusBlock);
  table.Set(7, squareBlock);
  table.Set(8, springBlock);
  table.Set(9, warpSpring);
  table.Set(10, coin);
  table.Set(11, coinPop);
  table.Set(12, brickSwitch);
  table.Set(13, timedSwitch);
  table.Set(20, fullDoor);
  table.Set(21, halfDoor);
  table.Set(22, endCard);
  table.Set(23, powerUp);
  table.Set(25, levelEndObject);
}
