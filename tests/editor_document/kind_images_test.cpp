#include <gtest/gtest.h>

#include "editor/frmChild/kind_images.h"

namespace {

struct KindCase {
  TDocKind doc;
  int kind;
  int image;
};

// Both ends of the longer runs, the stepped runs and the rows out of sequence.
const KindCase kCases[] = {
    {DocLevel, 0, 0},      {DocLevel, 2, 2},      {DocLevel, 3, 17},     {DocLevel, 39, 53},
    {DocLevel, 96, 151},   {DocLevel, 97, 153},   {DocLevel, 104, 168},  {DocLevel, 105, 171},
    {DocLevel, 106, 171},  {DocLevel, 108, 95},   {DocLevel, 162, 269},  {DocLevel, 202, 324},
    {DocLevel, 221, 356},  {DocLevel, 236, 405},  {DocLevel, 290, 508},  {DocLevel, 325, 543},
    {DocLevel, 332, 341},  {DocLevel, 362, 653},  {DocLevel, 363, 654},  {DocWorldMap, 0, 0},
    {DocWorldMap, 3, 6},   {DocWorldMap, 4, 7},   {DocWorldMap, 32, 35}, {DocWorldMap, 66, 93},
    {DocWorldMap, 74, 113}, {DocWorldMap, 88, 145}, {DocWorldMap, 96, 153}, {DocWorldMap, 99, 159},
};

TEST(KindImages, TablesHaveOneEntryPerKind) {
  EXPECT_EQ(LevelKindImages().size(), 364u);
  EXPECT_EQ(WorldKindImages().size(), 100u);
  EXPECT_TRUE(KindImagesOf(DocGame).empty());
}

TEST(KindImages, FirstImagesByKind) {
  for (const KindCase& c : kCases) {
    const TKindImageTable table = KindImagesOf(c.doc);
    EXPECT_EQ(table.at(size_t(c.kind)), c.image) << "doc " << int(c.doc) << " kind " << c.kind;
  }
}

}  // namespace
