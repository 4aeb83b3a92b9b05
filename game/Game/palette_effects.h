#pragma once
// The palette colour effects of levels and world maps (the [Options] key
// PaletteFX, 1..7) and the palette fades that apply them. The fades act only at
// 8 bits per pixel.
#include <cstdint>

class TGKScreen;

// Entries from this index up hold the background picture's colours.
constexpr int FirstBackgroundPaletteEntry = 130;

// Changes one colour in place by Effect; any Effect outside 1..7 leaves it as it is.
// Index is the colour's palette entry (0..255): the silhouette effect keeps the
// background's entries.
void ApplyPaletteEffect(uint8_t& R, uint8_t& G, uint8_t& B, int Index, int Effect);

// Fades the live palette from black up to the screen's palette (in) or down to
// black (out) in Steps + 1 updates, each with Effect applied; Effect 0 is the
// screen's own fade. The screen's palette array is not changed. Steps below 1
// count as 1. Nothing happens unless the screen runs at 8 bits per pixel.
void FadeInPalette(TGKScreen& screen, int Effect, int Steps);
void FadeOutPalette(TGKScreen& screen, int Effect, int Steps);
