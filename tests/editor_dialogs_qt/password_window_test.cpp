#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "editor/frmPassword/TfmPassword.h"
#include "tests/editor_dialogs_qt/qt_app.h"

TEST(PasswordWindow, AcceptsTheExactPasswordAndShowsItsTexts) {
  TestApp();
  TfmPassword dialog;
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Contraseña"));
  EXPECT_EQ(dialog.edPass()->echoMode(), QLineEdit::Password);
  dialog.edPass()->setText(QString::fromUtf8("señal"));
  WhenShown(dialog, [&] {
    Grab(dialog, "password");
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
      if (b->text() == "Aceptar") b->click();
  });
  // The typed text reaches the model in Windows-1252, and OK closes only on a match.
  EXPECT_TRUE(dialog.Ask("se\xF1" "al"));
  EXPECT_EQ(dialog.Model.edPass, "se\xF1" "al");
}
