#pragma once
// The contact cases of the player's loop over the other sprites: every level
// kind maps to one of 66 case numbers (data, below), and each case number to the
// function that runs it. Case 0 is the solid rule itself; a case without a
// function behaves as its usual end, the solid rule.
//
// Each group of cases lives in its own file and fills its entries in its
// Register...Cases function, which InstallKindCases calls once:
//   cases_pipes.cpp          1-2    pipes
//   cases_blocks_items.cpp   3-13, 20-23, 25  blocks, items, doors, level end
//   cases_stompable.cpp      14-19, 24  stompable enemies and shells
//   cases_hazards.cpp        26-37  hazards, bombs, cannons, ghosts
//   cases_powerups.cpp       38-49  power-ups, plants, cannonball cannons, crusher
//   cases_water_late.cpp     50-65  water, ships and late kinds
#include <array>

struct TPlayerMove;

// How a case ends.
enum class TCaseEnd {
  Solid,  // continue into the solid rule for the same sprite (the usual end)
  Next,   // straight on to the next sprite
  Leave,  // leave the sprite-moved handler at once (death, level change, pipe)
};

// A case for the other sprite at index i; move holds the per-call flags.
using TKindCase = TCaseEnd (*)(TPlayerMove& move, int i);

constexpr int KindCaseCount = 66;
constexpr int SolidCase = 0;

// The case number of a kind; 0 for kinds without a case and outside 16..363.
int KindCaseNumber(int kind);

class TKindCaseTable {
 public:
  // Throws std::out_of_range for a case number outside 1..65 (0 is the solid rule).
  void Set(int caseNumber, TKindCase fn);
  // nullptr for an empty entry.
  TKindCase Get(int caseNumber) const;

 private:
  std::array<TKindCase, KindCaseCount> cases_{};
};

// The table with every group installed (built on first use).
const TKindCaseTable& KindCases();

void RegisterPipeCases(TKindCaseTable& table);
void RegisterBlockItemCases(TKindCaseTable& table);
void RegisterStompableCases(TKindCaseTable& table);
void RegisterHazardCases(TKindCaseTable& table);
void RegisterPowerUpCases(TKindCaseTable& table);
void RegisterWaterLateCases(TKindCaseTable& table);
