#pragma once
// What the sprites and the manager need of the screen, in one place.
#include <cstdint>

#include "components/gkspts/sprite.h"

class TGKScreen;

namespace screen_link {

// The screen's clip rectangle (the bounds of a new sprite).
TGKBounds clipRect(TGKScreen& screen);
// Width and height of an image surface; left unchanged for an index the screen
// has no surface for.
void imageSize(TGKScreen& screen, int index, int32_t& width, int32_t& height);
bool keyDown(TGKScreen& screen, uint16_t vk);
void setKeys(TGKScreen& screen, uint16_t left, uint16_t right, uint16_t up, uint16_t down,
             uint16_t fire1, uint16_t fire2);
// Image surface `index` onto the back buffer at (x, y), colour-keyed and clipped.
void drawImage(TGKScreen& screen, int index, int x, int y);

}  // namespace screen_link
