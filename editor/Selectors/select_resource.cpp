#include "editor/Selectors/select_resource.h"

#include <QPointer>

#include "editor/Selectors/selector_dialogs.h"

namespace {

// The kept instance of a selector; made again only when its parent took it away.
template <class Selector>
Selector& instance(QWidget* parent) {
  static QPointer<Selector> selector;
  if (!selector) selector = new Selector(parent);
  return *selector;
}

std::optional<std::string> run(TResourceSelector& selector, const std::string& startFile) {
  selector.SetSelectedFile(startFile);
  if (selector.exec() != QDialog::Accepted) return std::nullopt;
  return selector.SelectedFile();
}

}  // namespace

std::optional<std::string> SelectBackground(QWidget* parent, const std::string& startFile) {
  return run(instance<TfmBackSelector>(parent), startFile);
}

std::optional<std::string> SelectSpriteLibrary(QWidget* parent, const std::string& startFile) {
  return run(instance<TfmSpriteSelector>(parent), startFile);
}

std::optional<std::string> SelectSoundLibrary(QWidget* parent, const std::string& startFile) {
  return run(instance<TfmSoundSelector>(parent), startFile);
}

std::optional<std::string> SelectMidiFile(QWidget* parent, const std::string& startFile, int propertiesMode,
                                          bool activeDocumentIsWorld) {
  TfmMidiSelector& selector = instance<TfmMidiSelector>(parent);
  selector.PropertiesMode = propertiesMode;
  selector.ActiveDocumentIsWorld = activeDocumentIsWorld;
  return run(selector, startFile);
}
