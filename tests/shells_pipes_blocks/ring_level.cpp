#include "ring_level.h"

#include "game/Game/sprite_moved.h"

void RingLevel::SetUp() {
  LevelFixture::SetUp();
  for (int k = 0; k < DustPool.count; ++k) w().DustSprites[size_t(k)] = &sprite(DustPool.first + k);
  for (int k = 0; k < DropsPool.count; ++k) w().DropsSprites[size_t(k)] = &sprite(DropsPool.first + k);
  w().DustIndex = w().DropsIndex = 0;
  player().Width = player().Height = 16;
}

int RingLevel::addSized(int kind, int x, int y, int width, int height, int direction, double speed) {
  const int i = add(kind, x, y, direction, speed);
  sprite(i).Width = width;
  sprite(i).Height = height;
  return i;
}

int RingLevel::addMoving(int kind, int x, int y, int direction, double speed) {
  const int i = add(kind, x, y, direction, speed);
  sprite(i).SetSpeed(speed);
  return i;
}

void RingLevel::clearStage() {
  TGKSprites& sprites = w().DXSprites->Sprites;
  for (int i = FirstObjectSprite; i < sprites.Count(); ++i) {
    sprites.GetSprite(i).Disable();
    sprites.GetSprite(i).Hide();
  }
  for (const TEffectPool& pool : {DustPool, DropsPool})
    for (int k = 0; k < pool.count; ++k) sprite(pool.first + k).Hide();
  w().DustIndex = w().DropsIndex = 0;
}

void RingLevel::moved(int i) { LevelSpriteMoved(sprite(i)); }

std::vector<std::pair<int, int>> RingLevel::shown(const TEffectPool& pool) {
  std::vector<std::pair<int, int>> places;
  for (int k = 0; k < pool.count; ++k) {
    const TGKSprite& s = sprite(pool.first + k);
    if (s.Visible) places.emplace_back(s.GetX(), s.GetY());
  }
  return places;
}
