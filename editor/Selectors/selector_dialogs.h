#pragma once
// The four resource selectors: backgrounds, image libraries ("personajes"),
// sound libraries and MIDI tunes, each a TResourceSelector with its preview.
#include <memory>

#include "editor/Selectors/resource_selector.h"
#include "editor/Selectors/selector_previews.h"
#include "platform/draw/gdi_bitmap.h"

class QListWidget;

// "Selector de fondos": the "bg\" pictures, previewed whole.
class TfmBackSelector : public TResourceSelector {
 public:
  explicit TfmBackSelector(QWidget* parent = nullptr);
  QLabel* Image = nullptr;  // the preview picture

 protected:
  void SelectionChanged() override;
};

// "Selector de personajes": the "sprites\" image libraries, each image by name.
class TfmSpriteSelector : public TResourceSelector {
 public:
  explicit TfmSpriteSelector(QWidget* parent = nullptr);
  TSpritePreview Preview;
  QListWidget* lbSprites = nullptr;
  QLabel* Image = nullptr;
  platform::GdiBitmap PreviewBitmap;  // what Image shows: white with the image at (0, 0)

  // Draws the image selected in lbSprites.
  void lbSpritesClick();

 protected:
  void SelectionChanged() override;
};

// "Selector de sonidos": the "sounds\" libraries, each sound by name with its
// format, and "Reproducir".
class TfmSoundSelector : public TResourceSelector {
 public:
  // mixer: where "Reproducir" sounds (the program's mixer when null).
  explicit TfmSoundSelector(QWidget* parent = nullptr, platform::SoundMixer* mixer = nullptr);
  TSoundPreview Preview;
  QListWidget* lbSounds = nullptr;
  QLabel* lblSize = nullptr;
  QLabel* lblChannels = nullptr;
  QLabel* lblBits = nullptr;
  QLabel* lblFrequency = nullptr;
  QPushButton* btnPlay = nullptr;

  // Shows the format of the sound selected in lbSounds.
  void lbSoundsClick();

 protected:
  void BeforeShow() override;
  void SelectionChanged() override;
};

// The music selector (also captioned "Selector de sonidos"): "music\" for
// levels, "music\map\" for world maps, chosen on every show from the
// properties dialog's mode; play and stop buttons sound the selected tune.
class TfmMidiSelector : public TResourceSelector {
 public:
  explicit TfmMidiSelector(QWidget* parent = nullptr,
                           std::unique_ptr<platform::MusicDevice> device = nullptr);
  TMidiPreview Preview;
  int PropertiesMode = 0;               // 0 new level, 1 new world map, 10 properties
  bool ActiveDocumentIsWorld = false;  // for the properties mode
  QToolButton* btnPlay = nullptr;
  QToolButton* btnStop = nullptr;

  void done(int result) override;  // closing stops the tune

 protected:
  void BeforeShow() override;
};
