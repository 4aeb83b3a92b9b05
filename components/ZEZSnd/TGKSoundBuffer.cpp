#include "components/ZEZSnd/TGKSoundBuffer.h"

#include <cstring>

using namespace platform;

namespace {

constexpr uint32_t kBufferFlags = DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;

}  // namespace

TGKSoundBuffer::TGKSoundBuffer(DirectSound& directSound, const uint8_t* data, int32_t size,
                               const WAVEFORMATEX& format) {
  DSBUFFERDESC desc;
  desc.dwSize = 20;
  desc.dwFlags = kBufferFlags;
  desc.dwBufferBytes = size > 0 ? uint32_t(size) : 0;
  desc.lpwfxFormat = &format;
  if (size <= 0 || data == nullptr || directSound.CreateSoundBuffer(desc, Buffer) != DS_OK)
    throw EGKAudio("CreateSoundBuffer Failed");

  void* part1 = nullptr;
  void* part2 = nullptr;
  uint32_t bytes1 = 0, bytes2 = 0;
  if (Buffer->Lock(0, uint32_t(size), &part1, &bytes1, &part2, &bytes2) != DS_OK) {
    Buffer.reset();
    throw EGKAudio("DirectSoundSurface Lock Failed");
  }
  std::memcpy(part1, data, bytes1);
  Buffer->Unlock(part1, bytes1, part2, bytes2);
  Size = size;
  Channels = format.nChannels;
  BitsPerSample = format.wBitsPerSample;
}

TGKSoundBuffer::TGKSoundBuffer(std::unique_ptr<DirectSoundBuffer> buffer, int32_t size, int channels,
                               int bitsPerSample)
    : Buffer(std::move(buffer)), Size(size), Channels(channels), BitsPerSample(bitsPerSample) {}

TGKSoundBuffer::~TGKSoundBuffer() {
  if (Buffer) Buffer->Stop();
}

void TGKSoundBuffer::Play() {
  if (!Buffer) throw EGKAudio("Play Failed");
  const HRESULT result = Buffer->Play(0, 0, 0);
  if (result == DSERR_BUFFERLOST) {
    Restore();
    return;
  }
  if (result != DS_OK) throw EGKAudio("Play Failed");
}

void TGKSoundBuffer::Replay() {
  Stop();
  SetPosition(0);
  Play();
}

void TGKSoundBuffer::Stop() {
  if (!Buffer || Buffer->Stop() != DS_OK) throw EGKAudio("Stop Failed");
}

void TGKSoundBuffer::SetVolume(int32_t volume) {
  if (!Buffer || Buffer->SetVolume(volume) != DS_OK) throw EGKAudio("SetVolume Failed");
}

void TGKSoundBuffer::SetPan(int32_t pan) {
  if (!Buffer || Buffer->SetPan(pan) != DS_OK) throw EGKAudio("SetPan Failed");
}

void TGKSoundBuffer::SetPosition(int32_t bytes) {
  if (!Buffer || bytes < 0 || Buffer->SetCurrentPosition(uint32_t(bytes)) != DS_OK)
    throw EGKAudio("SetPosition Failed");
}

int TGKSoundBuffer::GetFrequency() {
  uint32_t frequency = 0;
  if (!Buffer || Buffer->GetFrequency(frequency) != DS_OK) throw EGKAudio("GetFrequency Failed");
  return int(frequency);
}

void TGKSoundBuffer::Restore() {
  if (Buffer) Buffer->Restore();
  if (OnBufferLost) OnBufferLost(*this);
}

std::unique_ptr<TGKSoundBuffer> TGKSoundBuffer::Duplicate(DirectSound& directSound) const {
  std::unique_ptr<DirectSoundBuffer> copy;
  if (!Buffer || directSound.DuplicateSoundBuffer(*Buffer, copy) != DS_OK)
    throw EGKAudio("DuplicateSoundBuffer Failed");
  return std::make_unique<TGKSoundBuffer>(std::move(copy), Size, Channels, BitsPerSample);
}
