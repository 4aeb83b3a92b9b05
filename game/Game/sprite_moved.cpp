#include "game/Game/sprite_moved.h"

#include "components/ZEZ/TGKScreen.h"
#include "components/ZEZSnd/TGKAudio.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/kind_cases.h"
#include "game/Game/kind_sets.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Game/player_physics.h"
#include "game/Game/solid_rule.h"
#include "game/Game/walker_physics.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/shell_state.h"
#include "platform/core/tick_stamp.h"

TGKSpriteMgr& LevelSprites() { return *fmMain->DXSprites; }
TGKScreen& LevelScreen() { return *fmMain->DXScreen; }
bool LevelKeyHeld(uint16_t virtualKey) { return virtualKey != 0 && LevelScreen().KeyDown(virtualKey); }

void PlayLevelSound(int effect) {
  if (GameShell.PlaySound) fmMain->PlaySoundEffect(effect);
}

void ContinueLevelSound(int effect) {
  if (!GameShell.PlaySound || !fmMain->DXAudio) return;
  TGKAudio& audio = *fmMain->DXAudio;
  // Without the sound (no library, or fewer sounds) nothing is heard.
  if (effect < 0 || effect >= audio.BufferCount()) return;
  audio.GetSound(effect)->Play();
}

bool FramesTouch(const TGKSprite& a, int ax, int ay, const TGKSprite& b) {
  TGKScreen& screen = LevelScreen();
  const TGKAnimations& animations = LevelSprites().Animations;
  auto image = [&](const TGKSprite& s) -> TGKSurface* {
    const TGKAnimation* animation = animations.Find(s.Animation);
    if (!animation) return nullptr;
    const int index = animation->GetFrame(s.Sequence, s.Frame);
    if (index < 0 || index >= screen.ImageCount) return nullptr;
    return &screen.GetImage(index);
  };
  TGKSurface* ia = image(a);
  TGKSurface* ib = image(b);
  return ia && ib && ia->CollisionTest(ax, ay, *ib, b.GetX(), b.GetY(), true);
}

int32_t MakeLong(int x, int y) {
  return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16) | static_cast<uint16_t>(x));
}
int StartPosX(const TGKSprite& s) { return static_cast<uint16_t>(static_cast<uint32_t>(s.StartPos)); }
int StartPosY(const TGKSprite& s) { return static_cast<uint16_t>(static_cast<uint32_t>(s.StartPos) >> 16); }

void ActivateByWindow(TGKSprite& o) {
  const int kind = o.Animation;
  if (!ActivatedKinds.contains(kind) || !o.Visible || o.State == 1 || o.State == CannonFiresFlag) return;
  const int m = kind == 213 ? 0 : 80;
  const TRect clip = LevelScreen().GetClipRect();
  const int right = clip.Right - 8 + m, bottom = clip.Bottom - 8 + m;
  const int x = o.GetX(), y = o.GetY();
  const bool onScreen = -m <= x && x <= right && -m <= y && y <= bottom;
  if (o.Enabled && !onScreen) {
    const int sx = StartPosX(o) - fmMain->CameraX, sy = StartPosY(o) - fmMain->CameraY;
    if (-m <= sx && sx < right && -m <= sy && sy < bottom) return;  // its start point is in view
    o.Dormant = 1;
    o.Disable();
    if (kind == 100) {
      o.State = 1;
      o.Hide();
    }
    if (kind == 213 && o.Visible) o.Hide();
    if (kind == 108 || kind == 112 || kind == 114 || kind == 226)
      o.StartPos = MakeLong(x + fmMain->CameraX, y + fmMain->CameraY);
    o.SetX(StartPosX(o) - fmMain->CameraX);
    o.SetY(StartPosY(o) - fmMain->CameraY);
  } else if (!o.Enabled && onScreen && o.Dormant != 0 && kind != 213) {
    // Dormant stays set: a fire plant that stops itself on its open-mouthed
    // frame is woken again by the window on the next move.
    o.Enable();
    if (WakeFacingKinds.contains(kind)) o.SetDirection(x < Level.Player->GetX() ? 8 : 24);
    if (ShooterKinds.contains(kind)) o.Timer = platform::StampIn(-2000);
    if (kind == 95) o.Timer = platform::StampIn(Level.Options.AutoScrollX != 0 ? 7000 : 2000);
  }
}

namespace {

// The player's loop over every other sprite; false when a case left the handler.
bool MeetOtherSprites(TPlayerMove& move) {
  TGKSprites& sprites = LevelSprites().Sprites;
  const int count = sprites.Count();
  const TKindCaseTable& cases = KindCases();
  for (int i = 1; i < count && i < sprites.Count(); ++i) {
    // A sprite frozen for the player's pipe travel neither acts nor is met: no
    // plant shoots, no chest shows itself (the solid rule skips it, disabled, anyway).
    if (IsFrozen(i)) continue;
    ActivateByWindow(sprites.GetSprite(i));
    const TKindCase contact = cases.Get(KindCaseNumber(sprites.GetSprite(i).Animation));
    TCaseEnd end = contact ? contact(move, i) : TCaseEnd::Solid;
    if (end == TCaseEnd::Solid) end = SolidContact(move, i);
    if (end == TCaseEnd::Leave) return false;
  }
  return true;
}

}  // namespace

void LevelSpriteMoved(TGKSprite& Sprite) {
  if (Level.PlayerDying) return;
  TPlayerMove move{Sprite};
  if (Sprite.Animation == 232 && (Sprite.Param3 == 2 || Sprite.Param3 == 3)) return;  // flying
  if (Sprite.Enabled && (WalkerKinds.contains(Sprite.Animation) || Sprite.Animation == KindPlayerFireball))
    WalkerTerrain(move);
  BouncingKinds(move);
  ShellAndProjectileRules(move);
  if (Level.Player == nullptr || &Sprite != static_cast<TGKSprite*>(Level.Player)) return;
  PlayerOwnChecks(move);
  if (!MeetOtherSprites(move)) return;
  PlayerPhysicsAfterContact(move);
}
