#include "game/Game/shells_projectiles.h"

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/contact_box.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "game/Game/walker_physics.h"
#include "game/frmMain/frmMain.h"

const TKindSet ShellKinds{58, 108, {111, 114}, 225, 226};
const TKindSet ShellVictimKinds{{54, 58},   64,         {94, 96},   100, 102, 103, 105, 106, {108, 115},
                                163,        164,        {214, 226}, 229, {232, 237}, 333, 335, 338, 339};
const TKindSet PipePlantKinds{{214, 223}};

bool Fireproof(int kind, bool movingRight) {
  static const TKindSet fireproof{64, 94, 95, 96, 100, 224, 225, 226, 229, 237};
  return fireproof.contains(kind) && (movingRight || kind != 96);
}

namespace {

constexpr int KindBonusBlock = 46;
constexpr int KindBrick = 39;
constexpr int KindEncounterFoe = 335;

void vanish(TGKSprite& s) {
  s.Disable();
  s.Hide();
}

// The shell held by the player kills what it touches and is lost with it.
void HeldShellHits(TGKSprite& shell, TGKSprite& o) {
  if (!Level.Carrying || Level.CarriedSprite != &shell) return;
  if (!o.Visible || !o.Enabled || o.Animation == KindBridge || !ShellVictimKinds.contains(o.Animation)) return;
  const TContactBox b(o);
  const bool touches = b.x < shell.GetX() + shell.Width - 2 && shell.GetX() + 2 < b.right() &&
                       b.y < shell.GetY() + shell.Height - 2 && shell.GetY() < b.bottom();
  if (!touches) return;
  vanish(o);
  vanish(shell);
  Level.Score += HeldShellKillScore;
  fmMain->ShowDust(b.x, b.y);
  SetCarrying(false, nullptr);
}

// A moving shell or the fireball runs into o from the side it moves to.
void SideHit(TGKSprite& m, TGKSprite& o, int oIndex) {
  const bool right = m.Direction == 8;
  const int x = m.GetX(), y = m.GetY(), w = m.Width, h = m.Height;
  const int ox = o.GetX(), ow = o.Width, oh = o.Height;
  const int oy = o.GetY() + (o.Animation == KindBridge && o.Visible && o.Enabled ? 8 : 0);
  const bool band = y + 6 < oy + oh && oy < y + h - 3;
  const bool hit = right ? ox < x + w && x < ox : x < ox + ow && ox + ow < x + w;
  if (!hit || !band) return;

  const int kind = o.Animation;
  const bool fireball = m.Animation == KindPlayerFireball;
  const bool alive = o.Visible && (o.Enabled || PipePlantKinds.contains(kind));
  if (m.GetSpeed() > 0 && ShellVictimKinds.contains(kind) && alive) {
    if (fireball && Fireproof(kind, right)) {
      vanish(m);
      fmMain->ShowDust(ox, o.GetY());
      PlayLevelSound(SoundBump);
      return;
    }
    vanish(o);
    Level.Score += ShellKillScore;
    fmMain->ShowDust(ox, o.GetY());
    if (fireball) {
      vanish(m);
      if (kind == KindEncounterFoe && Level.EncounterFoesLeft > -1) --Level.EncounterFoesLeft;
    }
    return;
  }
  if (fireball || NonSolidKinds.contains(kind) || OneWayKinds.contains(kind) || kind == KindShipFitting) return;
  // Something that is gone (a broken brick) is no wall any more.
  if (!o.Enabled) return;
  if (kind == KindBonusBlock) HitBonusBlock(oIndex);
  else if (kind == KindBrick) o.Data != 0 ? HitBonusBlock(oIndex) : BreakBrick(oIndex);
  if (right) {
    m.SetX(ox - w);
    m.SetDirection(24);
  } else {
    m.SetX(ox + ow);
    m.SetDirection(8);
  }
  PlayLevelSound(SoundBump);
}

// A free shell that found no ground falls, slowly and at half speed in water.
void ShellFalls(TPlayerMove& move, TGKSprite& shell) {
  const int y = shell.GetY();
  if (!move.WalkerInWater) {
    shell.SetY(y + 4);
    return;
  }
  shell.SetY(y + 1);
  if (shell.Param4 == 0) {
    fmMain->ShowDrops(shell.GetX(), y + 4);
    shell.SetSpeed(shell.GetSpeed() / 2);
    shell.Param4 = 1;
  }
}

}  // namespace

void ShellAndProjectileRules(TPlayerMove& move) {
  TGKSprite& m = move.Sprite;
  const bool fireball = m.Animation == KindPlayerFireball;
  if (!m.Enabled || !(fireball || ShellKinds.contains(m.Animation))) return;
  TGKSprites& sprites = LevelSprites().Sprites;
  for (int i = 1; i < sprites.Count(); ++i) {
    TGKSprite& o = sprites.GetSprite(i);
    if (&o == &m) continue;
    const int kind = o.Animation;
    if (WaterKinds.contains(kind) && UpperHalfInWater(m, o)) move.WalkerInWater = true;
    if (!fireball) HeldShellHits(m, o);
    if (m.State == 0 && (m.Direction == 8 || m.Direction == 24)) SideHit(m, o, i);
    if (m.State < 1 && !fireball && !move.WalkerStanding && o.Visible && !NonSolidKinds.contains(kind) &&
        WalkerLands(m, o))
      move.WalkerStanding = true;
  }
  if (!fireball && m.State == 0 && !move.WalkerStanding) ShellFalls(move, m);
}
