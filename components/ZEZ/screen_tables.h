#pragma once
// What the game's screen and the editor's older screen compute alike: the
// palette tables they show, the texts of a failed restore and the copy of an
// image's 8-bit rows into a locked surface.
#include <array>
#include <cstdint>

#include "platform/draw/dd_types.h"

struct TGKImageEntry;
class TGKImages;

using TScreenPalette = std::array<platform::PALETTEENTRY, 256>;

// The start palette: 236 random colours between the ten static colours at
// each end of the system palette.
TScreenPalette StartPalette();
// The library's colours with no flags.
TScreenPalette LibraryPalette(const TGKImages& images);
// Step n of a fade between black and target over steps steps (0 goes straight
// to the end); the flags already in table stay as they are.
void FadeStep(TScreenPalette& table, const TScreenPalette& target, int n, int steps, bool fadingIn);
// The trace text of a restore that failed with hr.
const char* RestoreFailureText(platform::HRESULT hr);
// The image's rows, already in the 8-bit surface format, into surface memory
// whose rows are pitch bytes apart.
void CopyImageRows(const TGKImageEntry& image, uint8_t* bits, int pitch);
