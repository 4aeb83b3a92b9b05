#include "editor/Docs/document_keys.h"

namespace {
using D = TDocument;

const TOptionKey worldKeys[] = {
    {"Name", &D::Name},
    {"ShortName", &D::ShortName},
    {"InitialInfo", &D::InitialInfo},
};

const TOptionKey levelKeys[] = {
    {"AddText", &D::AddText},       {"Time", &D::Time},     {"HAutoScroll", &D::HAutoScroll},
    {"AutoScrollX", &D::AutoScrollX}, {"AutoScrollY", &D::AutoScrollY}, {"Rain", &D::Rain},
    {"RainDensity", &D::RainDensity}, {"RainSpeed", &D::RainSpeed}, {"BgX", &D::BgX},
    {"BgY", &D::BgY},               {"BgWidth", &D::BgWidth}, {"BgHeight", &D::BgHeight},
    {"Wrap", &D::Wrap},
};

const TOptionKey sharedKeys[] = {
    {"BgColor", &D::BgColor},         {"WaterColor", &D::WaterColor},   {"Water2Color", &D::Water2Color},
    {"ShipColor", &D::ShipColor},     {"Ship2Color", &D::Ship2Color},   {"BorderColor", &D::BorderColor},
    {"GrassColor", &D::GrassColor},   {"Grass2Color", &D::Grass2Color}, {"Ice1Color", &D::Ice1Color},
    {"Ice2Color", &D::Ice2Color},     {"Pl1Color", &D::Pl1Color},       {"Pl2Color", &D::Pl2Color},
    {"SPipe1Color", &D::SPipe1Color}, {"SPipe2Color", &D::SPipe2Color}, {"FillColor", &D::FillColor},
    {"Width", &D::Width},             {"Height", &D::Height},           {"BgImage", &D::BgImage},
    {"ResFactor", &D::ResFactor},     {"AnimSpeed", &D::AnimSpeed},     {"PaletteFX", &D::PaletteFX},
    {"MIDIFile", &D::MIDIFile},       {"Password", &D::Password},       {"ImageLib", &D::ImageLib},
    {"SoundLib", &D::SoundLib},
};
}  // namespace

std::span<const TOptionKey> WorldOptionKeys() { return worldKeys; }
std::span<const TOptionKey> LevelOptionKeys() { return levelKeys; }
std::span<const TOptionKey> SharedOptionKeys() { return sharedKeys; }

bool SameOptions(const TDocument& a, const TDocument& b) {
  for (auto keys : {WorldOptionKeys(), LevelOptionKeys(), SharedOptionKeys()})
    for (const TOptionKey& key : keys)
      if (!std::visit([&](auto member) { return a.*member == b.*member; }, key.field)) return false;
  return true;
}
