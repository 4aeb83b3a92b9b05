#pragma once
// The main window on a headless window in window mode (32 bits, 320 x 240), its
// program folder a fresh temporary folder, a fake clock, and an audio that
// records what the title and the map play.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_state.h"
#include "game/Map/world_map.h"
#include "game/Splash/screen_services.h"
#include "game/Splash/title_screen.h"
#include "game/frmMain/frmMain.h"
#include "platform/app/application.h"
#include "platform/app/form.h"
#include "platform/core/clock.h"
#include "platform/core/keys.h"
#include "platform/core/paths.h"
#include "platform/core/random.h"

namespace fs = std::filesystem;

class RecordingAudio : public TScreenAudio {
 public:
  void PlaySound(int effect) override { sounds.push_back(effect); }
  void PlayCoinSound() override { sounds.push_back(-1); }
  void PlayBrickSound() override { sounds.push_back(-3); }
  void OpenMusic(const std::string& file, int tag) override {
    TScreenAudio::OpenMusic(file, tag);
    opened.push_back(file);
  }
  void PlayMusic() override {
    TScreenAudio::PlayMusic();
    ++plays;
  }
  void StopMusic() override {
    TScreenAudio::StopMusic();
    ++stops;
  }
  std::vector<int> sounds;
  std::vector<std::string> opened;
  int plays = 0, stops = 0;
};

class ShellFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes a file of the program folder (path with '/').
  void writeFile(const std::string& relative, const std::string& bytes);
  // An 8-bit picture of one colour.
  void writePicture(const std::string& relative, int width, int height);
  // An image library of count solid size x size images.
  void writeImageLibrary(const std::string& relative, int count, int size);
  // A world file: [Options] lines then [Sprites] lines.
  void writeWorld(const std::string& relative, const std::string& options, const std::vector<std::string>& sprites);
  // Creates the window and starts its display (the title comes up).
  TfmMain& start();
  // Reads and builds the world file as the map would show it.
  void buildWorld(const std::string& relative);
  TGKSprite& sprite(int i) { return window->DXSprites->Sprites.GetSprite(i); }
  int spriteCount() { return window->DXSprites->Sprites.Count(); }
  void frame() { window->DXScreenFlip(); }
  void press(int vk) { window->FormKeyDown(vk, 0); }

  fs::path folder;
  platform::FakeClock clock{100000};
  std::unique_ptr<platform::ScopedClock> clockScope;
  RecordingAudio audio;
  platform::HeadlessForm form{320, 240};
  std::unique_ptr<TfmMain> window;
};

// One row / column key of a [Sprites] line.
std::string cellKey(int row, int col);
