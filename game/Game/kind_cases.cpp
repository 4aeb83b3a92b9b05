#include "game/Game/kind_cases.h"

#include <initializer_list>
#include <stdexcept>
#include <string>

#include "game/Game/kind_sets.h"

namespace {

struct TCaseKinds {
  int caseNumber;
  std::initializer_list<TKindSet::Range> kinds;
};

// Which kinds each case handles; every other kind goes to the solid rule.
const TCaseKinds CaseKindList[] = {
    {1, {{16, 25}}},
    {2, {{26, 35}, 330}},
    {3, {39}},
    {4, {40}},
    {5, {41}},
    {6, {46}},
    {7, {47}},
    {8, {48}},
    {9, {202}},
    {10, {49, 341}},
    {11, {50}},
    {12, {51}},
    {13, {52}},
    {14, {{54, 56}}},
    {15, {163, 164}},
    {16, {165, 166}},
    {17, {57, 109, 110, 224}},
    {18, {232}},
    {19, {58, 108, {111, 114}, 225, 226}},
    {20, {59, 184, 186}},
    {21, {185}},
    {22, {60}},
    {23, {62, 158, 159, 334}},
    {24, {64}},
    {25, {66, 180}},
    {26, {63, 201, 168, 276, 342, 350, 351}},
    {27, {73}},
    {28, {75, 199}},
    {29, {94}},
    {30, {95}},
    {31, {96}},
    {32, {101}},
    {33, {97, 331}},
    {34, {100}},
    {35, {102, 103}},
    {36, {105, 106}},
    {37, {115, 213, 236}},
    {38, {160}},
    {39, {161}},
    {40, {162}},
    {41, {204, 349}},
    {42, {214, 216, 218, 220, 222, 223}},
    {43, {215, 217, 219, 221}},
    {44, {227, 228, 230, 231}},
    {45, {229, 363}},
    {46, {233}},
    {47, {234}},
    {48, {235}},
    {49, {237}},
    {50, {238, 239}},
    {51, {203}},
    {52, {275}},
    {53, {277}},
    {54, {{278, 285}}},
    {55, {286}},
    {56, {332}},
    {57, {333}},
    {58, {67, 198, 205, 206}},
    {59, {335}},
    {60, {336}},
    {61, {337}},
    {62, {338}},
    {63, {339}},
    {64, {343, 344}},
    {65, {355}},
};

std::array<unsigned char, LevelKindCount> BuildCaseNumbers() {
  std::array<unsigned char, LevelKindCount> numbers{};
  for (const TCaseKinds& c : CaseKindList)
    for (const TKindSet::Range& r : c.kinds)
      for (int k = r.first; k <= r.last; ++k) numbers[static_cast<size_t>(k)] = static_cast<unsigned char>(c.caseNumber);
  return numbers;
}

}  // namespace

int KindCaseNumber(int kind) {
  static const std::array<unsigned char, LevelKindCount> numbers = BuildCaseNumbers();
  if (kind < 16 || kind >= LevelKindCount) return SolidCase;
  return numbers[static_cast<size_t>(kind)];
}

void TKindCaseTable::Set(int caseNumber, TKindCase fn) {
  if (caseNumber < 1 || caseNumber >= KindCaseCount)
    throw std::out_of_range("No kind case " + std::to_string(caseNumber));
  cases_[static_cast<size_t>(caseNumber)] = fn;
}

TKindCase TKindCaseTable::Get(int caseNumber) const {
  if (caseNumber < 0 || caseNumber >= KindCaseCount) return nullptr;
  return cases_[static_cast<size_t>(caseNumber)];
}

const TKindCaseTable& KindCases() {
  static const TKindCaseTable table = [] {
    TKindCaseTable t;
    RegisterPipeCases(t);
    RegisterBlockItemCases(t);
    RegisterStompableCases(t);
    RegisterHazardCases(t);
    RegisterPowerUpCases(t);
    RegisterWaterLateCases(t);
    return t;
  }();
  return table;
}
