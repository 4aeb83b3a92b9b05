// The main window's commands through their real dialogs, each answered from
// the dialog's own modal loop.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QProgressBar>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <unistd.h>

#include "editor/frmChild/frmChild.h"
#include "editor/frmColor/TfmColor.h"
#include "editor/frmFill/TfmFill.h"
#include "editor/frmFind/TfmFind.h"
#include "editor/frmLevelProp/TfmLevelProp.h"
#include "editor/frmMain/frmMain.h"
#include "editor/frmPassword/TfmPassword.h"
#include "editor/frmReplace/TfmReplace.h"
#include "platform/core/ini_file.h"
#include "tests/support/modal_answer.h"
#include "tests/support/other_user.h"

namespace fs = std::filesystem;
using M = TLevelPropModel;

namespace {

void Click(QWidget& dialog, const char* text) {
  for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
    if (b->text() == QString::fromUtf8(text)) return b->click();
  ADD_FAILURE() << "no button " << text;
}

// Runs answer once the dialog's modal loop runs.
template <class F>
void WhenShown(QWidget& dialog, F answer) {
  QTimer::singleShot(0, &dialog, answer);
}

// Closes the message box the command is about to show; its text goes to *text.
void CloseMessageBox(QString* text) {
  QTimer::singleShot(0, [text] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    for (QLabel* label : box->findChildren<QLabel*>())
      if (!label->text().isEmpty()) *text += label->text();
    box->close();
  });
}

class MainWindowDialogs : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "editor_wiring_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
  }
  void SetUp() override {
    dir = fs::temp_directory_path() / ("editor_wiring_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    form = std::make_unique<TfmMain>(dir.string() + "/");
  }
  void TearDown() override {
    if (form)
      for (const auto& w : form->DocumentWindows()) w->Document().Modified = false;
    form.reset();
    fs::remove_all(dir);
  }

  // A new level of width x height cells through the properties dialog.
  TChildView& NewLevel(int width, int height, const char* name = "Prueba") {
    TfmLevelProp& dialog = form->fmLevelProp();
    WhenShown(dialog, [&, width, height, name] {
      EXPECT_EQ(dialog.windowTitle(), "Nuevo nivel");
      dialog.Text(&M::Edit1)->setText(name);
      dialog.Number(&M::Edit3)->setValue(width);
      dialog.Number(&M::Edit4)->setValue(height);
      Click(dialog, "Aceptar");
    });
    form->Commands().NewLevel();
    return *form->ActiveView();
  }

  fs::path dir;
  std::unique_ptr<TfmMain> form;
};

TEST_F(MainWindowDialogs, NewLevelAndPropertiesGoThroughTheLevelDialog) {
  TChildView& view = NewLevel(40, 12);
  ASSERT_EQ(form->DocumentWindows().size(), 1u);
  EXPECT_EQ(view.Doc.Name, "Prueba");
  EXPECT_EQ(view.Doc.Width, 40);
  EXPECT_EQ(view.Doc.Height, 12);
  EXPECT_EQ(view.Doc.DocKind, DocLevel);
  EXPECT_TRUE(view.Doc.FileName.empty());
  EXPECT_TRUE(view.Doc.Modified);
  EXPECT_EQ(view.LevelBitmap.Width(), 40 * view.Doc.ResFactor);  // rendered at the new size

  // Properties show the document and write back what was changed.
  TfmLevelProp& dialog = form->fmLevelProp();
  WhenShown(dialog, [&] {
    EXPECT_EQ(dialog.windowTitle(), "Propiedades del nivel");
    EXPECT_EQ(dialog.Text(&M::Edit1)->text(), "Prueba");
    dialog.Number(&M::Edit2)->setValue(200);
    Click(dialog, "Aceptar");
  });
  form->Commands().Properties();
  EXPECT_EQ(view.Doc.Time, 200);

  // A cancelled new map makes no window; the same dialog instance serves every mode.
  WhenShown(dialog, [&] {
    EXPECT_EQ(dialog.windowTitle(), "Nuevo mapa");
    EXPECT_EQ(dialog.Text(&M::Edit1)->text(), "WORLD 1");
    Click(dialog, "Cancelar");
  });
  form->Commands().NewMap();
  EXPECT_EQ(form->DocumentWindows().size(), 1u);
  EXPECT_EQ(&form->fmLevelProp(), &dialog);
}

// The one properties dialog shows each document's own password: a level's does
// not reach a new map, and an untouched "Aceptar" keeps a document's own.
TEST_F(MainWindowDialogs, APasswordStaysWithItsOwnDocument) {
  TChildView& level = NewLevel(10, 5);
  TfmLevelProp& dialog = form->fmLevelProp();
  WhenShown(dialog, [&] {
    dialog.Text(&M::edPass)->setText("abc");
    dialog.Text(&M::edConfPass)->setText("abc");
    Click(dialog, "Aceptar");
  });
  form->Commands().Properties();
  ASSERT_EQ(level.Doc.Password, "abc");

  // The two password fields as the command's dialog shows them, answered with "Aceptar".
  QString pass = "?", confirmation = "?";
  const auto passwordFieldsOf = [&](auto command) {
    pass = confirmation = "?";
    WhenShown(dialog, [&] {
      pass = dialog.Text(&M::edPass)->text();
      confirmation = dialog.Text(&M::edConfPass)->text();
      Click(dialog, "Aceptar");
    });
    command();
  };
  passwordFieldsOf([&] { form->Commands().NewMap(); });
  ASSERT_EQ(form->DocumentWindows().size(), 2u);
  EXPECT_EQ(pass, "");
  EXPECT_EQ(confirmation, "");
  EXPECT_EQ(form->ActiveView()->Doc.Password, "");

  form->Commands().Activate(form->DocumentWindows()[0].get());
  passwordFieldsOf([&] { form->Commands().Properties(); });
  EXPECT_EQ(pass, "abc");
  EXPECT_EQ(confirmation, "abc");
  EXPECT_TRUE(dialog.isHidden());  // accepted, not refused as a mismatch
  EXPECT_EQ(level.Doc.Password, "abc");
}

// "Aceptar" on the properties as they were shown changes nothing: closing the
// level asks nothing. A change there is a change of the level.
TEST_F(MainWindowDialogs, AnUntouchedAceptarInPropiedadesLeavesTheLevelUnchanged) {
  const fs::path level = dir / "nivel.tql";
  std::ofstream(level, std::ios::binary) << "[Options]\r\nTime=77\r\nWidth=8\r\nHeight=3\r\nPassword=abc\r\n"
                                            "[Sprites]\r\n0=0,1,\r\n";
  // The document's password is asked at opening; every box is answered "Sí".
  QStringList questions;
  const ModalAnswer<QMessageBox> answer(5, [&questions](QMessageBox* box) {
    questions << box->text();
    box->button(QMessageBox::Yes)->click();
  });
  TfmPassword& password = form->fmPassword();
  WhenShown(password, [&password] {
    password.edPass()->setText("abc");
    Click(password, "Aceptar");
  });
  form->Commands().OpenFile(level.string());
  ASSERT_NE(form->ActiveView(), nullptr);
  TChildView& view = *form->ActiveView();
  ASSERT_FALSE(view.Doc.Modified);

  TfmLevelProp& dialog = form->fmLevelProp();
  WhenShown(dialog, [&] { Click(dialog, "Aceptar"); });
  form->Action("&Propiedades")->trigger();
  EXPECT_FALSE(view.Doc.Modified);
  EXPECT_EQ(view.Doc.Time, 77);

  WhenShown(dialog, [&] {
    dialog.Number(&M::Edit2)->setValue(78);
    Click(dialog, "Aceptar");
  });
  form->Action("&Propiedades")->trigger();
  EXPECT_TRUE(view.Doc.Modified);
  view.Doc.Modified = false;
  form->Commands().Close();
  EXPECT_TRUE(form->DocumentWindows().empty());
  EXPECT_TRUE(questions.isEmpty()) << questions.join("\n").toStdString();
}

TEST_F(MainWindowDialogs, FindThenFindNextSelectTheObjectsOfTheKindUntilNoneIsLeft) {
  TChildView& view = NewLevel(10, 5);
  view.Doc.Objects = {"1=40,1,", "2=39,1,49", "3=40,1,"};
  QAction* findNext = form->Action("Buscar &siguiente");
  EXPECT_FALSE(findNext->isEnabled());

  // Find next before any confirmed find searches nothing.
  form->Find(true);
  EXPECT_EQ(view.SelectedIndex, -1);

  TfmFind& dialog = form->fmFind();
  WhenShown(dialog, [&] {
    dialog.Chooser()->Edit()->setValue(40);
    Click(dialog, "Aceptar");
  });
  form->Find(false);
  EXPECT_EQ(view.SelectedIndex, 0);
  EXPECT_TRUE(findNext->isEnabled());
  form->Find(true);
  EXPECT_EQ(view.SelectedIndex, 2);

  QString message;
  CloseMessageBox(&message);
  form->Find(true);
  EXPECT_TRUE(message.contains("No se encontraron resultados"));
  EXPECT_EQ(view.SelectedIndex, 2);
  EXPECT_FALSE(findNext->isEnabled());
  EXPECT_EQ(form->StatusPanels[0]->text(), "Listo");
  EXPECT_FALSE(form->Progress1->isVisible());

  // Find starts again at the first object, with the selected kind offered.
  WhenShown(dialog, [&] {
    EXPECT_EQ(dialog.Chooser()->Edit()->value(), 40);
    Click(dialog, "Aceptar");
  });
  form->Find(false);
  EXPECT_EQ(view.SelectedIndex, 0);
}

TEST_F(MainWindowDialogs, ReplaceAndFillChangeTheDocument) {
  TChildView& view = NewLevel(3, 2);
  view.Doc.Objects = {"1=40,1,", "2=39,1,49"};
  view.Doc.Modified = false;
  view.SelectedIndex = 1;
  TfmReplace& replace = form->fmReplace();
  WhenShown(replace, [&] {
    EXPECT_EQ(replace.FindKind()->Edit()->value(), 39);  // the selected object's kind
    replace.NewKind()->Edit()->setValue(46);
    Click(replace, "Aceptar");
  });
  form->Replace();
  // The block keeps its coin: both kinds are blocks.
  EXPECT_EQ(view.Doc.Objects, (std::vector<std::string>{"1=40,1,", "2=46,1,49"}));
  EXPECT_TRUE(view.Doc.Modified);
  EXPECT_EQ(view.SelectedIndex, -1);  // rendered afresh

  // A jumper reads field 2 as its jump: the coin would go, so the editor asks
  // first in Spanish, and "No" leaves every line as it was.
  view.Doc.Modified = false;
  view.SelectedIndex = 1;
  QString question, buttons;
  WhenShown(replace, [&] {
    replace.NewKind()->Edit()->setValue(55);
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      question = box->text();
      for (QAbstractButton* b : box->buttons()) buttons += b->text() + "|";
      box->button(QMessageBox::No)->click();
    });
    Click(replace, "Aceptar");
  });
  form->Replace();
  EXPECT_EQ(question.toStdString(), "Un objeto de tipo 46 tiene datos que el tipo 55 no usa o lee con otro sentido (un "
                                    "enlace, un contenido u otra propiedad): al reemplazarlo se perder\u00E1n. \u00BFDesea reemplazar de "
                                    "todos modos?");
  EXPECT_TRUE(buttons.contains(QString::fromUtf8("S\u00ED|"))) << buttons.toStdString();
  EXPECT_TRUE(buttons.contains("No|")) << buttons.toStdString();
  EXPECT_EQ(view.Doc.Objects, (std::vector<std::string>{"1=40,1,", "2=46,1,49"}));
  EXPECT_FALSE(view.Doc.Modified);

  // Fill without overwrite: only the four empty cells of 3 x 2, column by column.
  view.Doc.Modified = false;
  TfmFill& fill = form->fmFill();
  WhenShown(fill, [&] {
    fill.Chooser()->Edit()->setValue(62);
    Click(fill, "Aceptar");
  });
  form->Fill();
  EXPECT_EQ(view.Doc.Objects, (std::vector<std::string>{"1=40,1,", "2=46,1,49", "0=62,1,", "65536=62,1,",
                                                         "65537=62,1,", "65538=62,1,"}));
  EXPECT_EQ(view.SelectedIndex, 5);
  EXPECT_EQ(view.ArmedKind(), 62);
  EXPECT_TRUE(view.Doc.Modified);
  // The fill kind is not armed: with no palette button down a click still selects.
  EXPECT_FALSE(view.Armed());
  view.MouseDown(mbLeft, 1, 1);
  EXPECT_EQ(view.Doc.Objects.size(), 6u);
  EXPECT_EQ(view.SelectedIndex, 2);
  EXPECT_EQ(form->Progress1->maximum(), 6);
  EXPECT_FALSE(form->Progress1->isVisible());

  // A cancelled fill adds nothing.
  WhenShown(fill, [&] { Click(fill, "Cancelar"); });
  form->Fill();
  EXPECT_EQ(view.Doc.Objects.size(), 6u);
}

// The first line is the player's start, which the game never builds as an
// object: "Sobreescribir existentes" leaves it, and a Replace of kind 0 by
// another kind is refused with a word. A key written "05" is cell 5: the fill
// gives it no second object, and the level filled can be saved.
TEST_F(MainWindowDialogs, FillAndReplaceLeaveTheStartAndFindCellsByTheirNumber) {
  const fs::path level = dir / "nivel.tql";
  std::ofstream(level, std::ios::binary) << "[Options]\r\nWidth=6\r\nHeight=1\r\n[Sprites]\r\n1=0,1,\r\n05=40,1,\r\n";
  form->Commands().OpenFile(level.string());
  ASSERT_NE(form->ActiveView(), nullptr);
  TChildView& view = *form->ActiveView();
  ASSERT_EQ(view.Doc.Objects.size(), 2u);
  // Every message box is read and closed.
  QStringList messages;
  const ModalAnswer<QMessageBox> closer(10, [&messages](QMessageBox* box) {
    messages << box->text();
    box->close();
  });

  TfmFill& fill = form->fmFill();
  WhenShown(fill, [&] {
    fill.Chooser()->Edit()->setValue(41);
    fill.cbOverwrite()->setChecked(true);
    Click(fill, "Aceptar");
  });
  form->Action("&Llenar con...")->trigger();
  EXPECT_EQ(view.Doc.Objects,
            (std::vector<std::string>{"1=0,1,", "05=41,1,", "0=41,1,", "2=41,1,", "3=41,1,", "4=41,1,"}));
  EXPECT_TRUE(form->Commands().Save());
  EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
  EXPECT_EQ(platform::IniFile(level).readSection("Sprites"), (std::vector<std::string>{"1", "05", "0", "2", "3", "4"}));

  messages.clear();
  TfmReplace& replace = form->fmReplace();
  WhenShown(replace, [&] {
    replace.FindKind()->Edit()->setValue(0);
    replace.NewKind()->Edit()->setValue(41);
    Click(replace, "Aceptar");
  });
  form->Action("&Reemplazar...")->trigger();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith(QString::fromUtf8("El tipo 0 es la salida del jugador")))
      << messages[0].toStdString();
  EXPECT_EQ(view.Doc.Objects[0], "1=0,1,");
  EXPECT_FALSE(view.Doc.Modified);
  EXPECT_FALSE(form->Progress1->isVisible());
}

// A saved level changed by each command that only moves or adds objects: closing
// it asks to save, and "Sí" writes the change into the file.
TEST_F(MainWindowDialogs, EveryCommandThatChangesALevelAsksBeforeItsWindowCloses) {
  const fs::path level = dir / "nivel.tql";
  const std::string saved = "[Options]\r\nWidth=4\r\nHeight=2\r\n[Sprites]\r\n0=0,1,\r\n1=40,1,\r\n2=41,1,\r\n3=42,1,\r\n";
  struct Case {
    const char* command;
    std::function<void(TChildView&)> run;
    std::vector<std::string> file;  // [Sprites] after the save
  };
  const auto click = [](int column) { return [column](TChildView& v) { v.MouseDown(mbLeft, column * 16 + 8, 8); }; };
  const Case cases[] = {
      {"Llenar con...",
       [this](TChildView&) {
         TfmFill& fill = form->fmFill();
         WhenShown(fill, [&fill] {
           fill.Chooser()->Edit()->setValue(62);
           Click(fill, "Aceptar");
         });
         form->Action("&Llenar con...")->trigger();
       },
       {"0=0,1,", "1=40,1,", "2=41,1,", "3=42,1,", "65536=62,1,", "65537=62,1,", "65538=62,1,", "65539=62,1,"}},
      {"Eliminar todos", [this](TChildView&) { form->Action("&Eliminar todos")->trigger(); }, {}},
      {"Traer al frente",
       [this, click](TChildView& v) {
         click(1)(v);
         form->Action("&Traer al frente")->trigger();
       },
       {"0=0,1,", "2=41,1,", "3=42,1,", "1=40,1,"}},
      {"Enviar al fondo",
       [this, click](TChildView& v) {
         click(3)(v);
         form->Action("&Enviar al fondo")->trigger();
       },
       {"0=0,1,", "3=42,1,", "1=40,1,", "2=41,1,"}},
  };
  // Every question box is answered "Sí" (the delete-all confirmation too).
  QStringList questions;
  const ModalAnswer<QMessageBox> answer(5, [&questions](QMessageBox* box) {
    questions << box->text();
    box->button(QMessageBox::Yes)->click();
  });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    std::ofstream(level, std::ios::binary) << saved;
    form->Commands().OpenFile(level.string());
    ASSERT_NE(form->ActiveView(), nullptr);
    ASSERT_EQ(form->ActiveView()->Doc.Objects.size(), 4u);
    c.run(*form->ActiveView());
    questions.clear();
    form->Commands().Close();
    EXPECT_TRUE(form->DocumentWindows().empty());
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0], QString::fromUtf8("\u00BFDesea guardar los cambios realizados a \"nivel.tql\"?"));
    EXPECT_EQ(platform::IniFile(level).readSectionValues("Sprites"), c.file);
  }
}

TEST_F(MainWindowDialogs, BackgroundColourAndPasswordUseTheirWindows) {
  TChildView& view = NewLevel(4, 4);
  view.Doc.Modified = false;
  form->ChooseBackgroundColor();
  ASSERT_TRUE(form->fmColor().isVisible());
  form->fmColor().ColorButton(14)->click();  // aqua
  EXPECT_EQ(view.Doc.BgColor, 16776960);
  EXPECT_TRUE(view.Doc.Modified);
  EXPECT_FALSE(form->fmColor().isVisible());

  const fs::path level = dir / "secreto.tql";
  std::ofstream(level) << "[Options]\nPassword=Secreto\nWidth=5\nHeight=3\n[Sprites]\n65537=40,1,\n";
  TfmPassword& prompt = form->fmPassword();
  WhenShown(prompt, [&] {
    prompt.edPass()->setText("Secreto");
    Click(prompt, "Aceptar");
  });
  form->Commands().OpenFile(level.string());
  EXPECT_EQ(form->ActiveView()->Doc.FileName, level.string());
  EXPECT_EQ(form->ActiveView()->Doc.Objects, std::vector<std::string>{"65537=40,1,"});

  // Cancelled: the new window stays empty.
  const fs::path other = dir / "otro.tql";
  fs::copy_file(level, other);
  WhenShown(prompt, [&] { Click(prompt, "Cancelar"); });
  form->Commands().OpenFile(other.string());
  EXPECT_TRUE(form->ActiveView()->Doc.FileName.empty());
  EXPECT_TRUE(form->ActiveView()->Doc.Objects.empty());
}

// A selected kind beyond the kind chooser's up-down (0..362) is shown as it is,
// and that is the kind searched, replaced and filled with.
TEST_F(MainWindowDialogs, KindChooserShowsTheKindItActsOnBeyondItsRange) {
  TChildView& view = NewLevel(2, 1);
  view.Doc.Objects = {"0=362,1,", "1=363,1,"};
  int shown = -1;

  view.SelectedIndex = 1;
  TfmFind& find = form->fmFind();
  WhenShown(find, [&] {
    shown = find.Chooser()->Edit()->value();
    Click(find, "Aceptar");
  });
  form->Find(false);
  EXPECT_EQ(shown, 363);
  EXPECT_EQ(view.SelectedIndex, 1);

  TfmReplace& replace = form->fmReplace();
  int newShown = -1;
  WhenShown(replace, [&] {
    shown = replace.FindKind()->Edit()->value();
    newShown = replace.NewKind()->Edit()->value();
    Click(replace, "Aceptar");
  });
  form->Replace();
  EXPECT_EQ(shown, 363);
  EXPECT_EQ(newShown, 363);
  EXPECT_EQ(view.Doc.Objects, (std::vector<std::string>{"0=362,1,", "1=363,1,"}));

  view.Doc.Objects = {"0=363,1,"};
  view.SelectedIndex = 0;
  TfmFill& fill = form->fmFill();
  WhenShown(fill, [&] {
    shown = fill.Chooser()->Edit()->value();
    Click(fill, "Aceptar");
  });
  form->Fill();
  EXPECT_EQ(shown, 363);
  EXPECT_EQ(view.Doc.Objects, (std::vector<std::string>{"0=363,1,", "1=363,1,"}));
}

// Zadizuv.ini edited by hand while the editor runs: new documents take the
// [NewLevel] it holds at that moment, and closing the editor writes only the
// window's keys into the file as it then stands.
TEST_F(MainWindowDialogs, SettingsFileEditedWhileTheEditorRunsIsReadWhenUsedAndKeptAtExit) {
  const fs::path ini = dir / "Zadizuv.ini";
  auto put = [&ini](const std::string& text) { std::ofstream(ini, std::ios::binary) << text; };
  put("[NewLevel]\r\nImageLib=sprites\\forest.iml\r\n[Notas]\r\nAutor=Ana\r\n");

  TfmLevelProp& dialog = form->fmLevelProp();
  QString imageLib, soundLib;
  WhenShown(dialog, [&] {
    imageLib = dialog.Text(&M::Edit7)->text();
    Click(dialog, "Cancelar");
  });
  form->Commands().NewLevel();
  EXPECT_EQ(imageLib.toStdString(), "sprites\\forest.iml");

  put("[NewLevel]\r\nImageLib=sprites\\forest.iml\r\nSoundLib=sounds\\cave.sdl\r\n[Notas]\r\nAutor=Ana\r\n");
  WhenShown(dialog, [&] {
    soundLib = dialog.Text(&M::Edit9)->text();
    Click(dialog, "Cancelar");
  });
  form->Commands().NewMap();
  EXPECT_EQ(soundLib.toStdString(), "sounds\\cave.sdl");

  const QRect placement = form->normalGeometry().isValid() ? form->normalGeometry() : form->geometry();
  form.reset();
  platform::IniFile after(ini);
  EXPECT_EQ(after.readString("Notas", "Autor", ""), "Ana");
  EXPECT_EQ(after.readString("NewLevel", "SoundLib", ""), "sounds\\cave.sdl");
  EXPECT_EQ(after.readString("NewLevel", "ImageLib", ""), "sprites\\forest.iml");
  EXPECT_EQ(after.readInteger("MainWindow", "Width", 0), placement.width());
  EXPECT_EQ(after.readInteger("MainWindow", "Height", 0), placement.height());
  EXPECT_EQ(after.readInteger("MainWindow", "WindowState", -1), 0);
}

}  // namespace

namespace {

std::string Slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

// "Guardar" of a new level, "levels/Casa" typed into the save dialog beside the
// level casa.tql: the level is written as Casa.tql, and casa.tql stays as it was.
TEST_F(MainWindowDialogs, GuardarAsCasaBesideCasaWritesCasaAndLeavesCasa) {
  fs::create_directories(dir / "levels");
  const std::string theirs = "[Options]\r\nAddText=la de otro\r\n[Sprites]\r\n0=0,1,\r\n";
  std::ofstream(dir / "levels" / "casa.tql", std::ios::binary) << theirs;
  TChildView& view = NewLevel(10, 5);
  QTimer typist;
  QObject::connect(&typist, &QTimer::timeout, [] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText("levels/Casa");
    static_cast<QDialog*>(dialog)->accept();  // as Enter in the name box
  });
  typist.start(5);
  form->Action("&Guardar")->trigger();
  typist.stop();
  EXPECT_EQ(view.Doc.FileName, (dir / "levels" / "Casa.tql").string());
  EXPECT_FALSE(view.Doc.Modified);
  EXPECT_EQ(Slurp(dir / "levels" / "casa.tql"), theirs);
  EXPECT_NE(Slurp(dir / "levels" / "Casa.tql").find("Width=10\r\nHeight=5\r\n"), std::string::npos);
}

// "Guardar" writes the level's bytes, not what the file system holds of the
// file: a 0640 level stays 0640, a level opened through a link is written into
// the linked file, the link staying. A level the author may not write is
// refused in a message, and the level keeps its changes.
TEST_F(MainWindowDialogs, GuardarKeepsTheFilesModeAndLinkAndRefusesAFileTheAuthorMayNotWrite) {
  struct Case {
    const char* name;
    fs::perms mode;
    const char* opened;  // nivel.tql, or enlace.tql, a link to it
    bool anotherUser;    // saved as a user who may not write the level
  };
  const Case cases[] = {
      {"a 0640 level", fs::perms(0640), "nivel.tql", false},
      {"a level through a link", fs::perms(0644), "enlace.tql", false},
      {"a read-only level", fs::perms(0644), "nivel.tql", true},
  };
  fs::permissions(dir, fs::perms::all);  // anyone may make files here
  const fs::path level = dir / "nivel.tql";
  const std::string saved = "[Options]\r\nTime=77\r\nWidth=8\r\nHeight=3\r\n[Sprites]\r\n0=0,1,\r\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(dir / "enlace.tql");
    std::ofstream(level, std::ios::binary) << saved;
    fs::permissions(level, c.mode);
    fs::create_symlink("nivel.tql", dir / "enlace.tql");
    form->Commands().OpenFile((dir / c.opened).string());
    ASSERT_NE(form->ActiveView(), nullptr);
    TChildView& view = *form->ActiveView();
    view.Doc.Time = 123;
    view.Doc.Modified = true;
    QString message;
    {
      std::optional<AsAnotherUser> other;
      if (c.anotherUser) {
        other.emplace();
        ASSERT_FALSE(AsAnotherUser::mayWrite(level)) << "the premise: this user may not write the level";
        CloseMessageBox(&message);
      }
      form->Action("&Guardar")->trigger();
    }
    EXPECT_TRUE(fs::is_symlink(dir / "enlace.tql"));
    EXPECT_EQ(fs::status(level).permissions(), c.mode);
    if (c.anotherUser) {
      EXPECT_EQ(message, QString::fromUtf8("No se pudo guardar \"") + QString::fromStdString((dir / c.opened).string()) +
                             QString::fromUtf8("\": no se puede escribir el archivo."));
      EXPECT_EQ(Slurp(level), saved);
      EXPECT_TRUE(view.Doc.Modified);
    } else {
      EXPECT_TRUE(message.isEmpty());
      EXPECT_NE(Slurp(level).find("Time=123\r\n"), std::string::npos);
      EXPECT_FALSE(view.Doc.Modified);
    }
    view.Doc.Modified = false;
    form->Commands().Close();
  }
}
