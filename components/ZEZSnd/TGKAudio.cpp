#include "components/ZEZSnd/TGKAudio.h"

#include <string>

using namespace platform;

namespace {

WAVEFORMATEX formatOf(const TGKWaveFormat& f) {
  WAVEFORMATEX w;
  w.wFormatTag = f.FormatTag;
  w.nChannels = f.Channels;
  w.nSamplesPerSec = f.SamplesPerSec;
  w.nAvgBytesPerSec = f.AvgBytesPerSec;
  w.nBlockAlign = f.BlockAlign;
  w.wBitsPerSample = f.BitsPerSample;
  w.cbSize = f.ExtraSize;
  return w;
}

}  // namespace

TGKAudio::TGKAudio(SoundMixer* mixer) : mixer_(mixer) {}

TGKAudio::~TGKAudio() {
  FreeBuffers();
  DetachLibrary();
  PrimaryBuffer.reset();
  DirectSound.reset();
}

void TGKAudio::DetachLibrary() {
  if (soundLibrary_ && libraryNotification_) soundLibrary_->RemoveFreeNotification(libraryNotification_);
  soundLibrary_ = nullptr;
  libraryNotification_ = 0;
}

void TGKAudio::SetSoundLibrary(TGKSoundLib* library) {
  FreeBuffers();
  DetachLibrary();
  soundLibrary_ = library;
  if (library)
    libraryNotification_ = library->AddFreeNotification([this](TGKSoundLib&) {
      // The library goes away: forget it; the buffers keep their sounds.
      soundLibrary_ = nullptr;
      libraryNotification_ = 0;
    });
  if (DirectSound) CreateBuffers();
}

void TGKAudio::Loaded(bool ownerHasScreen) {
  if (!ownerHasScreen) StartDirectSound();
}

void TGKAudio::StartDirectSound() {
  if (DirectSound) return;  // once per run
  std::unique_ptr<platform::DirectSound> device;
  if (DirectSoundCreate(device, mixer_) != DS_OK) throw EGKAudio("Failed to Create DirectSound");
  DSBUFFERDESC desc;
  desc.dwSize = 20;
  desc.dwFlags = DSBCAPS_PRIMARYBUFFER;
  std::unique_ptr<DirectSoundBuffer> primary;
  if (device->SetCooperativeLevel(nullptr, DSSCL_PRIORITY) != DS_OK ||
      device->CreateSoundBuffer(desc, primary) != DS_OK)
    throw EGKAudio("Failed to set directsound copoperative level");
  primary->SetFormat(pcmFormat(44100, 2, 16));  // result not tested: the mixer's format anyway
  DirectSound = std::move(device);
  PrimaryBuffer = std::move(primary);
  buffers_.clear();
  if (soundLibrary_) {
    CreateBuffers();
    if (OnInitialize) OnInitialize(*this);
  }
}

TGKSoundBuffer* TGKAudio::GetSound(int index) {
  RunPendingRestore();
  if (buffers_.empty()) throw EGKAudio("A library must be assigned to SoundLibrary");
  if (index < 0 || index >= BufferCount())
    throw EGKAudio("TGKAudio: sound " + std::to_string(index) + " does not exist (" +
                   std::to_string(BufferCount()) + " sounds)");
  return buffers_[size_t(index)].get();
}

TGKSoundBuffer* TGKAudio::DuplicateSound(int index) {
  TGKSoundBuffer* original = GetSound(index);
  auto copy = original->Duplicate(*DirectSound);
  copy->OnBufferLost = [this](TGKSoundBuffer& buffer) { BufferLost(buffer); };
  duplicates_.push_back({index, std::move(copy)});
  return duplicates_.back().buffer.get();
}

std::vector<std::unique_ptr<TGKSoundBuffer>> TGKAudio::BuildBuffers() {
  std::vector<std::unique_ptr<TGKSoundBuffer>> built;
  const TGKSounds& sounds = soundLibrary_->Sounds();
  built.reserve(size_t(sounds.GetCount()));
  for (int i = 0; i < sounds.GetCount(); ++i) {
    const TGKSoundEntry& entry = sounds.GetSound(i);
    auto buffer = std::make_unique<TGKSoundBuffer>(*DirectSound, entry.Data.data(),
                                                   int32_t(entry.Data.size()), formatOf(entry.Format));
    buffer->SetPan(entry.Pan);
    buffer->SetVolume(entry.Volume);
    buffer->OnBufferLost = [this](TGKSoundBuffer& lost) { BufferLost(lost); };
    built.push_back(std::move(buffer));
  }
  return built;
}

void TGKAudio::CreateBuffers() {
  if (!soundLibrary_ || soundLibrary_->GetCount() == 0 || !DirectSound) return;
  // Built aside: a failure part-way leaves no half-filled list behind.
  auto built = BuildBuffers();
  buffers_ = std::move(built);
  if (soundLibrary_->HasFileName()) soundLibrary_->Sounds().Clear();
}

void TGKAudio::FreeBuffers() {
  duplicates_.clear();
  buffers_.clear();
}

void TGKAudio::BufferLost(TGKSoundBuffer&) {
  // The buffer whose method called us is still running: rebuild later.
  restorePending_ = true;
}

void TGKAudio::RunPendingRestore() {
  if (!restorePending_) return;
  restorePending_ = false;
  RestoreBuffers();
}

void TGKAudio::RestoreBuffers() {
  restorePending_ = false;
  // The originals are rebuilt; the duplicates stay (the program holds them) and
  // are given the new buffers' samples.
  buffers_.clear();
  if (soundLibrary_ && soundLibrary_->HasFileName()) soundLibrary_->ReloadFromFile();
  CreateBuffers();
  RefreshDuplicates();
}

void TGKAudio::RefreshDuplicates() {
  for (Duplicate& d : duplicates_) {
    if (d.index < 0 || d.index >= BufferCount()) {
      // The sound is gone from the library: the duplicate stays silent.
      if (d.buffer->Buffer) d.buffer->Buffer->Stop();
      continue;
    }
    std::unique_ptr<DirectSoundBuffer> copy;
    if (DirectSound->DuplicateSoundBuffer(*buffers_[size_t(d.index)]->Buffer, copy) != DS_OK) continue;
    d.buffer->Buffer = std::move(copy);
  }
}
