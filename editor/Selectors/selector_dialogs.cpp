#include "editor/Selectors/selector_dialogs.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/Selectors/qt_images.h"
#include "platform/core/paths.h"
#include "platform/qt/text/qt_text.h"

using platform::qt::qs;

namespace {

const TSelectorTexts kBackTexts{"Selector de fondos", "Fondos:",
                                "Mapas de bits (*.bmp)|*.bmp|Todos los archivos|*.*", "bmp"};
const TSelectorTexts kSpriteTexts{"Selector de personajes", "Personajes:",
                                  "Librer\xED" "as de im\xE1genes (*.iml)|*.iml|Todos los archivos|*.*", "iml"};
const TSelectorTexts kSoundTexts{"Selector de sonidos", "Sonidos:",
                                 "Librer\xED" "as de sonidos (*.sdl)|*.sdl|Todos los archivos|*.*", "sdl"};
const TSelectorTexts kMidiTexts{"Selector de sonidos", "M\xFAsica de fondo:",
                                "Archivos MIDI|*.mid|Todos los archivos|*.*", "mid"};

constexpr int kPreviewWidth = 160;
constexpr int kPreviewHeight = 120;

QLabel* previewLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setFixedSize(kPreviewWidth, kPreviewHeight);
  label->setFrameShape(QFrame::Box);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

// The names of a library's entries, the first selected.
void fillNames(QListWidget* list, const std::vector<std::string>& names) {
  list->clear();
  for (const std::string& name : names) list->addItem(qs(name));
  if (!names.empty()) list->setCurrentRow(0);
}

}  // namespace

TfmBackSelector::TfmBackSelector(QWidget* parent)
    : TResourceSelector(kBackTexts, "bg\\", "*.bmp", TSelectorPaths::FolderPlusName,
                        parent) {
  Image = previewLabel(this);
  Image->setScaledContents(true);
  PreviewLayout->addWidget(Image);
}

void TfmBackSelector::SelectionChanged() {
  QPixmap picture;
  if (!Model.SelectedPath().empty()) {
    try {
      picture = QPixmap::fromImage(ToQImage(platform::readBmp(platform::resolvePath(Model.SelectedPath()))));
    } catch (const std::exception&) {
      // A file that is not a picture previews as nothing.
    }
  }
  Image->setPixmap(picture);
}

TfmSpriteSelector::TfmSpriteSelector(QWidget* parent)
    : TResourceSelector(kSpriteTexts, "sprites\\", "*.iml", TSelectorPaths::Expanded,
                        parent),
      PreviewBitmap(kPreviewWidth, kPreviewHeight) {
  auto* row = new QHBoxLayout;
  lbSprites = new QListWidget(this);
  lbSprites->setFixedHeight(kPreviewHeight);
  Image = previewLabel(this);
  row->addWidget(lbSprites, 1);
  row->addWidget(Image);
  PreviewLayout->addLayout(row);
  connect(lbSprites, &QListWidget::currentRowChanged, this, [this] { lbSpritesClick(); });
}

void TfmSpriteSelector::SelectionChanged() {
  const std::string path = Model.SelectedPath();
  if (path.empty()) {
    Preview.Names.clear();
    Preview.ImageLib.Images().Clear();
  } else {
    Preview.Load(path);
  }
  const QSignalBlocker block(lbSprites);
  fillNames(lbSprites, Preview.Names);
  lbSpritesClick();
}

void TfmSpriteSelector::lbSpritesClick() {
  Preview.Draw(PreviewBitmap, lbSprites->currentRow());
  Image->setPixmap(QPixmap::fromImage(ToQImage(PreviewBitmap)));
}

TfmSoundSelector::TfmSoundSelector(QWidget* parent, platform::SoundMixer* mixer)
    : TResourceSelector(kSoundTexts, "sounds\\", "*.sdl", TSelectorPaths::Expanded,
                        parent),
      Preview(mixer) {
  auto* row = new QHBoxLayout;
  lbSounds = new QListWidget(this);
  lbSounds->setFixedHeight(kPreviewHeight);
  row->addWidget(lbSounds, 1);
  auto* format = new QFormLayout;
  lblSize = new QLabel(this);
  lblChannels = new QLabel(this);
  lblBits = new QLabel(this);
  lblFrequency = new QLabel(this);
  for (QLabel* value : {lblSize, lblChannels, lblBits, lblFrequency}) value->setMinimumWidth(60);
  format->addRow(qs("Tama\xF1o:"), lblSize);
  format->addRow(qs("Canales:"), lblChannels);
  format->addRow(qs("Bits:"), lblBits);
  format->addRow(qs("Frecuencia:"), lblFrequency);
  btnPlay = new QPushButton(qs("Reproducir"), this);
  format->addRow(btnPlay);
  row->addLayout(format);
  PreviewLayout->addLayout(row);
  connect(lbSounds, &QListWidget::currentRowChanged, this, [this] { lbSoundsClick(); });
  connect(btnPlay, &QPushButton::clicked, this, [this] { Preview.Play(lbSounds->currentRow()); });
}

void TfmSoundSelector::BeforeShow() { Preview.Detach(); }

void TfmSoundSelector::SelectionChanged() {
  const std::string path = Model.SelectedPath();
  if (path.empty()) {
    Preview.Detach();
    Preview.Names.clear();
  } else {
    Preview.Load(path);
  }
  const QSignalBlocker block(lbSounds);
  fillNames(lbSounds, Preview.Names);
  lbSoundsClick();
}

void TfmSoundSelector::lbSoundsClick() {
  TSoundFormatInfo info;
  const bool known = Preview.Info(lbSounds->currentRow(), info);
  auto number = [known](int value) { return known ? QString::number(value) : QString(); };
  lblSize->setText(number(info.Size));
  lblChannels->setText(number(info.Channels));
  lblBits->setText(number(info.Bits));
  lblFrequency->setText(number(info.Frequency));
  btnPlay->setEnabled(known);
}

TfmMidiSelector::TfmMidiSelector(QWidget* parent, std::unique_ptr<platform::MusicDevice> device)
    : TResourceSelector(kMidiTexts, "music\\", "*.mid", TSelectorPaths::Expanded,
                        parent),
      Preview(std::move(device)) {
  auto* row = new QHBoxLayout;
  btnPlay = new QToolButton(this);
  btnPlay->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
  btnPlay->setToolTip(qs("Reproducir"));
  btnStop = new QToolButton(this);
  btnStop->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
  btnStop->setToolTip(qs("Detener"));
  row->addWidget(btnPlay);
  row->addWidget(btnStop);
  row->addStretch(1);
  PreviewLayout->addLayout(row);
  connect(btnPlay, &QToolButton::clicked, this, [this] {
    if (!Model.SelectedPath().empty()) Preview.Play(Model.SelectedPath());
  });
  connect(btnStop, &QToolButton::clicked, this, [this] { Preview.Stop(); });
}

void TfmMidiSelector::BeforeShow() { Model.SetFolder(MidiSelectorFolder(PropertiesMode, ActiveDocumentIsWorld)); }

void TfmMidiSelector::done(int result) {
  Preview.Stop();
  TResourceSelector::done(result);
}
