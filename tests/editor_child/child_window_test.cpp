// The document window and the object palette inside the main window, on the
// offscreen platform, with a level of the default game in a scratch program folder.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "editor/ObjectPalette/palette_window.h"
#include "editor/ToolInfo/TToolInfo.h"
#include "editor/frmChild/frmChild.h"
#include "editor/frmChild/paint_box.h"
#include "editor/frmMain/frmMain.h"
#include "editor/frmSpriteProp/TfmSpriteProp.h"
#include "toolbars/TBZCtls/TBZCtls.h"

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void click(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
  const QPointF local(at), global(widget->mapToGlobal(at));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

// Answers the next message box with the button and keeps its text.
void answerNextMessage(QMessageBox::StandardButton answer, QString* text) {
  QTimer::singleShot(0, [answer, text] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    *text = box->text();
    box->button(answer)->click();
  });
}

// The Texto page's colouring, a line per block: the block's own character
// format (what typing on an empty line takes), ":", then one mark per character.
// "H" bold blue (a head), "V" bold green (a value), "." plain, "?" anything else.
std::vector<std::string> colourMarks(const QTextDocument& document) {
  const auto mark = [](const QTextCharFormat& format) {
    const bool bold = format.fontWeight() == QFont::Bold;
    if (!bold && !format.hasProperty(QTextFormat::ForegroundBrush)) return '.';
    if (bold && format.foreground().color() == QColor(0, 0, 0xFF)) return 'H';
    if (bold && format.foreground().color() == QColor(0, 0x80, 0)) return 'V';
    return '?';
  };
  std::vector<std::string> lines;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    std::string line{mark(block.charFormat()), ':'};
    for (auto it = block.begin(); !it.atEnd(); ++it)
      line.append(size_t(it.fragment().length()), mark(it.fragment().charFormat()));
    lines.push_back(line);
  }
  return lines;
}

class ChildWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "editor_child_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
  }
  void SetUp() override {
    dir = fs::temp_directory_path() / ("editor_child_window_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "levels");
    fs::create_directories(dir / "sprites");
    const fs::path stage(TQ_STAGE_DIR);
    fs::copy_file(stage / "levels" / "1-1.tql", dir / "levels" / "1-1.tql");
    fs::copy_file(stage / "sprites" / "game.iml", dir / "sprites" / "game.iml");
    form = std::make_unique<TfmMain>(dir.string() + "/");
    form->resize(1000, 700);
    form->show();
    form->Commands().OpenFile((dir / "levels" / "1-1.tql").string());
    QApplication::processEvents();
    ASSERT_EQ(form->DocumentWindows().size(), 1u);
    child = form->DocumentWindows().front().get();
  }
  void TearDown() override {
    if (child) child->Document().Modified = false;
    form.reset();
    fs::remove_all(dir);
  }
  QImage paintBoxImage() const { return child->Pb->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  fs::path dir;
  std::unique_ptr<TfmMain> form;
  TfmChild* child = nullptr;
};

// The level's sky colour (BgColor 0xFFAA6E in the blue-green-red form).
const QColor kSky(0x6E, 0xAA, 0xFF);

TEST_F(ChildWindow, AnOpenedLevelShowsItsObjectsRulersAndColouredText) {
  const TChildView& view = child->View();
  EXPECT_EQ(form->StatusPanels[0]->text(), "Listo");
  EXPECT_EQ(form->StatusPanels[1]->text(), QString("%1 objetos").arg(view.Doc.Objects.size()));
  EXPECT_EQ(child->windowTitle(), "1-1.tql");
  EXPECT_EQ(child->Pb->geometry(), QRect(20, 20, 116 * 16, 13 * 16));
  EXPECT_TRUE(child->HRuler->isVisible());
  EXPECT_EQ(child->HRuler->width(), child->Pb->width());
  EXPECT_EQ(child->tsMode->tabText(0), "  Visual  ");
  EXPECT_EQ(child->nbMode->currentIndex(), 0);

  // The paint box shows the rendered level: sky at the top, objects below.
  const QImage shown = paintBoxImage();
  ASSERT_EQ(shown.size(), QSize(116 * 16, 13 * 16));
  EXPECT_EQ(shown.pixelColor(8, 8), kSky);
  int drawn = 0;
  for (int x = 0; x < shown.width(); x += 4)
    if (shown.pixelColor(x, shown.height() - 8) != kSky) ++drawn;
  EXPECT_GT(drawn, shown.width() / 8) << "the ground row shows objects";
  platform::GdiBitmap picture;
  view.PaintPb(picture);
  EXPECT_EQ(shown, ImageOfBitmap(picture));

  // The text page: the file's text with the head in bold blue and values green.
  const QTextEdit* text = child->mmFile;
  EXPECT_TRUE(text->toPlainText().startsWith("[Options]"));
  QTextCursor cursor(text->document());
  cursor.setPosition(1);
  EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(0, 0, 0xFF));
  EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
  const int value = text->toPlainText().indexOf("BgColor=") + 9;
  cursor.setPosition(value);
  EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(0, 0x80, 0));

  // The palette shows the level's page set with glyphs from the level's library.
  TObjectPaletteWindow* palette = form->Palette;
  EXPECT_EQ(palette->nb1->currentIndex(), 1);
  EXPECT_EQ(palette->TopicButton(DocLevel)->Caption(), "Bases");
  const QImage glyph = palette->PaletteButton(DocLevel, 0, 0)->Glyph();
  EXPECT_EQ(glyph.size(), QSize(18, 18));
  EXPECT_NE(glyph.pixelColor(9, 9), QColor(Qt::black));

  form->grab().save(QString::fromStdString((fs::temp_directory_path() / "editor_child_main.png").string()));
}

// The Texto page colours the first nine characters and the first "[Sprites]" as
// heads, and on every line what follows its first "=" as a value (a value wins
// where both meet); one Windows-1252 byte is one character.
TEST_F(ChildWindow, TheTextPageColoursHeadsAndValuesOfEveryLine) {
  const fs::path level = dir / "levels" / "small.tql";
  std::ofstream(level, std::ios::binary)
      << "[Options]\r\nAddText=Se\xF1or [Sprites]\r\nTime=300\r\nEmpty=\r\na=b=c\r\nNoValue\r\n"
         "[Sprites]\r\n0=0,1,\r\n65539=42,1,\r\n";
  form->Commands().OpenFile(level.string());
  TfmChild* levelWindow = form->DocumentWindows().back().get();
  ASSERT_NE(levelWindow, child);
  EXPECT_EQ(levelWindow->mmFile->toPlainText(),
            QString::fromUtf8("[Options]\nAddText=Señor [Sprites]\nTime=300\nEmpty=\na=b=c\nNoValue\n"
                              "[Sprites]\n0=0,1,\n65539=42,1,\n"));
  const std::vector<std::string> levelMarks = {
      ".:HHHHHHHHH",                   // [Options]
      ".:........VVVVVVVVVVVVVVV",     // AddText=Señor [Sprites]: the first "[Sprites]" is a value here
      ".:.....VVV",                    // Time=300
      ".:......",                      // Empty=
      ".:..VVV",                       // a=b=c
      ".:.......",                     // NoValue
      ".:.........",                   // [Sprites]: not the first
      ".:..VVVV",                      // 0=0,1,
      ".:......VVVVV",                 // 65539=42,1,
      ".:"};
  EXPECT_EQ(colourMarks(*levelWindow->mmFile->document()), levelMarks);
  EXPECT_FALSE(levelWindow->mmFile->document()->isModified());

  // After a save the page shows the file as written, its lines coloured as at
  // opening (not in the format the page's cursor stood in).
  const QStringList openedLines = levelWindow->mmFile->toPlainText().split('\n');
  levelWindow->Document().Modified = true;
  ASSERT_TRUE(form->Commands().Save());
  const QStringList savedLines = levelWindow->mmFile->toPlainText().split('\n');
  const std::vector<std::string> saved = colourMarks(*levelWindow->mmFile->document());
  ASSERT_EQ(saved.size(), size_t(savedLines.size()));
  int kept = 0;
  for (qsizetype i = 0; i < savedLines.size(); ++i) {
    const qsizetype opened = openedLines.indexOf(savedLines[i]);
    if (opened < 0 || savedLines[i].isEmpty()) continue;
    EXPECT_EQ(saved[size_t(i)], levelMarks[size_t(opened)]) << savedLines[i].toStdString();
    ++kept;
  }
  EXPECT_GE(kept, 5) << "the written file keeps the heads, AddText and the object lines";

  // A game's first nine characters may run over a line break.
  const fs::path game = dir / "corto.tqg";
  std::ofstream(game, std::ios::binary) << "[Op]\r\nx=1\r\nLifes=3\r\n\r\nMapFile=\r\n";
  form->Commands().OpenFile(game.string());
  const TfmChild* gameWindow = form->DocumentWindows().back().get();
  const std::vector<std::string> gameMarks = {".:HHHH", "H:HHV", "H:......V", ".:", ".:........", ".:"};
  EXPECT_EQ(colourMarks(*gameWindow->mmFile->document()), gameMarks);
  EXPECT_FALSE(gameWindow->mmFile->isReadOnly());
  EXPECT_FALSE(gameWindow->mmFile->document()->isModified());
  // Colouring is no edit of the text: there is nothing to undo.
  EXPECT_FALSE(gameWindow->mmFile->document()->isUndoAvailable());
}

TEST_F(ChildWindow, AnArmedKindIsPlacedByAClickAndSaved) {
  TObjectPaletteWindow* palette = form->Palette;
  // Turning to "Bloques" arms its first kind at once.
  palette->PageMenu(DocLevel)->actions().at(1)->trigger();
  EXPECT_EQ(palette->TopicButton(DocLevel)->Caption(), "Bloques");
  EXPECT_EQ(palette->Notebook(DocLevel)->currentIndex(), 1);
  EXPECT_TRUE(palette->PaletteButton(DocLevel, 1, 0)->Down());
  EXPECT_EQ(child->View().ArmedKind(), 42);
  EXPECT_EQ(child->Pb->cursor().shape(), Qt::CrossCursor);

  const size_t before = child->Document().Objects.size();
  click(child->Pb, {3 * 16 + 5, 2 * 16 + 5});
  const std::vector<std::string>& objects = child->Document().Objects;
  ASSERT_EQ(objects.size(), before + 1);
  EXPECT_EQ(objects.back(), "131075=42,1,");
  EXPECT_TRUE(child->Document().Modified);
  EXPECT_EQ(child->View().SelectedIndex, int(before));
  EXPECT_NE(paintBoxImage().pixelColor(3 * 16 + 8, 2 * 16 + 8), kSky);

  // The pressed button released: a click selects instead of placing.
  click(palette->PaletteButton(DocLevel, 1, 0), {5, 5});
  EXPECT_FALSE(palette->PaletteButton(DocLevel, 1, 0)->Down());
  EXPECT_FALSE(child->View().Armed());
  click(child->Pb, {4 * 16 + 5, 2 * 16 + 5});
  EXPECT_EQ(objects.size(), before + 1);

  EXPECT_FALSE(child->mmFile->toPlainText().contains("131075=42,1,"));
  ASSERT_TRUE(form->Commands().Save());
  EXPECT_NE(readFile(dir / "levels" / "1-1.tql").find("131075=42,1,"), std::string::npos);
  // The Texto page shows the file as saved.
  EXPECT_TRUE(child->mmFile->toPlainText().contains("131075=42,1,"));
}

TEST_F(ChildWindow, ClosingAModifiedLevelAsksToSave) {
  child->Document().Modified = true;
  QString question;
  answerNextMessage(QMessageBox::Cancel, &question);
  form->Commands().Close();
  EXPECT_EQ(question, QString::fromUtf8("¿Desea guardar los cambios realizados a \"1-1.tql\"?"));
  ASSERT_EQ(form->DocumentWindows().size(), 1u);
  EXPECT_TRUE(child->Document().Modified);

  answerNextMessage(QMessageBox::No, &question);
  form->Commands().Close();
  EXPECT_TRUE(form->DocumentWindows().empty());
  child = nullptr;
}

// A game's text is its document: typing in it asks to save on closing.
TEST_F(ChildWindow, TypingInAGamesTextIsAChangeToSave) {
  // A level's text page only shows the file: it takes no typing to lose.
  const QString levelText = child->mmFile->toPlainText();
  QTest::keyClicks(child->mmFile, "x");
  EXPECT_TRUE(child->mmFile->isReadOnly());
  EXPECT_EQ(child->mmFile->toPlainText(), levelText);
  EXPECT_FALSE(child->Document().Modified);

  const fs::path game = dir / "juego.tqg";
  std::ofstream(game, std::ios::binary) << "[Options]\r\nLifes=3\r\nMapFile=\r\n";
  form->Commands().OpenFile(game.string());
  TfmChild* gameWindow = form->DocumentWindows().back().get();
  EXPECT_FALSE(gameWindow->Document().Modified);
  gameWindow->mmFile->moveCursor(QTextCursor::End);
  QTest::keyClicks(gameWindow->mmFile, "X=1");
  EXPECT_TRUE(gameWindow->Document().Modified);
  EXPECT_TRUE(form->Commands().Save());
  EXPECT_FALSE(gameWindow->Document().Modified);
  QTest::keyClicks(gameWindow->mmFile, "2");
  EXPECT_TRUE(gameWindow->Document().Modified);

  QString question;
  answerNextMessage(QMessageBox::Yes, &question);
  EXPECT_TRUE(form->Commands().CloseWindow(*gameWindow));
  EXPECT_EQ(question, QString::fromUtf8("¿Desea guardar los cambios realizados a \"juego.tqg\"?"));
  EXPECT_EQ(readFile(game), "[Options]\r\nLifes=3\r\nMapFile=\r\nX=12\r\n");
}

// A hint shown for a toolbar button goes when the mouse moves on over the
// document window around the paint box, the document area or the object
// properties window, as it goes over the paint box itself.
TEST_F(ChildWindow, MovingOverTheDocumentWindowAndTheObjectDialogHidesTheHint) {
  THintController& hints = form->ToolInfo->Controller();
  const std::pair<const char*, QWidget*> panels[] = {
      {"paint box", child->Pb},
      {"horizontal ruler", child->HRuler},
      {"vertical ruler", child->VRuler},
      {"ruler corner", child->HVRuler},
      {"ruler corner's label", child->HVRuler->findChild<QLabel*>()},
      {"scroll box", child->ScrollBox1->viewport()},
      {"document frame", child->SubWindow()},
      {"document area", form->MdiArea->viewport()},
      {"object properties", &form->fmSpriteProp()},
  };
  for (const auto& [name, panel] : panels) {
    SCOPED_TRACE(name);
    ASSERT_NE(panel, nullptr);
    hints.OnMove(form->Button("Abrir"), 2, 2);
    hints.ShowAt(10, 10);
    ASSERT_TRUE(hints.Visible());
    const QPointF at(1, 1);
    QMouseEvent move(QEvent::MouseMove, at, panel->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(panel, &move);
    EXPECT_FALSE(hints.Visible());
  }
}

// A ruler paints only the marks that reach the part to be painted, and that
// part looks as it does in the whole ruler: with cells of 4 pixels a mark's
// number runs over the next cells.
TEST_F(ChildWindow, RulersPaintedInPartsMatchTheWholeRuler) {
  const fs::path level = dir / "levels" / "fino.tql";
  std::ofstream(level, std::ios::binary)
      << "[Options]\r\nWidth=300\r\nHeight=40\r\nResFactor=4\r\nImageLib=sprites\\game.iml\r\n[Sprites]\r\n0=0,1,\r\n";
  form->Commands().OpenFile(level.string());
  TfmChild* fine = form->DocumentWindows().back().get();
  ASSERT_EQ(fine->HRuler->width(), 300 * 4);
  for (TRuler* ruler : {fine->HRuler, fine->VRuler}) {
    const QImage whole = ruler->grab().toImage();
    const bool horizontal = ruler == fine->HRuler;
    const int extent = horizontal ? whole.width() : whole.height();
    for (int from = 0; from < extent; from += 4) {
      const QRect part = horizontal ? QRect(from, 0, 3, whole.height()) : QRect(0, from, whole.width(), 3);
      ASSERT_EQ(ruler->grab(part).toImage(), whole.copy(part)) << (horizontal ? "across " : "down ") << from;
    }
  }
}

// A level keeps the whole path of a library outside the program folder; the
// view loads it from there, as it loads one inside by its link.
TEST_F(ChildWindow, ALevelsLibraryIsFoundByItsLinkInsideOrOutsideTheProgramFolder) {
  const fs::path outside = dir.parent_path() / ("editor_child_outside_" + std::to_string(::getpid()));
  fs::create_directories(outside);
  fs::copy_file(fs::path(TQ_STAGE_DIR) / "sprites" / "game.iml", outside / "game.iml", fs::copy_options::overwrite_existing);
  struct Case {
    const char* level;
    std::string link;
  };
  for (const Case& c : {Case{"inside.tql", "sprites\\game.iml"}, Case{"outside.tql", (outside / "game.iml").string()}}) {
    SCOPED_TRACE(c.link);
    const fs::path level = dir / "levels" / c.level;
    std::ofstream(level, std::ios::binary)
        << "[Options]\r\nWidth=300\r\nHeight=40\r\nImageLib=" << c.link << "\r\n[Sprites]\r\n0=0,1,\r\n";
    form->Commands().OpenFile(level.string());
    const TChildView& view = form->DocumentWindows().back()->View();
    ASSERT_EQ(view.Doc.ImageLib, c.link);
    EXPECT_GT(view.DXImages.GetCount(), 0);
  }
  fs::remove_all(outside);
}

TEST_F(ChildWindow, ZoomHidesTheRulersAndThePaletteScrolls) {
  form->Commands().SetZoomItem(3);
  EXPECT_EQ(child->Pb->geometry(), QRect(0, 0, 116 * 24, 13 * 24));
  EXPECT_FALSE(child->HRuler->isVisible());
  EXPECT_EQ(paintBoxImage().size(), QSize(116 * 24, 13 * 24));
  form->Commands().SetZoomItem(2);
  EXPECT_EQ(child->Pb->pos(), QPoint(20, 20));
  EXPECT_TRUE(child->HRuler->isVisible());

  TObjectPaletteWindow* palette = form->Palette;
  tbz::TToolbarButtonZ* up = palette->UpButton(DocLevel);
  tbz::TToolbarButtonZ* down = palette->DownButton(DocLevel);
  EXPECT_FALSE(up->isEnabled());
  down->Click();
  down->Click();
  EXPECT_EQ(palette->Notebook(DocLevel)->y(), 16 - 44);
  EXPECT_TRUE(up->isEnabled());
  up->Click();
  up->Click();
  EXPECT_EQ(palette->Notebook(DocLevel)->y(), 16);
  EXPECT_FALSE(up->isEnabled());
}

}  // namespace
