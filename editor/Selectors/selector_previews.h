#pragma once
// The previews of the image-library, sound-library and music selectors,
// without Qt: a library loaded into the dialog's own component, the names it
// holds and what the dialog shows of the selected entry.
#include <memory>
#include <string>
#include <vector>

#include "components/MIDIPlayer/TMediaPlayer.h"
#include "components/ZEZSnd/TGKAudio.h"
#include "components/gkslib/TGKSoundLib.h"
#include "editor/components/TGKEditorImageLib.h"
#include "platform/draw/gdi_bitmap.h"

// Loads a library; a file that is not one leaves the preview empty with the
// reason in Error.
class TSpritePreview {
 public:
  TGKEditorImageLib ImageLib;
  std::vector<std::string> Names;
  std::string Error;

  void Load(const std::string& path);
  // The preview cleared to white with image index at (0, 0).
  void Draw(platform::GdiBitmap& preview, int index) const;
};

struct TSoundFormatInfo {
  int Size = 0;  // bytes of the buffer
  int Channels = 0;
  int Bits = 0;
  int Frequency = 0;  // playback frequency of the buffer
};

class TSoundPreview {
 public:
  // mixer: where the sounds go (the program's default mixer when null). The
  // audio starts at once: the dialog has no screen.
  explicit TSoundPreview(platform::SoundMixer* mixer = nullptr);
  ~TSoundPreview();

  TGKSoundLib SoundLib;
  TGKAudio Audio;
  std::vector<std::string> Names;
  std::string Error;

  // Before the list is filled: the buffers are freed.
  void Detach();
  // Loads the library and builds one buffer per sound.
  void Load(const std::string& path);
  // False for an index outside the buffers.
  bool Info(int index, TSoundFormatInfo& info);
  void Play(int index);
};

// The music selector's player: the selected tune from its start, stopped when
// the dialog closes.
class TMidiPreview {
 public:
  explicit TMidiPreview(std::unique_ptr<platform::MusicDevice> device = nullptr);
  TMediaPlayer Player;
  // Sets the file, opens the device and plays; false when the file cannot sound.
  bool Play(const std::string& path);
  void Stop();
};
