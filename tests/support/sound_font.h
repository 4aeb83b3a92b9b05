#pragma once
// The SoundFont the music tests sound with: scripts/setup installs it (the
// package timgm6mb-soundfont), so where it is missing the tests that need it
// fail rather than pass unheard. A machine set up without it says so with
// TQ_NO_SOUNDFONT=1, and they are skipped there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/fluidsynth/fluid_music_device.h"

inline bool soundFontExcused() {
  const char* excuse = std::getenv("TQ_NO_SOUNDFONT");
  return excuse && *excuse && std::string(excuse) != "0";
}

// Whether the SoundFont is there; a failure of the test when it is not and the
// run is not excused from it.
inline bool soundFontPresent() {
  if (std::filesystem::exists(platform::kDefaultSoundFont)) return true;
  if (!soundFontExcused())
    ADD_FAILURE() << "no SoundFont at " << platform::kDefaultSoundFont
                  << ": scripts/setup installs it (timgm6mb-soundfont); TQ_NO_SOUNDFONT=1 runs without it";
  return false;
}

// Ends the test without the SoundFont: failed, or skipped where the run is excused.
#define TQ_REQUIRE_SOUNDFONT()                                                                 \
  do {                                                                                         \
    if (!soundFontPresent()) GTEST_SKIP() << "no SoundFont at " << platform::kDefaultSoundFont; \
  } while (false)
