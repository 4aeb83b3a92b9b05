// The editor's glyphs and icons as the build stages them, the toolbar buttons
// that load them, and the registration that installs the icons for the desktop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "content/icons/document_icons.h"
#include "content/icons/toolbar_glyphs.h"
#include "editor/frmMain/file_types.h"
#include "editor/frmMain/frmMain.h"
#include "editor/frmMain/toolbar_glyphs.h"
#include "platform/core/bitmap.h"
#include "toolbars/TBZCtls/TBZCtls.h"
#include "toolbars/TBZTlbr/TBZTlbr.h"

namespace fs = std::filesystem;

namespace {

const fs::path kStaged = fs::path(TQ_STAGE_DIR) / "resources";

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class EditorIcons : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "editor_icons_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
  }
  void SetUp() override {
    dir = fs::temp_directory_path() / ("editor_icons_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  // A program folder of our own, with the staged resources when asked.
  std::string programFolder(bool withResources) {
    const fs::path folder = dir / "program";
    fs::create_directories(folder);
    if (withResources) fs::copy(kStaged, folder / "resources", fs::copy_options::recursive);
    return folder.string() + "/";
  }
  static std::vector<tbz::TToolbarButtonZ*> toolbarButtons(const TfmMain& form) {
    std::vector<tbz::TToolbarButtonZ*> all;
    for (tbz::TToolbarZ* bar : {form.tbStandard, form.tbAdditional})
      // The buttons carry no meta-object of their own, so they are told apart by type.
      for (QWidget* w : bar->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (auto* b = dynamic_cast<tbz::TToolbarButtonZ*>(w)) all.push_back(b);
    return all;
  }
  fs::path dir;
};

TEST_F(EditorIcons, EveryToolbarButtonShowsItsStagedGlyph) {
  TfmMain form(programFolder(true));
  const auto buttons = toolbarButtons(form);
  ASSERT_GE(buttons.size(), 23u);
  for (tbz::TToolbarButtonZ* b : buttons) {
    const std::string hint = b->toolTip().toLatin1().toStdString();
    SCOPED_TRACE(hint);
    EXPECT_FALSE(ToolbarGlyphName(hint).empty());
    EXPECT_TRUE(fs::exists(kStaged / "glyphs" / (std::string(ToolbarGlyphName(hint)) + ".bmp")));
    EXPECT_EQ(b->Glyph().size(), QSize(16, 16));
    EXPECT_EQ(b->NumGlyphs(), 1);
    EXPECT_EQ(b->DisplayMode(), tbz::dmGlyphOnly);
  }
  form.resize(900, 500);
  form.show();
  QApplication::processEvents();
  form.grab().save(QString::fromStdString((fs::temp_directory_path() / "editor_icons_window.png").string()));
}

TEST_F(EditorIcons, AButtonWithoutItsGlyphFileKeepsItsCaption) {
  TfmMain form(programFolder(false));
  tbz::TToolbarButtonZ* save = form.Button("Guardar");
  EXPECT_TRUE(save->Glyph().isNull());
  EXPECT_EQ(save->DisplayMode(), tbz::dmTextOnly);
  EXPECT_EQ(save->Caption(), "Guardar");
}

// Each glyph: 16x16, the key colour in the bottom-left pixel where the button
// takes its transparent colour, and a shape that survives the generated
// disabled look (white and light grey do not count as shape there).
TEST_F(EditorIcons, StagedGlyphsHaveTheButtonsSizeKeyAndADisabledShape) {
  const auto glyphs = icons::buildToolbarGlyphs();
  for (const icons::NamedGlyph& g : glyphs) {
    SCOPED_TRACE(g.name);
    const platform::Bitmap bmp = platform::readBmp(kStaged / "glyphs" / (g.name + ".bmp"));
    EXPECT_EQ(bmp.width, icons::kGlyphSize);
    EXPECT_EQ(bmp.height, icons::kGlyphSize);
    EXPECT_EQ(bmp.color(0, bmp.height - 1), icons::kGlyphKey);
    const QImage image(QString::fromStdString((kStaged / "glyphs" / (g.name + ".bmp")).string()));
    const QRgb key = image.pixel(0, image.height() - 1);
    const QPalette pal = QApplication::palette();
    const QImage disabled = tbz::DisabledGlyph(image, key, pal);
    int shadow = 0;
    for (int y = 0; y < disabled.height(); ++y)
      for (int x = 0; x < disabled.width(); ++x) shadow += disabled.pixel(x, y) == pal.color(QPalette::Dark).rgb();
    EXPECT_GT(shadow, 20);
  }
}

TEST_F(EditorIcons, DocumentIconsHaveBothSizesAndTransparentBackgrounds) {
  const auto all = icons::buildDocumentIcons();
  for (const char* name : {"application-x-tobbostudio-game", "application-x-tobbostudio-world",
                           "application-x-tobbostudio-level", "tobbostudio-hopzedit"})
    for (int size : icons::kIconSizes) {
      SCOPED_TRACE(std::string(name) + " " + std::to_string(size));
      auto it = std::find_if(all.begin(), all.end(), [&](auto& i) { return i.name == name && i.size == size; });
      ASSERT_NE(it, all.end());
      const QImage png(QString::fromStdString(
          (kStaged / "icons" / (std::to_string(size) + "x" + std::to_string(size)) /
           (it->context == icons::IconContext::MimeType ? "mimetypes" : "apps") / (std::string(name) + ".png"))
              .string()));
      ASSERT_EQ(png.size(), QSize(size, size));
      EXPECT_EQ(qAlpha(png.pixel(size - 1, size - 1)) + qAlpha(png.pixel(size - 1, 0)), 0);
      EXPECT_GT(it->picture.countDrawn(), size * size / 4);
    }
}

TEST_F(EditorIcons, RegistrationInstallsTheIconsBesideTheMimePackage) {
  const fs::path data = dir / "xdg-data";
  const TRegisteredFiles files = WriteFileTypeRegistration(data, "/opt/Hopzedit", kStaged / "icons");
  EXPECT_EQ(files.icons.size(), 8u);
  for (const TFileType& t : FileTypes())
    for (const char* size : {"16x16", "32x32"}) {
      const fs::path icon = data / "icons/hicolor" / size / "mimetypes" / (MimeIconName(t) + ".png");
      EXPECT_TRUE(fs::exists(icon)) << icon;
    }
  EXPECT_TRUE(fs::exists(data / "icons/hicolor/32x32/apps/tobbostudio-hopzedit.png"));
  const std::string mime = readFile(files.mimePackage);
  EXPECT_NE(mime.find("<glob pattern=\"*.tqw\"/>\n    <icon name=\"application-x-tobbostudio-world\"/>"),
            std::string::npos);
  EXPECT_NE(readFile(files.desktopEntry).find("\nIcon=tobbostudio-hopzedit\n"), std::string::npos);

  // Without the program's icons the types are still registered, with no icons.
  const fs::path bare = dir / "bare";
  const TRegisteredFiles plain = WriteFileTypeRegistration(bare, "/opt/Hopzedit", dir / "no-icons");
  EXPECT_TRUE(plain.icons.empty());
  EXPECT_TRUE(fs::exists(plain.mimePackage));
  EXPECT_FALSE(fs::exists(bare / "icons"));
}

TEST(IconArt, RejectsRaggedRowsAndUnknownLetters) {
  EXPECT_THROW(icons::art({"kk", "k"}), std::invalid_argument);
  EXPECT_THROW(icons::art({"kz"}), std::invalid_argument);
  EXPECT_EQ(icons::art({"k.", ".w"}).countDrawn(), 2);
}

}  // namespace
