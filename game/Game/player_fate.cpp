// The player's death and hurt, the end of the death sequence, and carrying.
#include <cstdint>
#include <initializer_list>

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_events.h"
#include "game/Game/level_music.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"
#include "platform/core/tick_stamp.h"

namespace {

// When the death sequence ends without its tune; -1 while the tune plays (its
// end is reported by the music player) or nobody is dying.
int deathEndTime = -1;

constexpr int kDeathImage = 6;

}  // namespace

void KillPlayer() {
  TfmMain& w = *fmMain;
  TGKJumper* player = Level.Player;
  // Behind the scenery (a white panel, quicksand) the player is mortal; in a pipe
  // not, nor in a level he has won (the wait after a chest leaves him in control).
  if (!player || Level.LevelWon || Level.LevelEnded || Level.PipeTravel || Level.PlayerDying || !player->Controlled)
    return;
  // A fresh second, so the death hop starts a whole tick after the death.
  w.MainTimer.SetEnabled(false);
  w.MainTimer.SetEnabled(true);
  if (GameShell.PlayerMode > PlayerSmall) w.SetPlayerMode(PlayerSmall, false);
  Level.PlayerDying = true;
  w.RemoveLives(1);
  FreezeSprites(1);
  TGKAnimations& animations = w.DXSprites->Animations;
  for (int a : {0, 1, 2})
    if (a < animations.Count()) animations.GetAnimation(a).DefineAllSequences(150, {kDeathImage});
  player->SetGravity(0.23);
  player->SetJumpState(jsGround);
  player->Controlled = false;
  player->SetSpeed(0);

  deathEndTime = PlayTuneOnce(MusicDeath) ? platform::NoStamp : platform::StampIn(DeathTuneMs);
}

bool PlayTuneOnce(const char* storedPath) {
  if (!GameShell.PlayMusic || !LevelMusic.Open) return false;
  LevelMusic.Open(GameShell.ExeDir + storedPath, MusicTagOnce);
  if (LevelMusic.Play) LevelMusic.Play();
  return LevelMusic.playing();
}

void HurtPlayer() {
  TGKJumper* player = Level.Player;
  if (!player || !player->Controlled || Level.LevelWon) return;
  switch (GameShell.PlayerMode) {
    case PlayerSmall: KillPlayer(); break;
    case PlayerBig: fmMain->SetPlayerMode(PlayerSmall, true); break;
    default: fmMain->SetPlayerMode(PlayerBig, true); break;
  }
}

void FinishDeathSequence() {
  deathEndTime = -1;
  if (Level.Lives <= 0) {
    ReturnToTitle();
    return;
  }
  LeaveLevelForMap(TMapPlayerShows::Soon);
}

void CheckDeathSequenceEnd() {
  // No deadline: the tune's end notice finishes the sequence.
  if (!Level.PlayerDying || deathEndTime == platform::NoStamp) return;
  if (platform::MsSince(deathEndTime) >= 0) FinishDeathSequence();
}

namespace level_events_detail {
void ResetDeathSequence() { deathEndTime = -1; }
}  // namespace level_events_detail

namespace {

// Carrying frames of one power mode: standing, walking, jumping, each facing
// right (direction 8) and left (direction 24).
struct TCarryFrames {
  std::initializer_list<uint16_t> standRight, standLeft, walkRight, walkLeft, jumpRight, jumpLeft;
};

const TCarryFrames& carryFramesFor(int mode) {
  static const TCarryFrames frames[4] = {
      {{240}, {241}, {240, 242, 240, 242}, {241, 243, 241, 243}, {242, 242}, {243, 243}},
      {{244}, {245}, {244, 246, 248, 246}, {245, 247, 249, 247}, {248, 248}, {249, 249}},
      {{277}, {278}, {277, 279, 281, 279}, {278, 280, 282, 280}, {281, 281}, {282, 282}},
      {{567}, {568}, {565, 563, 565, 563}, {566, 564, 566, 564}, {563, 563}, {564, 564}},
  };
  return frames[mode >= PlayerSmall && mode <= PlayerFire ? mode : PlayerSmall];
}

}  // namespace

void SetCarrying(bool Flag, TGKSprite* Sprite) {
  if (!Flag) {
    Level.Carrying = false;
    fmMain->SetPlayerMode(GameShell.PlayerMode, false);
    return;
  }
  TGKAnimations& animations = fmMain->DXSprites->Animations;
  if (animations.Count() > 2) {
    const TCarryFrames& f = carryFramesFor(GameShell.PlayerMode);
    TGKAnimation& stand = animations.GetAnimation(0);
    TGKAnimation& walk = animations.GetAnimation(1);
    TGKAnimation& jump = animations.GetAnimation(2);
    stand.DefineSequence(8, 150, f.standRight);
    stand.DefineSequence(24, 150, f.standLeft);
    walk.DefineSequence(8, 75, f.walkRight);
    walk.DefineSequence(24, 75, f.walkLeft);
    jump.DefineSequence(8, 150, f.jumpRight);
    jump.DefineSequence(24, 150, f.jumpLeft);
  }
  Level.Carrying = true;
  Level.CarriedSprite = Sprite;
}
