#pragma once
// Result codes, flags and structures of our DirectSound stand-in. The codes keep
// their customary values so that traces and texts stay recognisable.
#include <cstdint>

namespace platform {

using HRESULT = int32_t;

constexpr HRESULT DS_OK = 0;
constexpr HRESULT DSERR_GENERIC = HRESULT(0x80004005u);
constexpr HRESULT DSERR_OUTOFMEMORY = HRESULT(0x8007000Eu);
constexpr HRESULT DSERR_INVALIDPARAM = HRESULT(0x80070057u);
constexpr HRESULT DSERR_ALLOCATED = HRESULT(0x8878000Au);
constexpr HRESULT DSERR_CONTROLUNAVAIL = HRESULT(0x8878001Eu);
constexpr HRESULT DSERR_INVALIDCALL = HRESULT(0x88780032u);
constexpr HRESULT DSERR_PRIOLEVELNEEDED = HRESULT(0x88780046u);
constexpr HRESULT DSERR_BADFORMAT = HRESULT(0x88780064u);
constexpr HRESULT DSERR_NODRIVER = HRESULT(0x88780078u);
constexpr HRESULT DSERR_BUFFERLOST = HRESULT(0x88780096u);

// Cooperative levels.
constexpr uint32_t DSSCL_NORMAL = 1;
constexpr uint32_t DSSCL_PRIORITY = 2;
constexpr uint32_t DSSCL_EXCLUSIVE = 3;
constexpr uint32_t DSSCL_WRITEPRIMARY = 4;

// Buffer capabilities.
constexpr uint32_t DSBCAPS_PRIMARYBUFFER = 0x01;
constexpr uint32_t DSBCAPS_STATIC = 0x02;
constexpr uint32_t DSBCAPS_CTRLFREQUENCY = 0x20;
constexpr uint32_t DSBCAPS_CTRLPAN = 0x40;
constexpr uint32_t DSBCAPS_CTRLVOLUME = 0x80;

// Play flags and status bits.
constexpr uint32_t DSBPLAY_LOOPING = 0x01;
constexpr uint32_t DSBSTATUS_PLAYING = 0x01;
constexpr uint32_t DSBSTATUS_BUFFERLOST = 0x02;
constexpr uint32_t DSBSTATUS_LOOPING = 0x04;

// Limits.
constexpr int32_t DSBVOLUME_MIN = -10000;  // silence
constexpr int32_t DSBVOLUME_MAX = 0;
constexpr int32_t DSBPAN_LEFT = -10000;
constexpr int32_t DSBPAN_CENTER = 0;
constexpr int32_t DSBPAN_RIGHT = 10000;
constexpr uint32_t DSBFREQUENCY_ORIGINAL = 0;
constexpr uint32_t DSBFREQUENCY_MIN = 100;
constexpr uint32_t DSBFREQUENCY_MAX = 200000;
constexpr uint32_t DSBSIZE_MIN = 4;
constexpr uint32_t DSBSIZE_MAX = 0x0FFFFFFF;

constexpr uint16_t WAVE_FORMAT_PCM = 1;

// The wave format as it lies in files: 18 bytes (20 with the padding that the
// sound library keeps after it).
struct WAVEFORMATEX {
  uint16_t wFormatTag = WAVE_FORMAT_PCM;
  uint16_t nChannels = 0;
  uint32_t nSamplesPerSec = 0;
  uint32_t nAvgBytesPerSec = 0;
  uint16_t nBlockAlign = 0;
  uint16_t wBitsPerSample = 0;
  uint16_t cbSize = 0;
};

// PCM with the block align and byte rate that the rest implies.
WAVEFORMATEX pcmFormat(uint32_t samplesPerSec, uint16_t channels, uint16_t bitsPerSample);

struct DSBUFFERDESC {
  uint32_t dwSize = 20;
  uint32_t dwFlags = 0;
  uint32_t dwBufferBytes = 0;       // 0 for the primary buffer
  const WAVEFORMATEX* lpwfxFormat = nullptr;  // null for the primary buffer
};

}  // namespace platform
