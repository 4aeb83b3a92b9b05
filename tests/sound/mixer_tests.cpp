// The software mixer through our DirectSound, heard with the capturing sink.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "platform/sound/capture_sink.h"
#include "platform/sound/direct_sound.h"

using namespace platform;

namespace {

constexpr uint32_t kControls = DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;

std::vector<uint8_t> pcm16(const std::vector<int16_t>& samples) {
  std::vector<uint8_t> bytes(samples.size() * 2);
  std::memcpy(bytes.data(), samples.data(), bytes.size());
  return bytes;
}

// A mono 16-bit sound of `frames` frames: the frame number plus 1, so that each
// frame can be told apart.
std::vector<int16_t> ramp(int frames) {
  std::vector<int16_t> s(static_cast<size_t>(frames));
  for (int i = 0; i < frames; ++i) s[size_t(i)] = int16_t(i + 1);
  return s;
}

class MixerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    directSoundFaults() = {};
    ASSERT_EQ(ds.SetCooperativeLevel(nullptr, DSSCL_PRIORITY), DS_OK);
  }
  void TearDown() override { directSoundFaults() = {}; }

  std::unique_ptr<DirectSoundBuffer> make(const WAVEFORMATEX& format, const std::vector<uint8_t>& bytes) {
    DSBUFFERDESC desc;
    desc.dwFlags = kControls;
    desc.dwBufferBytes = uint32_t(bytes.size());
    desc.lpwfxFormat = &format;
    std::unique_ptr<DirectSoundBuffer> buffer;
    EXPECT_EQ(ds.CreateSoundBuffer(desc, buffer), DS_OK);
    if (!buffer) return nullptr;
    void *p1, *p2;
    uint32_t n1, n2;
    EXPECT_EQ(buffer->Lock(0, desc.dwBufferBytes, &p1, &n1, &p2, &n2), DS_OK);
    std::memcpy(p1, bytes.data(), n1);
    EXPECT_EQ(buffer->Unlock(p1, n1, p2, n2), DS_OK);
    return buffer;
  }
  std::unique_ptr<DirectSoundBuffer> mono16(const std::vector<int16_t>& samples, uint32_t rate = 44100) {
    return make(pcmFormat(rate, 1, 16), pcm16(samples));
  }
  uint32_t position(DirectSoundBuffer& b) {
    uint32_t play = 0, write = 0;
    EXPECT_EQ(b.GetCurrentPosition(&play, &write), DS_OK);
    return play;
  }
  bool playing(DirectSoundBuffer& b) {
    uint32_t status = 0;
    b.GetStatus(status);
    return status & DSBSTATUS_PLAYING;
  }

  SoundMixer mixer;
  DirectSound ds{mixer};
  CaptureSink sink{mixer};
};

struct GainCase {
  int32_t volume, pan;
  int left, right;  // of a constant 10000
};

TEST_F(MixerTest, VolumeAndPanAttenuateEachSideInHundredthsOfADecibel) {
  const GainCase cases[] = {
      {0, 0, 10000, 10000},          {-600, 0, 5012, 5012},     {-2000, 0, 1000, 1000},
      {-10000, 0, 0, 0},             {0, -10000, 10000, 0},     {0, 10000, 0, 10000},
      {0, -600, 10000, 5012},        {0, 600, 5012, 10000},     {-600, -600, 5012, 2512},
      {-9999, 0, 0, 0},  // 10^-5 of 10000 rounds to nothing
  };
  for (const GainCase& c : cases) {
    SCOPED_TRACE("volume " + std::to_string(c.volume) + " pan " + std::to_string(c.pan));
    auto buffer = mono16(std::vector<int16_t>(4410, 10000));
    ASSERT_EQ(buffer->SetVolume(c.volume), DS_OK);
    ASSERT_EQ(buffer->SetPan(c.pan), DS_OK);
    sink.clear();
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    sink.pull(100);
    EXPECT_NEAR(sink.left(50), c.left, 1);
    EXPECT_NEAR(sink.right(50), c.right, 1);
  }
}

TEST_F(MixerTest, FormatsAreDecodedAndStereoKeepsItsSides) {
  // 8-bit unsigned mono: 0xC0 is +64 of 128.
  auto byte8 = make(pcmFormat(44100, 1, 8), std::vector<uint8_t>(100, 0xC0));
  // 16-bit stereo: left 1000, right -2000.
  auto stereo = make(pcmFormat(44100, 2, 16), pcm16({1000, -2000, 1000, -2000, 1000, -2000, 1000, -2000}));
  byte8->Play(0, 0, 0);
  sink.pull(2);
  EXPECT_EQ(sink.left(1), 16384);
  EXPECT_EQ(sink.right(1), 16384);
  byte8->Stop();
  stereo->Play(0, 0, 0);
  sink.pull(2);
  EXPECT_EQ(sink.left(3), 1000);
  EXPECT_EQ(sink.right(3), -2000);
}

TEST_F(MixerTest, VoicesAddUpAndClip) {
  auto a = mono16(std::vector<int16_t>(100, 20000));
  auto b = mono16(std::vector<int16_t>(100, 20000));
  auto c = mono16(std::vector<int16_t>(100, -5000));
  c->Play(0, 0, 0);
  a->Play(0, 0, 0);
  sink.pull(1);
  EXPECT_EQ(sink.left(0), 15000);
  b->Play(0, 0, 0);
  sink.pull(1);
  EXPECT_EQ(sink.left(1), 32767);
}

TEST_F(MixerTest, TheFrequencySetsThePlayingLength) {
  struct Case {
    uint32_t rate, frequency;
    size_t frames;  // output frames of 22050 source frames
  } cases[] = {
      {22050, 0, 44100},        // the format's own rate
      {22050, 44100, 22050},    // twice as fast
      {22050, 11025, 88200},    // half as fast
      {11025, 0, 88200},        // a slow file
      {44100, 48000, 20258},    // 22050 * 44100 / 48000, rounded up
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.rate) + " Hz at " + std::to_string(c.frequency));
    auto buffer = mono16(std::vector<int16_t>(22050, 8000), c.rate);
    ASSERT_EQ(buffer->SetFrequency(c.frequency), DS_OK);
    uint32_t frequency = 0;
    buffer->GetFrequency(frequency);
    EXPECT_EQ(frequency, c.frequency ? c.frequency : c.rate);
    sink.clear();
    buffer->Play(0, 0, 0);
    sink.pull(c.frames + 1000);
    EXPECT_NEAR(double(sink.audibleFrames()), double(c.frames), 1.0);
    EXPECT_FALSE(playing(*buffer));
  }
}

TEST_F(MixerTest, ResamplingInterpolatesBetweenSourceFrames) {
  auto buffer = mono16({0, 1000, 2000, 3000}, 22050);
  buffer->Play(0, 0, 0);
  sink.pull(4);
  EXPECT_EQ(sink.left(0), 0);
  EXPECT_EQ(sink.left(1), 500);
  EXPECT_EQ(sink.left(2), 1000);
  EXPECT_EQ(sink.left(3), 1500);
}

TEST_F(MixerTest, PlayOnAPlayingBufferGoesOnStopKeepsTheCursor) {
  auto buffer = mono16(ramp(10000));
  buffer->Play(0, 0, 0);
  sink.pull(1000);
  EXPECT_EQ(position(*buffer), 2000u);
  buffer->Play(0, 0, 0);  // changes nothing
  sink.pull(1);
  EXPECT_EQ(sink.left(1000), 1001);
  buffer->Stop();
  sink.pull(500);
  EXPECT_EQ(sink.peak(0, 1001), 0);
  EXPECT_EQ(position(*buffer), 2002u);
  buffer->Play(0, 0, 0);  // continues where it stopped
  sink.pull(1);
  EXPECT_EQ(sink.left(1501), 1002);
}

TEST_F(MixerTest, SetPositionMovesTheCursorAlsoWhilePlaying) {
  auto buffer = mono16(ramp(10000));
  buffer->Play(0, 0, 0);
  sink.pull(10);
  ASSERT_EQ(buffer->SetCurrentPosition(8001), DS_OK);  // rounded down to frame 4000
  sink.pull(1);
  EXPECT_EQ(sink.left(10), 4001);
  EXPECT_EQ(buffer->SetCurrentPosition(20000), DSERR_INVALIDPARAM);
}

TEST_F(MixerTest, ABufferThatPlaysToItsEndStopsAtZeroAndPlaysAgainFromTheStart) {
  auto buffer = mono16(ramp(300));
  buffer->Play(0, 0, 0);
  sink.pull(400);
  EXPECT_FALSE(playing(*buffer));
  EXPECT_EQ(position(*buffer), 0u);
  EXPECT_EQ(sink.audibleFrames(), 300u);
  buffer->Play(0, 0, 0);
  sink.pull(400);
  EXPECT_EQ(sink.left(400), 1);
  EXPECT_EQ(sink.left(699), 300);
  EXPECT_EQ(sink.left(700), 0);
}

TEST_F(MixerTest, ALoopingBufferWrapsUntilStopped) {
  auto buffer = mono16(ramp(100));
  buffer->Play(0, 0, DSBPLAY_LOOPING);
  uint32_t status = 0;
  buffer->GetStatus(status);
  EXPECT_EQ(status, DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
  sink.pull(250);
  EXPECT_EQ(sink.left(99), 100);
  EXPECT_EQ(sink.left(100), 1);
  EXPECT_EQ(sink.left(249), 50);
  EXPECT_TRUE(playing(*buffer));
}

TEST_F(MixerTest, DuplicatesShareTheSamplesWithTheirOwnCursorVolumePanAndFrequency) {
  auto original = mono16(ramp(1000));
  original->SetVolume(-600);
  std::unique_ptr<DirectSoundBuffer> copy;
  ASSERT_EQ(ds.DuplicateSoundBuffer(*original, copy), DS_OK);
  int32_t volume = 0;
  copy->GetVolume(volume);
  EXPECT_EQ(volume, -600);  // starts with the original's settings
  copy->SetVolume(0);
  copy->SetPan(10000);

  original->Play(0, 0, 0);
  sink.pull(100);
  copy->Play(0, 0, 0);  // from its own cursor, at 0
  sink.pull(1);
  EXPECT_EQ(sink.left(100), std::lrint(101 * 0.501187f));
  EXPECT_EQ(sink.right(100), std::lrint(101 * 0.501187f) + 1);

  // Writing the shared samples through the original reaches the duplicate.
  original->Stop();
  void *p1, *p2;
  uint32_t n1, n2;
  ASSERT_EQ(original->Lock(0, 2000, &p1, &n1, &p2, &n2), DS_OK);
  std::memset(p1, 0, n1);
  original->Unlock(p1, n1, p2, n2);
  sink.pull(10);
  EXPECT_EQ(sink.peak(1, 101), 0);

  // The original freed, the duplicate still plays its samples.
  original.reset();
  copy->Stop();
  copy->SetCurrentPosition(0);
  copy->Play(0, 0, 0);
  sink.pull(10);
  EXPECT_TRUE(playing(*copy));
}

TEST_F(MixerTest, LockWrapsAroundTheEndOfTheBuffer) {
  auto buffer = mono16(ramp(10));
  void *p1, *p2;
  uint32_t n1, n2;
  ASSERT_EQ(buffer->Lock(16, 8, &p1, &n1, &p2, &n2), DS_OK);
  EXPECT_EQ(n1, 4u);
  EXPECT_EQ(n2, 4u);
  std::memset(p1, 0, n1);
  std::memset(p2, 0, n2);
  buffer->Unlock(p1, n1, p2, n2);
  buffer->Play(0, 0, 0);
  sink.pull(10);
  EXPECT_EQ(sink.left(0), 0);
  EXPECT_EQ(sink.left(1), 0);
  EXPECT_EQ(sink.left(2), 3);
  EXPECT_EQ(sink.left(7), 8);
  EXPECT_EQ(sink.left(8), 0);
}

TEST_F(MixerTest, InvalidRequestsAreRefused) {
  DSBUFFERDESC desc;
  desc.dwFlags = kControls;
  desc.dwBufferBytes = 100;
  std::unique_ptr<DirectSoundBuffer> out;
  const WAVEFORMATEX formats[] = {pcmFormat(44100, 3, 16), pcmFormat(44100, 1, 12), pcmFormat(50, 1, 16),
                                  [] { auto f = pcmFormat(44100, 2, 16); f.nBlockAlign = 2; return f; }(),
                                  [] { auto f = pcmFormat(44100, 1, 16); f.wFormatTag = 2; return f; }()};
  for (const WAVEFORMATEX& f : formats) {
    desc.lpwfxFormat = &f;
    EXPECT_EQ(ds.CreateSoundBuffer(desc, out), DSERR_BADFORMAT);
    EXPECT_EQ(out, nullptr);
  }
  const WAVEFORMATEX good = pcmFormat(44100, 1, 16);
  desc.lpwfxFormat = &good;
  desc.dwBufferBytes = 0;
  EXPECT_EQ(ds.CreateSoundBuffer(desc, out), DSERR_INVALIDPARAM);

  auto buffer = mono16(ramp(10));
  EXPECT_EQ(buffer->SetVolume(1), DSERR_INVALIDPARAM);
  EXPECT_EQ(buffer->SetVolume(-10001), DSERR_INVALIDPARAM);
  EXPECT_EQ(buffer->SetPan(10001), DSERR_INVALIDPARAM);
  EXPECT_EQ(buffer->SetFrequency(99), DSERR_INVALIDPARAM);

  desc.dwFlags = DSBCAPS_STATIC;  // no controls asked for
  desc.dwBufferBytes = 20;
  ASSERT_EQ(ds.CreateSoundBuffer(desc, out), DS_OK);
  EXPECT_EQ(out->SetVolume(-100), DSERR_CONTROLUNAVAIL);
  EXPECT_EQ(out->SetPan(0), DSERR_CONTROLUNAVAIL);
  EXPECT_EQ(out->SetFrequency(22050), DSERR_CONTROLUNAVAIL);
}

TEST_F(MixerTest, ThePrimaryBufferTakesOnlyTheMixersFormat) {
  DSBUFFERDESC desc;
  desc.dwFlags = DSBCAPS_PRIMARYBUFFER;
  std::unique_ptr<DirectSoundBuffer> primary;
  ASSERT_EQ(ds.CreateSoundBuffer(desc, primary), DS_OK);
  EXPECT_TRUE(primary->isPrimary());
  EXPECT_EQ(primary->SetFormat(pcmFormat(44100, 2, 16)), DS_OK);
  EXPECT_EQ(primary->SetFormat(pcmFormat(22050, 2, 16)), DSERR_BADFORMAT);
}

TEST_F(MixerTest, LostBuffersAreSilentAndRefuseToPlayUntilRestored) {
  auto buffer = mono16(std::vector<int16_t>(1000, 5000));
  std::unique_ptr<DirectSoundBuffer> copy;
  ds.DuplicateSoundBuffer(*buffer, copy);
  buffer->Play(0, 0, 0);
  ds.loseBuffers();
  uint32_t status = 0;
  buffer->GetStatus(status);
  EXPECT_EQ(status, DSBSTATUS_BUFFERLOST);
  EXPECT_EQ(buffer->Play(0, 0, 0), DSERR_BUFFERLOST);
  EXPECT_EQ(copy->Play(0, 0, 0), DSERR_BUFFERLOST);
  sink.pull(10);
  EXPECT_EQ(sink.peak(0), 0);
  EXPECT_EQ(buffer->Restore(), DS_OK);
  EXPECT_EQ(buffer->Play(0, 0, 0), DS_OK);
  sink.pull(10);
  EXPECT_EQ(sink.peak(0, 10), 5000);
}

TEST(SoundMixerGain, AttenuationIsTenToThePowerOfATwentiethOfTheDecibels) {
  EXPECT_FLOAT_EQ(attenuationGain(0), 1.0f);
  EXPECT_NEAR(attenuationGain(-2000), 0.1f, 1e-6);
  EXPECT_NEAR(attenuationGain(-4000), 0.01f, 1e-7);
  EXPECT_EQ(attenuationGain(-10000), 0.0f);
  EXPECT_EQ(attenuationGain(-20000), 0.0f);
}

}  // namespace
