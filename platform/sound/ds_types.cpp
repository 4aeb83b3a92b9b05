#include "platform/sound/ds_types.h"

namespace platform {

WAVEFORMATEX pcmFormat(uint32_t samplesPerSec, uint16_t channels, uint16_t bitsPerSample) {
  WAVEFORMATEX f;
  f.wFormatTag = WAVE_FORMAT_PCM;
  f.nChannels = channels;
  f.nSamplesPerSec = samplesPerSec;
  f.wBitsPerSample = bitsPerSample;
  f.nBlockAlign = uint16_t(channels * bitsPerSample / 8);
  f.nAvgBytesPerSec = samplesPerSec * f.nBlockAlign;
  f.cbSize = 0;
  return f;
}

}  // namespace platform
