#include <gtest/gtest.h>

#include "platform/core/clock.h"
#include "sprite_fixture.h"

namespace {

using platform::keyState;

struct JumperWorld : SpriteWorld {
  enum { kStand = 4, kWalk = 5, kJump = 6 };
  JumperWorld() {
    for (const char* name : {"stand", "walk", "jump"})
      mgr.Animations.GetAnimation(mgr.Animations.Add(name, true)).DefineAllSequences(100, {30});
    jumper = &dynamic_cast<TGKJumper&>(mgr.Sprites.GetSprite(mgr.Sprites.AddJumper(0, 100, 100, 8, 2.0, kStand)));
    jumper->WalkAnimation = kWalk;
    jumper->JumpAnimation = kJump;
    jumper->Bounds = {0, 0, 1000, 1000};
    jumper->Width = jumper->Height = 16;
  }
  void press(int vk) { keyState().keyDown(vk); }
  void release(int vk) { keyState().keyUp(vk); }
  TGKJumper* jumper;
};

TEST(Jumper, WalksWithTheArrowKeysAndRightWinsOverLeft) {
  JumperWorld w;
  TGKJumper& j = *w.jumper;
  w.press(platform::VK_LEFT);
  w.mgr.MoveSprites();
  // Turning round: the sequence turns, Speed starts again from 0, and this move
  // still used the velocity of the old direction.
  EXPECT_EQ(j.Direction, 24);
  EXPECT_EQ(j.Animation, JumperWorld::kWalk);
  EXPECT_EQ(j.Speed, 0);
  EXPECT_EQ(j.VelocityX.raw(), 13107);
  w.mgr.MoveSprites();
  EXPECT_EQ(j.VelocityX.raw(), -13107);

  w.press(platform::VK_RIGHT);  // both down
  w.mgr.MoveSprites();
  EXPECT_EQ(j.Direction, 8);
  EXPECT_EQ(j.Speed, 0);
  for (int i = 0; i < 20; ++i) w.mgr.MoveSprites();
  EXPECT_EQ(j.Speed, 2);  // accelerates by 0.2 up to MaxSpeed
  EXPECT_EQ(j.VelocityX, 2);

  w.release(platform::VK_LEFT);
  w.release(platform::VK_RIGHT);
  w.mgr.MoveSprites();
  EXPECT_EQ(j.Animation, JumperWorld::kStand);
  EXPECT_EQ(j.Speed.raw(), Fixed16(2).raw() - 13107);  // decelerating towards MinSpeed 0
  EXPECT_EQ(j.Direction, 8);
}

TEST(Jumper, JumpRisesFallsAndLands) {
  JumperWorld w;
  TGKJumper& j = *w.jumper;
  w.press(platform::VK_CONTROL);  // KeyFire1 17
  w.mgr.MoveSprites();
  EXPECT_EQ(j.JumpState, jsRising);
  EXPECT_EQ(j.Animation, JumperWorld::kJump);
  EXPECT_EQ(j.VelocityY, -6);
  EXPECT_EQ(j.GetY(), 100);  // the jump starts moving on the next move
  EXPECT_EQ(w.events, (std::vector<std::string>{"jump 0", "moved 0"}));

  w.events.clear();
  w.mgr.MoveSprites();  // Fire1 still down in the air: nothing new
  EXPECT_EQ(j.GetY(), 94);
  EXPECT_EQ(j.VelocityY.raw(), -6 * 65536 + 19661);
  EXPECT_EQ(w.events, (std::vector<std::string>{"moved 0"}));

  w.release(platform::VK_CONTROL);
  int rising = 1;
  while (j.JumpState == jsRising) {
    w.mgr.MoveSprites();
    ++rising;
  }
  EXPECT_EQ(rising, 20);  // -6 + 20 x 0.3 is just above 0
  EXPECT_EQ(j.JumpState, jsFalling);
  for (int i = 0; i < 40; ++i) w.mgr.MoveSprites();
  EXPECT_EQ(j.VelocityY, 5);  // capped at MaxFall

  j.SetJumpState(jsGround);  // the game lands it
  EXPECT_EQ(j.VelocityY, 0);
  EXPECT_EQ(j.Animation, JumperWorld::kStand);
  const Fixed16 y = j.Y;
  w.mgr.MoveSprites();
  EXPECT_EQ(j.Y, y);  // a jumper on the ground never starts falling by itself
}

TEST(Jumper, SetJumpStateChangesOnlyOnARealChange) {
  JumperWorld w;
  TGKJumper& j = *w.jumper;
  j.VelocityY = Fixed16(3);
  j.SetJumpState(jsGround);  // unchanged: nothing
  EXPECT_EQ(j.VelocityY, 3);
  j.SetJumpState(jsRising);
  EXPECT_EQ(j.VelocityY, 3);
  EXPECT_EQ(j.Animation, JumperWorld::kStand);
  j.SetJumpState(jsFalling);
  EXPECT_EQ(j.VelocityY, 0);
  EXPECT_EQ(j.Animation, JumperWorld::kJump);
}

TEST(Jumper, UncontrolledIgnoresTheKeys) {
  JumperWorld w;
  TGKJumper& j = *w.jumper;
  j.Controlled = false;
  w.press(platform::VK_LEFT);
  w.press(platform::VK_CONTROL);
  w.mgr.MoveSprites();
  EXPECT_EQ(j.Direction, 8);
  EXPECT_EQ(j.JumpState, jsGround);
}

TEST(Jumper, UsesTheManagersKeyCodes) {
  JumperWorld w;
  w.mgr.KeyRight = 'D';
  w.mgr.KeyFire1 = platform::VK_MENU;
  w.press(platform::VK_RIGHT);
  w.press(platform::VK_CONTROL);
  w.mgr.MoveSprites();
  EXPECT_EQ(w.jumper->Speed, 0);
  EXPECT_EQ(w.jumper->JumpState, jsGround);
  w.press('D');
  w.press(platform::VK_MENU);
  w.mgr.MoveSprites();
  EXPECT_EQ(w.jumper->Speed.raw(), 13107);
  EXPECT_EQ(w.jumper->JumpState, jsRising);
}

TEST(StaticSprite, FacesTheArrowKeysAndReportsEveryKeyDown) {
  platform::FakeClock clock(1000);
  platform::ScopedClock scoped(clock);
  SpriteWorld w;
  w.mgr.Sprites.AddStatic(0, 40, 40, SpriteWorld::kAll);
  auto& s = dynamic_cast<TGKStatic&>(w.mgr.Sprites.GetSprite(0));
  keyState().keyDown(platform::VK_LEFT);
  keyState().keyDown(platform::VK_UP);  // not allowed: reported but no turn
  keyState().keyDown(platform::VK_MENU);
  w.mgr.MoveSprites();
  EXPECT_EQ(s.StaticSequence, 24);
  EXPECT_EQ(s.Sequence, 24);
  EXPECT_EQ(s.Direction, 8);  // direction and velocity stay
  EXPECT_EQ(w.events, (std::vector<std::string>{"key 37", "key 38", "key 18"}));

  w.events.clear();
  clock.advance(50);  // polls only when more than 50 ms have passed
  w.mgr.MoveSprites();
  EXPECT_TRUE(w.events.empty());
  clock.advance(1);
  s.AllowUp = true;
  w.mgr.MoveSprites();
  EXPECT_EQ(s.StaticSequence, 0);  // Left, then Up wins
  EXPECT_EQ(w.events.size(), 3u);
  EXPECT_EQ(s.GetX(), 40);  // a static never moves
  EXPECT_EQ(s.GetY(), 40);
}

}  // namespace
