#pragma once
// The 100 world-map kinds: their animations and the kind sets that map building
// and map play test.
#include <array>
#include <cstdint>

class TGKAnimations;

constexpr int WorldKindCount = 100;

enum TWorldKind : int {
  wkPlayerS = 0, wkPlayerL = 1, wkPlayerW = 2, wkStart = 3, wkLevel1a = 4,
  wkLineh1 = 22, wkLinehv2 = 27, wkCastle1 = 30, wkPipe = 31, wkSand = 32,
  wkStars = 42, wkLock = 43, wkCastle2 = 45, wkHelp = 48,
  wkM1 = 66, wkM2 = 67, wkM3 = 68, wkCastle3 = 69, wkDust = 70, wkM4 = 77, wkM5 = 78,
  wkBrid2 = 81, wkBrid3 = 82, wkPlayerF = 83, wkHammer = 84,
};

// Sprite indexes of a built map.
constexpr int MapPlayerSprite = 0;
constexpr int MapFirstStar = 1, MapStarCount = 8;
constexpr int MapFirstDust = 9, MapDustCount = 4;
constexpr int MapStartNode = 13;  // the Start node, the first of the nodes

// A set of kinds 0..99 as a lookup table.
using TWorldKindSet = std::array<bool, WorldKindCount>;
bool inSet(const TWorldKindSet& set, int kind);

extern const TWorldKindSet PathKinds;        // 22-27
extern const TWorldKindSet WonLooks1;        // become M3 when just won, else M1
extern const TWorldKindSet WonLooks2;        // become M5 when just won, else M2
extern const TWorldKindSet WonLooks3;        // become M4
extern const TWorldKindSet WalkTargets;      // a step may end on these
extern const TWorldKindSet BlockingNodes;    // left only back the way the player came
extern const TWorldKindSet StopPoints;       // a walking player stops on these
extern const TWorldKindSet EnemyPaths;       // a wandering enemy walks to or is met on these

// Clears the animations and defines the 100 world animations; AnimSpeed is the
// base delay of the slow ones.
void DefineWorldAnimations(TGKAnimations& animations, int AnimSpeed);
// The card images of a map.
constexpr std::array<int, 3> WorldCardImages{59, 60, 61};
