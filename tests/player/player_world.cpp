#include "player_world.h"

#include <unistd.h>

#include "game/frmMain/pending_screens.h"
#include "platform/app/application.h"
#include "platform/core/keys.h"
#include "platform/core/paths.h"
#include "game/Game/sprite_moved.h"

namespace fs = std::filesystem;

std::vector<std::string> EffectCalls;

// The screens and main-window helpers that these tests do not reach. Weak, so
// that a module defining one for real takes its place.
#define STANDIN __attribute__((weak))
STANDIN int TitlePhase = -1;
STANDIN TWorldMapState WorldMap;
STANDIN void LoadTitleResources() {}
STANDIN void StartTitleScreen() {}
STANDIN void ReturnToTitle() {}
STANDIN void TitleFrame() {}
STANDIN void TitleKeyDown(int) {}
STANDIN void TitleSpriteMoved(TGKSprite&) {}
STANDIN void WorldMapFrame() {}
STANDIN void WorldMapKeyDown(int) {}
STANDIN void WorldMapSpriteMoved(TGKSprite&) {}
STANDIN void LevelFrame() {}
STANDIN void SaveState() {}
STANDIN void FreezeSprites(int) {}
STANDIN void UnfreezeSprites(int) {}
STANDIN void LoadSavedState() {}
STANDIN void TfmMain::BuildTextGlyphs() {}
STANDIN void TfmMain::DrawBitmapText(int, int, const std::string&) {}
STANDIN void TfmMain::DrawStatusBar() {}
STANDIN void TfmMain::ScrollView() {}
void TfmMain::ToggleSecretCode() { EffectCalls.push_back("secret code"); }
void TfmMain::ShowDust(int x, int y) { EffectCalls.push_back("dust " + std::to_string(x) + "," + std::to_string(y)); }
void TfmMain::ShowDrops(int x, int y) { EffectCalls.push_back("drops " + std::to_string(x) + "," + std::to_string(y)); }
void TfmMain::SetPlayerMode(int mode, bool) {
  GameShell.PlayerMode = mode;
  EffectCalls.push_back("mode " + std::to_string(mode));
}

PlayerWorld::PlayerWorld() {
  clockScope = std::make_unique<platform::ScopedClock>(clock);
  platform::application().Reset();
  platform::keyState().clear();
  folder = fs::temp_directory_path() / ("player_" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  platform::setProgramFolder(folder.string() + "/");
  Level = TLevelState{};
  EffectCalls.clear();
  window = std::make_unique<TfmMain>(form);
  window->FormCreate();
  screen().WindowMode = true;
  screen().DisplayMode = dm640x480x32;
  form.activate();
  GameShell.PlaySound = false;
  mgr().ScreenState = ssLevel;
  mgr().Sprites.Clear();
  mgr().Animations.Clear();
  for (int k = 0; k < 364; ++k) mgr().Animations.Add("kind " + std::to_string(k), true);
  const int index = mgr().Sprites.AddJumper(0, 0, 0, 8, 0, 0);
  Level.Player = static_cast<TGKJumper*>(&mgr().Sprites.GetSprite(index));
  placePlayer(0, 0, 16, 16);
  player().SetGravity(0.5);
  player().SetMaxFall(7);
  player().SetMaxSpeed(2);
}

PlayerWorld::~PlayerWorld() {
  Level.Player = nullptr;
  window.reset();
  platform::application().Reset();
  platform::keyState().clear();
  fs::remove_all(folder);
}

int PlayerWorld::image(int w, int h, const std::vector<std::string>& mask) {
  auto s = TGKSurface::CreateOffscreen(*screen().DirectDraw, w, h, 8);
  s->Erase(mask.empty() ? 1 : 0);
  if (!mask.empty()) {
    uint8_t* bits = s->Lock();
    for (int y = 0; y < h && y < static_cast<int>(mask.size()); ++y)
      for (int x = 0; x < w && x < static_cast<int>(mask[static_cast<size_t>(y)].size()); ++x)
        if (mask[static_cast<size_t>(y)][static_cast<size_t>(x)] == '#') bits[y * s->Pitch + x] = 1;
    s->Unlock();
  }
  s->SetColorKey(0);
  screen().ImageSurfaces.push_back(std::move(s));
  screen().ImageCount = static_cast<int>(screen().ImageSurfaces.size());
  return screen().ImageCount - 1;
}

TGKSprite& PlayerWorld::sprite(int kind, int x, int y, int w, int h, const std::vector<std::string>& mask) {
  const int img = image(w, h, mask);
  mgr().Animations.GetAnimation(kind).DefineAllSequences(100, {static_cast<uint16_t>(img)});
  TGKSprite& s = mgr().Sprites.GetSprite(mgr().Sprites.AddBouncer(0, x, y, 8, 0, kind));
  s.SetDirection(8);
  s.Width = w;
  s.Height = h;
  s.SetEdgeActions(0);
  s.StartPos = MakeLong(x, y);
  return s;
}

int PlayerWorld::indexOf(const TGKSprite& s) const {
  for (int i = 0; i < window->DXSprites->Sprites.Count(); ++i)
    if (&window->DXSprites->Sprites.GetSprite(i) == &s) return i;
  return -1;
}

void PlayerWorld::placePlayer(int x, int y, int w, int h, int dir) {
  TGKJumper& p = player();
  const int img = image(w, h);
  for (int a = 0; a < 3; ++a) mgr().Animations.GetAnimation(a).DefineAllSequences(100, {static_cast<uint16_t>(img)});
  p.SetDirection(dir);
  p.SetX(x);
  p.SetY(y);
  p.Width = w;
  p.Height = h;
}

void PlayerWorld::addPools() {
  while (mgr().Sprites.Count() < FirstObjectSprite) {
    TGKSprite& s = sprite(61, 0, 0, 8, 8);
    s.Disable();
    s.Hide();
  }
}

void PlayerWorld::press(int vk) { platform::keyState().keyDown(vk); }
void PlayerWorld::release(int vk) { platform::keyState().keyUp(vk); }
