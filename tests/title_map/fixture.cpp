#include "fixture.h"

#include "components/GKILib/TGKImages.h"
#include "platform/core/bitmap.h"

std::string cellKey(int row, int col) { return std::to_string(row * 65536 + col); }

void ShellFixture::SetUp() {
  platform::application().Reset();
  folder = fs::temp_directory_path() /
           ("title_map_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::remove_all(folder);
  fs::create_directories(folder);
  platform::setProgramFolder(folder.string() + "/");
  clockScope = std::make_unique<platform::ScopedClock>(clock);
  platform::fixRandomSeed(7);
  platform::keyState().clear();
  setScreenAudio(&audio);
  Level = TLevelState{};
  WorldMap = TWorldMapState{};
  Title = TTitleState{};
  TitlePhase = -1;
}

void ShellFixture::TearDown() {
  window.reset();
  setScreenAudio(nullptr);
  platform::unfixRandomSeed();
  clockScope.reset();
  platform::application().Reset();
  fs::remove_all(folder);
}

void ShellFixture::writeFile(const std::string& relative, const std::string& bytes) {
  const fs::path path = folder / relative;
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

void ShellFixture::writePicture(const std::string& relative, int width, int height) {
  platform::Bitmap bmp(width, height, 8);
  bmp.colors[1] = {200, 100, 50};
  std::fill(bmp.pixels.begin(), bmp.pixels.end(), uint8_t(1));
  fs::create_directories((folder / relative).parent_path());
  platform::writeBmp(folder / relative, bmp);
}

void ShellFixture::writeWorld(const std::string& relative, const std::string& options,
                              const std::vector<std::string>& sprites) {
  std::string text = "[Options]\r\n" + options + "[Sprites]\r\n";
  for (const std::string& line : sprites) text += line + "\r\n";
  writeFile(relative, text);
}

TfmMain& ShellFixture::start() {
  writeFile("Hopz.ini", "[Options]\r\nWindowMode=1\r\n");
  writeImageLibrary("sprites/splash.iml", 6, 16);
  writeImageLibrary("sprites/map.iml", 160, 16);
  window = std::make_unique<TfmMain>(form);
  window->FormCreate();
  TGKScreen& s = *window->DXScreen;
  s.WindowMode = true;
  s.DisplayMode = dm640x480x32;
  s.ColorDepth = 32;
  form.activate();
  return *window;
}

void ShellFixture::writeImageLibrary(const std::string& relative, int count, int size) {
  TGKImages images;
  images.Palette[1] = {40, 200, 90, 0};
  for (int i = 0; i < count; ++i)
    images.AddImage(size, size, "i" + std::to_string(i), std::vector<uint8_t>(size_t(size * size), 1));
  fs::create_directories((folder / relative).parent_path());
  std::ofstream out(folder / relative, std::ios::binary);
  images.WriteToStream(out);
}

void ShellFixture::buildWorld(const std::string& relative) {
  WorldMap.WorldFileName = GameShell.ExeDir + relative;
  ReadWorldFile();
  SetMapPlayArea();
  BuildWorldMap();
}
