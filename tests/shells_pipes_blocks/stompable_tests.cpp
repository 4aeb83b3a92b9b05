// The player against stompable enemies: what each kind turns into when stomped,
// the bounce and score of the stomp, the removal of the squashed ones, the turn
// of the far-seeing shelled enemy and the flight of the winged turtle.
#include <gtest/gtest.h>

#include <string>

#include "game/LevelAnimations/level_animations.h"
#include "ring_level.h"

namespace {

using Stompable = RingLevel;

TEST_F(Stompable, EachKindTurnsIntoItsNextKindWithItsBounceAndScore) {
  const struct {
    int kind, direction;
    int becomes, dx, dy, directionAfter;
    double speed, bounce;  // the bounce with Fire1 held
    int score;
    bool gone;  // disabled and hidden instead
  } cases[] = {
      {Wumpet1, 24, Wumpet2, 0, 8, 24, 0, -7, 200, false},
      {BadStar1, 24, BadStar1, 0, 0, 24, 0, -7, 200, true},
      {BadStar2, 24, BadStar2, 0, 0, 24, 0, -7, 200, true},
      {WumpetF, 31, WumpetF2, 2, 8, 24, 0.75, -7, 200, false},
      {WumpetF, 1, WumpetF2, 2, 8, 8, 0.75, -7, 200, false},
      {WumpetF2, 24, WumpetF3, 0, 8, 24, 0, -7, 200, false},
      {TurvoR, 24, Shellr, 0, 4, 0, 0, -6, 200, false},
      {Turvo109, 24, Turvo111, 0, 4, 0, 0, -6, 200, false},
      {Turvo110, 24, Turvo113, 0, 4, 0, 0, -6, 200, false},
      {Sheltg224, 24, Sheltg225, 0, 0, 0, 0, -6, 200, false},
      {Bone1, 24, Bone2, 0, 16, 0, 0, -6, 200, false},
      {Turvog2, 31, Turvo109, 0, 0, 8, 0.75, -7, 100, false},
      {Turvog2, 24, Turvo109, 0, 0, 24, 0.75, -7, 100, false},
  };
  hold(w().DXSprites->KeyFire1);
  for (const auto& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind) + " facing " + std::to_string(c.direction));
    clearStage();
    Level.Score = 0;
    Level.StompCombo = 1;
    const int enemy = add(c.kind, 100, 110, c.direction);
    placePlayer(100, 100);  // feet 6 pixels into it
    EXPECT_EQ(contact(enemy), TCaseEnd::Next);
    const TGKSprite& e = sprite(enemy);
    EXPECT_EQ(Level.Score, c.score);
    EXPECT_EQ(Level.StompCombo, 2);
    EXPECT_DOUBLE_EQ(player().GetVelocityY(), c.bounce);
    if (c.gone) {
      EXPECT_FALSE(e.Enabled);
      EXPECT_FALSE(e.Visible);
      EXPECT_EQ(dust(), (std::vector<std::pair<int, int>>{{100, 110}}));
      continue;
    }
    EXPECT_EQ(e.Animation, c.becomes);
    EXPECT_EQ(e.GetX(), 100 + c.dx);
    EXPECT_EQ(e.GetY(), 110 + c.dy);
    EXPECT_EQ(e.Direction, c.directionAfter);
    EXPECT_DOUBLE_EQ(e.GetSpeed(), c.speed);
  }
}

TEST_F(Stompable, AStompedShelledEnemyRestsWhereItBecameAShell) {
  const int enemy = add(TurvoR, 100, 110, 24);
  placePlayer(100, 100);
  contact(enemy);
  EXPECT_EQ(sprite(enemy).StartPos, MakeLong(100 + w().CameraX, 114 + w().CameraY));
}

TEST_F(Stompable, SquashedEnemiesGoAfter400Ms) {
  for (int kind : {Wumpet2, WumpetF3}) {
    SCOPED_TRACE(kind);
    const int squashed = add(kind, 200, 100);
    sprite(squashed).Timer = now();
    advance(400);
    contact(squashed);
    EXPECT_TRUE(sprite(squashed).Visible);
    advance(1);
    contact(squashed);
    EXPECT_FALSE(sprite(squashed).Visible);
    EXPECT_FALSE(sprite(squashed).Enabled);
  }
}

TEST_F(Stompable, TheFarSeeingShelledEnemyTurnsOnlyWhenThePlayerIsFarAway) {
  const int d = w().DXScreen->GetClipRect().Right - 200;
  const struct {
    int enemyX, facing, playerX, after;
  } cases[] = {
      {250, 8, 250 - d - 1, 24}, {250, 8, 250 - d, 8},  // behind it on the left
      {10, 24, 10 + d + 1, 8},   {10, 24, 10 + d, 24},  // behind it on the right
      {250, 24, 0, 24},          {10, 8, 300, 8},       // already facing him
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("enemy at " + std::to_string(c.enemyX) + " player at " + std::to_string(c.playerX));
    clearStage();
    const int enemy = add(Turvo110, c.enemyX, 40, c.facing);
    placePlayer(c.playerX, 150);
    contact(enemy);
    EXPECT_EQ(sprite(enemy).Direction, c.after);
  }
}

// Kind 232 flying by its move mode, far from the player.
class WingedTurtle : public RingLevel {
 protected:
  int addTurtle(int mode, int x, int y, int direction, double speed) {
    const int t = addMoving(Turvog2, x, y, direction, speed);
    sprite(t).Param3 = mode;
    sprite(t).StartPos = MakeLong(100 + w().CameraX, 100 + w().CameraY);
    placePlayer(0, 200);
    return t;
  }
};

TEST_F(WingedTurtle, FlyingAcrossItSlowsPastFiftyPixelsAndTurnsBelowATenth) {
  const struct {
    int x, direction;
    double speed, after;
    int directionAfter;
  } cases[] = {
      {151, 8, 1.0, 0.98, 8},  {150, 8, 1.0, 1.0, 8},    // right of its start, facing right
      {49, 8, 1.0, 1.02, 8},   {49, 24, 1.0, 0.98, 24},  // left of its start
      {151, 24, 1.0, 1.02, 24},
      {100, 8, 0.05, 0.05, 24},                         // too slow: it turns
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("x " + std::to_string(c.x) + " facing " + std::to_string(c.direction));
    clearStage();
    const int t = addTurtle(2, c.x, 100, c.direction, c.speed);
    contact(t);
    EXPECT_NEAR(sprite(t).GetSpeed(), c.after, 0.0001);
    EXPECT_EQ(sprite(t).Direction, c.directionAfter);
  }
}

TEST_F(WingedTurtle, FlyingAcrossItBobsUpAndDownOnceEveryTwentyThreeMoves) {
  const int t = addTurtle(2, 100, 100, 8, 1.0);
  std::string path;
  for (int move = 0; move < 23; ++move) {
    const int y = sprite(t).GetY();
    contact(t);
    path += sprite(t).GetY() < y ? 'u' : sprite(t).GetY() > y ? 'd' : '-';
  }
  EXPECT_EQ(path, "u-u---d-d--u-u---d-d---");
  EXPECT_EQ(sprite(t).GetY(), 100);
  EXPECT_EQ(sprite(t).State, 0) << "the counter starts again";
}

TEST_F(WingedTurtle, FlyingUpAndDownItSwingsAboutItsStart) {
  const struct {
    int y, direction;
    double after;
    int directionAfter;
  } cases[] = {
      {151, 0, 1.02, 0}, {49, 0, 0.98, 0}, {100, 0, 1.0, 0}, {100, 16, 1.0, 0},  // facing down it turns up
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("y " + std::to_string(c.y) + " facing " + std::to_string(c.direction));
    clearStage();
    const int t = addTurtle(3, 100, c.y, c.direction, 1.0);
    contact(t);
    EXPECT_NEAR(sprite(t).GetSpeed(), c.after, 0.0001);
    EXPECT_EQ(sprite(t).Direction, c.directionAfter);
  }
}

}  // namespace
