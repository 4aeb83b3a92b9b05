#include "level_fixture.h"

#include <unistd.h>

#include <fstream>
#include <set>

#include "components/ZEZ/TGKSurface.h"
#include "game/LevelAnimations/level_animations.h"
#include "platform/app/application.h"
#include "platform/core/keys.h"
#include "platform/core/paths.h"

namespace fs = std::filesystem;

namespace {

// Images of the brick fragments are smaller than a block, as in the game.
std::set<int> fragmentImages() {
  std::set<int> images;
  for (uint16_t f : LevelAnimationOf(BlockFrag).allFrames()) images.insert(f);
  return images;
}

constexpr int kImageCount = 600;

}  // namespace

void LevelFixture::SetUp() {
  platform::application().Reset();
  platform::keyState().clear();
  scopedClock_ = std::make_unique<platform::ScopedClock>(clock_);
  folder_ = fs::temp_directory_path() / ("level_events_" + std::to_string(::getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::remove_all(folder_);
  fs::create_directories(folder_);
  platform::setProgramFolder(folder_.string() + "/");
  writeFile("Hopz.ini", "[DirectDraw]\r\nWindowMode=1\r\n");
  Level = TLevelState{};
  WorldMap = TWorldMapState{};
  ResetLevelEvents();

  window_ = std::make_unique<TfmMain>(form_);
  TfmMain& m = *window_;
  m.FormCreate();
  GameShell.PlayMusic = false;  // no music player here
  // The screen starts without the title behind it.
  m.DXScreen->OnInitialize = nullptr;
  form_.activate();
  ASSERT_TRUE(m.DXScreen->BackSurface) << "the screen did not start";
  m.SetScreenState(ssLevel);

  TGKScreen& screen = *m.DXScreen;
  const std::set<int> small = fragmentImages();
  screen.ImageSurfaces.clear();
  for (int i = 0; i < kImageCount; ++i) {
    const int size = small.count(i) ? 8 : 16;
    auto s = TGKSurface::CreateOffscreen(*screen.DirectDraw, size, size, 8);
    s->Erase(1);
    s->SetColorKey(0);
    screen.ImageSurfaces.push_back(std::move(s));
  }
  screen.ImageCount = kImageCount;

  TGKAnimations& animations = m.DXSprites->Animations;
  animations.Clear();
  AddLevelAnimations(animations);
  SetAnimationFrames(animations, Level.Options.AnimSpeed, PlayerSmall);

  TGKSprites& sprites = m.DXSprites->Sprites;
  Level.Player = &static_cast<TGKJumper&>(sprites.GetSprite(sprites.AddJumper(0, 100, 100, 8, 0, PlayerIdle)));
  Level.Player->SetMaxFall(7);
  for (const TEffectPool& pool : EffectPools)
    for (int k = 0; k < pool.count; ++k) {
      TGKSprite& s = sprites.GetSprite(sprites.AddBouncer(0, 0, 0, 0, 8.0, pool.kind));
      s.Hide();
      s.Disable();
    }
  ASSERT_EQ(sprites.Count(), FirstObjectSprite);
  Level.StompCombo = 1;
}

void LevelFixture::TearDown() {
  ResetLevelEvents();
  Level.Player = nullptr;
  window_.reset();
  platform::keyState().clear();
  platform::application().Reset();
  scopedClock_.reset();
  fs::remove_all(folder_);
}

int LevelFixture::add(int kind, int x, int y, int direction, double speed) {
  return w().DXSprites->Sprites.AddBouncer(0, x, y, direction, speed, kind);
}

TCaseEnd LevelFixture::contact(int i) {
  TPlayerMove move{player()};
  const TKindCase run = KindCases().Get(KindCaseNumber(sprite(i).Animation));
  return run ? run(move, i) : TCaseEnd::Solid;
}

void LevelFixture::addImagesUpTo(int count) {
  TGKScreen& screen = *w().DXScreen;
  while (screen.ImageCount < count) {
    auto s = TGKSurface::CreateOffscreen(*screen.DirectDraw, 16, 16, 8);
    s->Erase(1);
    s->SetColorKey(0);
    screen.ImageSurfaces.push_back(std::move(s));
    screen.ImageCount = static_cast<int>(screen.ImageSurfaces.size());
  }
}

void LevelFixture::hold(uint16_t key) { platform::keyState().keyDown(key); }
void LevelFixture::release(uint16_t key) { platform::keyState().keyUp(key); }

void LevelFixture::writeFile(const std::string& name, const std::string& text) {
  const fs::path path = folder_ / name;
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}
