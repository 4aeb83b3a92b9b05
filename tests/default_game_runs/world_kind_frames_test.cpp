// The world map's animations as the game defines them, against the staged map
// library: every frame of every world kind is an image of it, one size a kind.
#include <gtest/gtest.h>

#include <string>

#include "components/GKILib/TGKImages.h"
#include "components/gkspts/animations.h"
#include "game/Map/world_kinds.h"

namespace {

TEST(WorldKindFrames, EveryFrameIsAnImageOfTheStagedMapLibraryOfItsKindsSize) {
  TGKImages library;
  library.LoadFromFile(std::string(TQ_STAGE_DIR) + "/sprites/map.iml");
  TGKAnimations animations;
  DefineWorldAnimations(animations, 200);
  ASSERT_EQ(animations.Count(), WorldKindCount);
  for (int kind = 0; kind < WorldKindCount; ++kind) {
    SCOPED_TRACE("world kind " + std::to_string(kind));
    int width = -1, height = -1, frames = 0;
    for (int direction = 0; direction < 32; ++direction) {
      const TGKSequence* s = animations.GetAnimation(kind).Sequence(direction);
      if (!s) continue;
      for (int i = 0; i < s->Count; ++i, ++frames) {
        const int frame = s->Frames[size_t(i)];
        ASSERT_GE(frame, 0);
        ASSERT_LT(frame, library.GetCount());
        const TGKImageEntry& image = library.GetImageHeader(frame);
        if (width < 0) width = image.Width, height = image.Height;
        EXPECT_EQ(image.Width, width) << "frame " << frame;
        EXPECT_EQ(image.Height, height) << "frame " << frame;
      }
    }
    EXPECT_GT(frames, 0);
  }
}

}  // namespace
