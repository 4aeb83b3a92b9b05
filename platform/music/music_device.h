#pragma once
// Our sequencer device for MIDI files, in the manner of the multimedia control
// interface: open a file, play it to its end with a completion notice, stop
// (the position stays), seek, and ask for position, length and mode. Positions
// and the length are in song-pointer units: sixteenth notes from the file's
// division, so "seek to 32" lands on the ninth beat.
//
// Threads: call from the main thread. Where the device renders on the audio
// thread, that thread only sets the completion flag; takeCompletion(), called
// from the main loop, reads it, so the notice reaches the program on the main
// thread.
#include <functional>
#include <memory>
#include <string>

namespace platform {

enum class MusicMode { NotReady, Stopped, Playing };

class MusicDevice {
 public:
  virtual ~MusicDevice() = default;
  // Opens the file (closing what was open); false when the file is missing or
  // not a MIDI file, or the device cannot sound (no SoundFont): the device is
  // then not ready and every other call does nothing.
  virtual bool open(const std::string& path) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  // Plays from the position to the end; playing again while playing changes
  // nothing. At the end the device stops there (position = length) and the
  // completion flag is set.
  virtual void play() = 0;
  virtual void stop() = 0;
  // Stops playing and moves to the position (clamped to 0 .. length).
  virtual void seek(int position) = 0;
  virtual int position() = 0;
  virtual int length() = 0;
  virtual MusicMode mode() = 0;
  // True once for every play that reached the end; clears the flag.
  virtual bool takeCompletion() = 0;
};

// The program chooses the device that music players get (the FluidSynth one
// when the sound output runs); unless set, the silent one.
using MusicDeviceFactory = std::function<std::unique_ptr<MusicDevice>()>;
void setMusicDeviceFactory(MusicDeviceFactory factory);  // empty: back to silent
std::unique_ptr<MusicDevice> createMusicDevice();

}  // namespace platform
