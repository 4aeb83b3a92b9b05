#include "game/Game/player_physics.h"

#include <cstdint>

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/shell_state.h"

namespace {

// The player's speeds from before the quicksand, given back when he leaves it.
struct TDrySpeeds {
  Fixed16 MaxSpeed, MaxFall;
};
TDrySpeeds BeforeQuicksand;

void JumpFrames(uint16_t r1, uint16_t r2, uint16_t l1, uint16_t l2) {
  TGKAnimation& jump = LevelSprites().Animations.GetAnimation(2);
  jump.DefineSequence(8, 75, {r1, r2});
  jump.DefineSequence(24, 75, {l1, l2});
}

void ChooseJumpFrames(TGKJumper& p) {
  const bool falling = p.JumpState == jsFalling;
  const bool fire1 = LevelKeyHeld(LevelSprites().KeyFire1);
  switch (GameShell.PlayerMode) {
    case PlayerBig:
      if (falling) JumpFrames(11, 11, 12, 12);
      else JumpFrames(13, 13, 14, 14);
      break;
    case PlayerFlying:
      if (Level.MayFly) {
        if (!falling || fire1) JumpFrames(259, 261, 260, 262);
        else if (p.VelocityY < Fixed16(0)) JumpFrames(261, 261, 262, 262);
        else JumpFrames(259, 259, 260, 260);
      } else if (falling) {
        if (fire1) JumpFrames(273, 275, 274, 276);
        else JumpFrames(273, 273, 274, 274);
      } else {
        JumpFrames(271, 271, 272, 272);
      }
      break;
    case PlayerFire:
      if (falling) JumpFrames(557, 557, 558, 558);
      else JumpFrames(559, 559, 560, 560);
      break;
    default:
      break;  // the small player keeps his frames
  }
}

bool FlightKeysWork() { return !Level.LevelEnded && GameShell.EntryMode == 0; }

void Splash(TGKJumper& p) { fmMain->ShowDrops(p.GetX(), (p.GetY() / 16) * 16 + 4); }

// Only the rightward and downward components are capped.
void CapVelocity(TGKJumper& p) {
  if (p.VelocityX > p.MaxSpeed) p.VelocityX = p.MaxSpeed;
  if (p.VelocityY > p.MaxFall) p.VelocityY = p.MaxFall;
}

void Water(TPlayerMove& move, TGKJumper& p) {
  int& medium = PlayerMedium(p);
  if (move.PlayerInWater) {
    if (medium == MediumDry) {
      p.SetGravity(p.GetGravity() / WaterGravityDivisor);
      p.Acceleration = p.Acceleration / WaterAccelerationDivisor;
      p.MaxSpeed = p.MaxSpeed / WaterMaxSpeedDivisor;
      p.MaxFall = p.MaxFall / WaterMaxFallDivisor;
      medium = MediumWater;
      fmMain->SetPlayerMode(GameShell.PlayerMode, false);
      Splash(p);
    }
    CapVelocity(p);
  } else if (medium == MediumWater) {
    p.SetGravity(p.GetGravity() * WaterGravityDivisor);
    p.Acceleration = p.Acceleration * WaterAccelerationDivisor;
    p.MaxFall = p.MaxFall * WaterMaxFallDivisor;
    p.MaxSpeed = p.MaxSpeed * WaterMaxSpeedDivisor;
    medium = MediumDry;
    fmMain->SetPlayerMode(GameShell.PlayerMode, false);
    Splash(p);
  }
}

void Quicksand(TPlayerMove& move, TGKJumper& p) {
  int& medium = PlayerMedium(p);
  if (move.EnteredQuicksand) {
    if (medium == MediumDry) {
      medium = MediumQuicksand;
      BeforeQuicksand = {p.MaxSpeed, p.MaxFall};
      p.MaxSpeed = p.MaxSpeed / QuicksandDivisor;
      p.MaxFall = p.MaxFall / QuicksandDivisor;
      LevelSprites().PlayerBehind = true;
    }
    CapVelocity(p);
  } else if (medium == MediumQuicksand) {
    // The speeds from before the sand, whatever changed them inside it.
    p.MaxSpeed = BeforeQuicksand.MaxSpeed;
    p.MaxFall = BeforeQuicksand.MaxFall;
    medium = MediumDry;
    LevelSprites().PlayerBehind = false;
  }
}

}  // namespace

void PlayerPhysicsAfterContact(TPlayerMove& move) {
  TGKJumper& p = *Level.Player;
  TGKSpriteMgr& mgr = LevelSprites();
  const bool fire1 = LevelKeyHeld(mgr.KeyFire1);
  if (Level.StandingOnSprite == -1 && (p.JumpState == jsGround || p.JumpState == jsRising) && !Level.PlayerDying &&
      p.State == 0 && GameShell.EntryMode == 0)
    p.SetJumpState(jsFalling);
  if (!LevelKeyHeld(mgr.KeyDown) && !Level.Carrying && PlayerMedium(p) == MediumDry) ChooseJumpFrames(p);
  if (p.JumpState == jsFalling && GameShell.PlayerMode == PlayerFlying && p.State == 0 &&
      PlayerMedium(p) == MediumDry) {
    if (fire1 && FlightKeysWork()) {
      ContinueLevelSound(SoundFly);
      p.SetMaxFall(Level.MaxFallSpeed / 3);
    } else {
      p.SetMaxFall(Level.MaxFallSpeed);
    }
  }
  if (fire1 && Level.MayFly && !move.FlightBlocked && p.State == 0 && FlightKeysWork()) {
    if (p.VelocityY > Fixed16(-3.0)) p.VelocityY = Fixed16(-3.0);
    ContinueLevelSound(SoundFly);
  }
  if (GameShell.EntryMode == EntryFromPipe && p.JumpState != jsGround) p.SetJumpState(jsGround);
  Water(move, p);
  Quicksand(move, p);
  Level.PrevStandingOnSprite = Level.StandingOnSprite;
}
