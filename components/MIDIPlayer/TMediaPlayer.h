#pragma once
// The music player component of the game's and the editor's windows: a MIDI
// file played through the program's sequencer device (platform/music).
//
// Completion notices: when a play reaches the end of the piece, OnNotify fires
// from Poll(), never from the audio thread, so nothing is notified until the
// owner polls. The game's window polls from a 10 ms timer (beside the main
// timer), not from the frame; the editor's previews want no notice and never poll.
#include <functional>
#include <memory>
#include <string>

#include "platform/music/music_device.h"

enum TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };

class TMediaPlayer {
 public:
  // device: the sequencer (the program's choice, platform::createMusicDevice,
  // when null).
  explicit TMediaPlayer(std::unique_ptr<platform::MusicDevice> device = nullptr);
  ~TMediaPlayer();
  TMediaPlayer(const TMediaPlayer&) = delete;
  TMediaPlayer& operator=(const TMediaPlayer&) = delete;

  // The file that Open opens: a stored path ('\' separators, found
  // case-insensitively); a relative path is taken from the program folder.
  std::string FileName;
  int Tag = 0;          // free for the program
  bool Notify = true;   // OnNotify fires when a play completes
  std::function<void(TMediaPlayer& Sender)> OnNotify;

  // Opens FileName (closing what was open). A missing or unreadable file, or no
  // way to sound it, fails quietly: the player is then not ready and Play,
  // Stop, Rewind and seeking do nothing. Returns whether it opened.
  bool Open();
  void Close();
  bool IsOpen() const;
  // From the position to the end of the piece.
  void Play();
  // The position stays.
  void Stop();
  // To the start (stops playing).
  void Rewind();
  // Song-pointer units (sixteenth notes); 0 when not open.
  int GetPosition();
  // Stops playing and moves there (clamped to the piece).
  void SetPosition(int position);
  int GetLength();
  TMPModes GetMode();

  // Fires OnNotify (when Notify is set) once for every play that completed
  // since the last call. Call from the main loop.
  void Poll();

 private:
  std::unique_ptr<platform::MusicDevice> device_;
};
