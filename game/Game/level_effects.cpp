// The pooled effects of a level (stars, coin pops, brick fragments), bonus
// blocks and coins.
#include <array>
#include <optional>
#include <string>

#include "components/ZEZSnd/TGKSoundBuffer.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "game/LevelAnimations/level_animations.h"
#include "game/ObjectLine/object_line.h"
#include "game/frmMain/frmMain.h"
#include "platform/core/tick_stamp.h"

namespace {

TGKSprites& sprites() { return fmMain->DXSprites->Sprites; }

// The pool sprite at ring position `slot`, or nullptr when the level has no pools.
TGKSprite* poolSprite(const TEffectPool& pool, int slot) {
  const int index = pool.first + slot;
  return slot >= 0 && slot < pool.count && index < sprites().Count() ? &sprites().GetSprite(index) : nullptr;
}

// Plays the next buffer of a ring of duplicates from its start, so that the
// sound can overlap itself; without the duplicates, the effect's own buffer.
void playThroughRing(std::array<TGKSoundBuffer*, OverlappingSoundBuffers>& ring, int& ringIndex, int effect) {
  if (!GameShell.PlaySound) return;
  if (ringIndex < 0 || ringIndex >= OverlappingSoundBuffers) ringIndex = 0;
  if (TGKSoundBuffer* buffer = ring[static_cast<size_t>(ringIndex)]) {
    buffer->SetPosition(0);
    buffer->Play();
  } else {
    fmMain->PlaySoundEffect(effect);
  }
  ringIndex = (ringIndex + 1) % OverlappingSoundBuffers;
}

constexpr int kUsedBlock = 47;
constexpr int kCoin = 49;
constexpr int kMushroom = 62;

// Items that stay hidden in the block and rise out of it later.
bool risesOutOfBlock(int kind) { return kind == 62 || kind == 158 || kind == 159 || kind == 334; }

}  // namespace

void PlayCoinSound() { playThroughRing(fmMain->CoinSounds, fmMain->CoinSoundIndex, SoundCoin); }
void PlayBrickSound() { playThroughRing(fmMain->BrickSounds, fmMain->BrickSoundIndex, SoundBrick); }

void ShowStars(int X, int Y) {
  TGKSprite* s = poolSprite(StarsPool, Level.StarsIndex);
  Level.StarsIndex = (Level.StarsIndex + 1) % StarsPool.count;
  if (!s) return;
  s->SetX(X - s->Width / 2);
  s->SetY(Y - s->Height / 2);
  s->SetAnimation(0);  // and back, so that it plays from its first frame
  s->SetAnimation(StarsPool.kind);
  s->Enable();
  s->Show();
}

void ShowCoinPop(int X, int Y) {
  TGKSprite* s = poolSprite(CoinPopPool, Level.CoinPopIndex);
  Level.CoinPopIndex = (Level.CoinPopIndex + 1) % CoinPopPool.count;
  if (!s) return;
  s->SetX(X);
  s->SetY(Y - s->Height - 1);
  s->Param1 = Y;
  s->SetDirection(0);
  s->Show();
  s->Enable();
}

void BreakBrick(int Index) {
  if (Index < 0 || Index >= sprites().Count()) return;
  TGKSprite& brick = sprites().GetSprite(Index);
  brick.Disable();
  brick.Hide();
  const int group = Level.BrickFragIndex;
  Level.BrickFragIndex = (group + BrickFragGroupSize) % BrickFragPool.count;
  const int bx = brick.GetX(), by = brick.GetY();
  for (int k = 0; k < BrickFragGroupSize; ++k) {
    TGKSprite* f = poolSprite(BrickFragPool, group + k);
    if (!f) continue;
    const bool right = k >= 2, bottom = k % 2 == 1;
    f->SetX(bx + (right ? brick.Width - f->Width : 0));
    f->SetY(by + (bottom ? brick.Height - f->Height : 0));
    f->Show();
    f->Enable();
    static constexpr int kDirections[BrickFragGroupSize] = {31, 30, 1, 2};
    f->SetDirection(kDirections[k]);
    if (!bottom) {  // the top pieces fly off faster
      f->SetMaxSpeed(11.0);
      f->SetSpeed(11.0);
    }
  }
  PlayBrickSound();
  Level.Score += 10;
}

int BonusContents(const TGKSprite& block) {
  const std::string* data = SpriteTextOf(block);
  const std::optional<int> kind = data ? ObjectLineInteger(*data) : std::nullopt;
  if (!kind || *kind < 0 || *kind >= kLevelKindCount) return -1;
  return *kind;
}

double BonusItemSpeed(int kind) {
  if ((kind >= 3 && kind <= 15) || (kind >= 54 && kind <= 57)) return 3.0;
  if (kind >= 16 && kind <= 38) return 1.0;
  switch (kind) {
    case 41: case 51: case 52: case 53: case 61: case 115: case 160: case 334: return 0.0;
    case 97: return 0.5;
    default: return 1.5;
  }
}

void HitBonusBlock(int Index) {
  if (Index < 0 || Index >= sprites().Count()) return;
  TfmMain& w = *fmMain;
  w.PlaySoundEffect(SoundBump);
  TGKSprite& block = sprites().GetSprite(Index);
  block.Show();
  block.SetAnimation(kUsedBlock);
  block.Timer = 7;
  const int bx = block.GetX(), by = block.GetY();

  int kind = BonusContents(block);
  if (kind == -1 || kind == kCoin) {
    ShowCoinPop(bx + 6, by);
    CollectCoin();
    return;
  }
  if ((kind == 162 || kind == 334) && GameShell.PlayerMode == PlayerSmall) kind = kMushroom;

  const int i = sprites().AddBouncer(0, bx, by, 0, BonusItemSpeed(kind), kind);
  TGKSprite& item = sprites().GetSprite(i);
  const bool facesRight = Level.Player && Level.Player->GetX() < item.GetX();
  item.SetDirection(facesRight ? 8 : 24);
  if (risesOutOfBlock(kind)) {
    item.Disable();
    item.Hide();
    item.SetLayer(1);
  } else {
    item.SetY(item.GetY() - item.Height);
    if (kind != 162) w.ShowDust(item.GetX(), item.GetY());
  }
  const int x = item.GetX(), y = item.GetY();
  item.StartPos = MakeLong((facesRight ? x : x + item.Width) + w.CameraX, y + w.CameraY);
  item.Param2 = Index;
  item.Timer = platform::StampNow();
  item.SetEdgeActions(eaNone);
  if (Level.Options.Wrap) item.LeftAction = item.RightAction = eaWrap;
}

void CollectCoin() {
  PlayCoinSound();
  Level.Score += 100;
  Level.Coins += 1;
  if (Level.Coins >= 100) {
    fmMain->AddLives(1);
    Level.Coins = 0;
  }
}
