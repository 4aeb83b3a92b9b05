#include "game/Map/world_kinds.h"

#include <initializer_list>
#include <utility>
#include <vector>

#include "components/gkspts/animations.h"

namespace {

// Kinds given singly or as inclusive ranges {first, last}.
TWorldKindSet makeSet(std::initializer_list<std::pair<int, int>> ranges) {
  TWorldKindSet set{};
  for (auto [first, last] : ranges)
    for (int k = first; k <= last; ++k) set[size_t(k)] = true;
  return set;
}

struct TKindAnimation {
  const char* name;
  bool looping;
  int delay;
  std::vector<uint16_t> frames;
};

}  // namespace

bool inSet(const TWorldKindSet& set, int kind) { return kind >= 0 && kind < WorldKindCount && set[size_t(kind)]; }

const TWorldKindSet PathKinds = makeSet({{22, 27}});
const TWorldKindSet WonLooks1 = makeSet({{4, 4}, {6, 6}, {8, 8}, {10, 10}, {12, 12}, {14, 14}, {16, 16}, {18, 18}, {20, 20}, {79, 79}});
const TWorldKindSet WonLooks2 = makeSet({{5, 5}, {7, 7}, {9, 9}, {11, 11}, {13, 13}, {15, 15}, {17, 17}, {19, 19}, {21, 21}, {31, 32}});
const TWorldKindSet WonLooks3 = makeSet({{28, 29}, {31, 32}, {46, 46}, {82, 82}, {96, 99}});
const TWorldKindSet WalkTargets = makeSet({{22, 33}, {44, 44}, {66, 69}, {81, 81}, {86, 86}, {88, 90}, {96, 98}});
const TWorldKindSet BlockingNodes = makeSet({{4, 21}, {30, 30}, {32, 33}, {45, 46}, {79, 79}, {82, 82}, {96, 99}});
const TWorldKindSet StopPoints = makeSet({{3, 21}, {23, 23}, {25, 37}, {45, 46}, {66, 69}, {77, 80}, {82, 82}, {96, 99}});
const TWorldKindSet EnemyPaths = makeSet({{23, 23}, {25, 27}});

void DefineWorldAnimations(TGKAnimations& animations, int AnimSpeed) {
  const int as = AnimSpeed, as2 = 2 * AnimSpeed;
  const char* const names[WorldKindCount] = {
      "PlayerS", "PlayerL", "PlayerW", "Start", "Level1a", "Level1b", "Level2a", "Level2b", "Level3a", "Level3b",
      "Level4a", "Level4b", "Level5a", "Level5b", "Level6a", "Level6b", "Level7a", "Level7b", "Level8a", "Level8b",
      "Level9a", "Level9b", "Lineh1", "Lineh2", "Linev1", "Linev2", "Linehv1", "Linehv2", "Mush", "Game",
      "Castle1", "Pipe", "Sand", "Tower", "Lake1", "Lake2", "Lake3", "Lake4", "Lake5", "Lake6",
      "Stone", "Plant", "Stars", "Lock", "Bridge1", "Castle2", "Piramid", "Palm", "Help", "Sand2",
      "Lake7", "Lake8", "Lake9", "River1", "River2", "River3", "River4", "River5", "River6", "River7",
      "Water", "River8", "River9", "River10", "River11", "River12", "M1", "M2", "M3", "Castle3",
      "Dust", "Dock", "Ice", "Flower", "Plant2", "Fire", "Skull", "M4", "M5", "TLevel",
      "Mush2", "Brid2", "Brid3", "PlayerF", "Hammer", "River13", "Linev3", "River14", "Generic", "Generic",
      "Generic", "Generic", "Generic", "Generic", "Generic", "Generic", "Tank", "Ship", "Table", "Dravok"};

  auto once = [](int k) { return k == 68 || k == 70 || k == 78 || (k >= 80 && k <= 82) || (k >= 88 && k <= 95) || k == 99; };
  auto u = [](int v) { return uint16_t(v); };

  animations.Clear();
  for (int k = 0; k < WorldKindCount; ++k) {
    TGKAnimation& a = animations.GetAnimation(animations.Add(names[k], !once(k)));
    int delay = 150;
    std::vector<uint16_t> frames;
    if (k <= 2) frames = {u(2 * k), u(2 * k + 1)};
    else if (k <= 31) frames = {u(k + 3)};
    else if (k == 32) frames = {35, 36, 37, 38}, delay = 600;
    else if (k <= 40) frames = {u(k + 6)}, delay = as;
    else if (k == 41) frames = {47, 48, 49, 48}, delay = as2;
    else if (k == 42) frames = {50, 51};
    else if (k <= 46) frames = {u(k + 9)};
    else if (k == 47) frames = {58, 56, 57, 56}, delay = as2;
    else if (k <= 52) frames = {u(k + 14)}, delay = as;
    else if (k <= 60) frames = {u(2 * k - 39), u(2 * k - 38)}, delay = as2;
    else if (k <= 65) frames = {u(2 * k - 38), u(2 * k - 39)}, delay = as2;
    else if (k == 66) frames = {93};
    else if (k == 67) frames = {94};
    else if (k == 68) frames = {97, 97, 95, 96, 95, 93}, delay = 75;
    else if (k == 69) frames = {98};
    else if (k == 70) frames = {99, 100, 101, 102, 99, 100}, delay = 75;
    else if (k == 71) frames = {103};
    else if (k <= 76) {
      static const uint16_t table[5][4] = {
          {104, 105, 106, 107}, {108, 109, 110, 111}, {112, 113, 113, 114}, {115, 116, 117, 118}, {119, 120, 121, 120}};
      frames.assign(std::begin(table[k - 72]), std::end(table[k - 72]));
      delay = as2;
    } else if (k == 77) frames = {122};
    else if (k == 78) frames = {125, 125, 123, 124, 123, 94}, delay = 75;
    else if (k == 79) frames = {126, 127, 128, 129}, delay = 300;
    else if (k <= 82) frames = {u(k + 50)};
    else if (k == 83) frames = {133, 134};
    else if (k == 84) {
      for (int d : {0, 8}) a.DefineSequence(d, 150, {135, 136});
      for (int d : {16, 24}) a.DefineSequence(d, 150, {137, 138});
      continue;
    } else if (k <= 87) frames = {u(2 * k - 31), u(2 * k - 30)}, delay = as2;
    else if (k <= 95) frames = {u(k + 57)};
    else if (k <= 98) frames = {u(2 * k - 39), u(2 * k - 38)}, delay = as2;
    else frames = {159}, delay = as;
    a.DefineAllSequences(delay, frames);
  }
}
