// Pouring the level animation table into the sprite manager's animations.
#include "game/LevelAnimations/level_animations.h"

#include <span>

#include "components/gkspts/animations.h"

namespace {

void defineList(TGKAnimation& animation, uint32_t directions, int delay,
                std::span<const uint16_t> frames) {
  if (directions == 0xFFFFFFFFu) {
    animation.DefineAllSequences(delay, frames);
    return;
  }
  for (int d = 0; d < kDirectionCount; ++d)
    if (directions & (1u << d)) animation.DefineSequence(d, delay, frames);
}

void setPlayerFrames(TGKAnimations& animations, int kind, int playerMode) {
  const PlayerModeFrames& f = PlayerFramesFor(playerMode);
  TGKAnimation& animation = animations.GetAnimation(kind);
  switch (kind) {
    case PlayerIdle:
      animation.DefineSequence(8, kPlayerIdleDelay, f.idleRight);
      animation.DefineSequence(24, kPlayerIdleDelay, f.idleLeft);
      break;
    case PlayerWalk:
      animation.DefineSequence(8, kPlayerMoveDelay, f.walkRight);
      animation.DefineSequence(24, kPlayerMoveDelay, f.walkLeft);
      break;
    default:
      animation.DefineSequence(8, kPlayerMoveDelay, f.jumpRight);
      animation.DefineSequence(24, kPlayerMoveDelay, f.jumpLeft);
      break;
  }
}

}  // namespace

void AddLevelAnimations(TGKAnimations& animations) {
  for (const LevelAnimation& row : LevelAnimationTable()) animations.Add(row.name, row.looping);
}

void SetKindFrames(TGKAnimations& animations, int kind, int animSpeed, int playerMode) {
  const LevelAnimation& row = LevelAnimationOf(kind);
  if (kind <= PlayerJump) {
    setPlayerFrames(animations, kind, playerMode);
    return;
  }
  TGKAnimation& animation = animations.GetAnimation(kind);
  for (const LevelSequence& s : row.sequences)
    defineList(animation, s.directions, row.delay(animSpeed), s.frames);
}

void SetAnimationFrames(TGKAnimations& animations, int animSpeed, int playerMode) {
  for (int kind = 0; kind < kLevelKindCount; ++kind)
    SetKindFrames(animations, kind, animSpeed, playerMode);
}
