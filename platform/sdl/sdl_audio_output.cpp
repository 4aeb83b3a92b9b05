#include "platform/sdl/sdl_audio_output.h"

#include <SDL.h>

#include <cstdio>

namespace platform {

SdlAudioOutput::SdlAudioOutput(SoundMixer& mixer) : mixer_(mixer) {}

SdlAudioOutput::~SdlAudioOutput() { close(); }

bool SdlAudioOutput::open() {
  if (device_) return true;
  if (!subsystem_) {
    // The program keeps its own SIGINT and SIGTERM: it must stay stoppable from outside.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      std::fprintf(stderr, "Hopz: no sound (%s)\n", SDL_GetError());
      return false;
    }
    subsystem_ = true;
  }
  SDL_AudioSpec want{};
  want.freq = kMixRate;
  want.format = AUDIO_S16SYS;
  want.channels = kMixChannels;
  want.samples = 1024;  // about 23 ms a period
  want.callback = &SdlAudioOutput::callback;
  want.userdata = this;
  SDL_AudioSpec have{};
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (device_ == 0) {
    std::fprintf(stderr, "Hopz: no sound (%s)\n", SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    subsystem_ = false;
    return false;
  }
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

void SdlAudioOutput::close() {
  if (device_) {
    SDL_CloseAudioDevice(device_);
    device_ = 0;
  }
  if (subsystem_) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    subsystem_ = false;
  }
}

void SdlAudioOutput::callback(void* self, unsigned char* stream, int bytes) {
  auto* output = static_cast<SdlAudioOutput*>(self);
  output->mixer_.mix(reinterpret_cast<int16_t*>(stream), size_t(bytes) / (sizeof(int16_t) * kMixChannels));
}

}  // namespace platform
