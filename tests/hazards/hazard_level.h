#pragma once
// The hand-built level of the level-event tests, with plain 16 x 16 images for
// every frame of the level animations: flames, corals and the lava's flame show
// images past the first 600.
#include <memory>

#include "components/ZEZ/TGKSurface.h"
#include "tests/level_events/level_fixture.h"

class HazardLevel : public LevelFixture {
 protected:
  static constexpr int ImageCount = 700;

  void SetUp() override {
    LevelFixture::SetUp();
    TGKScreen& screen = *w().DXScreen;
    while (static_cast<int>(screen.ImageSurfaces.size()) < ImageCount) {
      auto s = TGKSurface::CreateOffscreen(*screen.DirectDraw, 16, 16, 8);
      s->Erase(1);
      s->SetColorKey(0);
      screen.ImageSurfaces.push_back(std::move(s));
    }
    screen.ImageCount = ImageCount;
  }
};
