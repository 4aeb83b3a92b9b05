#include "editor/frmChild/kind_images.h"

namespace {

// Consecutive kinds first..last take images from firstImage on, step apart.
struct TKindRun {
  int first, last, firstImage, step;
};

// Kinds 105 and 106 share an image; 108 and 332 point back into the library.
constexpr TKindRun kLevelRuns[] = {
    {0, 2, 0, 1},       {3, 39, 17, 1},     {40, 41, 56, 1},    {42, 46, 60, 1},    {47, 48, 68, 1},
    {49, 49, 72, 1},    {50, 50, 76, 1},    {51, 54, 79, 1},    {55, 55, 84, 1},    {56, 56, 86, 1},
    {57, 57, 92, 1},    {58, 58, 94, 1},    {59, 59, 98, 1},    {60, 60, 101, 1},   {61, 61, 103, 1},
    {62, 63, 107, 1},   {64, 64, 114, 1},   {65, 94, 116, 1},   {95, 97, 149, 2},   {98, 99, 157, 1},
    {100, 101, 160, 1}, {102, 104, 164, 2}, {105, 105, 171, 1}, {106, 106, 171, 1}, {107, 107, 175, 1},
    {108, 108, 95, 1},  {109, 109, 178, 1}, {110, 110, 182, 1}, {111, 112, 184, 1}, {113, 114, 188, 1},
    {115, 156, 194, 1}, {157, 159, 250, 1}, {160, 162, 263, 3}, {163, 164, 284, 1}, {165, 202, 287, 1},
    {203, 204, 327, 1}, {205, 213, 330, 1}, {214, 221, 342, 2}, {222, 222, 360, 1}, {223, 223, 364, 1},
    {224, 224, 376, 1}, {225, 226, 378, 1}, {227, 231, 382, 1}, {232, 236, 389, 4}, {237, 238, 407, 1},
    {239, 239, 412, 1}, {240, 275, 416, 1}, {276, 277, 455, 1}, {278, 280, 458, 1}, {281, 281, 464, 1},
    {282, 282, 468, 1}, {283, 286, 490, 1}, {287, 287, 495, 1}, {288, 290, 500, 4}, {291, 325, 509, 1},
    {326, 331, 547, 1}, {332, 332, 341, 1}, {333, 333, 577, 1}, {334, 334, 581, 1}, {335, 335, 587, 1},
    {336, 336, 589, 1}, {337, 337, 595, 1}, {338, 338, 600, 1}, {339, 339, 604, 1}, {340, 342, 606, 1},
    {343, 349, 611, 1}, {350, 350, 623, 1}, {351, 351, 631, 1}, {352, 359, 637, 1}, {360, 362, 647, 3},
    {363, 363, 654, 1},
};

constexpr TKindRun kWorldRuns[] = {
    {0, 3, 0, 2},     {4, 32, 7, 1},    {33, 40, 39, 1},  {41, 43, 48, 2},  {44, 46, 53, 1},
    {47, 47, 57, 1},  {48, 53, 62, 1},  {54, 66, 69, 2},  {67, 70, 94, 2},  {71, 71, 103, 1},
    {72, 74, 105, 4}, {75, 75, 116, 1}, {76, 76, 120, 1}, {77, 79, 123, 2}, {80, 83, 130, 1},
    {84, 88, 137, 2}, {89, 96, 146, 1}, {97, 99, 155, 2},
};

template <size_t N>
TKindImageTable buildTable(const TKindRun (&runs)[N]) {
  TKindImageTable table;
  for (const TKindRun& run : runs)
    for (int kind = run.first; kind <= run.last; ++kind) table.push_back(run.firstImage + (kind - run.first) * run.step);
  return table;
}

}  // namespace

TKindImageTable LevelKindImages() { return buildTable(kLevelRuns); }
TKindImageTable WorldKindImages() { return buildTable(kWorldRuns); }

TKindImageTable KindImagesOf(TDocKind kind) {
  switch (kind) {
    case DocLevel: return LevelKindImages();
    case DocWorldMap: return WorldKindImages();
    default: return {};
  }
}
