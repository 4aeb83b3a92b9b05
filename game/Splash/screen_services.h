#pragma once
// What the title and the world map need of the main window beyond its fields:
// sound effects, the music player, the sound library, and display chores shared
// by both screens (pictures made into surfaces, a black display).
#include <memory>
#include <string>

class TGKSurface;
namespace platform {
class GdiBitmap;
}

// The sound side of the screens. The main window binds its own at start-up
// (BindScreenAudio), with the music player, the sound library and the coin and
// brick rings. The default, in use until then and in tests, plays effects
// through the main window's audio, only steps the coin and brick ring indices
// (no sound), loads no sound library and only records the music asked of it.
// Tests install their own to hear what was played.
class TScreenAudio {
 public:
  virtual ~TScreenAudio() = default;
  virtual void PlaySound(int effect);
  // The next buffer of the coin (or brick) ring: the ring index advances 5 -> 0.
  virtual void PlayCoinSound();
  virtual void PlayBrickSound();
  virtual void LoadSoundLibrary(const std::string& storedPath);
  // The music player: a file (program-folder path) with its loop tag, then play.
  virtual void OpenMusic(const std::string& file, int tag);
  virtual void PlayMusic();
  virtual void StopMusic();
  virtual bool MusicPlaying() const { return playing_; }
  virtual long MusicPosition() const { return 0; }
  virtual std::string MusicFileName() const { return file_; }
  virtual int MusicTag() const { return tag_; }

 private:
  std::string file_;
  int tag_ = 0;
  bool playing_ = false;
};

// The audio in use; setScreenAudio(nullptr) puts the default back.
TScreenAudio& screenAudio();
void setScreenAudio(TScreenAudio* audio);

// A sound effect, only while PlaySound is on.
void PlayScreenSound(int effect);

// True once the screen has started its display.
bool DisplayRunning();
// Back buffer black, flip, and the front buffer copied back: both pages black.
void ClearDisplay();
// Copies the front buffer onto the back buffer.
void CopyFrontToBack();
// A picture file (program-folder path) as an offscreen surface with colour key 0,
// or nullptr when the file is missing, unreadable or the display is not running.
// picture receives the file, for its palette.
std::unique_ptr<TGKSurface> LoadPictureSurface(const std::string& storedPath, platform::GdiBitmap& picture);
// Copies count palette entries of an 8-bit picture into the screen palette from
// entry first on (at 8 bits per pixel only) and applies the palette.
void CopyPictureColors(const platform::GdiBitmap& picture, int count, int first);
