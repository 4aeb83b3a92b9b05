// The four selectors over the staged program folder: what each lists, what
// selecting a file previews, and what "&Aceptar" and "&Examinar..." hand back.
#include "editor/Selectors/selector_dialogs.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "editor/Selectors/select_resource.h"
#include "editor/frmLevelProp/level_prop_model.h"
#include "platform/core/paths.h"
#include "platform/music/silent_music_device.h"
#include "platform/sound/sound_mixer.h"
#include "tests/editor_selectors/qt_app.h"

namespace fs = std::filesystem;

namespace {

std::string stage() { return std::string(TQ_STAGE_DIR) + "/"; }

std::vector<std::string> stagedFiles(const std::string& folder, const std::string& ext) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(stage() + folder))
    if (e.is_regular_file() && e.path().extension() == ext) names.push_back(e.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> captions(const TResourceSelector& s) {
  std::vector<std::string> out;
  for (const TSelectorItem& item : s.Model.Items()) out.push_back(item.Caption);
  std::sort(out.begin(), out.end());
  return out;
}

class Selectors : public ::testing::Test {
 protected:
  void SetUp() override {
    testApp();
    saved_ = platform::programFolder();
    platform::setProgramFolder(stage());
    scratch_ = fs::temp_directory_path() / ("editor_selectors_" + std::to_string(getpid()));
    fs::create_directories(scratch_);
  }
  void TearDown() override {
    platform::setProgramFolder(saved_);
    fs::remove_all(scratch_);
  }
  std::string saved_;
  fs::path scratch_;
  platform::SoundMixer mixer_;
};

TEST_F(Selectors, EachListsTheStagedFilesOfItsKindWithItsTexts) {
  TfmBackSelector back;
  back.Model.SetFolder(stage() + "bitmaps\\");  // the staged pictures (no "bg" folder is staged)
  TfmSpriteSelector sprites;
  TfmSoundSelector sounds(nullptr, &mixer_);
  TfmMidiSelector levelMusic(nullptr, std::make_unique<platform::SilentMusicDevice>());
  TfmMidiSelector mapMusic(nullptr, std::make_unique<platform::SilentMusicDevice>());
  mapMusic.PropertiesMode = 10;
  mapMusic.ActiveDocumentIsWorld = true;
  struct Case {
    TResourceSelector* selector;
    const char* caption;
    const char* label;
    std::string folder, ext;
  };
  const Case cases[] = {
      {&back, "Selector de fondos", "Fondos:", "bitmaps", ".bmp"},
      {&sprites, "Selector de personajes", "Personajes:", "sprites", ".iml"},
      {&sounds, "Selector de sonidos", "Sonidos:", "sounds", ".sdl"},
      {&levelMusic, "Selector de sonidos", "M\u00fasica de fondo:", "music", ".mid"},
      {&mapMusic, "Selector de sonidos", "M\u00fasica de fondo:", "music/map", ".mid"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    c.selector->show();
    EXPECT_EQ(c.selector->windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(c.selector->lblList->text(), QString::fromUtf8(c.label));
    const std::vector<std::string> expected = stagedFiles(c.folder, c.ext);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(captions(*c.selector), expected);
    EXPECT_EQ(c.selector->Items->rowCount(), int(expected.size()));
    EXPECT_EQ(c.selector->Model.SelectedIndex(), 0);  // nothing asked for: the first
    EXPECT_EQ(c.selector->ListView->currentIndex().row(), 0);
    EXPECT_EQ(c.selector->btnOK->text(), "&Aceptar");
    EXPECT_EQ(c.selector->btnBrowse->text(), "&Examinar...");
    c.selector->reject();
  }
}

TEST_F(Selectors, SelectingALibraryFillsItsPreview) {
  TfmSpriteSelector sprites;
  sprites.SetSelectedFile(stage() + "sprites/map.iml");
  sprites.show();
  ASSERT_GT(sprites.lbSprites->count(), 1);
  EXPECT_EQ(sprites.lbSprites->currentRow(), 0);
  auto nonWhite = [&] {
    int n = 0;
    for (int y = 0; y < sprites.PreviewBitmap.Height(); ++y)
      for (int x = 0; x < sprites.PreviewBitmap.Width(); ++x)
        n += sprites.PreviewBitmap.PixelColor(x, y) != platform::clWhite;
    return n;
  };
  EXPECT_GT(nonWhite(), 0);
  const int mapCount = sprites.lbSprites->count();
  sprites.Model.Select(sprites.Model.FindItem(stage() + "sprites/game.iml"));
  EXPECT_NE(sprites.lbSprites->count(), mapCount);
  sprites.lbSprites->setCurrentRow(1);
  EXPECT_GT(nonWhite(), 0);
  sprites.grab().save("sprite_selector.png");

  TfmSoundSelector sounds(nullptr, &mixer_);
  sounds.show();
  ASSERT_GT(sounds.lbSounds->count(), 0);
  EXPECT_FALSE(sounds.lblFrequency->text().isEmpty());
  EXPECT_GT(sounds.lblSize->text().toInt(), 0);
  EXPECT_TRUE(sounds.btnPlay->isEnabled());
  sounds.btnPlay->click();
  sounds.grab().save("sound_selector.png");

  TfmBackSelector back;
  back.Model.SetFolder(stage() + "bitmaps\\");
  back.SetSelectedFile(stage() + "bitmaps\\splash1.bmp");
  back.show();
  EXPECT_EQ(back.Model.Selected()->Caption, "splash1");
  EXPECT_FALSE(back.Image->pixmap().isNull());
  back.grab().save("back_selector.png");

  TfmMidiSelector music(nullptr, std::make_unique<platform::SilentMusicDevice>());
  music.show();
  music.btnPlay->click();
  EXPECT_EQ(music.Preview.Player.FileName, music.Model.SelectedPath());
  music.ChangeListView(vsReport);
  music.grab().save("midi_selector.png");
  music.reject();
}

TEST_F(Selectors, AcceptHandsBackTheSelectedPathAndAnEmptyListStaysOpen) {
  TfmSpriteSelector sprites;
  sprites.show();
  ASSERT_GT(sprites.Items->rowCount(), 1);
  sprites.ListView->setCurrentIndex(sprites.Items->index(1, 0));
  QTest::mouseClick(sprites.btnOK, Qt::LeftButton);
  EXPECT_EQ(sprites.result(), QDialog::Accepted);
  EXPECT_FALSE(sprites.isVisible());
  EXPECT_EQ(sprites.SelectedFile(), sprites.Model.Items()[1].Path);

  TfmBackSelector empty;
  empty.Model.SetFolder(scratch_.string() + "/");
  empty.show();
  EXPECT_EQ(empty.Items->rowCount(), 0);
  EXPECT_EQ(empty.Model.SelectedIndex(), -1);
  QTest::mouseClick(empty.btnOK, Qt::LeftButton);
  EXPECT_TRUE(empty.isVisible());
  EXPECT_TRUE(empty.SelectedFile().empty());
  empty.reject();
}

TEST_F(Selectors, BrowsingAddsAFileElsewhereOnceAndTheViewButtonsSwitchTheStyle) {
  const std::string outside = (scratch_ / "extra.lib.iml").string();
  std::ofstream(outside) << "not a library";
  TfmSpriteSelector sprites;
  sprites.show();
  const int listed = sprites.Items->rowCount();
  std::string startedAt;
  sprites.OnBrowseFile = [&](TResourceSelector&, const std::string& start) {
    startedAt = start;
    return std::optional<std::string>(outside);
  };
  const std::string first = sprites.Model.SelectedPath();
  sprites.btnBrowse->click();
  sprites.btnBrowse->click();
  EXPECT_EQ(startedAt, outside);
  EXPECT_EQ(sprites.Items->rowCount(), listed + 1);
  EXPECT_EQ(sprites.Model.Selected()->Caption, "extra");
  EXPECT_EQ(sprites.lbSprites->count(), 0);  // not a library: an empty preview
  EXPECT_NE(first, outside);

  sprites.ViewButtons[vsReport]->click();
  EXPECT_EQ(sprites.CurrentListWidget(), sprites.DetailsView);
  EXPECT_EQ(sprites.DetailsView->currentIndex().row(), listed);
  sprites.ViewButtons[vsIcon]->click();
  EXPECT_EQ(sprites.CurrentListWidget(), sprites.ListView);
  EXPECT_EQ(sprites.ListView->viewMode(), QListView::IconMode);
  EXPECT_EQ(sprites.Model.ViewStyle, vsIcon);
  sprites.reject();
}

// Installed under a folder whose name is not ASCII: the level's stored link finds
// its item, the path column shows the disk's name, and the chosen file goes back
// into the level as Windows-1252 text.
TEST_F(Selectors, AProgramFolderInAnyLettersListsReadablePathsAndStoresTheLink) {
  for (const char* name : {"A\u00f1o Jos\u00e9", "\u0414\u043e\u043c"}) {
    SCOPED_TRACE(name);
    const fs::path folder = scratch_ / fs::path(std::u8string(reinterpret_cast<const char8_t*>(name)));
    fs::create_directories(folder / "bg");
    for (const char* picture : {"A\u00f1o.bmp", "casa.bmp"})
      fs::copy_file(stage() + "bitmaps/splash1.bmp", folder / "bg" / picture);
    platform::setProgramFolder(folder.string());
    TfmBackSelector back;
    back.SetSelectedFile(TLevelPropModel::SelectorStart("bg\\A\xF1o.bmp", platform::programFolder()));
    back.show();
    ASSERT_EQ(back.Items->rowCount(), 2);  // the stored link is the listed file, not an extra item
    ASSERT_EQ(back.Model.SelectedIndex(), 0);
    EXPECT_EQ(back.Items->item(0, 0)->text(), QString::fromUtf8("A\u00f1o"));
    EXPECT_EQ(back.Items->item(0, 1)->text(),
              QString::fromUtf8((folder / "bg" / "A\u00f1o.bmp").string()));
    EXPECT_FALSE(back.Image->pixmap().isNull());
    back.ChangeListView(vsReport);
    back.grab().save("back_selector_program_folder.png");
    QTest::mouseClick(back.btnOK, Qt::LeftButton);
    ASSERT_EQ(back.result(), QDialog::Accepted);
    EXPECT_EQ(TLevelPropModel::FieldOfChosenFile(back.SelectedFile(), platform::programFolder()), "bg\\A\xF1o.bmp");
  }
}

TEST_F(Selectors, TheCallersFunctionShowsTheKeptSelectorAtTheStartFile) {
  const std::string start = stage() + "sounds/game.sdl";
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    for (QPushButton* b : dialog ? dialog->findChildren<QPushButton*>() : QList<QPushButton*>())
      if (b->text() == "&Aceptar") b->click();
  });
  const std::optional<std::string> chosen = SelectSoundLibrary(nullptr, start);
  ASSERT_TRUE(chosen);
  EXPECT_TRUE(platform::sameText(TResourceSelectorModel::ExpandPath(*chosen), TResourceSelectorModel::ExpandPath(start)));

  QTimer::singleShot(0, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
  });
  EXPECT_FALSE(SelectSoundLibrary(nullptr, start));
}

}  // namespace
