#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "editor/frmPassword/TfmPassword.h"

TEST(PasswordWindow, AcceptsTheExactPasswordAndShowsItsTexts) {
  int argc = 1;
  char name[] = "t";
  char* argv[] = {name};
  QApplication app(argc, argv);
  TfmPassword dialog;
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Contraseña"));
  EXPECT_EQ(dialog.edPass()->echoMode(), QLineEdit::Password);
  dialog.edPass()->setText(QString::fromUtf8("señal"));
  QTimer::singleShot(0, &dialog, [&] {
    if (const char* out = getenv("TQ_GRAB")) dialog.grab().save(out);
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
      if (b->text() == "Aceptar") b->click();
  });
  // The typed text reaches the model in Windows-1252, and OK closes only on a match.
  EXPECT_TRUE(dialog.Ask("se\xF1" "al"));
  EXPECT_EQ(dialog.Model.edPass, "se\xF1" "al");
}
