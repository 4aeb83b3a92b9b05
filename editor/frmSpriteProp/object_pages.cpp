#include "editor/frmSpriteProp/object_pages.h"

namespace {

bool in(int kind, int first, int last) { return kind >= first && kind <= last; }

TSpritePropPage levelPage(int k) {
  if (in(k, 16, 35) || k == 59 || in(k, 184, 186) || in(k, 188, 190) || in(k, 194, 197) || k == 202 || k == 238 ||
      k == 330)
    return TSpritePropPage::Pipe;
  switch (k) {
    case 39: case 46: return TSpritePropPage::Quest;
    case 55: return TSpritePropPage::Jumper;
    case 63: case 280: return TSpritePropPage::Lava;
    case 67: case 198: case 205: case 206: return TSpritePropPage::Base;
    case 94: case 95: return TSpritePropPage::Bomb;
    case 97: case 331: return TSpritePropPage::Canyon;
    case 163: case 232: return TSpritePropPage::Turvo;
    case 180: return TSpritePropPage::Box;
    case 203: return TSpritePropPage::RotoDisk;
    case 355: return TSpritePropPage::SPipe;
    default: return TSpritePropPage::None;
  }
}

TSpritePropPage worldPage(int k) {
  if (in(k, 4, 21) || in(k, 28, 37) || k == 45 || k == 46 || k == 79 || in(k, 96, 99)) return TSpritePropPage::Pipe;
  if (in(k, 22, 27)) return TSpritePropPage::Hammer;
  if (k == 43) return TSpritePropPage::KeyLock;
  return TSpritePropPage::None;
}

}  // namespace

TSpritePropPage SpritePropPageOf(TDocKind docKind, int kind) {
  switch (docKind) {
    case DocLevel: return levelPage(kind);
    case DocWorldMap: return worldPage(kind);
    default: return TSpritePropPage::None;
  }
}

bool PipeHasPlantGroup(int kind) { return in(kind, 16, 35) || kind == 194 || kind == 195 || kind == 238 || kind == 330; }
