#pragma once
// What the screen needs of the optional components attached to it: the
// scrolling background, the input device and the hi-colour library. Each of
// those components implements its interface here.
#include <cstdint>

namespace platform {
class GdiBitmap;
}

// Background layers: prepared at the screen's start, drawn before every OnFlip.
class TGKScreenBackground {
 public:
  virtual ~TGKScreenBackground() = default;
  virtual void Prepare() = 0;
  virtual void Update() = 0;
};

// A DirectInput device standing in for the key state.
class TGKScreenInput {
 public:
  virtual ~TGKScreenInput() = default;
  virtual void Initialize() = 0;
  virtual void SetKeys(uint16_t left, uint16_t right, uint16_t up, uint16_t down, uint16_t fire1,
                       uint16_t fire2) = 0;
  virtual bool KeyDown(uint16_t virtualKey) = 0;
};

// A library of ordinary pictures for hi-colour modes.
class TGKHiColorSource {
 public:
  virtual ~TGKHiColorSource() = default;
  virtual int GetCount() const = 0;
  virtual const platform::GdiBitmap& GetPicture(int index) const = 0;
};

// Audio components of the screen's window: started at every activation.
class TGKScreenAudio {
 public:
  virtual ~TGKScreenAudio() = default;
  virtual void StartDirectSound() = 0;
};
