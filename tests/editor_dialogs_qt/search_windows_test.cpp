#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

#include "editor/frmColor/TfmColor.h"
#include "editor/frmFill/TfmFill.h"
#include "editor/frmFind/TfmFind.h"
#include "editor/frmReplace/TfmReplace.h"
#include "tests/editor_dialogs_qt/qt_app.h"

TEST(FindWindow, ShowsTheSelectedKindAndRemembersHowItClosed) {
  TestApp();
  TfmFind dialog;
  EXPECT_EQ(dialog.windowTitle(), "Buscar");
  const std::string selected = "40,1,";
  WhenShown(dialog, [&] {
    EXPECT_EQ(dialog.Chooser()->Edit()->value(), 40);
    EXPECT_EQ(dialog.Chooser()->Edit()->maximum(), 362);  // every level kind once shown
    dialog.Chooser()->Edit()->setValue(300);
    Grab(dialog, "find");
    ClickButton(dialog, "Aceptar");
  });
  EXPECT_TRUE(dialog.Execute(&selected));
  EXPECT_TRUE(dialog.Model.LastOK);
  EXPECT_EQ(dialog.Model.Chooser.Kind, 300);

  // Without a selection the last kind stays; cancel makes find next refuse to search.
  WhenShown(dialog, [&] {
    EXPECT_EQ(dialog.Chooser()->Edit()->value(), 300);
    ClickButton(dialog, "Cancelar");
  });
  EXPECT_FALSE(dialog.Execute(nullptr));
  EXPECT_FALSE(dialog.Model.LastOK);
}

TEST(ReplaceWindow, NewKindStartsAsTheKindToFindAndBothReachTheModel) {
  TestApp();
  TfmReplace dialog;
  EXPECT_EQ(dialog.windowTitle(), "Reemplazar");
  QStringList groups;
  for (auto* g : dialog.findChildren<QGroupBox*>()) groups << g->title();
  EXPECT_EQ(groups, QStringList({" Buscar ", " Reemplazar por "}));
  const std::string selected = "39,1,49";
  WhenShown(dialog, [&] {
    EXPECT_EQ(dialog.FindKind()->Edit()->value(), 39);
    EXPECT_EQ(dialog.NewKind()->Edit()->value(), 39);
    dialog.NewKind()->Edit()->setValue(46);
    Grab(dialog, "replace");
    ClickButton(dialog, "Aceptar");
  });
  ASSERT_TRUE(dialog.Execute(&selected));
  EXPECT_EQ(dialog.Model.FindKind.Kind, 39);
  EXPECT_EQ(dialog.Model.NewKind.Kind, 46);
}

TEST(FillWindow, OverwriteBoxAndKindReachTheModelAndCancelReportsCancel) {
  TestApp();
  TfmFill dialog;
  EXPECT_EQ(dialog.windowTitle(), "Llenar con...");
  EXPECT_EQ(dialog.cbOverwrite()->text(), "Sobreescribir existentes");
  WhenShown(dialog, [&] {
    dialog.Chooser()->Edit()->setValue(62);
    dialog.cbOverwrite()->setChecked(true);
    Grab(dialog, "fill");
    ClickButton(dialog, "Aceptar");
  });
  ASSERT_TRUE(dialog.Execute(nullptr));
  EXPECT_EQ(dialog.Model.Chooser.Kind, 62);
  EXPECT_TRUE(dialog.Model.cbOverwrite);
  // The box keeps its value for the next showing.
  WhenShown(dialog, [&] {
    EXPECT_TRUE(dialog.cbOverwrite()->isChecked());
    ClickButton(dialog, "Cancelar");
  });
  EXPECT_FALSE(dialog.Execute(nullptr));
}

TEST(KindChooserBox, PreviewIsWhiteUntilTheMainWindowDrawsTheKind) {
  TestApp();
  TKindChooser chooser;
  TKindChooserBox box(chooser);
  EXPECT_EQ(box.Preview()->pixmap().toImage().pixelColor(10, 10), QColor(Qt::white));
  int drawn = -1;
  box.OnDrawPreview = [&](TKindChooserBox&, int kind) {
    drawn = kind;
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
  };
  box.Edit()->setValue(5);
  EXPECT_EQ(drawn, 5);
  EXPECT_EQ(box.Preview()->pixmap().toImage().pixelColor(2, 2), QColor(Qt::red));
  EXPECT_EQ(box.Preview()->pixmap().toImage().pixelColor(20, 20), QColor(Qt::white));
}

TEST(ColorPopup, SwatchSetsTheBackgroundAndMoreColorsSetsTheCustomButton) {
  TestApp();
  TfmColor popup;
  TDocument doc;
  doc.Modified = false;
  int picked = 0;
  popup.OnPicked = [&](TfmColor&) { ++picked; };
  popup.ShowFor(doc, QRect(200, 10, 24, 24));
  EXPECT_EQ(popup.geometry().right(), 223);
  EXPECT_EQ(popup.geometry().top(), 34);
  EXPECT_EQ(popup.MoreColors()->text(), QString::fromUtf8("Más colores..."));
  Grab(popup, "color");
  popup.ColorButton(14)->click();  // aqua
  EXPECT_EQ(doc.BgColor, 16776960);
  EXPECT_TRUE(doc.Modified);
  EXPECT_EQ(picked, 1);
  EXPECT_FALSE(popup.isVisible());

  // A cancelled colour dialog keeps the custom colour; a chosen one replaces it.
  std::optional<TColor> answer;
  TColor start = -1;
  popup.Model.OnChooseColor = [&](TfmColorModel&, TColor from) {
    start = from;
    return answer;
  };
  popup.MoreColors()->click();
  EXPECT_EQ(start, 16777215);
  EXPECT_EQ(popup.Model.Custom, 16777215);
  answer = 0x123456;
  popup.MoreColors()->click();
  popup.tbCustom()->click();
  EXPECT_EQ(doc.BgColor, 0x123456);
  EXPECT_EQ(popup.tbCustom()->icon().pixmap(16, 16).toImage().pixelColor(4, 4), QColor(0x56, 0x34, 0x12));
}
