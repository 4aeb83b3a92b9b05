#pragma once
// The hand-built level of the level events, with images for every frame of the
// fishes and pipes too, so that their sprites have the size of a block.
#include "level_fixture.h"

class SizedLevel : public LevelFixture {
 protected:
  void SetUp() override {
    LevelFixture::SetUp();
    addImagesUpTo(700);
  }
};
