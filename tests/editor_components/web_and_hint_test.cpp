#include <gtest/gtest.h>

#include "editor/GoToWeb/GoToWeb.h"
#include "editor/ToolInfo/hint_controller.h"
#include "editor/frmAbout/about_label.h"
#include "platform/core/shell.h"

namespace {

class RecordedShell : public ::testing::Test {
 protected:
  void SetUp() override { platform::setShell(&shell_); }
  void TearDown() override { platform::setShell(nullptr); }
  platform::RecordingShell shell_;
};

TEST_F(RecordedShell, OpenUrlGoesToTheShellAndReportsItsAnswer) {
  TGoToWeb web;
  web.Url = "https://example.org/hopz";
  EXPECT_TRUE(web.OpenURL());
  shell_.result = false;
  EXPECT_FALSE(web.OpenURL());
  ASSERT_EQ(shell_.requests.size(), 2u);
  EXPECT_EQ(shell_.requests[0].target, "https://example.org/hopz");
}

TEST_F(RecordedShell, SendEMailBuildsTheMailtoRequestAndRefusesUnsafeAddresses) {
  TGoToWeb web;
  web.EMail = "autor@example.org";
  web.EMailSubject = "Comentarios";
  EXPECT_TRUE(web.SendEMail());
  ASSERT_EQ(shell_.requests.size(), 1u);
  EXPECT_EQ(shell_.requests[0].kind, "mail");
  EXPECT_EQ(shell_.requests[0].target, "mailto:autor@example.org?subject=Comentarios");
  web.EMailSubject = "a b&c";
  EXPECT_EQ(web.MailToAddress(), "mailto:autor@example.org?subject=a%20b%26c");
  for (const char* bad : {"", "a b@x.org", "a@x.org?cc=evil@x.org", "a@x.org\n"}) {
    web.EMail = bad;
    EXPECT_FALSE(web.SendEMail()) << bad;
  }
  EXPECT_EQ(shell_.requests.size(), 1u);
}

TEST(AboutLabel, WalksThroughItsCaptionsAndStaysAtTheThird) {
  TAboutLabelClicks clicks;
  const TAboutLabelState first = clicks.Click();
  EXPECT_EQ(first.Caption, "Esto no es un link :)");
  EXPECT_EQ(first.Color, TAboutLabelClicks::clMaroon);
  EXPECT_EQ(clicks.Click().Caption, "Te dije que ESTO NO ES UN LINK!!!");
  for (int i = 0; i < 3; ++i) {
    const TAboutLabelState later = clicks.Click();
    EXPECT_EQ(later.Caption, "ANDA A BUSCARLE UN LINK A TU HERMANA!!!!!!!");
    EXPECT_EQ(later.Color, TAboutLabelClicks::clRed);
  }
}

// Two controls side by side; text measured as 6 pixels a character on one line,
// wrapping into lines of the given width.
class HintFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    hint.HintOf = [this](THintControl c) { return c == &buttonA ? hintA : hintB; };
    hint.ControlUnderMouse = [this](platform::TPoint& p) {
      p = mouse;
      return under;
    };
    hint.ClientToScreen = [](THintControl, int x, int y) { return platform::TPoint{x + 100, y + 200}; };
    hint.MeasureText = [](const std::string& text, int maxWidth) {
      const int width = int(text.size()) * 6;
      const int lines = (width + maxWidth - 1) / maxWidth;
      return platform::TPoint{std::min(width, maxWidth), lines * 13};
    };
    hint.ScreenWidth = [] { return 640; };
    hint.ShowWindow = [this](const platform::TRect& r, const std::string& text) {
      shownAt = r;
      shownText = text;
      ++shows;
    };
    hint.HideWindow = [this] { ++hides; };
    hint.StartTimer = [this](int ms) { timerMs = ms; };
    hint.StopTimer = [this] { timerMs = 0; };
  }

  int buttonA = 0, buttonB = 0;
  std::string hintA = "Moneda|Una moneda que suma uno", hintB = "Ladrillo";
  THintControl under = nullptr;
  platform::TPoint mouse;
  THintController hint;
  platform::TRect shownAt;
  std::string shownText;
  int shows = 0, hides = 0, timerMs = 0;
};

TEST_F(HintFixture, RestingShowsTheShortHintAfterTheDelayAndTheNextButtonAtOnce) {
  hint.OnMove(&buttonA, 5, 5);
  EXPECT_EQ(timerMs, 800);
  EXPECT_EQ(shows, 0);
  hint.OnMove(&buttonA, 6, 5);  // same control: nothing new
  under = &buttonA;
  mouse = {300, 400};
  hint.OnTimer();
  EXPECT_EQ(timerMs, 0);
  ASSERT_EQ(shows, 1);
  EXPECT_EQ(shownText, "Moneda");
  // Laid out from (x + 8, y + 24), widened by 4 and 3 pixels.
  EXPECT_EQ(shownAt, (platform::TRect{304, 421, 308 + 36 + 4, 424 + 13 + 3}));

  hint.OnMove(&buttonB, 2, 3);
  ASSERT_EQ(shows, 2);
  EXPECT_EQ(shownText, "Ladrillo");
  EXPECT_EQ(shownAt.Left, 102 + 8 - 4);
  EXPECT_EQ(shownAt.Top, 203 + 24 - 3);
}

TEST_F(HintFixture, TimerShowsNothingWhenTheMouseLeftAndHideForgetsTheControl) {
  hint.OnMove(&buttonA, 5, 5);
  under = &buttonB;
  hint.OnTimer();
  EXPECT_EQ(shows, 0);
  EXPECT_EQ(timerMs, 0);
  hint.Hide();
  EXPECT_EQ(hint.Remembered(), nullptr);
  EXPECT_FALSE(hint.Visible());
  hint.ShowAt(1, 1);  // no control: nothing
  EXPECT_EQ(shows, 0);
}

TEST_F(HintFixture, LongHintWrapsAtHalfTheScreenAndEmptyHintShowsNoBox) {
  hintA = std::string(100, 'x');
  hint.OnMove(&buttonA, 0, 0);
  under = &buttonA;
  hint.OnTimer();
  ASSERT_EQ(shows, 1);
  EXPECT_EQ(shownAt.Right - shownAt.Left, 320 + 8);
  EXPECT_EQ(shownAt.Bottom - shownAt.Top, 2 * 13 + 6);
  hint.Hide();
  hintA = "|only a long text";
  hint.OnMove(&buttonA, 0, 0);
  hint.OnTimer();
  EXPECT_EQ(shows, 1);
}

}  // namespace
