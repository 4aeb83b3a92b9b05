#pragma once
// What the main window does when the music player reports the end of a piece:
// looping pieces (Tag 1) start again, "normal 1.mid" and "normal 2.mid" from
// song position 32; the end of the death tune leads to the title or the map.
#include <string>

// The part of the music player these rules read and drive.
class TMusicControl {
 public:
  virtual ~TMusicControl() = default;
  virtual int Tag() const = 0;
  virtual std::string FileName() const = 0;  // as opened (program-folder path)
  virtual long Position() const = 0;         // song-pointer units
  virtual long Length() const = 0;
  virtual void Seek(long position) = 0;
  virtual void Rewind() = 0;
  virtual void Play() = 0;
};

enum class TMusicEndAction { None, ReturnToTitle, ReturnToMap };

// Restarts a looping piece that has ended (only when playMusic) and tells what
// the end of "death.mid" asks for: the title when no lives are left, else the map.
TMusicEndAction handleMusicNotify(TMusicControl& player, bool playMusic, int lives);
