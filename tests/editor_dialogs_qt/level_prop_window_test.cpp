#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include "editor/frmLevelProp/TfmLevelProp.h"
#include "tests/editor_dialogs_qt/qt_app.h"

using M = TLevelPropModel;

TEST(LevelPropWindow, NewMapShowsItsValuesAndEditsReachTheDocument) {
  TestApp();
  TfmLevelProp dialog;
  dialog.Model.Tag = kModeNewMap;
  TNewLevelSettings settings;
  settings.SoundLib = "sounds\\base.snd";
  WhenShown(dialog, [&] {
    EXPECT_EQ(dialog.windowTitle(), "Nuevo mapa");
    EXPECT_TRUE(dialog.NameFields()->isVisible());
    EXPECT_EQ(dialog.Text(&M::Edit1)->text(), "WORLD 1");
    EXPECT_EQ(dialog.Number(&M::Edit3)->value(), 20);
    EXPECT_EQ(dialog.Text(&M::Edit10)->text(), "music\\map\\world 1.mid");
    EXPECT_EQ(dialog.Text(&M::Edit9)->text(), "sounds\\base.snd");
    EXPECT_EQ(dialog.Tabs()->currentIndex(), 0);
    EXPECT_FALSE(dialog.Number(&M::edRainDensity)->isEnabled());
    Grab(dialog, "level_prop_general");
    dialog.Text(&M::Edit1)->setText(QString::fromUtf8("Señor"));
    dialog.Number(&M::Edit4)->setValue(15);
    dialog.Box(&M::cbRain)->click();
    EXPECT_TRUE(dialog.Number(&M::edRainDensity)->isEnabled());
    dialog.Number(&M::edRainDensity)->setValue(40);
    dialog.EffectRadio(5)->click();
    dialog.Tabs()->setCurrentIndex(2);
    Grab(dialog, "level_prop_palette");
    ClickButton(dialog, "Aceptar");
  });
  ASSERT_TRUE(dialog.Execute(nullptr, settings));
  TDocument doc;
  dialog.Model.ApplyTo(doc);
  EXPECT_EQ(doc.Name, "Se\xF1or");
  EXPECT_EQ(doc.Height, 15);
  EXPECT_TRUE(doc.Rain);
  EXPECT_EQ(doc.RainDensity, 40);
  EXPECT_EQ(doc.PaletteFX, 5);
  EXPECT_EQ(doc.BgColor, kMapBgColor);
  EXPECT_TRUE(doc.Modified);
}

// The window shows a document's numbers beyond the up-downs' ranges as they
// are, so confirming it unchanged writes them back.
TEST(LevelPropWindow, NumbersBeyondTheRangesAreShownAndKept) {
  TestApp();
  TfmLevelProp dialog;
  dialog.Model.Tag = kModeProperties;
  TDocument doc;
  doc.DocKind = DocLevel;
  doc.Width = 40000;
  doc.BgX = -16;
  WhenShown(dialog, [&] {
    EXPECT_EQ(dialog.Number(&M::Edit3)->value(), 40000);
    EXPECT_EQ(dialog.Number(&M::Edit11)->value(), -16);
    ClickButton(dialog, "Aceptar");
  });
  ASSERT_TRUE(dialog.Execute(&doc, {}));
  dialog.Model.ApplyTo(doc);
  EXPECT_EQ(doc.Width, 40000);
  EXPECT_EQ(doc.BgX, -16);

  // Shown again for a level within the ranges, the up-downs are back to theirs.
  TDocument small;
  small.DocKind = DocLevel;
  WhenShown(dialog, [&] {
    EXPECT_EQ(dialog.Number(&M::Edit3)->maximum(), 32767);
    EXPECT_EQ(dialog.Number(&M::Edit11)->minimum(), 0);
    ClickButton(dialog, "Cancelar");
  });
  EXPECT_FALSE(dialog.Execute(&small, {}));
}

// "Mundo:" takes the world numbers 0..999 as they are typed; a text the file
// holds there is shown and kept as it is while the author types nothing.
TEST(LevelPropWindow, TheWorldNumberTakesZeroTo999) {
  TestApp();
  TfmLevelProp dialog;
  dialog.Model.Tag = kModeProperties;
  TDocument doc;
  doc.DocKind = DocWorldMap;
  doc.ShortName = "Isla";
  WhenShown(dialog, [&] {
    EXPECT_EQ(dialog.Text(&M::edShortName)->text(), "Isla");
    ClickButton(dialog, "Aceptar");
  });
  ASSERT_TRUE(dialog.Execute(&doc, {}));
  dialog.Model.ApplyTo(doc);
  EXPECT_EQ(doc.ShortName, "Isla");

  WhenShown(dialog, [&] {
    QLineEdit* world = dialog.Text(&M::edShortName);
    // Typed key by key, as the edit takes them.
    const auto type = [world](const char* keys) {
      for (const char* k = keys; *k; ++k) world->insert(QString(QChar(*k)));
    };
    world->end(false);
    type("x1");
    EXPECT_EQ(world->text(), "Isla");
    for (const char* typed : {"-", "x", "12345"}) {
      world->selectAll();
      type(typed);
    }
    EXPECT_EQ(world->text(), "123");
    world->end(false);
    type("a");
    EXPECT_EQ(world->text(), "123");
    ClickButton(dialog, "Aceptar");
  });
  ASSERT_TRUE(dialog.Execute(&doc, {}));
  dialog.Model.ApplyTo(doc);
  EXPECT_EQ(doc.ShortName, "123");
}

// A palette effect of no radio checks none and is written back unless the
// author picks one.
TEST(LevelPropWindow, AnEffectOfNoRadioChecksNoneAndIsKept) {
  TestApp();
  TfmLevelProp dialog;
  dialog.Model.Tag = kModeProperties;
  TDocument doc;
  doc.DocKind = DocLevel;
  doc.PaletteFX = 5;
  WhenShown(dialog, [&] { ClickButton(dialog, "Cancelar"); });
  EXPECT_FALSE(dialog.Execute(&doc, {}));

  doc.PaletteFX = 12;
  int checked = 0;
  WhenShown(dialog, [&] {
    for (int tag = 0; tag < 8; ++tag) checked += dialog.EffectRadio(tag)->isChecked();
    ClickButton(dialog, "Aceptar");
  });
  ASSERT_TRUE(dialog.Execute(&doc, {}));
  dialog.Model.ApplyTo(doc);
  EXPECT_EQ(checked, 0);
  EXPECT_EQ(doc.PaletteFX, 12);

  WhenShown(dialog, [&] {
    dialog.EffectRadio(7)->click();
    ClickButton(dialog, "Aceptar");
  });
  ASSERT_TRUE(dialog.Execute(&doc, {}));
  dialog.Model.ApplyTo(doc);
  EXPECT_EQ(doc.PaletteFX, 7);
}

TEST(LevelPropWindow, MismatchedPasswordsAreRefusedEmptiedAndTheDialogStaysOpen) {
  TestApp();
  TfmLevelProp dialog;
  std::string shown;
  dialog.Model.OnError = [&](M&, const std::string& text, const std::string&) { shown = text; };
  TDocument doc;
  doc.DocKind = DocLevel;
  doc.Password = "Clave";
  doc.PaletteFX = 5;
  dialog.Model.Tag = kModeProperties;
  WhenShown(dialog, [&] {
    EXPECT_EQ(dialog.windowTitle(), "Propiedades del nivel");
    EXPECT_FALSE(dialog.NameFields()->isVisible());  // covered on a level
    EXPECT_TRUE(dialog.EffectRadio(5)->isChecked());
    EXPECT_EQ(dialog.Text(&M::edPass)->echoMode(), QLineEdit::Password);
    dialog.Text(&M::edConfPass)->setText("clave");
    ClickButton(dialog, "Aceptar");
    EXPECT_EQ(shown, kPasswordMismatch);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.Text(&M::edPass)->text().isEmpty());
    EXPECT_TRUE(dialog.Text(&M::edConfPass)->text().isEmpty());
    ClickButton(dialog, "Cancelar");
  });
  EXPECT_FALSE(dialog.Execute(&doc, {}));
}

TEST(LevelPropWindow, SwatchButtonsAndFileSelectorsAnswerThroughTheirEvents) {
  TestApp();
  TfmLevelProp dialog;
  dialog.ProgramFolder = "/games/hopz/";
  dialog.Model.Tag = kModeNewLevel;
  std::string start;
  dialog.OnSelectFile = [&](TfmLevelProp&, TLevelPropFile file, const std::string& from) -> std::optional<std::string> {
    EXPECT_EQ(file, TLevelPropFile::ImageLib);
    start = from;
    return std::string("/GAMES/Hopz/sprites/new.iml");
  };
  dialog.OnChooseColor = [](TfmLevelProp&, TColor) -> std::optional<TColor> { return 0x0000FF; };
  TNewLevelSettings settings;
  settings.ImageLib = "sprites\\old.iml";
  WhenShown(dialog, [&] {
    EXPECT_EQ(dialog.windowTitle(), "Nuevo nivel");
    EXPECT_EQ(dialog.Text(&M::Edit7)->text(), "sprites\\old.iml");
    dialog.FileButton(TLevelPropFile::ImageLib)->click();
    dialog.Swatch(0)->parentWidget()->findChild<QToolButton*>()->click();
    EXPECT_EQ(dialog.Swatch(0)->palette().color(QPalette::Window), QColor(255, 0, 0));
    ClickButton(dialog, "Aceptar");
  });
  ASSERT_TRUE(dialog.Execute(nullptr, settings));
  EXPECT_EQ(start, "/games/hopz/sprites/old.iml");
  EXPECT_EQ(dialog.Model.Edit7, "sprites\\new.iml");
  EXPECT_EQ(dialog.Model.Colors[0], 0x0000FF);
}
