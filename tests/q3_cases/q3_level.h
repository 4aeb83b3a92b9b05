#pragma once
// The hand-built level of the level events, with images for every frame of the
// fishes and pipes too, so that their sprites have the size of a block.
#include "components/ZEZ/TGKSurface.h"
#include "level_fixture.h"

class Q3Level : public LevelFixture {
 protected:
  void SetUp() override {
    LevelFixture::SetUp();
    TGKScreen& screen = *w().DXScreen;
    while (screen.ImageCount < 700) {
      auto s = TGKSurface::CreateOffscreen(*screen.DirectDraw, 16, 16, 8);
      s->Erase(1);
      s->SetColorKey(0);
      screen.ImageSurfaces.push_back(std::move(s));
      screen.ImageCount = static_cast<int>(screen.ImageSurfaces.size());
    }
  }
};
