#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "editor/Selectors/selector_model.h"
#include "editor/Selectors/selector_previews.h"
#include "platform/core/paths.h"
#include "platform/music/silent_music_device.h"
#include "platform/sound/sound_mixer.h"

namespace fs = std::filesystem;

namespace {

// A program folder of its own with a few resource folders.
class SelectorFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("e1_selectors_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "bg");
    fs::create_directories(root_ / "sprites");
    fs::create_directories(root_ / "empty");
    saved_ = platform::programFolder();
    platform::setProgramFolder(root_.string() + "/");
  }
  void TearDown() override {
    platform::setProgramFolder(saved_);
    fs::remove_all(root_);
  }
  void touch(const std::string& relative) { std::ofstream(root_ / relative) << "x"; }
  std::string folder() const { return root_.string() + "/"; }

  fs::path root_;
  std::string saved_;
};

std::vector<std::string> captions(const TResourceSelectorModel& m) {
  std::vector<std::string> out;
  for (const auto& item : m.Items()) out.push_back(item.Caption);
  return out;
}

TEST_F(SelectorFolder, ListsMatchingFilesByNameUpToTheFirstPointAndSelectsTheFirst) {
  for (const char* f : {"sky.bmp", "a.b.bmp", "Cave.BMP", "notes.txt"}) touch(std::string("bg/") + f);
  fs::create_directories(root_ / "bg" / "dir.bmp");
  TResourceSelectorModel m("bg\\", "*.bmp", TSelectorPaths::FolderPlusName);
  int changes = 0;
  m.OnSelectionChange = [&](TResourceSelectorModel&) { ++changes; };
  m.Show();
  EXPECT_EQ(captions(m), (std::vector<std::string>{"a", "Cave", "sky"}));
  // The folder is a link found in the program folder; the items are the disk's names.
  EXPECT_EQ(m.Items()[2].Path, (root_ / "bg" / "sky.bmp").string());
  EXPECT_EQ(m.SelectedIndex(), 0);
  EXPECT_EQ(changes, 1);  // only the final selection, not the filling
}

TEST_F(SelectorFolder, EmptyFolderAndNoSelectedFileGiveNothingSelectedAndAcceptRefuses) {
  TResourceSelectorModel m("empty\\", "*.bmp", TSelectorPaths::FolderPlusName);
  m.SelectedFile = "";
  m.Show();
  EXPECT_TRUE(m.Items().empty());
  EXPECT_EQ(m.Selected(), nullptr);
  EXPECT_FALSE(m.Accept());
  EXPECT_EQ(m.SelectedFile, "");
  // A folder that does not exist lists nothing either.
  TResourceSelectorModel missing("nothere\\", "*.bmp", TSelectorPaths::FolderPlusName);
  missing.Show();
  EXPECT_TRUE(missing.Items().empty());
}

TEST_F(SelectorFolder, SelectedFileIsFoundWithoutRegardToCaseOrAddedWhenOutside) {
  touch("sprites/level1.iml");
  touch("sprites/level2.iml");
  touch("outside.iml");
  struct Case {
    std::string selected;
    size_t items;
    std::string caption;
  };
  const std::vector<Case> cases = {
      {folder() + "SPRITES\\Level2.IML", 2, "level2"},  // expanded and found in the folder
      {"sprites\\level1.iml", 2, "level1"},             // relative to the program folder
      {folder() + "outside.iml", 3, "outside"},         // outside: an extra item
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selected);
    TResourceSelectorModel m("sprites\\", "*.iml", TSelectorPaths::Expanded);
    m.SelectedFile = c.selected;
    m.Show();
    ASSERT_EQ(m.Items().size(), c.items);
    ASSERT_NE(m.Selected(), nullptr);
    EXPECT_EQ(m.Selected()->Caption, c.caption);
    EXPECT_TRUE(fs::path(m.Selected()->Path).is_absolute());
    ASSERT_TRUE(m.Accept());
    EXPECT_EQ(m.SelectedFile, m.Selected()->Path);
  }
}

TEST_F(SelectorFolder, BrowsingTheSameFileTwiceAddsItOnce) {
  touch("sprites/level1.iml");
  touch("elsewhere.iml");
  TResourceSelectorModel m("sprites\\", "*.iml", TSelectorPaths::Expanded);
  m.Show();
  m.Browse(folder() + "elsewhere.iml");
  m.Browse(folder() + "ELSEWHERE.iml");
  EXPECT_EQ(captions(m), (std::vector<std::string>{"level1", "elsewhere"}));
  EXPECT_EQ(m.SelectedIndex(), 1);
  m.Browse(folder() + "sprites/level1.iml");
  EXPECT_EQ(m.SelectedIndex(), 0);
  m.Browse("");  // a cancelled browse changes nothing
  EXPECT_EQ(m.Items().size(), 2u);
}

TEST(SelectorMask, MatchesAsWindowsDoes) {
  struct Case {
    const char* name;
    const char* mask;
    bool matches;
  } cases[] = {{"a.bmp", "*.bmp", true}, {"A.BMP", "*.bmp", true}, {"a.b.bmp", "*.bmp", true},
               {"a.bmpx", "*.bmp", false}, {"bmp", "*.bmp", false}, {"x.mid", "?.mid", true},
               {"xy.mid", "?.mid", false}};
  for (const Case& c : cases) EXPECT_EQ(TResourceSelectorModel::MatchesMask(c.name, c.mask), c.matches) << c.name;
}

TEST(SelectorMidiFolder, FollowsThePropertiesModeAndTheActiveDocument) {
  EXPECT_EQ(MidiSelectorFolder(1, false), "music\\map\\");
  EXPECT_EQ(MidiSelectorFolder(0, true), "music\\");
  EXPECT_EQ(MidiSelectorFolder(10, true), "music\\map\\");
  EXPECT_EQ(MidiSelectorFolder(10, false), "music\\");
}

TEST_F(SelectorFolder, SpritePreviewListsNamesAndDrawsOnWhite) {
  TGKImages images;
  images.Palette[1] = {0, 0, 0, 0};
  images.AddImage(2, 1, "first", {0, 1});
  images.AddImage(1, 1, "second", {1});
  {
    std::ofstream out(root_ / "sprites" / "lib.iml", std::ios::binary);
    images.WriteToStream(out);
  }
  TSpritePreview preview;
  preview.Load(folder() + "sprites/lib.iml");
  EXPECT_EQ(preview.Names, (std::vector<std::string>{"first", "second"}));
  platform::GdiBitmap target(3, 2, 32);
  preview.Draw(target, 0);
  EXPECT_EQ(target.PixelColor(0, 0), platform::clWhite);
  EXPECT_EQ(target.PixelColor(1, 0), platform::RGB(8, 8, 8));
  EXPECT_EQ(target.PixelColor(2, 1), platform::clWhite);

  touch("sprites/bad.iml");
  preview.Load(folder() + "sprites/bad.iml");
  EXPECT_TRUE(preview.Names.empty());
  EXPECT_FALSE(preview.Error.empty());
  preview.Draw(target, 0);  // nothing left to draw
  EXPECT_EQ(target.PixelColor(1, 0), platform::clWhite);
}

TEST_F(SelectorFolder, SoundPreviewShowsFormatOfEachBufferAndSurvivesABadFile) {
  TGKSounds sounds;
  sounds.AddSound(TGKWaveFormat::Pcm(22050, 1, 16), "jump", 0, 0, std::vector<uint8_t>(100, 1));
  sounds.AddSound(TGKWaveFormat::Pcm(11025, 2, 8), "coin", 0, 0, std::vector<uint8_t>(40, 1));
  fs::create_directories(root_ / "sounds");
  sounds.SaveToFile(folder() + "sounds/lib.sdl");
  platform::SoundMixer mixer;
  TSoundPreview preview(&mixer);
  preview.Load(folder() + "sounds/lib.sdl");
  EXPECT_EQ(preview.Names, (std::vector<std::string>{"jump", "coin"}));
  TSoundFormatInfo info;
  ASSERT_TRUE(preview.Info(1, info));
  EXPECT_EQ(info.Size, 40);
  EXPECT_EQ(info.Channels, 2);
  EXPECT_EQ(info.Bits, 8);
  EXPECT_EQ(info.Frequency, 11025);
  EXPECT_FALSE(preview.Info(2, info));
  preview.Play(0);
  preview.Play(5);  // outside the buffers: nothing

  touch("sounds/bad.sdl");
  preview.Load(folder() + "sounds/bad.sdl");
  EXPECT_TRUE(preview.Names.empty());
  EXPECT_FALSE(preview.Error.empty());
  EXPECT_FALSE(preview.Info(0, info));
}

TEST_F(SelectorFolder, MidiPreviewRefusesAFileThatCannotSound) {
  TMidiPreview preview(std::make_unique<platform::SilentMusicDevice>());
  EXPECT_FALSE(preview.Play(folder() + "missing.mid"));
  preview.Stop();
}

}  // namespace
