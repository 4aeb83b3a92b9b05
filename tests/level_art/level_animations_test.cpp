// The level animation table against the kinds, names, looping flags, frame
// lists and delays that levels depend on, and its pouring into TGKAnimations.
#include <gtest/gtest.h>

#include <set>

#include "components/gkspts/animations.h"
#include "game/LevelAnimations/level_animations.h"

namespace {

std::vector<int32_t> framesOf(const TGKAnimation& a, int direction) {
  std::vector<int32_t> out;
  for (int i = 0; i < a.GetFrameCount(direction); ++i) out.push_back(a.GetFrame(direction, i));
  return out;
}

TEST(LevelAnimationTable, HasOneRowPerKindInOrder) {
  const auto& table = LevelAnimationTable();
  ASSERT_EQ(table.size(), 364u);
  for (int k = 0; k < kLevelKindCount; ++k) EXPECT_EQ(table[k].kind, k);
  EXPECT_THROW(LevelAnimationOf(364), std::out_of_range);
  EXPECT_THROW(LevelAnimationOf(-1), std::out_of_range);
}

struct RowCase {
  int kind;
  const char* name;
  bool looping;
  int delayAt200;  // the delay with the level's AnimSpeed at 200
  std::vector<uint16_t> frames;  // every frame in table order
};

class LevelAnimationRow : public testing::TestWithParam<RowCase> {};

TEST_P(LevelAnimationRow, FollowsTheKindTable) {
  const RowCase& c = GetParam();
  const LevelAnimation& row = LevelAnimationOf(c.kind);
  EXPECT_EQ(row.name, c.name);
  EXPECT_EQ(row.looping, c.looping);
  EXPECT_EQ(row.delay(200), c.delayAt200);
  EXPECT_EQ(row.allFrames(), c.frames);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, LevelAnimationRow,
    testing::Values(
        RowCase{3, "Generic", false, 200, {17}}, RowCase{38, "Generic", false, 200, {52}},
        RowCase{39, "Block", true, 200, {585, 582, 584, 583, 53}},
        RowCase{50, "Coin2", true, 100, {76, 77, 78, 77}},
        RowCase{61, "Dust", false, 75, {103, 104, 105, 106, 103, 104}},
        RowCase{66, "Generic", true, 200, {117}}, RowCase{93, "Generic", true, 200, {144}},
        RowCase{96, "Bomb3", true, 37, {149, 151, 150, 152}},
        RowCase{101, "Stars", false, 50,
                {161, 162, 163, 161, 162, 163, 161, 162, 163, 161, 162, 163, 161, 162, 163}},
        RowCase{108, "Shellr2", true, 50, {94, 95, 96, 97}},
        RowCase{114, "Turvo", true, 50, {188, 189, 190, 191}},
        RowCase{156, "Panel", false, 200, {235}}, RowCase{161, "Moon", false, 200, {266}},
        RowCase{201, "Generic", false, 200, {323}}, RowCase{212, "Generic", false, 200, {337}},
        RowCase{226, "Sheltg", true, 75, {379, 380, 381, 378}},
        RowCase{275, "RotoB", true, 25, {451, 453, 452, 454, 453, 451, 454, 452}},
        RowCase{279, "Water", true, 150, {459}}, RowCase{282, "Water", true, 200, {468, 469, 470, 471}},
        RowCase{286, "Water", true, 150, {493}},
        RowCase{287, "Drops", false, 100, {494, 494, 495, 496, 497, 498, 499}},
        RowCase{299, "Generic", false, 150, {517}}, RowCase{325, "Fan", true, 30, {543, 544, 545, 546}},
        RowCase{331, "Ship", false, 150, {552}}, RowCase{332, "FBall2", true, 75, {341, 340, 339, 338}},
        RowCase{338, "Fish2", true, 300, {600, 600, 601}}, RowCase{342, "Coral2", true, 150, {608, 609, 608, 610}},
        RowCase{348, "Ship", false, 150, {616}}, RowCase{357, "TQPipe", false, 150, {642}},
        RowCase{361, "Ship", true, 50, {650, 651, 652}}, RowCase{363, "Ship", true, 150, {654}}),
    [](const testing::TestParamInfo<RowCase>& info) { return "kind" + std::to_string(info.param.kind); });

TEST(LevelAnimationTable, RepeatedNamesCoverTheirRuns) {
  struct Run {
    int first, last;
    const char* name;
  };
  for (const Run& r : {Run{3, 38, "Generic"}, Run{66, 93, "Generic"}, Run{121, 156, "Panel"},
                       Run{169, 201, "Generic"}, Run{214, 223, "Plant"}, Run{246, 274, "Back"},
                       Run{300, 324, "Ship"}, Run{353, 357, "TQPipe"}})
    for (int k = r.first; k <= r.last; ++k) EXPECT_EQ(LevelAnimationOf(k).name, r.name) << "kind " << k;
}

TEST(LevelAnimationTable, CoinDelaysFollowTheLevelSpeed) {
  EXPECT_EQ(LevelAnimationOf(Coin).delay(200), 200);
  EXPECT_EQ(LevelAnimationOf(Coin2).delay(200), 100);
  EXPECT_EQ(LevelAnimationOf(Coin2).delay(1), 0);
  EXPECT_EQ(LevelAnimationOf(Coin2).delay(201), 100);
  EXPECT_EQ(LevelAnimationOf(Fish2).delay(1), 300);  // fixed delays ignore the level
}

struct PlayerCase {
  int mode;
  std::vector<int32_t> idle8, walk24, jump8;
};

TEST(SetAnimationFrames, PlayerFramesByModeAndOutOfRangeModesAsSmall) {
  const PlayerCase cases[] = {
      {0, {0}, {1, 3, 1, 3}, {4, 4}},
      {1, {7}, {8, 10, 12, 10}, {13, 13}},
      {2, {253}, {254, 256, 258, 256}, {259, 261}},
      {3, {553}, {554, 556, 558, 556}, {559, 559}},
      {-1, {0}, {1, 3, 1, 3}, {4, 4}},
      {4, {0}, {1, 3, 1, 3}, {4, 4}},
  };
  for (const PlayerCase& c : cases) {
    TGKAnimations anims;
    AddLevelAnimations(anims);
    SetAnimationFrames(anims, 200, c.mode);
    SCOPED_TRACE("mode " + std::to_string(c.mode));
    EXPECT_EQ(framesOf(anims.GetAnimation(PlayerIdle), 8), c.idle8);
    EXPECT_EQ(framesOf(anims.GetAnimation(PlayerWalk), 24), c.walk24);
    EXPECT_EQ(framesOf(anims.GetAnimation(PlayerJump), 8), c.jump8);
    EXPECT_EQ(anims.GetAnimation(PlayerIdle).GetDelay(8), 150);
    EXPECT_EQ(anims.GetAnimation(PlayerWalk).GetDelay(24), 75);
    EXPECT_EQ(anims.GetAnimation(PlayerJump).GetDelay(24), 75);
    // only the two facings are defined
    EXPECT_FALSE(anims.GetAnimation(PlayerIdle).HasSequence(0));
    EXPECT_FALSE(anims.GetAnimation(PlayerWalk).HasSequence(16));
  }
}

TEST(SetAnimationFrames, FillsEveryKindWithNamesFlagsAndDirections) {
  TGKAnimations anims;
  AddLevelAnimations(anims);
  ASSERT_EQ(anims.Count(), 364);
  SetAnimationFrames(anims, 120, 0);
  for (int k = 0; k < kLevelKindCount; ++k) {
    const LevelAnimation& row = LevelAnimationOf(k);
    const TGKAnimation& a = anims.GetAnimation(k);
    EXPECT_EQ(a.Name, row.name);
    EXPECT_EQ(a.Looping, row.looping);
    for (const LevelSequence& s : row.sequences)
      for (int d = 0; d < 32; ++d)
        if (s.directions & (1u << d)) {
          EXPECT_EQ(framesOf(a, d), std::vector<int32_t>(s.frames.begin(), s.frames.end())) << k << "/" << d;
          EXPECT_EQ(a.GetDelay(d), row.delay(120));
        }
  }
  EXPECT_EQ(anims.GetAnimation(Coin).GetDelay(5), 120);
  EXPECT_EQ(anims.GetAnimation(Coin2).GetDelay(5), 60);
}

TEST(SetAnimationFrames, DirectionalKindsDefineOnlyTheirDirections) {
  TGKAnimations anims;
  AddLevelAnimations(anims);
  SetAnimationFrames(anims, 200, 0);
  auto defined = [&](int kind) {
    std::set<int> dirs;
    for (int d = 0; d < 32; ++d)
      if (anims.GetAnimation(kind).HasSequence(d)) dirs.insert(d);
    return dirs;
  };
  EXPECT_EQ(defined(Turvog2), (std::set<int>{0, 1, 8, 16, 24, 31}));
  EXPECT_EQ(defined(Plant222), (std::set<int>{4, 12, 20, 28}));
  EXPECT_EQ(defined(Plant11J), (std::set<int>{1, 31}));
  EXPECT_EQ(defined(Flame351), (std::set<int>{0, 16}));
  // ghosts: one image for 16-31 and another for 0-15, so facing right shows the second
  EXPECT_EQ(framesOf(anims.GetAnimation(Ghost1), 8), std::vector<int32_t>{165});
  EXPECT_EQ(framesOf(anims.GetAnimation(Ghost1), 24), std::vector<int32_t>{164});
  EXPECT_EQ(framesOf(anims.GetAnimation(Ghost2), 16), std::vector<int32_t>{166});
  // the long fire jets: 2 + 13 x 2 + 2 frames
  const auto jet = framesOf(anims.GetAnimation(Flame350), 24);
  ASSERT_EQ(jet.size(), 30u);
  EXPECT_EQ(jet.front(), 625);
  EXPECT_EQ(jet[2], 627);
  EXPECT_EQ(jet[27], 628);
  EXPECT_EQ(jet.back(), 625);
}

TEST(SetKindFrames, RestoresOneKindAfterItWasRedefined) {
  TGKAnimations anims;
  AddLevelAnimations(anims);
  SetAnimationFrames(anims, 200, 0);
  anims.GetAnimation(Block).DefineAllSequences(200, {582});
  SetKindFrames(anims, Block, 200);
  EXPECT_EQ(framesOf(anims.GetAnimation(Block), 3), (std::vector<int32_t>{585, 582, 584, 583, 53}));
}

}  // namespace
