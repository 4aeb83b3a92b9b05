#include "game/Game/player_input.h"

#include <cstdint>

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_commands.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "game/LevelAnimations/level_animations.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/shell_state.h"
#include "platform/core/tick_stamp.h"

int NextPlayerFireball = 0;

void LevelKeyDown(int Key, TShiftState Shift) {
  switch (Key) {
    case 19:  // Pause
      if (fmMain->Paused()) fmMain->ResumeGame();
      else fmMain->PauseGame();
      break;
    case 8:  // Backspace
      fmMain->ToggleSecretCode();
      break;
    case 113:  // F2: restart, or with Shift back to the map
      if ((Shift & platform::ssShift) == 0)
        RestartLevelCommand();
      else
        ReturnToMapCommand();
      break;
    default:
      break;
  }
}

void LevelKeyUp(int Key) {
  if (GameShell.EntryMode != 0 || Level.Player == nullptr) return;
  TGKJumper& p = *Level.Player;
  // Letting go of the jump key early cuts the jump short.
  if (Key == LevelSprites().KeyFire1 && p.JumpState == jsRising && p.State == 0) p.SetJumpState(jsFalling);
}

namespace {

bool PlayerActs(const TGKJumper& p) { return !Level.LevelEnded && !Level.PlayerDying && p.Controlled; }

void ThrowFireball(TGKJumper& p) {
  TGKSprites& sprites = LevelSprites().Sprites;
  const int index = PlayerFireballPool.first + (NextPlayerFireball & 1);
  if (index >= sprites.Count()) return;
  TGKSprite& fireball = sprites.GetSprite(index);
  if (Level.FireHeld || fireball.Enabled) {
    Level.FireHeld = true;
    return;
  }
  fireball.SetY(p.GetY());
  fireball.SetX(p.Direction == 8 ? p.GetX() + p.Width - fireball.Width : p.GetX());
  fireball.SetDirection(p.Direction);
  fireball.SetSpeed(5.0);
  fireball.Timer = platform::StampNow();
  fireball.Enable();
  fireball.Show();
  NextPlayerFireball = (NextPlayerFireball + 1) & 1;
  TGKAnimations& animations = LevelSprites().Animations;
  animations.GetAnimation(0).DefineSequence(8, 150, {575});
  animations.GetAnimation(0).DefineSequence(24, 150, {576});
  animations.GetAnimation(1).DefineSequence(8, 150, {575, 575, 575, 575});
  animations.GetAnimation(1).DefineSequence(24, 150, {576, 576, 576, 576});
  Level.FireHeld = true;
  PlayLevelSound(SoundFireball);
}

double RunKeySpeed(TGKJumper& p) {
  if (PlayerMedium(p) == MediumWater || PlayerMedium(p) == MediumQuicksand) return MediumMaxSpeed;
  if (fmMain->RunMeter >= RunMeterFull)
    return p.JumpState != jsGround && Level.MayFly ? FlightMaxSpeed : SprintMaxSpeed;
  return RunMaxSpeed;
}

struct TCrouchPose {
  uint16_t right, left;
  int standingDelay, movingDelay;
  int drop;  // pixels the player goes down
};

bool CrouchPoseOf(int mode, TCrouchPose& pose) {
  switch (mode) {
    case PlayerBig: pose = {15, 16, 150, 150, 9}; return true;
    case PlayerFlying: pose = {267, 268, 150, 150, 6}; return true;
    case PlayerFire: pose = {561, 562, 150, 75, 9}; return true;
    default: return false;
  }
}

void Crouch(TGKJumper& p, const TCrouchPose& pose) {
  TGKAnimations& animations = LevelSprites().Animations;
  for (int a = 0; a < 3; ++a) {
    const int delay = a == 0 ? pose.standingDelay : pose.movingDelay;
    animations.GetAnimation(a).DefineSequence(8, delay, {pose.right});
    animations.GetAnimation(a).DefineSequence(24, delay, {pose.left});
  }
  p.SetY(p.GetY() + pose.drop);
  p.Height = 17;
  Level.Crouching = true;
}

void StandUp(TGKJumper& p) {
  TCrouchPose pose{};
  // The player rises by what his crouch lowered him.
  p.SetY(p.GetY() - (CrouchPoseOf(GameShell.PlayerMode, pose) ? pose.drop : 9));
  const PlayerModeFrames& frames = PlayerFramesFor(GameShell.PlayerMode);
  TGKAnimations& animations = LevelSprites().Animations;
  animations.GetAnimation(0).DefineSequence(8, kPlayerIdleDelay, frames.idleRight);
  animations.GetAnimation(0).DefineSequence(24, kPlayerIdleDelay, frames.idleLeft);
  animations.GetAnimation(1).DefineSequence(8, kPlayerMoveDelay, frames.walkRight);
  animations.GetAnimation(1).DefineSequence(24, kPlayerMoveDelay, frames.walkLeft);
  if (GameShell.PlayerMode == PlayerBig) {
    animations.GetAnimation(2).DefineSequence(8, kPlayerIdleDelay, {13});
    animations.GetAnimation(2).DefineSequence(24, kPlayerIdleDelay, {14});
  } else {
    animations.GetAnimation(2).DefineSequence(8, kPlayerMoveDelay, frames.jumpRight);
    animations.GetAnimation(2).DefineSequence(24, kPlayerMoveDelay, frames.jumpLeft);
  }
  if (Level.Carrying) SetCarrying(true, Level.CarriedSprite);
  Level.Crouching = false;
}

}  // namespace

void HandlePlayerInput() {
  if (Level.Player == nullptr) return;
  TGKJumper& p = *Level.Player;
  TGKSpriteMgr& mgr = LevelSprites();
  // While crouching the jumper does not walk: its walking keys are put aside.
  if (Level.Crouching) {
    if (mgr.KeyLeft != 0) {
      Level.SavedKeyLeft = mgr.KeyLeft;
      Level.SavedKeyRight = mgr.KeyRight;
      mgr.KeyLeft = mgr.KeyRight = 0;
    }
  } else if (mgr.KeyLeft == 0) {
    mgr.KeyLeft = static_cast<uint16_t>(Level.SavedKeyLeft);
    mgr.KeyRight = static_cast<uint16_t>(Level.SavedKeyRight);
  }
  if (LevelKeyHeld(mgr.KeyFire2)) {
    if (GameShell.PlayerMode == PlayerFire && PlayerActs(p)) ThrowFireball(p);
    p.SetMaxSpeed(RunKeySpeed(p));
  } else {
    p.SetMaxSpeed(WalkMaxSpeed);
    Level.FireHeld = false;
  }
  TCrouchPose pose{};
  if (CrouchPoseOf(GameShell.PlayerMode, pose) && PlayerActs(p) && LevelKeyHeld(mgr.KeyDown) && p.State == 0 &&
      PlayerMedium(p) == MediumDry) {
    if (!Level.Crouching) Crouch(p, pose);
    return;
  }
  // Not while dying or at the level's end: the death and walk-off frames stay.
  if (Level.Crouching && !Level.PlayerDying && !Level.LevelEnded) StandUp(p);
}
