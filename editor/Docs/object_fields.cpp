#include "editor/Docs/object_fields.h"

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

namespace {

using F = TObjectField;

constexpr F kPipeFields[] = {F::Link, F::PlantCode, F::TargetPipe, F::ExitDirection, F::PipeBullets};
constexpr F kWorldNodeFields[] = {F::Link, F::TargetPipe, F::ExitDirection};
constexpr F kQuestFields[] = {F::ContentsKind};
constexpr F kJumperFields[] = {F::JumpSpeed};
constexpr F kLavaFields[] = {F::FlameValue};
constexpr F kBaseFields[] = {F::BaseSpeed, F::GoBack, F::StartOnPlayer};
constexpr F kBombFields[] = {F::TurnIntoKind};
constexpr F kCanyonFields[] = {F::ShootOffScreen, F::Flame, F::FlameDirection};
constexpr F kTurvoFields[] = {F::TurvoSpeed, F::MoveMode};
constexpr F kBoxFields[] = {F::DownOneCell, F::AlwaysShown};
constexpr F kRotoDiskFields[] = {F::Disc1Direction, F::Disc2Direction};
constexpr F kSPipeFields[] = {F::SPipeBullets};
constexpr F kHammerFields[] = {F::HasWanderer, F::WandererLink};
constexpr F kKeyLockFields[] = {F::OpensAs};
constexpr F kEndCardFields[] = {F::Link};
constexpr F kFiringCannonFields[] = {F::ShootOffScreen};

// Kinds without a page whose fields the game reads.
std::span<const F> unpagedFields(TDocKind docKind, int kind) {
  if (docKind != DocLevel) return {};
  switch (kind) {
    case 60: return kEndCardFields;
    case 227: case 228: case 230: case 231: case 343: case 344: return kFiringCannonFields;
    default: return {};
  }
}

}  // namespace

const char* FieldLabel(TObjectField field) {
  switch (field) {
    case F::Link: case F::WandererLink: return "Ir a:";
    case F::PlantCode: return "Planta carn\xEDvora";
    case F::TargetPipe: return "\xCDndice:";
    case F::ExitDirection: return "Salida:";
    case F::PipeBullets: case F::SPipeBullets: return "Disparar balas de ca\xF1\xF3n";
    case F::ContentsKind: return "Otro:";
    case F::JumpSpeed: case F::FlameValue: return "Salto:";
    case F::BaseSpeed: case F::TurvoSpeed: return "Velocidad:";
    case F::GoBack: return "Ida y vuelta";
    case F::StartOnPlayer: return "Activar movimiento al apoyarse el jugador";
    case F::TurnIntoKind: return "En otro:";
    case F::ShootOffScreen: return "Disparar aunque el ca\xF1\xF3n se encuentre fuera de la pantalla";
    case F::Flame: return "Llama";
    case F::FlameDirection: return "Direcci\xF3n:";
    case F::MoveMode: return " Acci\xF3n ";
    case F::DownOneCell: return "Bajar la posici\xF3n un bloque";
    case F::AlwaysShown: return "Mostrar siempre";
    case F::Disc1Direction: return "Disco 1";
    case F::Disc2Direction: return "Disco 2";
    case F::HasWanderer: return "Enemigo en el camino";
    case F::OpensAs: return "Convertir:";
  }
  return "";
}

std::span<const TObjectField> ObjectFields(TDocKind docKind, int kind) {
  switch (SpritePropPageOf(docKind, kind)) {
    case TSpritePropPage::Pipe:
      if (docKind == DocWorldMap) return kWorldNodeFields;
      // Only kind 25 shoots bullets.
      return std::span<const F>(kPipeFields).first(kind == 25 ? 5 : 4);
    case TSpritePropPage::Quest: return kQuestFields;
    case TSpritePropPage::Bomb: return kBombFields;
    case TSpritePropPage::Jumper: return kJumperFields;
    case TSpritePropPage::Canyon: return kCanyonFields;
    case TSpritePropPage::Box: return kBoxFields;
    case TSpritePropPage::RotoDisk: return kRotoDiskFields;
    case TSpritePropPage::Lava: return kLavaFields;
    case TSpritePropPage::Base: return kBaseFields;
    case TSpritePropPage::Turvo: return kTurvoFields;
    case TSpritePropPage::KeyLock: return kKeyLockFields;
    case TSpritePropPage::Hammer: return kHammerFields;
    case TSpritePropPage::SPipe: return kSPipeFields;
    case TSpritePropPage::None: break;
  }
  return unpagedFields(docKind, kind);
}

std::optional<int> FieldPlace(TDocKind docKind, int kind, TObjectField field) {
  const auto fields = ObjectFields(docKind, kind);
  for (size_t i = 0; i < fields.size(); ++i)
    if (fields[i] == field) return 2 + int(i);
  return std::nullopt;
}
