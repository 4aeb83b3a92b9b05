// The flight sound of the flying form: asked for on every move while Fire1 is
// held, it goes on where it is instead of starting again each move.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "components/ZEZSnd/TGKAudio.h"
#include "game/Game/player_physics.h"
#include "game/frmMain/shell_state.h"
#include "platform/sound/capture_sink.h"
#include "ring_level.h"

namespace {

constexpr int kSoundFrames = 1000;  // mono 16-bit, so two bytes a frame

// The main window's audio on a mixer that sounds only when the test pulls it,
// with a library of sounds up to the flight sound.
class FlightSound : public RingLevel {
 protected:
  void SetUp() override {
    RingLevel::SetUp();
    TGKSounds sounds;
    for (int i = 0; i <= SoundFly; ++i)
      sounds.AddSound(TGKWaveFormat::Pcm(44100, 1, 16), "s" + std::to_string(i), 0, 0,
                      std::vector<uint8_t>(kSoundFrames * 2, 0x10));
    lib_.SetSounds(sounds);
    audio_.SetSoundLibrary(&lib_);
    audio_.StartDirectSound();
    saved_ = w().DXAudio;
    w().DXAudio = std::shared_ptr<TGKAudio>(std::shared_ptr<TGKAudio>{}, &audio_);  // not owned
    GameShell.PlaySound = true;
    GameShell.PlayerMode = PlayerFlying;
    Level.StandingOnSprite = -1;
    player().SetJumpState(jsFalling);
    hold(w().DXSprites->KeyFire1);
  }
  void TearDown() override {
    w().DXAudio = saved_;
    RingLevel::TearDown();
  }
  void physics() {
    TPlayerMove move{player()};
    PlayerPhysicsAfterContact(move);
  }
  // Where the flight sound is, in frames.
  int flightPosition() {
    uint32_t play = 0, write = 0;
    audio_.GetSound(SoundFly)->Buffer->GetCurrentPosition(&play, &write);
    return static_cast<int>(play / 2);
  }

  platform::SoundMixer mixer_;
  platform::CaptureSink sink_{mixer_};
  TGKAudio audio_{&mixer_};
  TGKSoundLib lib_;
  std::shared_ptr<TGKAudio> saved_;
};

TEST_F(FlightSound, GoesOnAcrossMovesWhileGlidingOrClimbing) {
  const struct {
    const char* what;
    bool mayFly, levelEnded;
    int position;  // after three moves with 300 frames heard after each
  } cases[] = {
      {"gliding", false, false, 900},
      {"climbing with a full meter", true, false, 900},
      {"after the level's end", true, true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    audio_.GetSound(SoundFly)->Stop();
    audio_.GetSound(SoundFly)->SetPosition(0);
    Level.MayFly = c.mayFly;
    Level.LevelEnded = c.levelEnded;
    for (int move = 0; move < 3; ++move) {
      player().SetJumpState(jsFalling);
      physics();
      sink_.pull(300);
    }
    EXPECT_EQ(flightPosition(), c.position);
  }
}

}  // namespace
