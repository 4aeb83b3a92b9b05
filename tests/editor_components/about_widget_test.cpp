#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QUrl>
#include <vector>

#include "editor/IECtrls/TTextLink.h"
#include "editor/frmAbout/frmAbout.h"
#include "platform/core/shell.h"
#include "platform/qt/shell/desktop_shell.h"

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

// The desktop's shell, with its handlers replaced, takes the e-mail link to the mail program.
TEST(AboutBox, EMailLinkReachesTheMailProgramThroughTheDesktopShell) {
  app();
  std::vector<QUrl> opened;
  platform::DesktopShell shell([&opened](const QUrl& url) {
    opened.push_back(url);
    return true;
  });
  platform::setShell(&shell);
  TfmAbout about;
  about.show();
  QTest::mouseClick(about.TextLink2, Qt::LeftButton);
  platform::setShell(nullptr);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].scheme(), "mailto");
  EXPECT_EQ(opened[0].path().toStdString(), about.GoToWeb.EMail);
  EXPECT_EQ(opened[0].query(), "subject=Comentarios");
}

}  // namespace
