// The object properties window on the offscreen platform: the page it shows for
// an object line, what "Aceptar" and "Cancelar" leave in the document, and the
// main window opening it on the selected object of a staged level.
#include "editor/frmSpriteProp/TfmSpriteProp.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <filesystem>
#include <unistd.h>

#include "editor/Docs/line_helpers.h"
#include "editor/frmChild/frmChild.h"
#include "editor/frmMain/frmMain.h"
#include "tests/editor_dialogs_qt/qt_app.h"

namespace fs = std::filesystem;
using M = TSpritePropModel;

namespace {

// Runs edit inside the dialog's modal loop, then presses "Aceptar" or "Cancelar".
bool runDialog(TfmSpriteProp& dialog, TDocKind kind, const std::string& line, std::function<void()> edit, bool ok) {
  QTimer::singleShot(0, &dialog, [&dialog, edit, ok] {
    if (edit) edit();
    if (const char* dir = std::getenv("TQ_GRAB_DIR")) dialog.grab().save(QString("%1/sprite_prop_%2.png").arg(dir, QString::fromStdString(dialog.Model.KindText)));
    ClickButton(dialog, ok ? "Aceptar" : "Cancelar");
  });
  return dialog.Execute(kind, line);
}

class SpritePropWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { TestApp(); }
  TfmSpriteProp dialog;
};

TEST_F(SpritePropWindow, ShowsThePageOfTheObjectsKindFilledFromItsLine) {
  struct Case {
    TDocKind doc;
    const char* line;
    TSpritePropPage page;
    std::function<void(TfmSpriteProp&)> check;
  };
  const Case cases[] = {
      {DocLevel, "65538=16,1,", TSpritePropPage::Pipe,
       [](TfmSpriteProp& d) {
         EXPECT_EQ(d.Text(&M::edPipeLink)->text(), "");
         EXPECT_EQ(d.Number(&M::edPipeIndex)->value(), 0);
         EXPECT_EQ(d.cbPipeDir()->currentText(), "Hacia arriba");
         EXPECT_FALSE(d.Box(&M::cbPlant)->isChecked());
         EXPECT_FALSE(d.PlantRadio(1)->isEnabled());
         EXPECT_FALSE(d.Box(&M::cbSBullet)->isVisibleTo(&d));
         EXPECT_TRUE(d.Box(&M::cbVisible)->isChecked());
       }},
      {DocLevel, "65538=25,0,niveles\\1-2.tql,7,3,2,1", TSpritePropPage::Pipe,
       [](TfmSpriteProp& d) {
         EXPECT_EQ(d.Text(&M::edPipeLink)->text(), "niveles\\1-2.tql");
         EXPECT_TRUE(d.PlantRadio(2)->isChecked());
         EXPECT_EQ(d.cbPlantDir()->currentText(), "Hacia abajo");
         EXPECT_EQ(d.Number(&M::edPipeIndex)->value(), 3);
         EXPECT_EQ(d.cbPipeDir()->currentIndex(), 2);
         EXPECT_TRUE(d.Box(&M::cbSBullet)->isVisibleTo(&d));
         EXPECT_TRUE(d.Box(&M::cbSBullet)->isChecked());
         EXPECT_FALSE(d.Box(&M::cbVisible)->isChecked());
       }},
      {DocLevel, "65538=39,1,334", TSpritePropPage::Quest,
       [](TfmSpriteProp& d) {
         EXPECT_TRUE(d.QuestRadio(334)->isChecked());
         EXPECT_EQ(d.QuestRadio(334)->text(), "Flor de fuego");
         EXPECT_FALSE(d.Number(&M::Edit1)->isEnabled());
       }},
      {DocLevel, "65538=46,1,200", TSpritePropPage::Quest,
       [](TfmSpriteProp& d) {
         EXPECT_TRUE(d.QuestRadio(kOtherRadio)->isChecked());
         EXPECT_TRUE(d.Number(&M::Edit1)->isEnabled());
         EXPECT_EQ(d.Number(&M::Edit1)->value(), 200);
       }},
      {DocLevel, "65538=203,1,1,2", TSpritePropPage::RotoDisk,
       [](TfmSpriteProp& d) {
         EXPECT_TRUE(d.DiscRadio(1, 1)->isChecked());
         EXPECT_TRUE(d.DiscRadio(2, 2)->isChecked());
         EXPECT_TRUE(d.DiscRadio(1, 2)->isEnabled());
       }},
      {DocLevel, "65538=63,1", TSpritePropPage::Lava,
       [](TfmSpriteProp& d) {
         EXPECT_FALSE(d.Box(&M::cbFlame)->isChecked());
         EXPECT_FALSE(d.Number(&M::edFlame)->isEnabled());
       }},
      {DocWorldMap, "65538=43,1", TSpritePropPage::KeyLock,
       [](TfmSpriteProp& d) { EXPECT_EQ(d.Number(&M::edKeyReplace)->value(), 43); }},
      {DocWorldMap, "65538=4,1,mundo.tqw,2,1", TSpritePropPage::Pipe,
       [](TfmSpriteProp& d) {
         EXPECT_FALSE(d.Box(&M::cbPlant)->isVisibleTo(&d));
         EXPECT_EQ(d.Text(&M::edPipeLink)->text(), "mundo.tqw");
         EXPECT_EQ(d.cbPipeDir()->currentText(), "Hacia la derecha");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    runDialog(dialog, c.doc, c.line, [&] {
      EXPECT_EQ(dialog.windowTitle(), "Propiedades de objeto");
      EXPECT_TRUE(dialog.Pages()->isVisible());
      EXPECT_EQ(dialog.Pages()->currentWidget(), dialog.Page(c.page));
      c.check(dialog);
    }, false);
  }
  // A kind without fields of its own shows no page.
  runDialog(dialog, DocLevel, "65538=1,1", [&] { EXPECT_FALSE(dialog.Pages()->isVisible()); }, false);
}

TEST_F(SpritePropWindow, AceptarWritesTheEditedFieldsAndCancelarLeavesTheLine) {
  struct Case {
    const char* line;
    std::function<void(TfmSpriteProp&)> edit;
    const char* written;
  };
  const Case cases[] = {
      {"65538=16,1,", nullptr, "65538=16,1,,0,0,0"},
      {"65538=39,0,49",
       [](TfmSpriteProp& d) {
         d.QuestRadio(-1)->click();
         d.Box(&M::cbVisible)->click();
       },
       "65538=39,1"},
      {"65538=16,1,",
       [](TfmSpriteProp& d) {
         d.Box(&M::cbPlant)->click();
         d.PlantRadio(2)->click();
         d.cbPlantDir()->setCurrentIndex(2);
         d.Number(&M::edPipeIndex)->setValue(4);
       },
       "65538=16,1,,7,4,0"},
      {"65538=94,1",
       [](TfmSpriteProp& d) {
         d.BombRadio(kOtherRadio)->click();
         d.Number(&M::Edit2)->setValue(120);
       },
       "65538=94,1,120"},
      {"65538=63,1",
       [](TfmSpriteProp& d) {
         d.Box(&M::cbFlame)->click();
         d.Number(&M::edFlame)->setValue(-30);
       },
       "65538=63,1,-30"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    TDocument doc;
    doc.DocKind = DocLevel;
    doc.Objects = {"1=1,1", c.line, "2=1,1"};
    ASSERT_FALSE(runDialog(dialog, DocLevel, c.line, [&] { if (c.edit) c.edit(dialog); }, false));
    EXPECT_EQ(doc.Objects[1], c.line);
    ASSERT_TRUE(runDialog(dialog, DocLevel, c.line, [&] { if (c.edit) c.edit(dialog); }, true));
    ConfirmSpriteProp(dialog.Model, doc, 1);
    EXPECT_EQ(doc.Objects, (std::vector<std::string>{"1=1,1", c.written, "2=1,1"}));
    EXPECT_TRUE(doc.Modified);
  }
}

// A number the file holds beyond a control's range stays as it is unless the
// author changes that control.
TEST_F(SpritePropWindow, NumbersBeyondTheControlsRangesStayUnlessTheirControlChanges) {
  struct Case {
    TDocKind doc;
    const char* line;
    std::string M::*field;  // the control of the number beyond its range
    int shown;
    std::function<void(TfmSpriteProp&)> edit;
    const char* written;
  };
  const Case cases[] = {
      {DocLevel, "65538=67,1,150,1,0", &M::edBaseSpeed, 150, nullptr, "65538=67,1,150,1,0"},  // -100..100
      {DocLevel, "65538=55,1,3", &M::edJump, 3, nullptr, "65538=55,1,3"},                      // from 5
      {DocLevel, "65538=39,1,363", &M::Edit1, 363, nullptr, "65538=39,1,363"},                 // 0..362
      {DocLevel, "65538=94,1,-5", &M::Edit2, -5, nullptr, "65538=94,1,-5"},                    // 0..362
      {DocLevel, "65538=63,1,250", &M::edFlame, 250, nullptr, "65538=63,1,250"},               // -100..100
      {DocLevel, "65538=163,1,-120,2", &M::edKJump, -120, nullptr, "65538=163,1,-120,2"},      // -100..100
      {DocLevel, "65538=16,1,,0,-2,1", &M::edPipeIndex, -2, nullptr, "65538=16,1,,0,-2,1"},    // from 0
      {DocWorldMap, "65538=43,1,250", &M::edKeyReplace, 250, nullptr, "65538=43,1,250"},       // 0..200
      {DocWorldMap, "65538=4,1,a.tql,-1,2", &M::edPipeIndex, -1, nullptr, "65538=4,1,a.tql,-1,2"},
      // Another control changed: the number stays.
      {DocLevel, "65538=67,1,150,1,0", &M::edBaseSpeed, 150,
       [](TfmSpriteProp& d) { d.Box(&M::cbBaseGoBack)->click(); }, "65538=67,1,150,0,0"},
      {DocLevel, "65538=39,1,363", &M::Edit1, 363, [](TfmSpriteProp& d) { d.Box(&M::cbVisible)->click(); },
       "65538=39,0,363"},
      // Its own control changed: the author's number.
      {DocLevel, "65538=67,1,150,1,0", &M::edBaseSpeed, 150,
       [](TfmSpriteProp& d) { d.Number(&M::edBaseSpeed)->setValue(20); }, "65538=67,1,20,1,0"},
      {DocLevel, "65538=94,1,-5", &M::Edit2, -5, [](TfmSpriteProp& d) { d.Number(&M::Edit2)->setValue(7); },
       "65538=94,1,7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    TDocument doc;
    doc.DocKind = c.doc;
    doc.Objects = {c.line};
    int shown = 0;
    ASSERT_TRUE(runDialog(dialog, c.doc, c.line, [&] {
      shown = dialog.Number(c.field)->value();
      if (c.edit) c.edit(dialog);
    }, true));
    EXPECT_EQ(shown, c.shown);
    ConfirmSpriteProp(dialog.Model, doc, 0);
    EXPECT_EQ(doc.Objects[0], c.written);
  }
}

// A direction the file holds that names no item of the list shows no item and
// stays unless the author picks one.
TEST_F(SpritePropWindow, DirectionsBeyondTheListsStayUnlessOneIsChosen) {
  TDocument doc;
  doc.DocKind = DocLevel;
  doc.Objects = {"65538=331,1,1,1,5"};
  int shown = 0;
  ASSERT_TRUE(runDialog(dialog, DocLevel, doc.Objects[0], [&] { shown = dialog.cbFlameDir()->currentIndex(); }, true));
  EXPECT_EQ(shown, -1);
  ConfirmSpriteProp(dialog.Model, doc, 0);
  EXPECT_EQ(doc.Objects[0], "65538=331,1,1,1,5");

  doc.Objects = {"65538=16,1,,0,0,7"};
  ASSERT_TRUE(runDialog(dialog, DocLevel, doc.Objects[0], [&] {
    shown = dialog.cbPipeDir()->currentIndex();
    dialog.cbPipeDir()->setCurrentIndex(3);
  }, true));
  EXPECT_EQ(shown, -1);
  ConfirmSpriteProp(dialog.Model, doc, 0);
  EXPECT_EQ(doc.Objects[0], "65538=16,1,,0,0,3");
}

// Text that is no number in a number field is not turned into one behind the
// author's back: "Aceptar" shows the conversion error until the field is changed.
TEST_F(SpritePropWindow, ANumberFieldHoldingTextIsNotRewrittenSilently) {
  bool closedByOk = true;
  std::string message;
  QTimer::singleShot(0, &dialog, [&] {
    QTimer::singleShot(0, [&message] {
      if (QWidget* box = QApplication::activeModalWidget()) {
        for (QLabel* label : box->findChildren<QLabel*>()) message += label->text().toStdString();
        box->close();
      }
    });
    ClickButton(dialog, "Aceptar");
    closedByOk = !dialog.isVisible();
    dialog.Number(&M::edJump)->setValue(9);
    ClickButton(dialog, "Aceptar");
  });
  EXPECT_TRUE(dialog.Execute(DocLevel, "65538=55,1,abc"));
  EXPECT_FALSE(closedByOk);
  // The box reads in Spanish and names the field.
  EXPECT_EQ(message, "El campo \"Salto:\" debe tener un n\u00FAmero entero: \"abc\" no es un n\u00FAmero entero "
                     "v\u00E1lido.");
  EXPECT_EQ(dialog.Model.BuildLine(), "65538=55,1,9");
}

TEST_F(SpritePropWindow, ALinkWithACommaKeepsTheDialogOpen) {
  // The comma would shift every later field; "Aceptar" shows the error and stays.
  bool closedByOk = true;
  std::string message;
  QTimer::singleShot(0, &dialog, [&] {
    dialog.Text(&M::edPipeLink)->setText("a,b.tql");
    QTimer::singleShot(0, [&message] {
      if (QWidget* box = QApplication::activeModalWidget()) {
        for (QLabel* label : box->findChildren<QLabel*>()) message += label->text().toStdString();
        box->close();
      }
    });
    ClickButton(dialog, "Aceptar");
    closedByOk = !dialog.isVisible();
    dialog.reject();
  });
  dialog.Execute(DocLevel, "65538=16,1,");
  EXPECT_FALSE(closedByOk);
  EXPECT_EQ(message, "El enlace \"a,b.tql\" no se puede guardar: tiene una coma, que separa los campos del objeto.");
}

class SpritePropFromMain : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApp();
    dir = fs::temp_directory_path() / ("editor_sprite_prop_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "levels");
    fs::create_directories(dir / "sprites");
    const fs::path stage(TQ_STAGE_DIR);
    fs::copy_file(stage / "levels" / "1-1.tql", dir / "levels" / "1-1.tql");
    fs::copy_file(stage / "sprites" / "game.iml", dir / "sprites" / "game.iml");
    form = std::make_unique<TfmMain>(dir.string() + "/");
    form->show();
    form->Commands().OpenFile((dir / "levels" / "1-1.tql").string());
    QApplication::processEvents();
  }
  void TearDown() override {
    if (form && !form->DocumentWindows().empty()) form->DocumentWindows().front()->Document().Modified = false;
    form.reset();
    fs::remove_all(dir);
  }
  QAction* popupProperties() const {
    for (QAction* a : form->pm1->actions())
      if (a->text() == "&Propiedades") return a;
    return nullptr;
  }
  fs::path dir;
  std::unique_ptr<TfmMain> form;
};

TEST_F(SpritePropFromMain, ThePopUpsPropertiesEditTheSelectedObjectLine) {
  ASSERT_EQ(form->DocumentWindows().size(), 1u);
  TChildView* view = form->ActiveView();
  ASSERT_NE(view, nullptr);
  ASSERT_GT(view->Doc.Objects.size(), 2u);
  const std::vector<std::string> before = view->Doc.Objects;
  view->SelectedIndex = 1;
  const std::string line = before[1];
  const bool visible = GetValue(line, 1) != "0";
  TfmSpriteProp& dialog = form->fmSpriteProp();
  QTimer::singleShot(0, &dialog, [&dialog] {
    dialog.Box(&M::cbVisible)->click();
    ClickButton(dialog, "Aceptar");
  });
  ASSERT_NE(popupProperties(), nullptr);
  popupProperties()->trigger();

  const std::vector<std::string>& after = view->Doc.Objects;
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(after[0], before[0]);
  EXPECT_EQ(after[2], before[2]);
  const std::string key = line.substr(0, line.find('=') + 1);
  EXPECT_EQ(after[1].rfind(key, 0), 0u) << after[1];
  const std::string fields = after[1].substr(key.size());
  const std::string kind = fields.substr(0, fields.find(','));
  EXPECT_EQ(fields.rfind(kind + (visible ? ",0" : ",1"), 0), 0u) << after[1];
  EXPECT_TRUE(view->Doc.Modified);
  // The same window is kept for the run.
  EXPECT_EQ(&form->fmSpriteProp(), &dialog);
}

// A cannon that fires off screen has no page of its own: the dialog's "Aceptar"
// after a toggle of "Animación visible" keeps its field 2.
TEST_F(SpritePropFromMain, ACannonWithoutAPageKeepsFiringOffScreen) {
  TChildView* view = form->ActiveView();
  ASSERT_NE(view, nullptr);
  view->Doc.Objects.push_back("65545=227,1,1");
  view->SelectedIndex = int(view->Doc.Objects.size()) - 1;
  TfmSpriteProp& dialog = form->fmSpriteProp();
  QTimer::singleShot(0, &dialog, [&dialog] {
    dialog.Box(&M::cbVisible)->click();
    ClickButton(dialog, "Aceptar");
  });
  popupProperties()->trigger();
  EXPECT_EQ(view->Doc.Objects.back(), "65545=227,0,1");
}

}  // namespace
