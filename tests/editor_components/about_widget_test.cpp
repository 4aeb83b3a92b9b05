#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "editor/IECtrls/TTextLink.h"
#include "editor/frmAbout/frmAbout.h"
#include "platform/core/shell.h"

namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "about_widget_test";
  static char* argv[] = {name, nullptr};
  // Never destroyed: Qt's input devices outlive a static application badly.
  static QApplication* a = new QApplication(argc, argv);
  return *a;
}

TEST(AboutBox, LinksGoThroughTheShellAndTheMakerLineAnswersClicks) {
  app();
  platform::RecordingShell shell;
  platform::setShell(&shell);
  TfmAbout about;
  about.show();
  EXPECT_EQ(about.windowTitle(), QString("Acerca del Editor del Tobbo Quest"));
  EXPECT_EQ(about.TextLink1->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_TRUE(about.TextLink1->font().underline());

  QTest::mousePress(about.TextLink1, Qt::LeftButton);
  EXPECT_TRUE(about.TextLink1->Pressed());
  about.grab().save("about_pressed.png");
  QTest::mouseRelease(about.TextLink1, Qt::LeftButton);
  QTest::mouseClick(about.TextLink2, Qt::LeftButton);
  ASSERT_EQ(shell.requests.size(), 2u);
  EXPECT_EQ(shell.requests[0].target, about.GoToWeb.Url);
  EXPECT_EQ(shell.requests[1].target, "mailto:" + about.GoToWeb.EMail + "?subject=Comentarios");

  for (int i = 0; i < 3; ++i) QTest::mouseClick(about.Label2, Qt::LeftButton);
  EXPECT_EQ(about.Label2->text(), QString("ANDA A BUSCARLE UN LINK A TU HERMANA!!!!!!!"));
  EXPECT_TRUE(about.Label2->font().bold());
  EXPECT_EQ(about.Label2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  about.grab().save("about.png");
  platform::setShell(nullptr);
}

}  // namespace
