#include "editor/Selectors/selector_previews.h"

#include <exception>

void TSpritePreview::Load(const std::string& path) {
  Names.clear();
  Error.clear();
  try {
    ImageLib.LoadFromFile(path);
  } catch (const std::exception& e) {
    ImageLib.Images().Clear();
    Error = e.what();
    return;
  }
  for (int i = 0; i < ImageLib.GetCount(); ++i)
    Names.push_back(ImageLib.Images().GetImageHeader(i).NameText());
}

void TSpritePreview::Draw(platform::GdiBitmap& preview, int index) const {
  platform::Canvas& canvas = preview.Canvas();
  canvas.Brush.Style = platform::bsSolid;
  canvas.Brush.Color = platform::clWhite;
  canvas.FillRect({0, 0, preview.Width(), preview.Height()});
  ImageLib.DrawTransparentEditor(canvas, 0, 0, index);
}

TSoundPreview::TSoundPreview(platform::SoundMixer* mixer) : Audio(mixer) { Audio.Loaded(false); }

TSoundPreview::~TSoundPreview() { Audio.SetSoundLibrary(nullptr); }

void TSoundPreview::Detach() { Audio.SetSoundLibrary(nullptr); }

void TSoundPreview::Load(const std::string& path) {
  Names.clear();
  Error.clear();
  Audio.SetSoundLibrary(nullptr);
  try {
    SoundLib.LoadFromFile(path);
  } catch (const std::exception& e) {
    SoundLib.Sounds().Clear();
    Error = e.what();
    return;
  }
  for (int i = 0; i < SoundLib.GetCount(); ++i) Names.push_back(SoundLib.Sounds().GetSound(i).NameText());
  try {
    Audio.SetSoundLibrary(&SoundLib);
  } catch (const std::exception& e) {
    Error = e.what();
  }
}

bool TSoundPreview::Info(int index, TSoundFormatInfo& info) {
  if (index < 0 || index >= Audio.BufferCount()) return false;
  TGKSoundBuffer* buffer = Audio.GetSound(index);
  info.Size = buffer->Size;
  info.Channels = buffer->Channels;
  info.Bits = buffer->BitsPerSample;
  info.Frequency = buffer->GetFrequency();
  return true;
}

void TSoundPreview::Play(int index) {
  if (index < 0 || index >= Audio.BufferCount()) return;
  Audio.GetSound(index)->Replay();
}

TMidiPreview::TMidiPreview(std::unique_ptr<platform::MusicDevice> device) : Player(std::move(device)) {}

bool TMidiPreview::Play(const std::string& path) {
  Player.FileName = path;
  if (!Player.Open()) return false;
  Player.Play();
  return true;
}

void TMidiPreview::Stop() { Player.Stop(); }
