// Freezing the sprites of a level (death, pipe entry and exit). Freezes nest: a
// freeze over another stops only what is still moving, and its unfreeze
// restarts only that, so every sprite ends as it was. Each unfreeze undoes the
// latest freeze, so they end in the reverse order. A pause freezes nothing: the
// level frame plays nothing while the game stands.
#include <algorithm>
#include <vector>

#include "components/ZEZStar/star_field.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"

namespace level_events_detail {
void ResetDeathSequence();
}

namespace {

// The sprites each freeze stopped, innermost last.
std::vector<std::vector<int>> freezes;
// Sprites stopped by any freeze, by index.
std::vector<bool> frozen;

constexpr int kFrozenRainVelocity = -2;

void setRain(int velocity1, int velocity2) {
  if (fmMain->DXRain1) fmMain->DXRain1->Velocity = velocity1;
  if (fmMain->DXRain2) fmMain->DXRain2->Velocity = velocity2;
}

}  // namespace

bool KeepsMovingWhenFrozen(int kind) {
  return (kind >= 3 && kind <= 15) || (kind >= 77 && kind <= 83) || (kind >= 169 && kind <= 179) ||
         (kind >= 181 && kind <= 183) || (kind >= 187 && kind <= 189) || kind == 193 ||
         (kind >= 240 && kind <= 242);
}

bool IsFrozen(int index) {
  return index >= 0 && static_cast<size_t>(index) < frozen.size() && frozen[static_cast<size_t>(index)];
}

void FreezeSprites(int First) {
  TGKSprites& sprites = fmMain->DXSprites->Sprites;
  const int count = sprites.Count();
  if (static_cast<int>(frozen.size()) < count) frozen.resize(static_cast<size_t>(count), false);
  std::vector<int>& stopped = freezes.emplace_back();
  for (int i = std::max(First, 0); i < count; ++i) {
    TGKSprite& s = sprites.GetSprite(i);
    if (KeepsMovingWhenFrozen(s.Animation) || frozen[static_cast<size_t>(i)]) continue;
    s.FrozenDormant = s.Dormant;
    s.FrozenEnabled = s.Enabled ? 1 : 0;
    s.Dormant = 0;
    s.Disable();
    frozen[static_cast<size_t>(i)] = true;
    stopped.push_back(i);
  }
  setRain(kFrozenRainVelocity, kFrozenRainVelocity);
}

void UnfreezeSprites(int) {
  if (freezes.empty()) return;
  TGKSprites& sprites = fmMain->DXSprites->Sprites;
  for (int i : freezes.back()) {
    if (i >= sprites.Count()) continue;
    TGKSprite& s = sprites.GetSprite(i);
    s.Enabled = s.FrozenEnabled != 0;
    s.Dormant = s.FrozenDormant;
    frozen[static_cast<size_t>(i)] = false;
  }
  freezes.pop_back();
  // The rain falls on at the level's own speeds: one fixed speed for both layers
  // would make the rain of every level fall faster after each pause.
  if (freezes.empty()) setRain(Level.Options.Rain1Velocity(), Level.Options.Rain2Velocity());
}

void ResetLevelEvents() {
  freezes.clear();
  frozen.clear();
  level_events_detail::ResetDeathSequence();
  EndSwitchEffect();
  LevelEndLink.clear();
}
