#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/core/clock.h"
#include "sprite_fixture.h"

namespace {

TEST(Animations, DefineSequenceStoresAndOverwrites) {
  TGKAnimations list;
  EXPECT_EQ(list.Add("a", false), 0);
  EXPECT_EQ(list.Add("b", true), 1);
  TGKAnimation& a = list.GetAnimation(0);
  EXPECT_EQ(a.Name, "a");
  EXPECT_FALSE(a.HasSequence(5));
  a.DefineSequence(5, 75, {65535, 2, 3});
  EXPECT_TRUE(a.HasSequence(5));
  EXPECT_EQ(a.GetFrameCount(5), 3);
  EXPECT_EQ(a.GetDelay(5), 75);
  EXPECT_EQ(a.GetFrame(5, 0), 65535);  // words widen without sign
  a.DefineSequence(5, 10, {9});
  EXPECT_EQ(a.GetFrameCount(5), 1);
  EXPECT_EQ(a.GetFrame(5, 0), 9);
  EXPECT_EQ(a.GetFrame(5, 1), -1);
  EXPECT_EQ(a.GetFrame(6, 0), -1);
  EXPECT_EQ(a.GetFrameCount(6), 0);

  std::vector<uint16_t> frames(32, 4);
  list.GetAnimation(1).DefineAllSequences(20, frames);
  for (int d = 0; d < 32; ++d) EXPECT_EQ(list.GetAnimation(1).GetFrameCount(d), 32);
  EXPECT_FALSE(list.GetAnimation(1).HasSequence(32));
}

TEST(Animations, BadSequencesAndIndexesAreRefused) {
  TGKAnimations list;
  TGKAnimation& a = list.GetAnimation(list.Add("a", true));
  std::vector<uint16_t> tooMany(33, 1);
  EXPECT_THROW(a.DefineSequence(0, 10, tooMany), EGKSprite);
  EXPECT_THROW(a.DefineAllSequences(10, tooMany), EGKSprite);
  EXPECT_THROW(a.DefineSequence(0, 10, {}), EGKSprite);
  EXPECT_THROW(a.DefineSequence(32, 10, {1}), EGKSprite);
  EXPECT_THROW(a.DefineSequence(-1, 10, {1}), EGKSprite);
  EXPECT_FALSE(a.HasSequence(0));
  EXPECT_THROW(list.GetAnimation(1), std::out_of_range);
  EXPECT_THROW(list.GetAnimation(-1), std::out_of_range);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

struct AnimatedWorld : SpriteWorld {
  AnimatedWorld() : scoped(clock) {}
  TGKSprite& at(int animation) {
    TGKSprite& s = bouncer(40, 40, 8);
    s.SetAnimation(animation);
    return s;
  }
  platform::FakeClock clock{0};
  platform::ScopedClock scoped;
};

TEST(AnimationTiming, FramesAdvanceEveryDelayAndLoop) {
  AnimatedWorld w;
  TGKSprite& s = w.at(SpriteWorld::kLoop3);
  struct Step {
    uint32_t tick;
    int frame, image;
  } steps[] = {{0, 0, 10}, {99, 0, 10}, {100, 1, 11}, {150, 1, 11}, {200, 2, 12}, {300, 0, 10}, {450, 1, 11}};
  for (const Step& st : steps) {
    w.clock.set(st.tick);
    w.mgr.MoveSprites();
    EXPECT_EQ(s.Frame, st.frame) << st.tick;
    EXPECT_EQ(s.GetImageIndex(), st.image) << st.tick;
  }
  EXPECT_EQ(s.LastFrameTime, 450u);
  EXPECT_EQ(std::count(w.events.begin(), w.events.end(), "end 0"), 0);
}

TEST(AnimationTiming, ANonLoopingAnimationHoldsItsLastFrameAndReportsTheEndEveryDelay) {
  AnimatedWorld w;
  TGKSprite& s = w.at(SpriteWorld::kOnce3);
  std::vector<uint32_t> endTicks;
  w.mgr.OnAnimationEnd = [&](TGKSprite&) { endTicks.push_back(w.clock.tickCount()); };
  for (uint32_t t = 0; t <= 600; t += 50) {
    w.clock.set(t);
    w.mgr.MoveSprites();
  }
  EXPECT_EQ(s.Frame, 2);
  EXPECT_EQ(s.GetImageIndex(), 22);
  EXPECT_EQ(endTicks, (std::vector<uint32_t>{300, 400, 500, 600}));
}

TEST(AnimationTiming, TheTickDifferenceIsUnsignedAcrossTheWrap) {
  AnimatedWorld w;
  TGKSprite& s = w.at(SpriteWorld::kLoop3);
  s.LastFrameTime = 0xFFFFFFC0u;  // 64 ms before the clock wraps
  w.clock.set(20);                // 84 ms later
  w.mgr.MoveSprites();
  EXPECT_EQ(s.Frame, 0);
  w.clock.set(36);  // 100 ms later
  w.mgr.MoveSprites();
  EXPECT_EQ(s.Frame, 1);
}

TEST(AnimationTiming, DisabledSpritesNeitherMoveNorAnimate) {
  AnimatedWorld w;
  TGKSprite& s = w.at(SpriteWorld::kLoop3);
  s.SetSpeed(1);
  s.Disable();
  w.clock.set(500);
  w.mgr.MoveSprites();
  EXPECT_EQ(s.Frame, 0);
  EXPECT_EQ(s.GetX(), 40);
}

TEST(UndefinedSequences, ASpriteAtADirectionItsAnimationLacksShowsNothing) {
  AnimatedWorld w;
  // Created at direction 0, which the animation does not define.
  TGKSprite& s = w.mgr.Sprites.GetSprite(w.mgr.Sprites.AddBouncer(0, 10, 10, 0, 1.0, SpriteWorld::kDiagonals));
  EXPECT_EQ(s.FrameCount, 0);
  EXPECT_EQ(s.GetImageIndex(), -1);
  w.clock.set(1000);
  w.mgr.MoveSprites();  // nothing to animate
  EXPECT_EQ(s.Frame, 0);
  EXPECT_EQ(s.GetImageIndex(), -1);
  EXPECT_DOUBLE_EQ(s.GetVelocityY(), -1);  // it still moves along its direction

  s.SetDirection(12);
  EXPECT_EQ(s.GetImageIndex(), 8);
  EXPECT_EQ(s.FrameCount, 2);
  s.SetDirection(20);  // undefined: the shown sequence stays
  EXPECT_EQ(s.Sequence, 12);
  EXPECT_EQ(s.GetImageIndex(), 8);

  s.SetAnimation(99);  // no such animation
  EXPECT_EQ(s.Direction, 0);
  EXPECT_EQ(s.GetImageIndex(), -1);
  w.clock.set(2000);
  w.mgr.MoveSprites();
}

TEST(UndefinedSequences, SetAnimationFallsBackToDirectionZero) {
  AnimatedWorld w;
  TGKSprite& s = w.bouncer(10, 10, 20);
  s.SetSpeed(1);
  s.SetAnimation(SpriteWorld::kDiagonals);  // lacks 20, and 0 as well
  EXPECT_EQ(s.Direction, 0);
  EXPECT_DOUBLE_EQ(s.GetVelocityY(), -1);
  EXPECT_EQ(s.GetImageIndex(), -1);
  s.SetAnimation(SpriteWorld::kLoop3);
  EXPECT_EQ(s.Direction, 0);
  EXPECT_EQ(s.GetImageIndex(), 10);
  s.SetDirection(12);
  s.SetAnimation(SpriteWorld::kDiagonals);  // defines 12: the direction stays
  EXPECT_EQ(s.Direction, 12);
  EXPECT_EQ(s.GetImageIndex(), 8);
}

}  // namespace
