#include "game/Game/contact_tests.h"

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "game/frmMain/frmMain.h"
#include "platform/core/random.h"

namespace contact {

TGKSprite& SpriteAt(int i) { return LevelSprites().Sprites.GetSprite(i); }

bool Touch(const TContactBox& s, int l, int t, int r, int b) {
  return l < s.right() && s.x < r && t < s.bottom() && s.y < b;
}

bool TouchesPlayer(const TContactBox& p, const TContactBox& s) { return Touch(s, p.x, p.y, p.right(), p.bottom()); }

bool Over(const TContactBox& p, const TContactBox& s) { return p.right() - 1 >= s.x && s.right() >= p.x; }

bool FeetIn(const TContactBox& p, const TContactBox& s) { return s.bottom() > p.bottom() && p.bottom() >= s.y; }

bool BottomWithinPlayer(const TContactBox& p, const TContactBox& s) {
  return p.y <= s.bottom() && s.bottom() <= p.bottom();
}

TCaseEnd Hurt() {
  if (Level.HurtTimer != -1) return TCaseEnd::Solid;
  HurtPlayer();
  return TCaseEnd::Leave;
}

void HurtOnTouch(const TContactBox& p, const TContactBox& s) {
  if (Level.HurtTimer == -1 && TouchesPlayer(p, s)) HurtPlayer();
}

void StompBounce() { Level.Player->SetVelocityY(LevelKeyHeld(LevelSprites().KeyFire1) ? -7.0 : -3.0); }

void StompReward(int points) {
  StompBounce();
  if (Level.StompCombo < 1) Level.StompCombo = 1;  // a series starts at 1
  Level.Score += points * Level.StompCombo;
  if (Level.StompCombo >= 8) fmMain->AddLives(1);
  ++Level.StompCombo;
}

void MakeLavaFlame(int i) {
  TGKSprites& sprites = LevelSprites().Sprites;
  const TContactBox s(sprites.GetSprite(i));
  const int j = sprites.AddBouncer(0, s.x, s.y - s.h, 0, FlameValue(sprites.GetSprite(i)), 337);
  sprites.GetSprite(i).Param1 = j;
  TGKSprite& flame = sprites.GetSprite(j);
  flame.State = i;
  flame.SetEdgeActions(0);
  platform::Randomize();
  flame.Timer = StampIn(platform::Random(4000));
  flame.Disable();
  flame.Hide();
}

TGKSprite& FireShot(const TGKSprite& cannon, int x, int y, int direction, double speed, int kind) {
  TGKSprite& shot = SpriteAt(LevelSprites().Sprites.AddBouncer(0, x, y, direction, 0.0, kind));
  shot.SetEdgeActions(eaNone);
  shot.State = cannon.State;  // a cannon that shoots off screen marks its shots the same
  shot.SetMaxSpeed(10.0);
  shot.SetSpeed(speed);
  shot.StartPos = MakeLong(shot.GetX(), shot.GetY());
  fmMain->ShowDust(shot.GetX(), shot.GetY());
  PlayLevelSound(SoundPipe);
  return shot;
}

}  // namespace contact
