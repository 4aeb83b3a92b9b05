// The main window on the offscreen platform: its designed state, the document
// commands following the open documents, and the placement kept on close.
#include "editor/frmMain/frmMain.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <unistd.h>

#include "editor/frmChild/frmChild.h"
#include "editor/frmLevelProp/TfmLevelProp.h"
#include "editor/frmPassword/TfmPassword.h"
#include "platform/core/ini_file.h"
#include "platform/qt/text/qt_text.h"
#include "tests/support/file_dialog_choice.h"
#include "tests/support/modal_answer.h"
#include "toolbars/TBZCtls/TBZCtls.h"
#include "toolbars/TBZTlwn/TBZTlwn.h"

namespace fs = std::filesystem;

namespace {

class FrmMain : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "editor_main_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) app = new QApplication(argc, argv);
  }
  void SetUp() override {
    dir = fs::temp_directory_path() / ("editor_main_frm_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
  static inline QApplication* app = nullptr;
};

TEST_F(FrmMain, StartsWithoutDocumentsAndEnablesTheCommandsWithOne) {
  TfmMain form(dir.string() + "/");
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Editor de Tobbo Quest"));
  EXPECT_EQ(form.cbZoom->currentText(), "100%");
  EXPECT_EQ(form.cbZoom->count(), 6);
  EXPECT_EQ(form.StatusPanels[0]->text(), "Listo");
  EXPECT_EQ(form.StatusPanels[1]->text(), "0 objetos");
  EXPECT_FALSE(form.Action("&Guardar")->isEnabled());
  EXPECT_TRUE(form.Action("&Abrir...")->isEnabled());
  EXPECT_FALSE(form.Button("Guardar")->isEnabled());
  EXPECT_FALSE(form.tbObjects->Visible());

  // The new level's properties dialog, confirmed as it stands.
  QTimer::singleShot(0, &form.fmLevelProp(), [&form] { form.fmLevelProp().accept(); });
  form.Commands().NewLevel();
  EXPECT_EQ(form.MdiArea->subWindowList().size(), 1);
  EXPECT_TRUE(form.Action("&Guardar")->isEnabled());
  EXPECT_TRUE(form.Button("Guardar")->isEnabled());
  EXPECT_FALSE(form.Action("Buscar &siguiente")->isEnabled());
  EXPECT_TRUE(form.tbObjects->Visible());

  form.Commands().GridMenu();
  EXPECT_TRUE(form.Action("&Grilla")->isChecked());
  EXPECT_TRUE(form.Button("Grilla")->Down());

  form.resize(900, 600);
  form.show();
  QApplication::processEvents();
  // The last panel takes the rest of the bar, so "Animación: ..." can be read.
  EXPECT_GT(form.StatusPanels[2]->width(), 300);
  form.grab().save(QString::fromStdString((fs::temp_directory_path() / "editor_main_window.png").string()));

  form.Commands().Active()->Document().Modified = false;
  form.Commands().Close();
  QApplication::processEvents();
  EXPECT_TRUE(form.MdiArea->subWindowList().isEmpty());
  EXPECT_FALSE(form.Action("&Guardar")->isEnabled());
}

TEST_F(FrmMain, PlacementIsReadAndWrittenInTheSettingsFile) {
  {
    std::ofstream(dir / "Zadizuv.ini") << "[MainWindow]\r\nLeft=10\r\nTop=20\r\nWidth=700\r\nHeight=500\r\n";
    TfmMain form(dir.string() + "/");
    EXPECT_EQ(form.geometry().size(), QSize(700, 500));
    form.resize(640, 480);
  }
  platform::IniFile ini(dir / "Zadizuv.ini");
  EXPECT_EQ(ini.readInteger("MainWindow", "Width", 0), 640);
  EXPECT_EQ(ini.readInteger("MainWindow", "WindowState", -1), 0);
}

// A game has no objects: when its window becomes the active document the count
// and the selected object of the level shown before go from the status bar.
TEST_F(FrmMain, ActivatingAGameClearsTheLevelsStatusTexts) {
  std::ofstream(dir / "nivel.tql", std::ios::binary)
      << "[Options]\r\nWidth=10\r\nHeight=5\r\n[Sprites]\r\n65537=40,1,\r\n65538=41,1,\r\n";
  std::ofstream(dir / "juego.tqg", std::ios::binary) << "[Options]\r\nLifes=5\r\nMapFile=mapa.tqw\r\n";
  TfmMain form(dir.string() + "/");
  form.show();
  form.Commands().OpenFile((dir / "nivel.tql").string());
  ASSERT_NE(form.ActiveView(), nullptr);
  TChildView& level = *form.ActiveView();
  level.SelectedIndex = 1;
  level.UpdateStatus();
  EXPECT_EQ(form.StatusPanels[1]->text().toStdString(), "\xC3\x8Dndice: 1 (2 objetos)");
  EXPECT_TRUE(form.StatusPanels[2]->text().startsWith(QString::fromUtf8("Animación: 41")));

  form.Commands().OpenFile((dir / "juego.tqg").string());
  QApplication::processEvents();
  ASSERT_EQ(form.ActiveView()->Doc.DocKind, DocGame);
  EXPECT_EQ(form.StatusPanels[1]->text().toStdString(), "");
  EXPECT_EQ(form.StatusPanels[2]->text().toStdString(), "");

  // Back to the level, then to the game again by activation alone.
  QMdiSubWindow* levelWindow = form.DocumentWindows()[0]->SubWindow();
  QMdiSubWindow* gameWindow = form.DocumentWindows()[1]->SubWindow();
  form.MdiArea->setActiveSubWindow(levelWindow);
  QApplication::processEvents();
  EXPECT_EQ(form.StatusPanels[1]->text().toStdString(), "\xC3\x8Dndice: 1 (2 objetos)");
  form.MdiArea->setActiveSubWindow(gameWindow);
  QApplication::processEvents();
  EXPECT_EQ(form.StatusPanels[1]->text().toStdString(), "");
  EXPECT_EQ(form.StatusPanels[2]->text().toStdString(), "");
}

// A window that loaded nothing (a refused password, a file of no document kind)
// is the active one: the status bar shows it, not the level shown before.
TEST_F(FrmMain, AWindowThatLoadedNothingShowsNoOtherDocumentsStatus) {
  std::ofstream(dir / "nivel.tql", std::ios::binary)
      << "[Options]\r\nWidth=10\r\nHeight=5\r\n[Sprites]\r\n65537=40,1,\r\n65538=41,1,\r\n";
  std::ofstream(dir / "secreto.tql", std::ios::binary) << "[Options]\r\nPassword=abc\r\n[Sprites]\r\n0=0,1,\r\n";
  std::ofstream(dir / "notas.txt", std::ios::binary) << "[Sprites]\r\n0=0,1,\r\n";
  TfmMain form(dir.string() + "/");
  form.show();
  const auto openSelected = [&] {
    form.Commands().OpenFile((dir / "nivel.tql").string());
    TChildView& level = *form.ActiveView();
    level.SelectedIndex = 1;
    level.UpdateStatus();
    ASSERT_EQ(form.StatusPanels[1]->text().toStdString(), "\xC3\x8Dndice: 1 (2 objetos)");
  };
  openSelected();
  QTimer::singleShot(0, &form.fmPassword(), [&form] { form.fmPassword().reject(); });
  form.Commands().OpenFile((dir / "secreto.tql").string());
  QApplication::processEvents();
  ASSERT_EQ(form.DocumentWindows().size(), 2u);
  EXPECT_TRUE(form.ActiveView()->Doc.Objects.empty());
  EXPECT_EQ(form.StatusPanels[1]->text().toStdString(), "");
  EXPECT_EQ(form.StatusPanels[2]->text().toStdString(), "");

  openSelected();
  form.Commands().OpenFile((dir / "notas.txt").string());
  QApplication::processEvents();
  EXPECT_TRUE(form.ActiveView()->Doc.Objects.empty());
  EXPECT_EQ(form.StatusPanels[1]->text().toStdString(), "");
  EXPECT_EQ(form.StatusPanels[2]->text().toStdString(), "");
}

// Ctrl+F4 closes the active document window as "&Cerrar" does, also the empty
// window a refused password leaves while it is the only one.
TEST_F(FrmMain, ArchivoCerrarAndCtrlF4CloseTheOnlyDocumentWindow) {
  std::ofstream(dir / "secreto.tql", std::ios::binary) << "[Options]\r\nPassword=abc\r\n[Sprites]\r\n0=0,1,\r\n";
  std::ofstream(dir / "nivel.tql", std::ios::binary) << "[Options]\r\nWidth=4\r\n[Sprites]\r\n0=0,1,\r\n";
  TfmMain form(dir.string() + "/");
  form.show();
  const std::function<void()> menu = [&form] { form.Action("&Cerrar")->trigger(); };
  const std::function<void()> ctrlF4 = [&form] { QTest::keyClick(&form, Qt::Key_F4, Qt::ControlModifier); };
  struct Case {
    const char* file;
    bool refused;
    const std::function<void()>& close;
  };
  const Case cases[] = {{"secreto.tql", true, menu}, {"secreto.tql", true, ctrlF4}, {"nivel.tql", false, ctrlF4}};
  for (const Case& c : cases) {
    if (c.refused) QTimer::singleShot(0, &form.fmPassword(), [&form] { form.fmPassword().reject(); });
    form.Commands().OpenFile((dir / c.file).string());
    // The keyboard is back with the main window, as the window manager gives it
    // after the dialog (the offscreen platform leaves it with the hidden dialog).
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_EQ(form.DocumentWindows().size(), 1u) << c.file;
    EXPECT_EQ(form.Action("&Guardar")->isEnabled(), !c.refused) << c.file;  // nothing was loaded to save
    EXPECT_TRUE(form.Button("Cerrar")->isEnabled()) << c.file;
    c.close();
    QApplication::processEvents();
    EXPECT_TRUE(form.DocumentWindows().empty()) << c.file;
    EXPECT_FALSE(form.Action("&Cerrar")->isEnabled()) << c.file;
  }
}

// Closing the editor asks once about each changed document: an answer of "No"
// closes it without a second question when the window goes.
TEST_F(FrmMain, ClosingTheEditorAsksOnceAboutAChangedDocument) {
  int questions = 0;
  // Every question box that opens is counted and answered "No".
  const ModalAnswer<QMessageBox> answer(10, [&questions](QMessageBox* box) {
    ++questions;
    box->button(QMessageBox::No)->click();
  });
  {
    TfmMain form(dir.string() + "/");
    QTimer::singleShot(0, &form.fmLevelProp(), [&form] { form.fmLevelProp().accept(); });
    form.Commands().NewLevel();
    ASSERT_TRUE(form.Commands().Active()->Document().Modified);
    form.show();
    EXPECT_TRUE(form.close());
    EXPECT_EQ(questions, 1);
  }
  EXPECT_EQ(questions, 1);
}

// The editor's question and message boxes read in Spanish: the save question
// on closing a changed document, and an error.
TEST_F(FrmMain, QuestionAndMessageBoxesReadInSpanish) {
  TfmMain form(dir.string() + "/");
  QStringList shown;
  // The next box that opens: its buttons' texts, then the given answer.
  const auto answer = [&shown](QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [&shown, button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      shown.clear();
      for (QAbstractButton* b : box->buttons()) shown << b->text().remove('&');
      shown.sort();
      box->button(button)->click();
    });
  };
  form.Commands().NewGame();
  answer(QMessageBox::Cancel);
  form.Commands().Close();
  EXPECT_EQ(shown, QStringList({"Cancelar", "No", QString::fromUtf8("Sí")}));
  EXPECT_EQ(form.DocumentWindows().size(), 1u);

  answer(QMessageBox::Ok);
  form.ShowMessage("No se pudo guardar.", "Error", miError);
  EXPECT_EQ(shown, QStringList({"Aceptar"}));

  answer(QMessageBox::No);
  form.Commands().Close();
  EXPECT_TRUE(form.DocumentWindows().empty());
}

// The menu's shortcuts act wherever the keyboard is in the main window: in a
// game's text and in a level's text page, Ctrl+A opens ("Abrir..."), as on the
// grid, and does not select the text; Del deletes the selected object, and with
// none it is the text's own key.
TEST_F(FrmMain, MenuShortcutsActTheSameInTheTextPages) {
  std::ofstream(dir / "juego.tqg", std::ios::binary) << "[Options]\r\nLifes=5\r\nMapFile=mapa.tqw\r\n";
  std::ofstream(dir / "nivel.tql", std::ios::binary) << "[Options]\r\nWidth=20\r\n[Sprites]\r\n0=0,1,\r\n5=40,1,\r\n";
  TfmMain form(dir.string() + "/");
  form.show();
  QApplication::setActiveWindow(&form);
  QStringList dialogs;
  // Every modal dialog that opens is named and closed.
  const ModalAnswer<QDialog> closer(10, [&dialogs](QDialog* dialog) {
    dialogs << dialog->windowTitle();
    dialog->reject();
  });
  // The keyboard in a text page of the active main window.
  const auto focus = [&form](QTextEdit& page) {
    QApplication::setActiveWindow(&form);
    page.setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(page.hasFocus());
  };
  for (const char* file : {"juego.tqg", "nivel.tql"}) {
    SCOPED_TRACE(file);
    form.Commands().OpenFile((dir / file).string());
    TfmChild& child = *form.DocumentWindows().back();
    child.SelectTab(1);
    focus(*child.mmFile);
    const QString text = child.mmFile->toPlainText();
    dialogs.clear();
    QTest::keyClick(child.mmFile, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(dialogs, QStringList{"Abrir archivo"});
    EXPECT_FALSE(child.mmFile->textCursor().hasSelection());
    EXPECT_EQ(child.mmFile->toPlainText(), text);
  }
  // The level's second object selected: Del in its text page deletes it.
  TfmChild& level = *form.DocumentWindows().back();
  level.View().SelectedIndex = 1;
  focus(*level.mmFile);
  QTest::keyClick(level.mmFile, Qt::Key_Delete);
  EXPECT_EQ(level.Document().Objects, std::vector<std::string>{"0=0,1,"});
  // The game's text: Del deletes the character after the caret.
  TfmChild& game = *form.DocumentWindows().front();
  form.Commands().Activate(&game);
  focus(*game.mmFile);
  game.mmFile->moveCursor(QTextCursor::Start);
  QTest::keyClick(game.mmFile, Qt::Key_Delete);
  EXPECT_TRUE(game.mmFile->toPlainText().startsWith("Options]"));
}

// A game is edited as text and has no grid: while it is the active document
// the grid's items, buttons and keys are off, and its text keeps Ins, Enter,
// F5, Alt+Enter, Shift+Del and the others as its own; the level's come back
// with the level.
TEST_F(FrmMain, AGameDocumentHasNoGridCommandsAndItsTextKeepsItsKeys) {
  std::ofstream(dir / "juego.tqg", std::ios::binary) << "[Options]\r\nLifes=5\r\nMapFile=mapa.tqw\r\n";
  std::ofstream(dir / "nivel.tql", std::ios::binary) << "[Options]\r\nWidth=20\r\n[Sprites]\r\n0=0,1,\r\n";
  TfmMain form(dir.string() + "/");
  form.show();
  QStringList dialogs;
  // Every modal dialog or message box that opens is named and closed.
  const ModalAnswer<QDialog> closer(10, [&dialogs](QDialog* dialog) {
    dialogs << dialog->windowTitle();
    dialog->reject();
  });
  const char* gridItems[] = {"&Propiedades",     "&Actualizar",     "&Eliminar",  "&Eliminar todos",
                             "&Llenar con...",   "&Traer al frente", "&Enviar al fondo", "&Buscar...",
                             "&Reemplazar...",   "&Grilla",         "Editor &visual"};
  const char* gridButtons[] = {"Eliminar",   "Eliminar todos",        "Buscar...",   "Buscar siguiente",
                               "Reemplazar...", "Grilla",             "Propiedades del nivel", "Actualizar",
                               "Llenar con...", "Traer al frente",    "Enviar al fondo", "Color de fondo"};
  const auto expectGrid = [&](bool on) {
    for (const char* item : gridItems) EXPECT_EQ(form.Action(item)->isEnabled(), on) << item;
    for (const char* button : gridButtons) EXPECT_EQ(form.Button(button)->isEnabled(), on) << button;
    EXPECT_EQ(form.cbZoom->isEnabled(), on);
    // The document's own commands stay.
    for (const char* item : {"&Guardar", "Guardar c&omo...", "Guardar y &ejecutar", "&Cerrar", "Editor de &texto"})
      EXPECT_TRUE(form.Action(item)->isEnabled()) << item;
  };
  form.Commands().OpenFile((dir / "nivel.tql").string());
  expectGrid(true);
  form.Commands().OpenFile((dir / "juego.tqg").string());
  TfmChild& game = *form.DocumentWindows().back();
  ASSERT_EQ(game.Document().DocKind, DocGame);
  expectGrid(false);
  EXPECT_FALSE(form.Action("Buscar &siguiente")->isEnabled());

  // The keyboard in the game's text of the active main window (the offscreen
  // platform leaves it with a dialog that closed).
  const auto focus = [&form, &game] {
    QApplication::setActiveWindow(&form);
    game.mmFile->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(game.mmFile->hasFocus());
  };
  game.mmFile->moveCursor(QTextCursor::End);
  const QString text = game.mmFile->toPlainText();
  const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
      {Qt::Key_Insert, Qt::NoModifier}, {Qt::Key_F5, Qt::NoModifier},      {Qt::Key_Return, Qt::AltModifier},
      {Qt::Key_F2, Qt::NoModifier},     {Qt::Key_F3, Qt::NoModifier},      {Qt::Key_B, Qt::ControlModifier},
      {Qt::Key_R, Qt::ControlModifier}, {Qt::Key_1, Qt::ControlModifier}, {Qt::Key_Delete, Qt::ShiftModifier}};
  for (const auto& [key, modifiers] : keys) {
    focus();
    QTest::keyClick(game.mmFile, key, modifiers);
    QApplication::processEvents();
  }
  focus();
  EXPECT_TRUE(dialogs.isEmpty()) << dialogs.join(", ").toStdString();
  EXPECT_TRUE(game.Document().Objects.empty());
  EXPECT_EQ(game.nbMode->currentIndex(), 1);  // still its text
  // Enter is the text's: a new line.
  QTest::keyClick(game.mmFile, Qt::Key_Return);
  EXPECT_EQ(game.mmFile->toPlainText(), text + "\n");
  // Shift+Del cuts the text's selection.
  game.mmFile->moveCursor(QTextCursor::Start);
  game.mmFile->moveCursor(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  QTest::keyClick(game.mmFile, Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_TRUE(game.mmFile->toPlainText().startsWith("Options]"));
  EXPECT_TRUE(dialogs.isEmpty()) << dialogs.join(", ").toStdString();

  // The level active again: its grid's commands are back.
  form.MdiArea->setActiveSubWindow(form.DocumentWindows().front()->SubWindow());
  QApplication::processEvents();
  ASSERT_EQ(form.ActiveView()->Doc.DocKind, DocLevel);
  expectGrid(true);
  for (const auto& w : form.DocumentWindows()) w->Document().Modified = false;
}

// Installed in a folder whose name Windows-1252 cannot write, the open dialog
// starts in the program folder and the level chosen there by its name opens.
TEST_F(FrmMain, TheOpenDialogOpensALevelOfAProgramFolderInAnyLetters) {
  const fs::path folder = dir / "\u0414\u043e\u043c \u0418\u0433\u0440" / "Hopz";
  fs::create_directories(folder / "levels");
  std::ofstream(folder / "levels" / "casa.tql", std::ios::binary)
      << "[Options]\r\nWidth=20\r\n[Sprites]\r\n0=0,1,\r\n5=40,1,\r\n";
  TfmMain form(folder.string() + "/");
  form.show();
  FileDialogChoice choice("levels/casa.tql");
  form.Commands().Open();
  EXPECT_EQ(choice.startFolder.toStdString(), platform::qt::qPath(folder).toStdString());
  ASSERT_EQ(form.DocumentWindows().size(), 1u);
  const TDocument& doc = form.DocumentWindows().back()->Document();
  EXPECT_EQ(doc.FileName, folder / "levels" / "casa.tql");
  EXPECT_EQ(doc.Objects, (std::vector<std::string>{"0=0,1,", "5=40,1,"}));
  EXPECT_EQ(form.DocumentWindows().back()->windowTitle(), "casa.tql");
  // A level named in those letters too is titled by its name.
  const fs::path garden = folder / "levels" / "\u0441\u0430\u0434.tql";
  fs::copy_file(folder / "levels" / "casa.tql", garden);
  form.Commands().OpenFile(garden);
  ASSERT_EQ(form.DocumentWindows().size(), 2u);
  EXPECT_EQ(form.DocumentWindows().back()->Document().Objects.size(), 2u);
  EXPECT_EQ(form.DocumentWindows().back()->windowTitle().toStdString(), "\u0441\u0430\u0434.tql");
}

// The window menu's tilings: horizontal stacks the document windows, each as
// wide as the frame; vertical sets them side by side, each as tall.
TEST_F(FrmMain, TilingHorizontallyStacksAndVerticallySetsSideBySide) {
  TfmMain form(dir.string() + "/");
  form.resize(900, 700);
  form.show();
  for (int i = 0; i < 2; ++i) form.Commands().NewGame();
  QApplication::processEvents();
  EXPECT_EQ(form.DocumentWindows()[0]->Caption(), "Nuevo 1");
  EXPECT_EQ(form.DocumentWindows()[1]->Caption(), "Nuevo 2");
  const QSize area = form.MdiArea->viewport()->size();
  const QList<QMdiSubWindow*> subs = form.MdiArea->subWindowList();
  ASSERT_EQ(subs.size(), 2);
  form.Commands().Arrange(arTileHorizontal);
  for (QMdiSubWindow* sub : subs) EXPECT_EQ(sub->width(), area.width());
  EXPECT_EQ(subs[0]->y(), 0);
  EXPECT_EQ(subs[1]->y(), subs[0]->height());
  form.Commands().Arrange(arTileVertical);
  for (QMdiSubWindow* sub : subs) EXPECT_EQ(sub->height(), area.height());
  EXPECT_EQ(subs[0]->x(), 0);
  EXPECT_EQ(subs[1]->x(), subs[0]->width());
  for (const auto& w : form.DocumentWindows()) w->Document().Modified = false;
}

}  // namespace
