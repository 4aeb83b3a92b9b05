// Contact cases of the player with pipes (side and vertical), and the player's
// own checks before the loop over the other sprites.
#include "game/Game/cases_pipes.h"

#include <cstdint>
#include <string>

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/contact_box.h"
#include "game/Game/kind_cases.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Game/player_input.h"
#include "game/Game/sprite_moved.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/shell_state.h"
#include "platform/core/paths.h"

bool PipeHasTarget(const TGKSprite& pipe) {
  const std::string* target = SpriteTextOf(pipe);
  // The level frame follows the target by the same path.
  return target && !target->empty() && platform::fileExists(GameShell.ExeDir + *target);
}

namespace {

using contact::keyHeld;
using contact::player;
using contact::MsSince;
using contact::StampNow;
using contact::spriteAt;

constexpr int KindShootingPipe = 25;

// The player starts into pipe i; he is drawn behind it, and nothing can kill
// him until the level frame has brought him out somewhere.
void EnterPipe(int i, TPipeDirection direction, TEntryDirection exitSide, bool sideways) {
  TGKJumper& p = player();
  PlayerPipeDirection(p) = direction;
  GameShell.EntryDirection = exitSide;
  Level.EnteredPipe = i;
  p.SetJumpState(jsGround);
  LevelSprites().PlayerBehind = true;
  Level.PipeTravel = true;
  p.SetEdgeActions(eaNone);
  p.Controlled = false;
  if (sideways) p.StandAnimation = p.WalkAnimation;  // he keeps walking into it
  FreezeSprites(1);
}

// A kind-25 pipe with bullets on fires one to the left every few seconds.
void ShootFromPipe(TGKSprite& pipe) {
  if (pipe.Animation != KindShootingPipe || pipe.Param5 == 0 || !pipe.Enabled) return;
  if (MsSince(pipe.Timer) <= PipeBulletIntervalMs) return;
  pipe.Timer = StampNow();
  TGKSprites& sprites = LevelSprites().Sprites;
  TGKSprite& b = sprites.GetSprite(
      sprites.AddBouncer(0, pipe.GetX() - pipe.Width, pipe.GetY() + 5, 24, 0.0, KindPipeBullet));
  b.SetEdgeActions(eaNone);
  b.State = pipe.State;
  b.SetMaxSpeed(10.0);
  b.SetSpeed(3.0);
  b.StartPos = MakeLong(b.GetX(), b.GetY());
  fmMain->ShowDust(b.GetX(), b.GetY());
  fmMain->ShowDust(b.GetX(), b.GetY() + b.Height / 2);
  PlayLevelSound(SoundPipe);
}

// Not during the walk-off of a won level: a pipe would take the player away
// before the level's end marks its node.
bool MayEnterPipe() {
  return PlayerPipeDirection(player()) == PipeNone && GameShell.EntryMode == EntryNormal && !Level.LevelEnded;
}

TCaseEnd sidePipe(TPlayerMove&, int i) {  // 16-25
  TGKSprite& pipe = spriteAt(i);
  ShootFromPipe(pipe);
  if (Level.StandingOnSprite == -1 || !MayEnterPipe()) return TCaseEnd::Solid;
  const TContactBox p(player()), o(pipe);
  if (player().Direction == 8) {
    const bool against = p.right() >= o.x && o.x >= p.x && p.y + 3 < o.bottom() && o.y < p.bottom() - 3;
    if (against && keyHeld(&TGKSpriteMgr::KeyRight) && PipeHasTarget(pipe)) {
      EnterPipe(i, PipeRight, EntryRight, true);
      return TCaseEnd::Leave;
    }
  } else {
    const bool against = o.right() >= p.x && p.right() >= o.right() && o.bottom() >= p.y + 3 && o.y < p.bottom() - 3;
    if (against && keyHeld(&TGKSpriteMgr::KeyLeft) && PipeHasTarget(pipe)) {
      EnterPipe(i, PipeLeft, EntryLeft, true);
      return TCaseEnd::Leave;
    }
  }
  return TCaseEnd::Solid;
}

TCaseEnd verticalPipe(TPlayerMove&, int i) {  // 26-35, 330
  TGKSprite& pipe = spriteAt(i);
  if (!MayEnterPipe()) return TCaseEnd::Solid;
  const TContactBox p(player()), o(pipe);
  const bool inside = o.x < p.x && p.right() < o.right();
  if (inside && p.bottom() < o.bottom() && p.bottom() >= o.y && keyHeld(&TGKSpriteMgr::KeyDown) &&
      PipeHasTarget(pipe)) {
    EnterPipe(i, PipeDown, EntryDown, false);
    return TCaseEnd::Leave;
  }
  if (inside && o.bottom() >= p.y && o.bottom() < p.bottom() - 6 && keyHeld(&TGKSpriteMgr::KeyUp) &&
      PipeHasTarget(pipe)) {
    EnterPipe(i, PipeUp, EntryUp, false);
    return TCaseEnd::Leave;
  }
  return TCaseEnd::Solid;
}

// The walk into the pipe ends once the player is wholly past its mouth; the
// level frame then takes him to the pipe's target.
void EndPipeEntry() {
  TGKJumper& pl = player();
  const int direction = PlayerPipeDirection(pl);
  if (direction == PipeNone || Level.EnteredPipe < 0 || Level.EnteredPipe >= LevelSprites().Sprites.Count()) return;
  const TContactBox p(pl), o(spriteAt(Level.EnteredPipe));
  const bool inside = (direction == PipeUp && o.bottom() > p.bottom()) || (direction == PipeRight && o.x < p.x) ||
                      (direction == PipeDown && o.y < p.y) || (direction == PipeLeft && o.right() > p.right());
  if (inside) PlayerPipeDirection(pl) = PipeNone;
}

// The meter fills while the player runs flat out on dry ground with Fire2 held;
// a full meter lets the flying form fly.
void StepRunMeter(TPlayerMove& move) {
  move.FlightBlocked = false;
  TGKJumper& p = player();
  if (PlayerMedium(p) != MediumDry || Level.UnlimitedFlight || GameShell.EntryMode != EntryNormal) return;
  TfmMain& w = *fmMain;
  const bool flatOut = w.RunMeter >= RunMeterFull || p.Speed == p.MaxSpeed;
  move.FlightBlocked = flatOut;
  if (keyHeld(&TGKSpriteMgr::KeyFire2) && p.JumpState == jsGround && flatOut) {
    if (MsSince(p.Timer) > RunMeterStepMs) {
      if (++w.RunMeter == RunMeterFull) {
        w.RunMeterFullTime = w.RunMeterBlinkTime = StampNow();
        if (GameShell.PlayerMode == PlayerFlying) Level.MayFly = true;
      }
      p.Timer = StampNow();
    }
  } else if (w.RunMeter > 0 && MsSince(w.RunMeterFullTime) > RunMeterHoldMs) {
    w.RunMeter = 0;
    Level.MayFly = false;
  }
  if (w.RunMeter > RunMeterFull) w.RunMeter = RunMeterFull;
}

// A carried object that no longer touches the player is let go.
void ReleaseLostCarry() {
  if (!Level.Carrying) return;
  TGKSprite* carried = Level.CarriedSprite;
  if (carried && TContactBox(*carried).intersects(TContactBox(player()))) return;
  SetCarrying(false, nullptr);
  if (carried) carried->Timer = StampNow();
}

}  // namespace

void RegisterPipeCases(TKindCaseTable& table) {
  table.Set(1, sidePipe);
  table.Set(2, verticalPipe);
}

void PlayerOwnChecks(TPlayerMove& move) {
  EndPipeEntry();
  StepRunMeter(move);
  ReleaseLostCarry();
}
