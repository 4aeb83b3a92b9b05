#include "platform/music/music_device.h"

#include "platform/music/silent_music_device.h"

namespace platform {
namespace {

MusicDeviceFactory& factory() {
  static MusicDeviceFactory f;
  return f;
}

}  // namespace

void setMusicDeviceFactory(MusicDeviceFactory f) { factory() = std::move(f); }

std::unique_ptr<MusicDevice> createMusicDevice() {
  if (factory()) return factory()();
  return std::make_unique<SilentMusicDevice>();
}

}  // namespace platform
