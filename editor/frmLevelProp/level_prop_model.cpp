#include "editor/frmLevelProp/level_prop_model.h"

#include <algorithm>

#include "editor/Docs/document_keys.h"
#include "editor/Docs/number_fields.h"
#include "platform/core/paths.h"

const std::array<TSwatch, kSwatchCount> kSwatches = {{
    {"Color1", "Fondo:", &TDocument::BgColor, 16776960},
    {"Color2", "Fondo total:", &TDocument::FillColor, 0},
    {"Color4", "Bordes:", &TDocument::BorderColor, 0},
    {"Color5", "Base de hielo 1:", &TDocument::Ice1Color, 16316664},
    {"Color6", "Base de hielo 2:", &TDocument::Ice2Color, 13682872},
    {"Color7", "Pasto 1:", &TDocument::GrassColor, 3394611},
    {"Color9", "Pasto 2:", &TDocument::Grass2Color, 39168},
    {"Color8", "Planta 1:", &TDocument::Pl1Color, 4906570},
    {"Color10", "Planta 2:", &TDocument::Pl2Color, 44288},
    {"Color3", "Agua 1:", &TDocument::WaterColor, 16760121},
    {"Color11", "Agua 2:", &TDocument::Water2Color, 16770989},
    {"Color12", "Nave 1:", &TDocument::ShipColor, 3775743},
    {"Color13", "Nave 2:", &TDocument::Ship2Color, 543438},
    {"Color14", "Tubo armable 1:", &TDocument::SPipe1Color, 10079487},
    {"Color15", "Tubo armable 2:", &TDocument::SPipe2Color, 13369548},
}};

const std::array<const char*, 8> kPaletteFXCaptions = {
    "Ninguno", "D\xED" "a nublado (menor saturaci\xF3n)", "Blanco y negro",
    "Negro y gris (no afecta al fondo de pantalla)", "Tinte amarillo", "Tinte rojo",
    "Tinte verde (bosque)", "Tinte azul (noche)"};

namespace {

// A number field as its up-down holds it: whole, and within the up-down's range.
// A number left as the document holds it stays, even beyond that range (a file
// written by hand), so confirming the dialog unchanged changes nothing.
int upDown(const std::string& text, int min, int max, int held) {
  const int value = StrToInt(text);
  if (text == std::to_string(held)) return held;
  return std::clamp(value, min, max);
}

}  // namespace

TLevelPropModel::TLevelPropModel() {
  for (int i = 0; i < kSwatchCount; ++i) Colors[i] = kSwatches[i].Default;
}

void TLevelPropModel::FormShow(const TDocument* active, const TNewLevelSettings& newLevel) {
  if (Tag == kModeNewLevel) {
    Edit1.clear();
    edShortName.clear();
    edAddText.clear();
    Edit6 = newLevel.BgImage;
    Edit7 = newLevel.ImageLib;
    Edit9 = newLevel.SoundLib;
    Edit10 = newLevel.MidiFile;
    Edit3 = "128";
    Edit4 = "13";
  } else if (Tag == kModeNewMap) {
    Edit1 = "WORLD 1";
    edShortName = "1";
    edAddText.clear();
    Edit6.clear();
    Edit7 = "sprites\\map.iml";
    Edit9 = newLevel.SoundLib;
    Edit10 = "music\\map\\world 1.mid";
    Edit3 = "20";
    Edit4 = "13";
  }
  // A new document has no password until its author gives it one; the last
  // document's would otherwise be saved into it unasked.
  edPass.clear();
  edConfPass.clear();
  Edit2 = "300";
  Edit5 = "16";
  Edit11 = Edit12 = Edit13 = Edit14 = Edit15 = Edit16 = "0";
  Edit8 = "150";
  cbRain = false;
  for (int i = 0; i < kSwatchCount; ++i) Colors[i] = kSwatches[i].Default;
  Colors[0] = Tag == kModeNewLevel ? kSwatches[0].Default : kMapBgColor;
  PaletteFX = 0;
  cbWrap = false;

  bool level = Tag == kModeNewLevel;
  if (Tag == kModeProperties && active) {
    const TDocument& d = *active;
    level = d.DocKind == DocLevel;
    Edit1 = d.Name;
    edShortName = d.ShortName;
    edAddText = d.AddText;
    cbInitialInfo = d.InitialInfo;
    Edit2 = std::to_string(d.Time);
    Edit3 = std::to_string(d.Width);
    Edit4 = std::to_string(d.Height);
    Edit5 = std::to_string(d.ResFactor);
    Edit6 = d.BgImage;
    Edit7 = d.ImageLib;
    Edit9 = d.SoundLib;
    Edit10 = d.MIDIFile;
    Edit11 = std::to_string(d.BgX);
    Edit12 = std::to_string(d.BgY);
    Edit13 = std::to_string(d.BgWidth);
    Edit14 = std::to_string(d.BgHeight);
    cbHalfAutoScroll = d.HAutoScroll;
    Edit15 = std::to_string(d.AutoScrollX);
    Edit16 = std::to_string(d.AutoScrollY);
    Edit8 = std::to_string(d.AnimSpeed);
    cbRain = d.Rain;
    edRainDensity = std::to_string(d.RainDensity);
    edRainSpeed = std::to_string(d.RainSpeed);
    for (int i = 0; i < kSwatchCount; ++i) Colors[i] = d.*kSwatches[i].Field;
    PaletteFX = d.PaletteFX;  // one of no radio is kept unless the author picks a radio
    cbWrap = d.Wrap;
    // Its own password in both fields: confirming unchanged keeps it.
    edPass = edConfPass = d.Password;
  }
  cbRainClick(cbRain);
  if (Tag == kModeNewLevel) Caption = "Nuevo nivel";
  else if (Tag == kModeNewMap) Caption = "Nuevo mapa";
  else Caption = level ? "Propiedades del nivel" : "Propiedades del mapa";
  Panel4Top = level ? 8 : 60;
  PasswordFocused = false;
}

void TLevelPropModel::cbRainClick(bool checked) { cbRain = RainFieldsEnabled = checked; }

void TLevelPropModel::SetDefaultColor(int swatch) {
  if (swatch >= 0 && swatch < kSwatchCount) Colors[swatch] = kSwatches[swatch].Default;
}

bool TLevelPropModel::CheckConfirm() {
  if (edPass != edConfPass) {
    if (OnError) OnError(*this, kPasswordMismatch, kErrorTitle);
    edPass.clear();
    edConfPass.clear();
    PasswordFocused = true;
    return false;
  }
  TDocument probe;
  ApplyTo(probe);  // every number is whole, or EConvertError
  return true;
}

void TLevelPropModel::ApplyTo(TDocument& doc) const {
  // Every number first, so that a bad one leaves the document as it was.
  TDocument d = doc;
  d.Name = Edit1;
  d.ShortName = edShortName;
  d.AddText = edAddText;
  d.InitialInfo = cbInitialInfo;
  d.Time = upDown(Edit2, 0, 999, doc.Time);
  d.Width = upDown(Edit3, 0, 32767, doc.Width);
  d.Height = upDown(Edit4, 0, 32767, doc.Height);
  d.ResFactor = upDown(Edit5, 0, 256, doc.ResFactor);
  d.BgImage = Edit6;
  d.ImageLib = Edit7;
  d.SoundLib = Edit9;
  d.MIDIFile = Edit10;
  d.BgX = upDown(Edit11, 0, 32767, doc.BgX);
  d.BgY = upDown(Edit12, 0, 32767, doc.BgY);
  d.BgWidth = upDown(Edit13, 0, 32767, doc.BgWidth);
  d.BgHeight = upDown(Edit14, 0, 32767, doc.BgHeight);
  d.HAutoScroll = cbHalfAutoScroll;
  d.AutoScrollX = upDown(Edit15, -10, 10, doc.AutoScrollX);
  d.AutoScrollY = upDown(Edit16, -10, 10, doc.AutoScrollY);
  d.AnimSpeed = upDown(Edit8, 0, 32767, doc.AnimSpeed);
  d.Rain = cbRain;
  d.RainDensity = upDown(edRainDensity, 0, 10002, doc.RainDensity);
  d.RainSpeed = StrToInt(edRainSpeed);
  for (int i = 0; i < kSwatchCount; ++i) d.*kSwatches[i].Field = Colors[i];
  d.PaletteFX = PaletteFX;
  d.Wrap = cbWrap;
  d.Password = edPass;
  // Confirmed as it was shown, the document has nothing new to save.
  d.Modified = doc.Modified || !SameOptions(d, doc);
  doc = std::move(d);
}

std::string TLevelPropModel::SelectorStart(const std::string& field, const std::filesystem::path& programFolder) {
  if (field.empty()) return {};
  return platform::resolvePath(field, programFolder).string();
}

std::string TLevelPropModel::FieldOfChosenFile(const std::filesystem::path& chosen,
                                               const std::filesystem::path& programFolder) {
  return platform::storedLink(chosen, programFolder);
}
