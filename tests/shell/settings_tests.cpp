// The settings file Hopz.ini, the display choice and frame pacing.
#include <gtest/gtest.h>

#include "game/frmMain/display_choice.h"
#include "game/frmMain/frame_pacer.h"
#include "game/frmMain/settings.h"

namespace {

TEST(HopzSettings, EveryKeyHasItsDefault) {
  platform::IniFile empty;
  THopzSettings s;
  s.read(empty);
  EXPECT_EQ(s.Language, "");
  const struct {
    const char* key;
    int value, expected;
  } ints[] = {{"FrameDelay", s.FrameDelay, 0}, {"KeyStart", s.KeyStart, 13}, {"KeySelect", s.KeySelect, 16},
              {"KeyFire1", s.KeyFire1, 18},    {"KeyFire2", s.KeyFire2, 17}, {"KeyUp", s.KeyUp, 38},
              {"KeyDown", s.KeyDown, 40},      {"KeyLeft", s.KeyLeft, 37},   {"KeyRight", s.KeyRight, 39},
              {"Left", s.Left, 0},             {"Top", s.Top, 0},            {"Width", s.Width, 320},
              {"Height", s.Height, 240}};
  for (const auto& c : ints) EXPECT_EQ(c.value, c.expected) << c.key;
  const struct {
    const char* key;
    bool value, expected;
  } bools[] = {{"AutoAdjustFrameDelay", s.AutoAdjustFrameDelay, true}, {"SecretCodes", s.SecretCodes, true},
               {"ShowInfo", s.ShowInfo, true},       {"FullScreen", s.FullScreen, false},
               {"WindowMode", s.WindowMode, false},  {"WindowStretch", s.WindowStretch, true},
               {"WindowVBL", s.WindowVBL, false},    {"PlaySound", s.PlaySound, true},
               {"PlayMusic", s.PlayMusic, true}};
  for (const auto& c : bools) EXPECT_EQ(c.value, c.expected) << c.key;
}

TEST(HopzSettings, ReadsEachKeyFromItsSectionAndAnyNonZeroIsTrue) {
  platform::IniFile ini;
  ini.loadFromText(
      "[options]\r\nLanguage=English\r\nFrameDelay=12\r\nAutoAdjustFrameDelay=0\r\nSecretCodes=0\r\nShowInfo=0\r\n"
      "FullScreen=7\r\n[DirectDraw]\r\nWindowMode=-1\r\nWindowStretch=0\r\nWindowVBL=1\r\n"
      "[Keyboard]\r\nKeyStart=32\r\nKeyFire1=90\r\nKeyLeft=65\r\n[DirectSound]\r\nPlaySound=0\r\nPlayMusic=0\r\n"
      "[MainWindow]\r\nLeft=10\r\nTop=20\r\nWidth=640\r\nHeight=480\r\n"
      "[Keyboard]\r\nKeyRight=1\r\n");  // a second section of the same name is never read
  THopzSettings s;
  s.read(ini);
  EXPECT_EQ(s.Language, "English");
  EXPECT_EQ(s.FrameDelay, 12);
  EXPECT_FALSE(s.AutoAdjustFrameDelay);
  EXPECT_FALSE(s.SecretCodes);
  EXPECT_FALSE(s.ShowInfo);
  EXPECT_TRUE(s.FullScreen);
  EXPECT_TRUE(s.WindowMode);
  EXPECT_FALSE(s.WindowStretch);
  EXPECT_TRUE(s.WindowVBL);
  EXPECT_EQ(s.KeyStart, 32);
  EXPECT_EQ(s.KeyFire1, 90);
  EXPECT_EQ(s.KeyLeft, 65);
  EXPECT_EQ(s.KeyRight, 39);
  EXPECT_FALSE(s.PlaySound);
  EXPECT_FALSE(s.PlayMusic);
  EXPECT_EQ(s.Left + s.Top + s.Width + s.Height, 10 + 20 + 640 + 480);
}

TEST(HopzSettings, WriteBackOrderAndWindowModeOnlyKeys) {
  const TSettingsWriteBack values{true, false, true, false, true, false, 5, 6, 700, 500};
  {
    platform::IniFile ini;
    ini.loadFromText("[MainWindow]\r\nLeft=1\r\n");
    writeBackSettings(ini, values);
    EXPECT_EQ(ini.toText(),
              "[MainWindow]\r\nLeft=1\r\n"
              "[Options]\r\nSecretCodes=1\r\nShowInfo=0\r\nFullScreen=1\r\n"
              "[DirectSound]\r\nPlaySound=0\r\nPlayMusic=1\r\n");
  }
  {
    TSettingsWriteBack windowed = values;
    windowed.WindowMode = true;
    platform::IniFile ini;
    writeBackSettings(ini, windowed);
    EXPECT_EQ(ini.toText(),
              "[Options]\r\nSecretCodes=1\r\nShowInfo=0\r\nFullScreen=1\r\n"
              "[DirectSound]\r\nPlaySound=0\r\nPlayMusic=1\r\n"
              "[MainWindow]\r\nLeft=5\r\nTop=6\r\nWidth=700\r\nHeight=500\r\n");
  }
}

TEST(DisplayChoice, FromVersionClassWindowModeAndAnswer) {
  const struct {
    int versionClass;
    bool windowMode;
    bool answerYes;
    bool asked;
    TDisplayChoice expected;
  } cases[] = {
      {0, false, true, false, TDisplayChoice::FullScreen320x240x8},
      {7, false, true, false, TDisplayChoice::FullScreen320x240x8},
      {1, false, false, false, TDisplayChoice::FullScreen320x240x8},
      {0, true, false, false, TDisplayChoice::Window640x480x32},
      {7, true, false, false, TDisplayChoice::Window640x480x32},
      {8, true, false, false, TDisplayChoice::Window640x480x32},
      {8, false, true, true, TDisplayChoice::Window640x480x32},
      {8, false, false, true, TDisplayChoice::FullScreen640x480x32},
  };
  for (const auto& c : cases) {
    int questions = 0;
    const TDisplayChoice got = chooseDisplay(c.versionClass, c.windowMode, [&] {
      ++questions;
      return c.answerYes;
    });
    EXPECT_EQ(got, c.expected) << c.versionClass << " " << c.windowMode << " " << c.answerYes;
    EXPECT_EQ(questions, c.asked ? 1 : 0);
  }
  EXPECT_EQ(GetWindowsVersion(), 0);
}

TEST(FramePacing, FramesStartAtLeastOnePeriodAfterTheLastFrameEnd) {
  const struct {
    int fps;
    uint32_t workMs;  // time the frame's own work took
    uint32_t expectedStart;
  } cases[] = {
      {40, 0, 25},  // 25.0 ms
      {40, 10, 25},  // the work counts towards the period
      {40, 30, 30},  // a slow frame does not wait at all
      {45, 0, 23},  // 22.2 ms: the first whole millisecond at or after it
      {45, 22, 23},
      {5, 0, 200},
  };
  for (const auto& c : cases) {
    platform::FakeClock clock(1000);
    const uint32_t lastFrameEnd = clock.timeGetTime();
    clock.advance(c.workMs);
    const uint32_t start = waitForFramePeriod(clock, lastFrameEnd, c.fps);
    EXPECT_EQ(start - lastFrameEnd, c.expectedStart) << c.fps << " fps, work " << c.workMs;
    EXPECT_EQ(clock.timeGetTime(), start);
    EXPECT_GE(double(start - lastFrameEnd), 1000.0 / c.fps);
  }
}

TEST(FramePacing, FixedDelayCountsFromTheWaitAndZeroDoesNotWait) {
  platform::FakeClock clock(500);
  EXPECT_EQ(waitForFrameDelay(clock, 0), 500u);
  EXPECT_EQ(waitForFrameDelay(clock, -3), 500u);
  EXPECT_EQ(waitForFrameDelay(clock, 17), 517u);
}

TEST(FramePacing, WaitSurvivesTheClockWrapping) {
  platform::FakeClock clock(0xFFFFFFF0u);
  const uint32_t start = waitForFramePeriod(clock, 0xFFFFFFF0u, 40);
  EXPECT_EQ(start, 0xFFFFFFF0u + 25u);
}

}  // namespace
