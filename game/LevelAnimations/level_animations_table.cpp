// The frame table of the level kinds, transcribed row by row in kind order.
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "game/LevelAnimations/level_animations.h"

namespace {

constexpr uint32_t kAll = 0xFFFFFFFFu;
constexpr uint32_t dir(int d) { return 1u << d; }
constexpr uint32_t dirRange(int first, int last) {
  uint32_t mask = 0;
  for (int d = first; d <= last; ++d) mask |= dir(d);
  return mask;
}

constexpr int A = kDelayAnimSpeed;

using Frames = std::initializer_list<uint16_t>;

// The frames of a fire jet: a, b to grow, then c, d `times` over, then b, a.
std::vector<uint16_t> flameRun(uint16_t a, uint16_t b, uint16_t c, uint16_t d, int times) {
  std::vector<uint16_t> frames{a, b};
  for (int i = 0; i < times; ++i) {
    frames.push_back(c);
    frames.push_back(d);
  }
  frames.push_back(b);
  frames.push_back(a);
  return frames;
}

class TableBuilder {
 public:
  std::vector<LevelAnimation> rows;

  // One list for all 32 directions.
  void all(int kind, const char* name, bool looping, int delay, Frames frames) {
    dirs(kind, name, looping, delay, {{kAll, std::vector<uint16_t>(frames)}});
  }
  // Lists for single directions only.
  void dirs(int kind, const char* name, bool looping, int delay,
            std::vector<LevelSequence> sequences) {
    if (kind != static_cast<int>(rows.size()))
      throw std::logic_error("level animation table out of order at kind " + std::to_string(kind));
    rows.push_back(LevelAnimation{kind, name, looping, delay, std::move(sequences)});
  }
  // Kinds first..last, one frame each, from image firstImage on.
  void each(int first, int last, const char* name, bool looping, int delay, int firstImage) {
    for (int kind = first; kind <= last; ++kind)
      all(kind, name, looping, delay, {static_cast<uint16_t>(firstImage + kind - first)});
  }
  // Right-facing (8) and left-facing (24) lists.
  void facing(int kind, const char* name, bool looping, int delay, Frames right, Frames left) {
    dirs(kind, name, looping, delay, {{dir(8), right}, {dir(24), left}});
  }
};

std::vector<LevelAnimation> buildTable() {
  TableBuilder t;
  t.facing(0, "PlayerIdle", true, kPlayerIdleDelay, {0}, {1});
  t.facing(1, "PlayerWalk", true, kPlayerMoveDelay, {0, 2, 0, 2}, {1, 3, 1, 3});
  t.facing(2, "PlayerJump", true, kPlayerMoveDelay, {4, 4}, {5, 5});
  t.each(3, 38, "Generic", false, A, 17);
  t.all(39, "Block", true, A, {585, 582, 584, 583, 53});
  t.all(40, "BlockFrag", true, A, {56});
  t.all(41, "Movil", true, A, {57, 58, 59});
  t.all(42, "Stomp", false, A, {60});
  t.all(43, "Metal1", false, A, {61});
  t.all(44, "Metal2", false, A, {62});
  t.all(45, "Block13", true, A, {63});
  t.all(46, "Quest1", true, A, {67, 64, 65, 66});
  t.all(47, "Square1", true, A, {68});
  t.all(48, "Note", true, A, {69, 70, 69, 71});
  t.all(49, "Coin", true, A, {72, 73, 74, 75});
  t.all(50, "Coin2", true, kDelayHalfAnimSpeed, {76, 77, 78, 77});
  t.all(51, "Switch", true, A, {236, 237, 79, 237});
  t.all(52, "Switch2", true, A, {238, 239, 80, 239});
  t.all(53, "Switch3", false, A, {81});
  t.all(54, "Wumpet1", true, 150, {82, 83});
  t.all(55, "BadStar1", true, 150, {84, 85});
  t.facing(56, "BadStar2", true, 150, {88, 89}, {86, 87});
  t.facing(57, "TurvoR", true, 150, {90, 91}, {92, 93});
  t.all(58, "Shellr", true, 150, {94});
  t.all(59, "Door", false, 150, {98});
  t.all(60, "Card", true, 150, {99, 100, 101});
  t.all(61, "Dust", false, 75, {103, 104, 105, 106, 103, 104});
  t.all(62, "Mushroom", true, 150, {107});
  t.all(63, "Lava", true, 150, {108, 109, 110, 111});
  t.facing(64, "Bone1", true, 150, {112, 113}, {114, 115});
  t.all(65, "Bone2", false, 150, {116});
  t.each(66, 93, "Generic", true, A, 117);
  t.dirs(94, "Bomb", true, 150, {{dir(24), {145, 146}}, {dir(8), {147, 148}}});
  t.dirs(95, "Bomb2", true, 150, {{dir(24), {149}}, {dir(8), {150}}});
  t.dirs(96, "Bomb3", true, 37, {{dir(24), {149, 151}}, {dir(8), {150, 152}}});
  t.all(97, "Canyon", true, A, {153, 154, 155, 156});
  t.all(98, "Canyon2", false, A, {157});
  t.all(99, "Canyon3", false, A, {158});
  t.facing(100, "Bullet", true, 150, {159}, {160});
  t.all(101, "Stars", false, 50,
        {161, 162, 163, 161, 162, 163, 161, 162, 163, 161, 162, 163, 161, 162, 163});
  t.dirs(102, "Ghost1", true, 150, {{dirRange(16, 31), {164}}, {dirRange(0, 15), {165}}});
  t.dirs(103, "Ghost2", true, 150, {{dirRange(16, 31), {166}}, {dirRange(0, 15), {167}}});
  t.all(104, "Candle", false, 150, {168});
  t.all(105, "Flame", true, 75, {169, 170});
  t.dirs(106, "Flame2", true, 150, {{dir(24), {171, 172}}, {dir(8), {173, 174}}});
  t.all(107, "Bridge", false, 150, {175});
  t.all(108, "Shellr2", true, 50, {94, 95, 96, 97});
  t.facing(109, "Turvo", true, 150, {176, 177}, {178, 179});
  t.facing(110, "Turvo", true, 150, {180, 181}, {182, 183});
  t.all(111, "Turvo", true, 150, {184});
  t.all(112, "Turvo", true, 50, {184, 185, 186, 187});
  t.all(113, "Turvo", true, 150, {188});
  t.all(114, "Turvo", true, 50, {188, 189, 190, 191});
  t.all(115, "Plant1", true, A, {192, 193, 194, 193});
  t.all(116, "Shadow1", false, A, {195});
  t.all(117, "Shadow2", false, A, {196});
  t.all(118, "Shadow3", false, A, {197});
  t.all(119, "Shadow4", false, A, {198});
  t.all(120, "Shadow5", false, A, {199});
  t.each(121, 156, "Panel", false, A, 200);
  t.all(157, "Stomp3", false, A, {250});
  t.all(158, "Mush2", true, 150, {251});
  t.all(159, "Mush3", true, 150, {252});
  t.all(160, "Glidz", true, A, {263, 264, 265, 264});
  t.all(161, "Moon", false, A, {266});
  t.facing(162, "Leave", true, A, {269}, {270});
  t.all(163, "WumpetF", true, 150, {283, 284});
  t.all(164, "WumpetF2", true, 150, {285, 286});
  t.all(165, "WumpetF3", true, 150, {287});
  t.all(166, "Wumpet2", true, 150, {288});
  t.all(167, "Metal3", false, A, {289});
  t.all(168, "Sculli", false, A, {290});
  t.each(169, 201, "Generic", false, A, 291);
  t.all(202, "Note2", true, 150, {324, 325, 324, 326});
  t.all(203, "RotoB", false, 150, {327});
  t.facing(204, "Mush4", false, 150, {328}, {329});
  t.each(205, 212, "Generic", false, A, 330);
  t.all(213, "Fireball", true, 75, {338, 339, 340, 341});
  for (int kind = 214; kind <= 221; ++kind) {
    const auto first = static_cast<uint16_t>(342 + 2 * (kind - 214));
    t.all(kind, "Plant", true, 150, {first, static_cast<uint16_t>(first + 1)});
  }
  t.dirs(222, "Plant", true, 150,
         {{dir(4), {360, 361}}, {dir(12), {364, 365}}, {dir(20), {362, 363}}, {dir(28), {358, 359}}});
  t.dirs(223, "Plant", true, 150,
         {{dir(4), {368, 369}}, {dir(12), {372, 373}}, {dir(20), {370, 371}}, {dir(28), {366, 367}}});
  t.facing(224, "Sheltg", true, 150, {374, 375}, {376, 377});
  t.all(225, "Sheltg", true, 150, {378});
  t.all(226, "Sheltg", true, 75, {379, 380, 381, 378});
  t.all(227, "Canyon2", false, 150, {382});
  t.all(228, "Canyon3", false, 150, {383});
  t.all(229, "Bullet2", false, 150, {384});
  t.all(230, "Canyon4", false, 150, {385});
  t.all(231, "Canyon5", false, 150, {386});
  t.dirs(232, "Turvog2", true, 150,
         {{dir(1), {387, 388}}, {dir(31), {389, 390}}, {dir(0), {389, 390}},
          {dir(16), {389, 390}}, {dir(8), {387, 388}}, {dir(24), {389, 390}}});
  t.facing(233, "Sheltg2", true, 75, {391, 392}, {393, 394});
  t.facing(234, "Plant11", true, 150, {395, 396}, {397, 398});
  t.dirs(235, "Plant11J", true, 150, {{dir(1), {399, 400}}, {dir(31), {401, 402}}});
  t.facing(236, "Sculli2", true, 150, {403, 404}, {405, 406});
  t.all(237, "Blokk", false, 150, {407});
  t.all(238, "Sand1", true, 150, {408, 409, 410, 411});
  t.all(239, "Sand2", true, 150, {412, 413, 414, 415});
  t.each(240, 242, "Floor", false, A, 416);
  t.all(243, "End1", false, A, {419});
  t.all(244, "End2", false, A, {420});
  t.all(245, "End3", false, A, {421});
  t.each(246, 274, "Back", false, A, 422);
  t.all(275, "RotoB", true, 25, {451, 453, 452, 454, 453, 451, 454, 452});
  t.all(276, "Sculli3", false, 150, {455});
  t.all(277, "FlyingT", true, 150, {456, 457});
  t.each(278, 279, "Water", true, 150, 458);
  t.all(280, "Water", true, A, {460, 461, 462, 463});
  t.all(281, "Water", true, A, {464, 465, 466, 467});
  t.all(282, "Water", true, A, {468, 469, 470, 471});
  t.each(283, 286, "Water", true, 150, 490);
  t.all(287, "Drops", false, 100, {494, 494, 495, 496, 497, 498, 499});
  t.all(288, "Coral1", true, 150, {500, 501, 502, 503});
  t.all(289, "Coral2", true, 150, {504, 505, 506, 507});
  t.each(290, 299, "Generic", false, 150, 508);
  t.each(300, 324, "Ship", false, 150, 518);
  t.all(325, "Fan", true, 30, {543, 544, 545, 546});
  t.each(326, 331, "Ship", false, 150, 547);
  t.all(332, "FBall2", true, 75, {341, 340, 339, 338});
  t.facing(333, "Fish", true, 150, {577, 578}, {579, 580});
  t.all(334, "Flower2", false, 150, {581});
  t.facing(335, "Turvob2", true, 150, {586, 587}, {588, 589});
  t.all(336, "Boom", true, 75, {590, 591, 592, 593});
  t.dirs(337, "Flame2", true, 75, {{dir(0), {594, 595, 596}}, {dir(16), {597, 598, 599}}});
  t.all(338, "Fish2", true, 300, {600, 600, 601});
  t.dirs(339, "Fish3", true, 150, {{dirRange(0, 15), {602, 603}}, {dirRange(16, 31), {604, 605}}});
  t.all(340, "Post", false, 150, {606});
  t.all(341, "CoinW", false, 150, {607});
  t.all(342, "Coral2", true, 150, {608, 609, 608, 610});
  t.each(343, 348, "Ship", false, 150, 611);
  t.facing(349, "Zaddo", true, 300, {617, 618, 618, 618}, {619, 620, 620, 620});
  t.dirs(350, "Flame", false, 60,
         {{dir(8), flameRun(621, 622, 623, 624, 13)}, {dir(24), flameRun(625, 626, 627, 628, 13)}});
  t.dirs(351, "Flame", false, 60,
         {{dir(0), flameRun(629, 630, 631, 632, 13)}, {dir(16), flameRun(633, 634, 635, 636, 13)}});
  t.all(352, "IceSky", true, 150, {637});
  t.each(353, 357, "TQPipe", false, 150, 638);
  t.all(358, "Ship", true, 150, {643});
  t.all(359, "Ship", true, 50, {644, 645, 646});
  t.all(360, "Ship", true, 50, {647, 648, 649});
  t.all(361, "Ship", true, 50, {650, 651, 652});
  t.each(362, 363, "Ship", true, 150, 653);
  if (t.rows.size() != kLevelKindCount) throw std::logic_error("level animation table incomplete");
  return std::move(t.rows);
}

const PlayerModeFrames kPlayerFrames[4] = {
    {{0}, {1}, {0, 2, 0, 2}, {1, 3, 1, 3}, {4, 4}, {5, 5}},
    {{7}, {8}, {7, 9, 11, 9}, {8, 10, 12, 10}, {13, 13}, {14, 14}},
    {{253}, {254}, {253, 255, 257, 255}, {254, 256, 258, 256}, {259, 261}, {260, 262}},
    {{553}, {554}, {553, 555, 557, 555}, {554, 556, 558, 556}, {559, 559}, {560, 560}},
};

}  // namespace

const std::vector<LevelAnimation>& LevelAnimationTable() {
  static const std::vector<LevelAnimation> table = buildTable();
  return table;
}

const LevelAnimation& LevelAnimationOf(int kind) {
  if (kind < 0 || kind >= kLevelKindCount)
    throw std::out_of_range("Level kind out of range (" + std::to_string(kind) + ")");
  return LevelAnimationTable()[static_cast<size_t>(kind)];
}

const PlayerModeFrames& PlayerFramesFor(int playerMode) {
  return kPlayerFrames[playerMode >= 0 && playerMode <= 3 ? playerMode : 0];
}

int LevelAnimation::delay(int animSpeed) const {
  if (delayCode == kDelayAnimSpeed) return animSpeed;
  if (delayCode == kDelayHalfAnimSpeed) return animSpeed / 2;  // div: toward zero
  return delayCode;
}

std::vector<uint16_t> LevelAnimation::allFrames() const {
  std::vector<uint16_t> frames;
  for (const auto& s : sequences) frames.insert(frames.end(), s.frames.begin(), s.frames.end());
  return frames;
}
