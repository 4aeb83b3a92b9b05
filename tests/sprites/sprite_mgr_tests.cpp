#include <gtest/gtest.h>

#include "sprite_fixture.h"

namespace {

std::vector<int> drawOrder(const TGKSpriteMgr& mgr) {
  std::vector<int> order;
  mgr.ForEachInDrawOrder([&](TGKSprite& s) { order.push_back(s.Tag); });
  return order;
}

std::vector<int> range(int from, int downTo) {
  std::vector<int> r;
  for (int i = from; i >= downTo; --i) r.push_back(i);
  return r;
}

TEST(SpriteManagerDrawing, PassesFollowIndexesAndLayers) {
  struct Case {
    const char* name;
    int count;
    bool playerBehind;
    std::vector<uint8_t> layersFrom40;
    std::vector<int> order;
  };
  std::vector<int> under41 = range(39, 1);
  std::vector<int> with41 = {40};
  with41.insert(with41.end(), under41.begin(), under41.end());
  with41.push_back(0);
  std::vector<int> layered = {41, 43, 40};  // layer 1 first, then layer 0
  layered.insert(layered.end(), under41.begin(), under41.end());
  layered.push_back(0);
  std::vector<int> behind = {0, 41, 43, 40};
  behind.insert(behind.end(), under41.begin(), under41.end());
  const Case cases[] = {
      {"one sprite", 1, false, {}, {0}},
      {"one sprite behind", 1, true, {}, {0}},
      {"five", 5, false, {}, {4, 3, 2, 1, 0}},
      {"five behind", 5, true, {}, {0, 4, 3, 2, 1}},
      {"forty-one", 41, false, {0}, with41},
      {"layers, 2 never drawn", 45, false, {0, 1, 2, 1, 7}, layered},
      {"layers behind", 45, true, {0, 1, 2, 1, 7}, behind},
  };
  for (const Case& c : cases) {
    SpriteWorld w;
    w.mgr.PlayerBehind = c.playerBehind;
    for (int i = 0; i < c.count; ++i) {
      TGKSprite& s = w.bouncer(0, 0, 8, 0, i);
      s.SetLayer(i >= 40 ? c.layersFrom40[static_cast<size_t>(i - 40)] : 5);  // layers of 1..39 don't matter
    }
    EXPECT_EQ(drawOrder(w.mgr), c.order) << c.name;
  }
  SpriteWorld empty;
  EXPECT_TRUE(drawOrder(empty.mgr).empty());
  empty.mgr.DrawSprites();  // no screen, no sprites: nothing happens
}

TEST(SpriteManagerMoving, MovesEnabledSpritesInIndexOrderAndFiresTheirEventsInTurn) {
  SpriteWorld w;
  for (int i = 0; i < 4; ++i) w.bouncer(-5, 45, 20, 0, i).SetEdgeActions(eaEvent);
  w.mgr.Sprites.GetSprite(2).Disable();
  w.mgr.MoveSprites();
  EXPECT_EQ(w.events, (std::vector<std::string>{"event 0 left", "moved 0", "event 1 left", "moved 1",
                                                "event 3 left", "moved 3"}));
}

TEST(SpriteManagerMoving, HandlersSeeLowerIndexesMovedAndHigherOnesNot) {
  SpriteWorld w;
  TGKSprite& a = w.bouncer(10, 10, 8, 1, 0);
  TGKSprite& b = w.bouncer(10, 10, 8, 1, 1);
  std::vector<std::pair<int, int>> seen;  // (a's x, b's x) when each moved
  w.mgr.OnSpriteMoved = [&](TGKSprite&) { seen.push_back({a.GetX(), b.GetX()}); };
  w.mgr.MoveSprites();
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{11, 10}, {11, 11}}));
}

TEST(SpriteManagerMoving, ASpriteAddedDuringThePassMovesFromTheNextPass) {
  SpriteWorld w;
  w.bouncer(10, 10, 8, 0, 0);
  w.bouncer(10, 10, 8, 0, 1);
  w.mgr.OnSpriteMoved = [&](TGKSprite& s) {
    w.events.push_back("moved " + std::to_string(s.Tag));
    if (s.Tag == 0 && w.mgr.Sprites.Count() == 2) w.bouncer(10, 10, 8, 1.0, 2);
  };
  w.mgr.MoveSprites();
  EXPECT_EQ(w.events, (std::vector<std::string>{"moved 0", "moved 1"}));
  EXPECT_EQ(w.mgr.Sprites.Count(), 3);
  w.mgr.MoveSprites();
  EXPECT_EQ(w.events, (std::vector<std::string>{"moved 0", "moved 1", "moved 0", "moved 1", "moved 2"}));
}

TEST(SpriteManagerMoving, ClearingTheListInsideAHandlerEndsThePassSafely) {
  SpriteWorld w;
  for (int i = 0; i < 3; ++i) w.bouncer(-5, 45, 20, 0, i).SetEdgeActions(eaBounce);
  w.mgr.OnSpriteDirChange = [&](TGKSprite& s, TLimitsSide) {
    w.events.push_back("dir " + std::to_string(s.Tag));
    if (s.Tag == 1) {  // the game rebuilds the screen's sprites
      w.mgr.Sprites.Clear();
      w.bouncer(-5, 45, 20, 0, 9);
    }
  };
  w.mgr.MoveSprites();  // sprite 1 finishes its move on a freed list
  EXPECT_EQ(w.events, (std::vector<std::string>{"dir 0", "moved 0", "dir 1", "moved 1"}));
  EXPECT_EQ(w.mgr.Sprites.Count(), 1);
  EXPECT_EQ(w.mgr.Sprites.GetSprite(0).Tag, 9);
}

TEST(SpriteManagerLists, GetSpriteChecksTheIndex) {
  SpriteWorld w;
  w.bouncer(0, 0, 8);
  EXPECT_THROW(w.mgr.Sprites.GetSprite(1), std::out_of_range);
  EXPECT_THROW(w.mgr.Sprites.GetSprite(-1), std::out_of_range);
  try {
    w.mgr.Sprites.GetSprite(5);
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (5)");
  }
  w.mgr.Sprites.Clear();
  EXPECT_EQ(w.mgr.Sprites.Count(), 0);
}

TEST(SpriteManagerLists, MoveAllShiftsOrPlacesEverySprite) {
  struct Case {
    const char* name;
    bool relPos;
    int x, y;
    bool relVel;
    double vx, vy;
    int expectX, expectY;
    double expectVx, expectVy;
  } cases[] = {
      {"relative drops the fraction", true, -5, 3, true, 0.5, -0.25, 96, 53, 1.5, -0.25},
      {"absolute", false, 7, -8, false, 2, 3, 7, -8, 2, 3},
      {"16-bit sum wraps", true, 32767 - 101 + 1, 0, false, 0, 0, -32768, 50, 0, 0},
  };
  for (const Case& c : cases) {
    SpriteWorld w;
    TGKSprite& s = w.bouncer(0, 50, 8);
    s.X = Fixed16(100.75);
    s.SetVelocityX(1);
    w.mgr.Sprites.MoveAll(c.relPos, c.x, c.y, c.relVel, c.vx, c.vy);
    EXPECT_EQ(s.X, Fixed16(c.expectX)) << c.name;
    EXPECT_EQ(s.GetY(), c.expectY) << c.name;
    EXPECT_DOUBLE_EQ(s.GetVelocityX(), c.expectVx) << c.name;
    EXPECT_DOUBLE_EQ(s.GetVelocityY(), c.expectVy) << c.name;
  }
}

}  // namespace
