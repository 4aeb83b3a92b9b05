#include "platform/sound/direct_sound.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

bool validPcm(const WAVEFORMATEX& f) {
  return f.wFormatTag == WAVE_FORMAT_PCM && (f.nChannels == 1 || f.nChannels == 2) &&
         (f.wBitsPerSample == 8 || f.wBitsPerSample == 16) &&
         f.nBlockAlign == f.nChannels * f.wBitsPerSample / 8 && f.nSamplesPerSec >= DSBFREQUENCY_MIN &&
         f.nSamplesPerSec <= DSBFREQUENCY_MAX;
}

// A fault of the table, once its countdown has run out.
HRESULT takeSecondaryFault() {
  DirectSoundFaults& faults = directSoundFaults();
  if (faults.secondaryBuffer == DS_OK) return DS_OK;
  if (faults.secondaryBufferAfter > 0) {
    --faults.secondaryBufferAfter;
    return DS_OK;
  }
  return faults.secondaryBuffer;
}

}  // namespace

DirectSoundFaults& directSoundFaults() {
  static DirectSoundFaults faults;
  return faults;
}

// --- DirectSoundBuffer -------------------------------------------------------

DirectSoundBuffer::DirectSoundBuffer(SoundMixer& mixer, bool primary, uint32_t flags,
                                     const WAVEFORMATEX& format, uint32_t size,
                                     std::shared_ptr<SampleStore> store)
    : mixer_(mixer), primary_(primary), flags_(flags), format_(format), size_(size),
      frequency_(format.nSamplesPerSec) {
  if (primary_) return;
  voice_ = std::make_shared<Voice>();
  voice_->store = std::move(store);
  updateStep();
  mixer_.addVoice(voice_);
}

DirectSoundBuffer::~DirectSoundBuffer() {
  if (voice_) mixer_.removeVoice(voice_.get());
}

HRESULT DirectSoundBuffer::SetFormat(const WAVEFORMATEX& format) {
  if (!primary_) return DSERR_INVALIDCALL;
  if (!validPcm(format) || format.nSamplesPerSec != uint32_t(kMixRate) || format.nChannels != kMixChannels ||
      format.wBitsPerSample != 16)
    return DSERR_BADFORMAT;
  format_ = format;
  return DS_OK;
}

HRESULT DirectSoundBuffer::GetFormat(WAVEFORMATEX& format) const {
  format = format_;
  return DS_OK;
}

HRESULT DirectSoundBuffer::Lock(uint32_t offset, uint32_t bytes, void** part1, uint32_t* bytes1,
                                void** part2, uint32_t* bytes2) {
  if (primary_) return DSERR_INVALIDCALL;
  if (!part1 || !bytes1 || offset >= size_ || bytes == 0 || bytes > size_ || locked_) return DSERR_INVALIDPARAM;
  if (directSoundFaults().lock != DS_OK) return directSoundFaults().lock;
  {
    auto lock = mixer_.lockVoices();
    if (voice_->lost) return DSERR_BUFFERLOST;
    lockCopy_ = voice_->store->bytes;
  }
  locked_ = true;
  const uint32_t first = std::min(bytes, size_ - offset);
  *part1 = lockCopy_.data() + offset;
  *bytes1 = first;
  if (part2) *part2 = bytes > first ? lockCopy_.data() : nullptr;
  if (bytes2) *bytes2 = bytes - first;
  return DS_OK;
}

HRESULT DirectSoundBuffer::Unlock(void* part1, uint32_t, void*, uint32_t) {
  if (!locked_ || part1 == nullptr) return DSERR_INVALIDPARAM;
  locked_ = false;
  auto lock = mixer_.lockVoices();
  SampleStore& store = *voice_->store;
  store.bytes.swap(lockCopy_);
  store.decode();
  lockCopy_.clear();
  return DS_OK;
}

HRESULT DirectSoundBuffer::Play(uint32_t, uint32_t, uint32_t flags) {
  if (primary_) return DS_OK;
  auto lock = mixer_.lockVoices();
  if (voice_->lost) return DSERR_BUFFERLOST;
  if (voice_->playing) return DS_OK;
  voice_->looping = (flags & DSBPLAY_LOOPING) != 0;
  voice_->playing = true;
  return DS_OK;
}

HRESULT DirectSoundBuffer::Stop() {
  if (primary_) return DS_OK;
  auto lock = mixer_.lockVoices();
  voice_->playing = false;
  return DS_OK;
}

HRESULT DirectSoundBuffer::GetStatus(uint32_t& status) const {
  status = 0;
  if (primary_) return DS_OK;
  auto lock = mixer_.lockVoices();
  if (voice_->playing) status |= DSBSTATUS_PLAYING;
  if (voice_->playing && voice_->looping) status |= DSBSTATUS_LOOPING;
  if (voice_->lost) status |= DSBSTATUS_BUFFERLOST;
  return DS_OK;
}

HRESULT DirectSoundBuffer::GetCurrentPosition(uint32_t* play, uint32_t* write) const {
  if (primary_) return DSERR_INVALIDCALL;
  uint32_t bytes;
  {
    auto lock = mixer_.lockVoices();
    bytes = uint32_t(voice_->cursor >> 32) * format_.nBlockAlign;
  }
  if (play) *play = bytes;
  if (write) *write = bytes;
  return DS_OK;
}

HRESULT DirectSoundBuffer::SetCurrentPosition(uint32_t bytes) {
  if (primary_) return DSERR_INVALIDCALL;
  if (bytes >= size_) return DSERR_INVALIDPARAM;
  auto lock = mixer_.lockVoices();
  voice_->cursor = uint64_t(bytes / format_.nBlockAlign) << 32;
  return DS_OK;
}

HRESULT DirectSoundBuffer::SetVolume(int32_t volume) {
  if (!(flags_ & DSBCAPS_CTRLVOLUME)) return DSERR_CONTROLUNAVAIL;
  if (volume < DSBVOLUME_MIN || volume > DSBVOLUME_MAX) return DSERR_INVALIDPARAM;
  volume_ = volume;
  if (voice_) {
    auto lock = mixer_.lockVoices();
    updateGains();
  }
  return DS_OK;
}

HRESULT DirectSoundBuffer::GetVolume(int32_t& volume) const {
  if (!(flags_ & DSBCAPS_CTRLVOLUME)) return DSERR_CONTROLUNAVAIL;
  volume = volume_;
  return DS_OK;
}

HRESULT DirectSoundBuffer::SetPan(int32_t pan) {
  if (!(flags_ & DSBCAPS_CTRLPAN)) return DSERR_CONTROLUNAVAIL;
  if (pan < DSBPAN_LEFT || pan > DSBPAN_RIGHT) return DSERR_INVALIDPARAM;
  pan_ = pan;
  if (voice_) {
    auto lock = mixer_.lockVoices();
    updateGains();
  }
  return DS_OK;
}

HRESULT DirectSoundBuffer::GetPan(int32_t& pan) const {
  if (!(flags_ & DSBCAPS_CTRLPAN)) return DSERR_CONTROLUNAVAIL;
  pan = pan_;
  return DS_OK;
}

HRESULT DirectSoundBuffer::SetFrequency(uint32_t frequency) {
  if (primary_ || !(flags_ & DSBCAPS_CTRLFREQUENCY)) return DSERR_CONTROLUNAVAIL;
  if (frequency == DSBFREQUENCY_ORIGINAL) frequency = format_.nSamplesPerSec;
  if (frequency < DSBFREQUENCY_MIN || frequency > DSBFREQUENCY_MAX) return DSERR_INVALIDPARAM;
  frequency_ = frequency;
  auto lock = mixer_.lockVoices();
  updateStep();
  return DS_OK;
}

HRESULT DirectSoundBuffer::GetFrequency(uint32_t& frequency) const {
  if (primary_ || !(flags_ & DSBCAPS_CTRLFREQUENCY)) return DSERR_CONTROLUNAVAIL;
  frequency = frequency_;
  return DS_OK;
}

HRESULT DirectSoundBuffer::Restore() {
  if (!voice_) return DS_OK;
  auto lock = mixer_.lockVoices();
  voice_->lost = false;
  return DS_OK;
}

void DirectSoundBuffer::updateGains() {
  const float volume = attenuationGain(volume_);
  voice_->gainLeft = volume * attenuationGain(pan_ > 0 ? -pan_ : 0);
  voice_->gainRight = volume * attenuationGain(pan_ < 0 ? pan_ : 0);
}

void DirectSoundBuffer::updateStep() {
  voice_->step = (uint64_t(frequency_) << 32) / uint64_t(kMixRate);
}

// --- DirectSound -------------------------------------------------------------

DirectSound::DirectSound(SoundMixer& mixer) : mixer_(mixer) {}
DirectSound::~DirectSound() = default;

HRESULT DirectSound::SetCooperativeLevel(const void*, uint32_t level) {
  if (directSoundFaults().cooperativeLevel != DS_OK) return directSoundFaults().cooperativeLevel;
  if (level < DSSCL_NORMAL || level > DSSCL_WRITEPRIMARY) return DSERR_INVALIDPARAM;
  level_ = level;
  return DS_OK;
}

HRESULT DirectSound::CreateSoundBuffer(const DSBUFFERDESC& desc, std::unique_ptr<DirectSoundBuffer>& out) {
  out.reset();
  if (desc.dwSize != 20) return DSERR_INVALIDPARAM;
  if (desc.dwFlags & DSBCAPS_PRIMARYBUFFER) {
    if (directSoundFaults().primaryBuffer != DS_OK) return directSoundFaults().primaryBuffer;
    if (level_ == 0) return DSERR_PRIOLEVELNEEDED;
    if (desc.dwBufferBytes != 0 || desc.lpwfxFormat != nullptr) return DSERR_INVALIDPARAM;
    out.reset(new DirectSoundBuffer(mixer_, true, desc.dwFlags, pcmFormat(22050, 2, 8), 0, nullptr));
    return DS_OK;
  }
  if (!desc.lpwfxFormat || !validPcm(*desc.lpwfxFormat)) return DSERR_BADFORMAT;
  if (desc.dwBufferBytes < DSBSIZE_MIN || desc.dwBufferBytes > DSBSIZE_MAX) return DSERR_INVALIDPARAM;
  if (const HRESULT fault = takeSecondaryFault(); fault != DS_OK) return fault;
  const WAVEFORMATEX& format = *desc.lpwfxFormat;
  auto store = std::make_shared<SampleStore>();
  store->channels = format.nChannels;
  store->bytesPerSample = format.wBitsPerSample / 8;
  // Silence: 0x80 for unsigned 8-bit samples.
  store->bytes.assign(desc.dwBufferBytes, format.wBitsPerSample == 8 ? 0x80 : 0x00);
  store->decode();
  out.reset(new DirectSoundBuffer(mixer_, false, desc.dwFlags, format, desc.dwBufferBytes, std::move(store)));
  voices_.push_back(out->voice_);
  return DS_OK;
}

HRESULT DirectSound::DuplicateSoundBuffer(const DirectSoundBuffer& original,
                                          std::unique_ptr<DirectSoundBuffer>& out) {
  out.reset();
  if (original.primary_) return DSERR_INVALIDCALL;
  std::shared_ptr<SampleStore> store;
  {
    auto lock = mixer_.lockVoices();
    if (original.voice_->lost) return DSERR_BUFFERLOST;
    store = original.voice_->store;
  }
  out.reset(new DirectSoundBuffer(mixer_, false, original.flags_, original.format_, original.size_, store));
  out->volume_ = original.volume_;
  out->pan_ = original.pan_;
  out->frequency_ = original.frequency_;
  {
    auto lock = mixer_.lockVoices();
    out->updateGains();
    out->updateStep();
  }
  voices_.push_back(out->voice_);
  return DS_OK;
}

void DirectSound::loseBuffers() {
  auto lock = mixer_.lockVoices();
  std::erase_if(voices_, [](const std::weak_ptr<Voice>& v) { return v.expired(); });
  for (const auto& weak : voices_)
    if (auto voice = weak.lock()) {
      voice->lost = true;
      voice->playing = false;
    }
}

HRESULT DirectSoundCreate(std::unique_ptr<DirectSound>& out, SoundMixer* mixer) {
  out.reset();
  if (directSoundFaults().create != DS_OK) return directSoundFaults().create;
  out = std::make_unique<DirectSound>(mixer ? *mixer : defaultMixer());
  return DS_OK;
}

}  // namespace platform
