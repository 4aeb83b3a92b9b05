#pragma once
// The object palette's widgets, inside the "Objetos" tool window: per page set
// a topic button dropping the sub-page menu, the sub-page notebook of toggle
// buttons in a panel, and the two scroll buttons. TObjectPalette decides.
#include <QWidget>
#include <vector>

#include "editor/ObjectPalette/object_palette.h"

class QMenu;
class QStackedWidget;
namespace tbz {
class TToolbarButtonZ;
}

inline constexpr int kPaletteButtonWidth = 23;
inline constexpr int kPaletteButtonHeight = 22;

class TObjectPaletteWindow : public QWidget {
 public:
  explicit TObjectPaletteWindow(QWidget* parent = nullptr);

  TObjectPalette& Palette() { return palette_; }
  // The page set of a document kind: levels "Game", anything else "Map".
  void ShowPageSet(TDocKind kind);
  // Glyphs from the document's library, then its page set.
  void RefreshGlyphs(TDocKind kind, TGKEditorImageLib& images, const TKindImageTable& kindImages);

  // What tests and the main window reach, by page set (0 "Map", 1 "Game").
  QStackedWidget* nb1 = nullptr;
  tbz::TToolbarButtonZ* TopicButton(TDocKind kind) const { return set(kind).topic; }
  tbz::TToolbarButtonZ* UpButton(TDocKind kind) const { return set(kind).up; }
  tbz::TToolbarButtonZ* DownButton(TDocKind kind) const { return set(kind).down; }
  QMenu* PageMenu(TDocKind kind) const { return set(kind).menu; }
  tbz::TToolbarButtonZ* PaletteButton(TDocKind kind, int page, int index) const;
  QStackedWidget* Notebook(TDocKind kind) const { return set(kind).notebook; }

 protected:
  void resizeEvent(QResizeEvent*) override;

 private:
  struct TPageSet {
    QWidget* page = nullptr;
    tbz::TToolbarButtonZ* topic = nullptr;
    QMenu* menu = nullptr;
    QWidget* panel = nullptr;
    QStackedWidget* notebook = nullptr;
    tbz::TToolbarButtonZ* up = nullptr;
    tbz::TToolbarButtonZ* down = nullptr;
    std::vector<std::vector<tbz::TToolbarButtonZ*>> buttons;
  };
  const TPageSet& set(TDocKind kind) const { return sets_[kind == DocLevel ? 1 : 0]; }
  TPageSet& set(TDocKind kind) { return sets_[kind == DocLevel ? 1 : 0]; }
  void buildPageSet(TDocKind kind);
  // Widgets follow the model after a click, a menu choice or a scroll.
  void syncPageSet(TDocKind kind);
  void layoutPageSet(TDocKind kind);

  TObjectPalette palette_;
  TPageSet sets_[2];
};
