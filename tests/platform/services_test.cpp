#include <gtest/gtest.h>

#include <set>

#include "platform/core/clock.h"
#include "platform/core/keys.h"
#include "platform/core/play_clock.h"
#include "platform/core/random.h"
#include "platform/core/shell.h"
#include "platform/core/text_encoding.h"
#include "platform/core/tick_stamp.h"

using namespace platform;

TEST(TextEncoding, Windows1252RoundTripsThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += char(b);
  std::string utf8 = cp1252ToUtf8(all);
  EXPECT_EQ(utf8ToCp1252(utf8), all);
  EXPECT_EQ(cp1252ToUtf8("Pausa \xF1 \x80"), "Pausa \xC3\xB1 \xE2\x82\xAC");
  EXPECT_EQ(utf8ToCp1252("\xE2\x98\x83 x"), "? x");    // not in the code page
  EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");              // cut short
  EXPECT_EQ(utf8ToCp1252("\xFF\xFE"), "??");           // not UTF-8 at all
  EXPECT_TRUE(isUtf8(utf8));
  EXPECT_TRUE(isUtf8("plain"));
  EXPECT_FALSE(isUtf8("monta\xF1" "a"));  // Windows-1252 text
  EXPECT_FALSE(isUtf8("a\xC3"));
}

TEST(Clock, FakeClockDrivesTheSharedClockAndWraps) {
  FakeClock fake(0xFFFFFFF0u);
  ScopedClock scope(fake);
  EXPECT_EQ(GetTickCount(), 0xFFFFFFF0u);
  activeClock().sleep(0x20);  // a fake sleep only moves time
  EXPECT_EQ(GetTickCount(), 0x10u);
  EXPECT_EQ(timeGetTime(), 0x10u);
}

TEST(Clock, SystemClockMoves) {
  uint32_t start = GetTickCount();
  activeClock().sleep(5);
  EXPECT_GE(uint32_t(GetTickCount() - start), 4u);
}

TEST(Clock, SleepUntilWakesNoEarlierThanItsTick) {
  FakeClock fake(0xFFFFFFFEu);
  fake.sleepUntil(3);  // across the wrap
  EXPECT_EQ(fake.tickCount(), 3u);
  fake.sleepUntil(1);  // already past: no wait
  EXPECT_EQ(fake.tickCount(), 3u);
  SystemClock system;
  for (uint32_t ahead : {1u, 2u, 7u}) {
    const uint32_t tick = system.tickCount() + ahead;
    system.sleepUntil(tick);
    EXPECT_GE(static_cast<int32_t>(system.tickCount() - tick), 0) << ahead;
  }
}

// Play time leaves out every stretch the game stood, for either reason or
// both at once, across the wrap, and when every reason is cleared at once;
// stamps age only in play time; a new clock starts it over.
TEST(PlayClock, StandsWhileAnyReasonHoldsAndStampsAgeOnlyInPlay) {
  FakeClock fake(0xFFFFFF00u);
  ScopedClock scope(fake);
  PlayClock& play = playClock();
  EXPECT_EQ(play.tickCount(), 0xFFFFFF00u);
  const int32_t deadline = StampIn(500);
  fake.advance(100);
  play.setStanding(StandReason::Paused, true);
  fake.advance(1000);
  EXPECT_TRUE(play.standing());
  EXPECT_EQ(play.tickCount(), 0xFFFFFF64u);
  EXPECT_EQ(MsSince(deadline), -400);
  play.setStanding(StandReason::InBackground, true);
  play.setStanding(StandReason::Paused, false);  // still in the background
  fake.advance(1000);
  EXPECT_EQ(MsSince(deadline), -400);
  play.setStanding(StandReason::InBackground, false);
  play.setStanding(StandReason::InBackground, false);  // twice changes nothing
  EXPECT_FALSE(play.standing());
  fake.advance(450);
  EXPECT_EQ(MsSince(deadline), 50);
  EXPECT_EQ(play.tickCount(), 0xFFFFFF00u + 550);  // past the wrap
  play.setStanding(StandReason::Paused, true);
  play.setStanding(StandReason::InMenu, true);
  fake.advance(300);
  play.clearStanding();  // every reason at once, the stand taken out
  EXPECT_FALSE(play.standing());
  EXPECT_EQ(play.tickCount(), 0xFFFFFF00u + 550);
  play.setStanding(StandReason::Paused, true);
  FakeClock other(7);
  setClock(&other);
  EXPECT_FALSE(play.standing());
  EXPECT_EQ(play.tickCount(), 7u);
}

TEST(KeyState, ReportsDownAndPressedSinceLastQuery) {
  KeyStateTable keys;
  EXPECT_EQ(keys.getAsyncKeyState(VK_LEFT), 0);
  keys.keyDown(VK_LEFT);
  EXPECT_EQ(uint16_t(keys.getAsyncKeyState(VK_LEFT)), 0x8001);
  EXPECT_EQ(uint16_t(keys.getAsyncKeyState(VK_LEFT)), 0x8000);  // pressed bit read once
  keys.keyUp(VK_LEFT);
  EXPECT_EQ(keys.getAsyncKeyState(VK_LEFT), 0);
  keys.keyDown(VK_MENU);
  keys.keyUp(VK_MENU);
  EXPECT_EQ(keys.getAsyncKeyState(VK_MENU), 1);  // a tap between two reads still shows
  keys.keyDown(VK_SPACE);
  keys.clear();  // focus lost
  EXPECT_EQ(keys.getAsyncKeyState(VK_SPACE), 0);
  EXPECT_FALSE(keys.isDown(VK_SPACE));
  keys.keyDown(300);  // out of range is ignored
  EXPECT_EQ(keys.getAsyncKeyState(300), 0);
  EXPECT_EQ(keys.getAsyncKeyState(-1), 0);
}

TEST(RandomNumbers, SeededSequencesRepeatAndStayInRange) {
  RandomSource a(1234), b(1234);
  std::set<int> seen;
  for (int i = 0; i < 1000; ++i) {
    int x = a.next(10);
    EXPECT_EQ(x, b.next(10));
    ASSERT_GE(x, 0);
    ASSERT_LT(x, 10);
    seen.insert(x);
  }
  EXPECT_EQ(seen.size(), 10u);
  EXPECT_EQ(a.next(0), 0);
  EXPECT_EQ(a.next(-3), 0);
  double d = a.nextDouble();
  EXPECT_GE(d, 0.0);
  EXPECT_LT(d, 1.0);
}

TEST(RandomNumbers, FixedSeedSurvivesRandomize) {
  fixRandomSeed(77);
  Randomize();
  int first = Random(1000);
  fixRandomSeed(77);
  Randomize();
  EXPECT_EQ(Random(1000), first);
  unfixRandomSeed();
}

TEST(Shell, OnlyWebAddressesOpenAsWebPages) {
  RecordingShell rec;
  struct Case { const char* url; bool opens; } cases[] = {
      {"http://example.org/", true}, {"HTTPS://example.org/x", true},
      {"file:///etc/passwd", false}, {"javascript:alert(1)", false}, {"ftp://x", false}, {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(rec.openWebPage(c.url), c.opens) << c.url;
  ASSERT_EQ(rec.requests.size(), 2u);
  EXPECT_EQ(rec.requests[0].kind, "web");
  setShell(&rec);
  EXPECT_TRUE(shell().startProgram("Vuravaz.exe"));
  EXPECT_EQ(rec.requests.back().target, "Vuravaz.exe");
  setShell(nullptr);
}
