#include "game/Game/level_state.h"

TLevelState Level;

void TLevelState::EndSequences() {
  LevelEnded = false;
  LevelWon = false;
  PlayerDying = false;
  EnteredPipe = -1;
  PipeTravel = false;
  HurtTimer = -1;
  EndStage = -1;
  Carrying = false;
}

void TLevelState::ResetPlayState() {
  EndSequences();
  LevelLoaded = true;
  BuiltLevelFile = LevelFileName;
  MayFly = false;
  BrickFragIndex = 0;
  StarsIndex = 0;
  CoinPopIndex = 0;
  EndCard = 0;
  CardImages = LevelCardImages;
  StandingOnSprite = -1;
  PrevStandingOnSprite = -1;
  ReturnToMap = false;
  LevelTime = Options.Time;
  if (EncounterFoesLeft >= 0) --EncounterFoesLeft;
}

void TLevelState::ForgetRunningLevel() {
  EndSequences();
  Rebuild = TRebuild::None;
  Player = nullptr;
  BuiltLevelFile.clear();
  CarriedSprite = nullptr;
  Crouching = false;
}

int32_t TLevelState::AddSpriteText(std::string_view text) {
  if (text.empty()) return 0;
  SpriteTexts.emplace_back(text);
  return int32_t(SpriteTexts.size());
}

const std::string* TLevelState::SpriteText(int32_t data) const {
  if (data <= 0 || size_t(data) > SpriteTexts.size()) return nullptr;
  return &SpriteTexts[size_t(data) - 1];
}
