#include "game/Game/level_state.h"

TLevelState Level;

void TLevelState::ResetPlayState() {
  LevelLoaded = true;
  MayFly = false;
  Carrying = false;
  BrickFragIndex = 0;
  StarsIndex = 0;
  CoinPopIndex = 0;
  EndCard = 0;
  HurtTimer = -1;
  EndStage = -1;
  StandingOnSprite = -1;
  PrevStandingOnSprite = -1;
  EnteredPipe = -1;
  RestartLevel = false;
  ReturnToMap = false;
  PlayerDying = false;
  LevelEnded = false;
  LevelTime = Options.Time;
  if (EncounterFoesLeft >= 0) --EncounterFoesLeft;
}
