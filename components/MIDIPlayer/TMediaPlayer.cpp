#include "components/MIDIPlayer/TMediaPlayer.h"

#include "platform/core/paths.h"

TMediaPlayer::TMediaPlayer(std::unique_ptr<platform::MusicDevice> device)
    : device_(device ? std::move(device) : platform::createMusicDevice()) {}

TMediaPlayer::~TMediaPlayer() = default;

bool TMediaPlayer::Open() {
  if (FileName.empty()) {
    device_->close();
    return false;
  }
  const auto path = platform::resolvePath(FileName, platform::programFolder());
  return device_->open(path.string());
}

void TMediaPlayer::Close() { device_->close(); }
bool TMediaPlayer::IsOpen() const { return device_->isOpen(); }
void TMediaPlayer::Play() { device_->play(); }
void TMediaPlayer::Stop() { device_->stop(); }
void TMediaPlayer::Rewind() { device_->seek(0); }
int TMediaPlayer::GetPosition() { return device_->position(); }
void TMediaPlayer::SetPosition(int position) { device_->seek(position); }
int TMediaPlayer::GetLength() { return device_->length(); }

TMPModes TMediaPlayer::GetMode() {
  switch (device_->mode()) {
    case platform::MusicMode::Playing:
      return mpPlaying;
    case platform::MusicMode::Stopped:
      return mpStopped;
    case platform::MusicMode::NotReady:
      break;
  }
  return mpNotReady;
}

void TMediaPlayer::Poll() {
  if (device_->takeCompletion() && Notify && OnNotify) OnNotify(*this);
}
