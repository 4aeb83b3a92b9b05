// The default game from the title through the map into level 1-1 and out, where
// the state one screen leaves behind is read by the next: the card faces of the
// level's end after the map has set its own.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "default_game_play.h"
#include "game/Game/level_events.h"

namespace {

struct CardCase {
  const char* name;
  std::array<int, 3> cards;
  int lives;  // the bonus
};

class CardBonusAfterTheMap : public DefaultGamePlay, public ::testing::WithParamInterface<CardCase> {};

// Three cards taken when the level ends give the lives of their face.
TEST_P(CardBonusAfterTheMap, ThreeCardsGiveTheLivesOfTheirFace) {
  const CardCase& c = GetParam();
  openTheGame();
  enterTheFirstLevel();
  if (HasFatalFailure()) return;
  main().Cards = c.cards;
  main().NextCardSlot = 0;
  const int lives = Level.Lives;
  StartLevelEnd();  // as the end card does
  ASSERT_TRUE(framesUntil([&] { return mapReady(); }));
  EXPECT_EQ(Level.Lives, lives + c.lives);
  EXPECT_EQ(main().CardBonusLives, c.lives);
  EXPECT_EQ(main().Cards, (std::array<int, 3>{0, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(Faces, CardBonusAfterTheMap,
                         ::testing::Values(CardCase{"first", {99, 99, 99}, 2}, CardCase{"second", {100, 100, 100}, 3},
                                           CardCase{"third", {101, 101, 101}, 5},
                                           CardCase{"mixed", {99, 100, 101}, 1}),
                         [](const ::testing::TestParamInfo<CardCase>& info) { return std::string(info.param.name); });

class DefaultGameFromTheTitle : public DefaultGamePlay {};

// Level 1-1 entered from the map and won with its key script: the card it ends
// on, the third of a kind, gives the lives of its face, and the map shows the
// node won.
TEST_F(DefaultGameFromTheTitle, TheFirstLevelIsWonWithTheCardBonusOfItsFace) {
  openTheGame();
  enterTheFirstLevel();
  if (HasFatalFailure()) return;
  const int node = WorldMap.EnteredNode;
  const std::vector<TKeyEvent> script = KeyScriptFrom("1-1.keys", run->Frame());
  const int lives = Level.Lives;
  for (int i = 0; i < 600 && !Level.LevelEnded; ++i) {
    run->RunFrame(script);
    ASSERT_FALSE(Level.PlayerDying) << "frame " << i;
  }
  ASSERT_TRUE(Level.LevelEnded);
  const int face = Level.EndCard;
  ASSERT_EQ(main().Cards, (std::array<int, 3>{face, 0, 0}));
  const std::array<int, 3> faces{99, 100, 101}, bonus{2, 3, 5};
  size_t f = 0;
  while (f < faces.size() && faces[f] != face) ++f;
  ASSERT_LT(f, faces.size()) << "the end card shows " << face;
  // Two earlier levels ended on the same face.
  main().Cards = {face, face, face};
  main().NextCardSlot = 0;
  ASSERT_TRUE(framesUntil([&] { return mapReady(); }));
  EXPECT_EQ(Level.Lives, lives + bonus[f]);
  EXPECT_NE(std::find(main().EndedNodes.begin(), main().EndedNodes.end(), std::to_string(node)),
            main().EndedNodes.end());
}

}  // namespace
