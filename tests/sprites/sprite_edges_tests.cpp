#include <gtest/gtest.h>

#include "sprite_fixture.h"

namespace {

// One side crossed by a 10 x 10 bouncer (speed 0) in bounds (0, 0, 100, 100).
struct EdgeCase {
  const char* name;
  uint8_t action;
  TLimitsSide side;
  bool whollyOutside;
  int direction;
  // expected after one move
  int x, y, newDirection;
  bool stopped;
  const char* event;  // "" when none
};

// Partly across each side: x -5 / 95, y -5 / 95; wholly outside: -15 / 105.
int startX(const EdgeCase& c) {
  if (c.side == lsLeft) return c.whollyOutside ? -15 : -5;
  if (c.side == lsRight) return c.whollyOutside ? 105 : 95;
  return 45;
}
int startY(const EdgeCase& c) {
  if (c.side == lsTop) return c.whollyOutside ? -15 : -5;
  if (c.side == lsBottom) return c.whollyOutside ? 105 : 95;
  return 45;
}

void PrintTo(const EdgeCase& c, std::ostream* os) { *os << c.name; }

class SpriteEdges : public testing::TestWithParam<EdgeCase> {};

TEST_P(SpriteEdges, ActOnTheirSide) {
  const EdgeCase& c = GetParam();
  SpriteWorld w;
  TGKSprite& s = w.bouncer(startX(c), startY(c), c.direction);
  s.SetEdgeActions(c.action);
  w.mgr.MoveSprites();
  EXPECT_EQ(s.GetX(), c.x);
  EXPECT_EQ(s.GetY(), c.y);
  EXPECT_EQ(s.Direction, c.newDirection);
  EXPECT_EQ(s.Stopped, c.stopped);
  std::vector<std::string> expected;
  if (*c.event) expected.push_back(c.event);
  expected.push_back("moved 0");
  EXPECT_EQ(w.events, expected);
}

const EdgeCase kEdgeCases[] = {
    // left: acts whatever the direction
    {"LeftNone", eaNone, lsLeft, false, 20, -5, 45, 20, false, ""},
    {"LeftReverse", eaReverse, lsLeft, false, 20, 0, 45, 4, false, "dir 0 left"},
    {"LeftStop", eaStop, lsLeft, false, 20, 0, 45, 20, true, "stop 0 left"},
    {"LeftStopOutsidePartly", eaStopOutside, lsLeft, false, 20, -5, 45, 20, false, ""},
    {"LeftStopOutside", eaStopOutside, lsLeft, true, 20, -15, 45, 20, true, "stop 0 left"},
    {"LeftWrapPartly", eaWrap, lsLeft, false, 24, -5, 45, 24, false, ""},
    {"LeftWrap", eaWrap, lsLeft, true, 24, 100, 45, 24, false, ""},
    {"LeftEvent", eaEvent, lsLeft, false, 8, -5, 45, 8, false, "event 0 left"},
    {"LeftBounce", eaBounce, lsLeft, false, 20, 0, 45, 12, false, "dir 0 left"},
    {"LeftUnknownAction", 7, lsLeft, false, 20, -5, 45, 20, false, ""},
    // right: only directions 1..15
    {"RightBounce", eaBounce, lsRight, false, 4, 90, 45, 28, false, "dir 0 right"},
    {"RightReverse", eaReverse, lsRight, false, 4, 90, 45, 20, false, "dir 0 right"},
    {"RightStop", eaStop, lsRight, false, 8, 90, 45, 8, true, "stop 0 right"},
    {"RightStopOutside", eaStopOutside, lsRight, true, 15, 105, 45, 15, true, "stop 0 right"},
    {"RightWrapPartly", eaWrap, lsRight, false, 8, 95, 45, 8, false, ""},
    {"RightWrap", eaWrap, lsRight, true, 8, -10, 45, 8, false, ""},
    {"RightEvent", eaEvent, lsRight, false, 1, 95, 45, 1, false, "event 0 right"},
    {"RightIgnoredFacingDownLeft", eaBounce, lsRight, false, 20, 95, 45, 20, false, ""},
    {"RightIgnoredFacingUp", eaStop, lsRight, false, 0, 95, 45, 0, false, ""},
    {"RightIgnoredFacingDown", eaStop, lsRight, false, 16, 95, 45, 16, false, ""},
    {"RightIgnoredFacingLeft", eaStop, lsRight, true, 24, 105, 45, 24, false, ""},
    // top: acts whatever the direction
    {"TopBounce", eaBounce, lsTop, false, 4, 45, 0, 12, false, "dir 0 top"},
    {"TopReverse", eaReverse, lsTop, false, 4, 45, 0, 20, false, "dir 0 top"},
    {"TopStop", eaStop, lsTop, false, 16, 45, 0, 16, true, "stop 0 top"},
    {"TopStopOutsidePartly", eaStopOutside, lsTop, false, 0, 45, -5, 0, false, ""},
    {"TopWrap", eaWrap, lsTop, true, 0, 45, 100, 0, false, ""},
    {"TopEvent", eaEvent, lsTop, false, 0, 45, -5, 0, false, "event 0 top"},
    // bottom: only directions 9..23
    {"BottomBounce", eaBounce, lsBottom, false, 12, 45, 90, 4, false, "dir 0 bottom"},
    {"BottomReverse", eaReverse, lsBottom, false, 12, 45, 90, 28, false, "dir 0 bottom"},
    {"BottomStop", eaStop, lsBottom, false, 23, 45, 90, 23, true, "stop 0 bottom"},
    {"BottomStopOutside", eaStopOutside, lsBottom, true, 9, 45, 105, 9, true, "stop 0 bottom"},
    {"BottomWrap", eaWrap, lsBottom, true, 16, 45, -10, 16, false, ""},
    {"BottomEvent", eaEvent, lsBottom, false, 16, 45, 95, 16, false, "event 0 bottom"},
    {"BottomIgnoredFacingRight", eaStop, lsBottom, false, 8, 45, 95, 8, false, ""},
    {"BottomIgnoredFacingUp", eaStop, lsBottom, false, 24, 45, 95, 24, false, ""},
};

INSTANTIATE_TEST_SUITE_P(Table, SpriteEdges, testing::ValuesIn(kEdgeCases),
                         [](const testing::TestParamInfo<EdgeCase>& i) { return std::string(i.param.name); });

TEST(SpriteEdgesOrder, SidesAreCheckedLeftRightTopBottomOnTheUpdatedPosition) {
  SpriteWorld w;
  // In the top-left corner moving up-left: the left bounce turns 28 into 4, which
  // the top bounce then turns into 12.
  TGKSprite& s = w.bouncer(-3, -3, 28);
  w.mgr.MoveSprites();
  EXPECT_EQ(s.GetX(), 0);
  EXPECT_EQ(s.GetY(), 0);
  EXPECT_EQ(s.Direction, 12);
  EXPECT_EQ(w.events, (std::vector<std::string>{"dir 0 left", "dir 0 top", "moved 0"}));
}

TEST(SpriteEdgesOrder, ClampDropsTheFractionAndStoppedBouncersStayStopped) {
  SpriteWorld w;
  TGKSprite& s = w.bouncer(80, 50, 8, 2.5);
  s.SetEdgeActions(eaStop);
  for (int i = 0; i < 5; ++i) w.mgr.MoveSprites();  // 82.5, 85, 87.5, 90 -> clamped at 90
  EXPECT_EQ(s.X, Fixed16(90));
  EXPECT_TRUE(s.Stopped);
  w.mgr.MoveSprites();
  EXPECT_EQ(s.X, Fixed16(90));  // Move does not restart it
  s.Start();
  s.SetDirection(24);
  w.mgr.MoveSprites();
  EXPECT_EQ(s.X, Fixed16(87.5));
}

}  // namespace
