#pragma once
// The music player as level play drives it: the level's own tune is opened with
// its loop tag and played, and the switch tune is watched until it ends. Unset
// members mean no music player (tests, the headless runner).
#include <functional>
#include <string>

struct TLevelMusic {
  std::function<std::string()> FileName;  // the file the player holds, empty for none
  std::function<long()> Position;         // song-pointer units
  std::function<bool()> Playing;
  std::function<void(const std::string& path, int tag)> Open;
  std::function<void()> Play;

  std::string fileName() const { return FileName ? FileName() : std::string(); }
  long position() const { return Position ? Position() : 0; }
  bool playing() const { return Playing && Playing(); }
};

extern TLevelMusic LevelMusic;
