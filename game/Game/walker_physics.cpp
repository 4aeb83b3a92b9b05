#include "game/Game/walker_physics.h"

#include <cmath>

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/kind_sets.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "game/frmMain/frmMain.h"

int SlopeClimb(double speed) { return static_cast<int>(std::nearbyint(speed / 1.5)); }

namespace {

bool Intersect(int l1, int t1, int r1, int b1, int l2, int t2, int r2, int b2) {
  return l1 < r2 && l2 < r1 && t1 < b2 && t2 < b1;
}

// The wall or slope in front of the walker.
void WalkerSide(TGKSprite& w, TGKSprite& o) {
  const int x = w.GetX(), y = w.GetY(), ww = w.Width, h = w.Height;
  const int ox = o.GetX(), oy = o.GetY(), ow = o.Width, oh = o.Height;
  const bool slope = SlopeKinds.contains(o.Animation);
  const bool right = w.Direction == 1 || w.Direction == 8;
  const bool band = y + 3 < oy + oh && oy < y + h - 3;
  bool hit;
  if (slope) hit = FramesTouch(w, right ? x + 6 : x - 6, y - 3, o);
  else if (right) hit = ox < x + ww && x + ww < ox + ow && band;
  else hit = x < ox + ow && ox < x && band;
  if (!hit) return;
  if (slope) {
    w.SetY(y - SlopeClimb(w.GetSpeed()) - 1);
    return;
  }
  const bool diving = w.Animation == 163 || w.Animation == 232;
  if (right) {
    w.SetX(ox - ww);
    w.SetDirection(diving ? 31 : 24);
  } else {
    w.SetX(ox + ow);
    w.SetDirection(diving ? 1 : 8);
  }
  if (w.Animation == KindPlayerFireball) {
    w.Disable();
    w.Hide();
    fmMain->ShowDust(x, y);
    PlayLevelSound(SoundBump);
  }
}

// First touching offset 0..4 of a's frame below its place on b's, 5 for none.
int SlopeSnap(const TGKSprite& a, const TGKSprite& b) {
  int d = 0;
  while (d < 5 && !FramesTouch(a, a.GetX(), a.GetY() + d, b)) ++d;
  return d;
}

void WalkerFalls(TPlayerMove& move, TGKSprite& w) {
  const int kind = w.Animation;
  const int y = w.GetY();
  const bool water = move.WalkerInWater;
  if (kind == 57) {
    w.BounceHorizontal();  // turns back at a ledge
    return;
  }
  if (kind == KindPlayerFireball) {
    w.SetVelocityY(w.GetVelocityY() + 0.5);
    return;
  }
  const bool heavy = kind == 56 || kind == 163 || kind == 232;
  w.SetY(y + (water ? (heavy ? 2 : 1) : (heavy ? 4 : 3)));
  if (water && w.Param4 == 0) {
    fmMain->ShowDrops(w.GetX(), (y / 16) * 16 + 4);
    w.Param4 = 1;
  }
}

}  // namespace

bool UpperHalfInWater(const TGKSprite& mover, const TGKSprite& o) {
  return Intersect(o.GetX(), o.GetY(), o.GetX() + o.Width, o.GetY() + o.Height, mover.GetX(), mover.GetY(),
                   mover.GetX() + mover.Width, mover.GetY() + mover.Height / 2);
}

bool WalkerLands(TGKSprite& w, TGKSprite& o) {
  const int x = w.GetX(), y = w.GetY(), ww = w.Width, h = w.Height;
  const int ox = o.GetX(), oy = o.GetY(), ow = o.Width, oh = o.Height;
  const bool slope = SlopeKinds.contains(o.Animation);
  const bool hit = slope ? FramesTouch(w, x, y + 4, o)
                         : y + h + 4 > oy && y + h + 4 < oy + oh && ox < x + ww - 2 && x + 2 < ox + ow;
  if (!hit) return false;
  if (o.Animation == KindBridge) w.SetY(oy - h + 8);
  else if (slope) w.SetY(y + SlopeSnap(w, o));
  else w.SetY(oy - h);
  return true;
}

void WalkerTerrain(TPlayerMove& move) {
  TGKSprite& w = move.Sprite;
  TGKSprites& sprites = LevelSprites().Sprites;
  for (int i = 1; i < sprites.Count(); ++i) {
    TGKSprite& o = sprites.GetSprite(i);
    if (&o == &w) continue;
    const int kind = o.Animation;
    if (WaterKinds.contains(kind) && UpperHalfInWater(w, o)) move.WalkerInWater = true;
    if (!o.Enabled || NonSolidKinds.contains(kind)) continue;
    if (o.Visible && !OneWayKinds.contains(kind) && kind != KindShipFitting && kind != KindBridge)
      WalkerSide(w, o);
    if (!move.WalkerStanding && o.Visible && !WaterKinds.contains(kind) && WalkerLands(w, o)) {
      move.WalkerStanding = true;
      if (w.Animation == KindPlayerFireball) w.SetVelocityY(-4);
    }
  }
  if (move.WalkerStanding) {
    if (w.Animation == 163) w.Param3 = 1;
    if (w.Animation == 232) w.SetSpeed(w.Data);  // its jump speed
  } else {
    WalkerFalls(move, w);
  }
}

void BouncingKinds(TPlayerMove& move) {
  TGKSprite& s = move.Sprite;
  if (!s.Enabled) return;
  const int kind = s.Animation;
  if ((kind == 55 || kind == 232) && s.Param3 == 1) {
    s.SetSpeed(s.GetSpeed() - (kind == 55 ? 0.1 : 0.2));
    if (kind != 55) return;
    const int x = s.GetX(), y = s.GetY(), w = s.Width, h = s.Height;
    TGKSprites& sprites = LevelSprites().Sprites;
    for (int i = 1; i < sprites.Count(); ++i) {
      TGKSprite& o = sprites.GetSprite(i);
      if (NonSolidKinds.contains(o.Animation) || !o.Visible) continue;
      const int ox = o.GetX(), oy = o.GetY(), ow = o.Width, oh = o.Height;
      const int top = o.Animation == KindBridge ? oy + 8 : oy;
      if (y + h + 4 > top && oy + oh > y + h + 4 && x + w >= ox && ox + ow > x) {
        s.SetSpeed(s.Data);  // its jump speed
        s.SetY(top - h);
        return;
      }
    }
    s.SetY(y + 4);
  } else if (kind == 163 && s.GetSpeed() != 0) {
    s.SetSpeed(s.GetSpeed() - 0.2);
  }
}
