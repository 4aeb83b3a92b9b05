#include "editor/frmSpriteProp/sprite_prop_model.h"

#include <algorithm>
#include <stdexcept>

#include "editor/Docs/line_helpers.h"
#include "editor/Docs/number_fields.h"
#include "game/ObjectLine/object_line.h"
#include "platform/core/paths.h"

namespace {

using F = TObjectField;

// What a line holds is read as every program reads it (ObjectLineInteger); what
// the author types, by StrToInt.

std::string orDefault(const std::string& text, const char* def) { return text.empty() ? std::string(def) : text; }

bool isOne(const std::string& text) { return ObjectLineInteger(text) == 1; }

// An item index of a list of count items; an absent field selects the first. A
// value that names no item selects none and goes to kept, to be written back
// unless the author picks an item.
int itemIndex(const std::string& text, int count, std::string& kept) {
  kept.clear();
  if (text.empty()) return 0;
  const std::optional<int> index = ObjectLineInteger(text);
  if (index && *index >= 0 && *index < count) return *index;
  kept = text;
  return -1;
}

// The item index to write, or the value kept when no item is selected.
std::string itemField(int index, const std::string& kept) { return index >= 0 ? std::to_string(index) : kept; }

const char* flag(bool on) { return on ? "1" : "0"; }

// The fields of a line's value from field `from` on, without the empty ones at its end.
std::string fieldsFrom(const std::string& line, int from) {
  std::string value = GetValue(line, -1);
  size_t start = 0;
  for (int i = 0; i < from; ++i) {
    start = value.find(',', start);
    if (start == std::string::npos) return "";
    ++start;
  }
  value.erase(0, start);
  while (!value.empty() && value.back() == ',') value.pop_back();
  return value;
}

std::string number(const std::string& text, const char* field) { return std::to_string(StrToIntOfField(text, field)); }

// Links are stored as one comma-separated field; a comma would shift every field after it.
const std::string& link(const std::string& text) {
  if (text.find(',') != std::string::npos) throw ELinkWithComma(text);
  return text;
}

}  // namespace

std::string LinkWithCommaText(const ELinkWithComma& e) {
  return "El enlace \"" + e.Link + "\" no se puede guardar: tiene una coma, que separa los campos del objeto.";
}

void TSpritePropModel::FormShow(TDocKind docKind, const std::string& line) {
  DocKind = docKind;
  Key = GetSection(line);
  KindText = GetValue(line, 0);
  Kind = ObjectLineInteger(KindText).value_or(-1);
  std::string visible = GetValue(line, 1);
  cbVisible = visible.empty() || visible == "1";
  Page = Kind < 0 ? TSpritePropPage::None : SpritePropPageOf(docKind, Kind);
  PageSetVisible = Page != TSpritePropPage::None;
  FieldsKept = fieldsFrom(line, 2 + int(pageFields().size()));
  if (docKind == DocLevel)
    showLevel(line);
  else if (docKind == DocWorldMap)
    showWorld(line);
}

std::span<const TObjectField> TSpritePropModel::pageFields() const {
  if (Page == TSpritePropPage::None) return {};
  return ObjectFields(DocKind, Kind);
}

std::string TSpritePropModel::shown(const std::string& line, TObjectField field) const {
  const std::optional<int> place = FieldPlace(DocKind, Kind, field);
  return place ? GetValue(line, *place) : std::string();
}

void TSpritePropModel::showPipe(const std::string& line) {
  PlantGroupVisible = PipeHasPlantGroup(Kind);
  LinkGroupVisible = Kind != 238;
  edPipeLink = shown(line, F::Link);
  std::string plant = shown(line, F::PlantCode);
  if (!plant.empty()) {
    PlantRadio = 0;
    cbPlant = true;
    std::optional<int> code = ObjectLineInteger(plant);
    int v = code.value_or(-1);
    if (v == 0) cbPlant = false;
    else if (v >= 5 && v <= 8) PlantRadio = 2;
    else if (v == 9) PlantRadio = 3;
    else if (v == 10) PlantRadio = 4;
    else if (v >= 1 && v <= 4) PlantRadio = 1;
    if (v == 2 || v == 6) cbPlantDir = 1;
    else if (v == 3 || v == 7) cbPlantDir = 2;
    else if (v == 4 || v == 8) cbPlantDir = 3;
    else if (v == 1 || v == 5 || v == 9 || v == 10) cbPlantDir = 0;
    else cbPlantDir = -1;
  } else {
    cbPlant = false;
  }
  edPipeIndex = orDefault(shown(line, F::TargetPipe), "0");
  cbPipeDir = itemIndex(shown(line, F::ExitDirection), 4, PipeDirKept);
  cbPlantClick(cbPlant);
  cbSBulletVisible = Kind == 25;
  if (cbSBulletVisible) cbSBullet = shown(line, F::PipeBullets) == "1";
}

void TSpritePropModel::showLevel(const std::string& line) {
  switch (Page) {
    case TSpritePropPage::Pipe: showPipe(line); break;
    case TSpritePropPage::Quest: {
      std::string contents = shown(line, F::ContentsKind);
      std::optional<int> value = contents.empty() ? std::optional<int>(-1) : ObjectLineInteger(contents);
      ContentsKind = value.value_or(-1);
      Edit1Change(value ? std::to_string(*value) : contents);
      int radio = kOtherRadio;
      if (value)
        for (int k : kQuestRadioKinds)
          if (k == *value) radio = k;
      RadioButtonClick(radio);
      break;
    }
    case TSpritePropPage::Jumper: edJump = orDefault(shown(line, F::JumpSpeed), "8"); break;
    case TSpritePropPage::Lava: {
      std::string flame = shown(line, F::FlameValue);
      cbFlame = !flame.empty();
      if (cbFlame) edFlame = flame;
      cbFlameClick(cbFlame);
      break;
    }
    case TSpritePropPage::Base:
      edBaseSpeed = orDefault(shown(line, F::BaseSpeed), "0");
      cbBaseGoBack = isOne(shown(line, F::GoBack));
      cbBaseActivePlayer = isOne(shown(line, F::StartOnPlayer));
      break;
    case TSpritePropPage::Bomb: {
      std::string action = shown(line, F::TurnIntoKind);
      std::optional<int> value = action.empty() ? std::optional<int>(61) : ObjectLineInteger(action);
      TurnIntoKind = value.value_or(61);
      Edit2Change(value ? std::to_string(*value) : action);
      int radio = kOtherRadio;
      if (value)
        for (int k : kBombRadioKinds)
          if (k == *value) radio = k;
      RadioButton2Click(radio);
      break;
    }
    case TSpritePropPage::Canyon:
      cbCanyon1 = shown(line, F::ShootOffScreen) == "1";
      cbCanyonFlame = shown(line, F::Flame) == "1";
      cbFlameDir = itemIndex(shown(line, F::FlameDirection), 2, FlameDirKept);
      cbCanyonFlameClick(cbCanyonFlame);
      break;
    case TSpritePropPage::Turvo: {
      edKJump = orDefault(shown(line, F::TurvoSpeed), "8");
      TurvoField3 = shown(line, F::MoveMode);
      if (TurvoField3.empty()) TurvoRadio = 1;
      else if (TurvoField3 == "1" || TurvoField3 == "2" || TurvoField3 == "3") TurvoRadio = TurvoField3[0] - '0';
      else TurvoRadio = 0;
      break;
    }
    case TSpritePropPage::Box:
      cbDown16 = shown(line, F::DownOneCell) == "1";
      cbBoxShow = shown(line, F::AlwaysShown) == "1";
      break;
    case TSpritePropPage::RotoDisk: {
      const int d1 = ObjectLineInteger(shown(line, F::Disc1Direction)).value_or(0);
      const int d2 = ObjectLineInteger(shown(line, F::Disc2Direction)).value_or(0);
      RD1 = d1 == 1 || d1 == 2;
      RD1Radio = Disc1Direction = RD1 ? d1 : 0;
      RD2 = d2 == 1 || d2 == 2;
      RD2Radio = Disc2Direction = RD2 ? d2 : 0;
      RD1Click(RD1);
      RD2Click(RD2);
      break;
    }
    case TSpritePropPage::SPipe: cbBullet = shown(line, F::SPipeBullets) == "1"; break;
    default: break;
  }
}

void TSpritePropModel::showWorld(const std::string& line) {
  switch (Page) {
    case TSpritePropPage::Pipe:
      PlantGroupVisible = false;
      LinkGroupVisible = true;
      cbSBulletVisible = false;
      edPipeLink = shown(line, F::Link);
      edPipeIndex = orDefault(shown(line, F::TargetPipe), "0");
      cbPipeDir = itemIndex(shown(line, F::ExitDirection), 4, PipeDirKept);
      break;
    case TSpritePropPage::Hammer:
      cbHammer = shown(line, F::HasWanderer) == "1";
      edHammer = shown(line, F::WandererLink);
      cbHammerClick(cbHammer);
      break;
    case TSpritePropPage::KeyLock: edKeyReplaceChange(orDefault(shown(line, F::OpensAs), "43")); break;
    default: break;
  }
}

std::optional<std::string> TSpritePropModel::fieldText(TObjectField field) const {
  const char* label = FieldLabel(field);
  switch (field) {
    case F::Link: return link(edPipeLink);
    case F::PlantCode: return std::to_string(PlantCode);
    case F::TargetPipe: return number(edPipeIndex, label);
    case F::ExitDirection: return itemField(cbPipeDir, PipeDirKept);
    case F::PipeBullets: return flag(cbSBullet);
    case F::ContentsKind: {
      // "(Ninguno)": the block holds nothing and has no field 2.
      const int contents = QuestRadio == kOtherRadio ? StrToIntOfField(Edit1, label) : ContentsKind;
      if (contents == -1) return std::nullopt;
      return std::to_string(contents);
    }
    case F::JumpSpeed: return number(edJump, label);
    case F::FlameValue:
      if (!cbFlame) return std::nullopt;
      return number(edFlame, label);
    case F::BaseSpeed: return number(edBaseSpeed, label);
    case F::GoBack: return flag(cbBaseGoBack);
    case F::StartOnPlayer: return flag(cbBaseActivePlayer);
    case F::TurnIntoKind:
      return std::to_string(BombRadio == kOtherRadio ? StrToIntOfField(Edit2, label) : TurnIntoKind);
    case F::ShootOffScreen: return flag(cbCanyon1);
    case F::Flame: return flag(cbCanyonFlame);
    case F::FlameDirection: return itemField(cbFlameDir, FlameDirKept);
    case F::TurvoSpeed: return number(edKJump, label);
    case F::MoveMode:
      // With no action chosen the object keeps the one it had.
      if (TurvoRadio > 0) return std::to_string(TurvoRadio);
      if (!TurvoField3.empty()) return TurvoField3;
      return std::nullopt;
    case F::DownOneCell: return flag(cbDown16);
    case F::AlwaysShown: return flag(cbBoxShow);
    case F::Disc1Direction: return std::to_string(Disc1Direction);
    case F::Disc2Direction: return std::to_string(Disc2Direction);
    case F::SPipeBullets: return flag(cbBullet);
    case F::HasWanderer: return flag(cbHammer);
    case F::WandererLink: return link(edHammer);
    case F::OpensAs: return number(edKeyReplace, label);
  }
  return std::nullopt;
}

std::string TSpritePropModel::BuildLine() const {
  std::string value = KindText + "," + flag(cbVisible);
  // A field left out keeps its place empty when a later one is written.
  int place = 2, written = 2;
  for (TObjectField field : pageFields()) {
    if (std::optional<std::string> text = fieldText(field)) {
      value.append(size_t(place - written), ',');
      value += "," + *text;
      written = place + 1;
    }
    ++place;
  }
  // What the page does not offer stays, after its own fields.
  if (!FieldsKept.empty()) {
    value.append(size_t(place - written), ',');
    value += "," + FieldsKept;
  }
  return Key + "=" + value;
}

void TSpritePropModel::preview(int which, int kind) {
  if (OnPreviewChange) OnPreviewChange(*this, which, kind >= 0 ? kind : -1);
}

void TSpritePropModel::previewText(int which, const std::string& text) {
  preview(which, TryStrToInt(text).value_or(-1));
}

void TSpritePropModel::RadioButtonClick(int number) {
  QuestRadio = number;
  Edit1Enabled = number == kOtherRadio;
  if (Edit1Enabled) ContentsKind = TryStrToInt(Edit1).value_or(ContentsKind);
  else ContentsKind = number;
}

void TSpritePropModel::Edit1Change(const std::string& text) {
  Edit1 = text;
  if (auto value = TryStrToInt(text)) ContentsKind = *value;
  previewText(0, text);
}

void TSpritePropModel::RadioButton2Click(int number) {
  BombRadio = number;
  Edit2Enabled = number == kOtherRadio;
  if (Edit2Enabled) TurnIntoKind = TryStrToInt(Edit2).value_or(TurnIntoKind);
  else TurnIntoKind = number;
}

void TSpritePropModel::Edit2Change(const std::string& text) {
  Edit2 = text;
  if (auto value = TryStrToInt(text)) TurnIntoKind = *value;
  previewText(1, text);
}

void TSpritePropModel::edKeyReplaceChange(const std::string& text) {
  edKeyReplace = text;
  previewText(2, text);
}

void TSpritePropModel::cbPlantClick(bool checked) {
  cbPlant = checked;
  PlantControlsEnabled = checked;
  PlantDirEnabled = checked;
  if (checked) PlantRbClick(PlantRadio);
  else PlantCode = 0;
}

void TSpritePropModel::PlantRbClick(int radio) {
  PlantRadio = radio;
  if (!cbPlant) {
    PlantCode = 0;
    return;
  }
  PlantDirEnabled = radio != 3 && radio != 4;
  switch (radio) {
    // A plant without a direction is no plant, red or green.
    case 1: PlantCode = cbPlantDir < 0 ? 0 : 1 + cbPlantDir; break;
    case 2: PlantCode = cbPlantDir < 0 ? 0 : 5 + cbPlantDir; break;
    case 3: PlantCode = 9; break;
    case 4: PlantCode = 10; break;
    default: PlantCode = 0; break;
  }
}

void TSpritePropModel::cbPlantDirChange(int index) {
  cbPlantDir = index >= -1 && index <= 3 ? index : -1;
  PlantRbClick(PlantRadio);
}

void TSpritePropModel::RD1Click(bool checked) {
  RD1 = RD1Enabled = checked;
  Disc1Direction = checked ? RD1Radio : 0;
}

void TSpritePropModel::RD2Click(bool checked) {
  RD2 = RD2Enabled = checked;
  Disc2Direction = checked ? RD2Radio : 0;
}

void TSpritePropModel::RD1rb1Click(int direction) {
  RD1Radio = Disc1Direction = direction;
}

void TSpritePropModel::RD2rb1Click(int direction) {
  RD2Radio = Disc2Direction = direction;
}

void TSpritePropModel::TurvoRbClick(int action) { TurvoRadio = action; }

void TSpritePropModel::cbFlameClick(bool checked) { cbFlame = FlameEnabled = checked; }

void TSpritePropModel::cbCanyonFlameClick(bool checked) { cbCanyonFlame = FlameDirEnabled = checked; }

void TSpritePropModel::cbHammerClick(bool checked) { cbHammer = HammerEnabled = checked; }

std::string TSpritePropModel::LinkOfChosenFile(const std::filesystem::path& chosen,
                                               const std::filesystem::path& programFolder) {
  return platform::storedLink(chosen, programFolder);
}

std::filesystem::path TSpritePropModel::BrowseStart(const std::string& link, const std::filesystem::path& programFolder) {
  if (link.empty()) return programFolder;
  return platform::resolvePath(link, programFolder).lexically_normal();
}

void TSpritePropModel::SpeedButton1Click() {
  if (!OnBrowseLink) return;
  if (auto chosen = OnBrowseLink(*this, edPipeLink)) edPipeLink = LinkOfChosenFile(*chosen, ProgramFolder);
}

void TSpritePropModel::SpeedButton2Click() {
  if (!OnBrowseLink) return;
  if (auto chosen = OnBrowseLink(*this, edHammer)) edHammer = LinkOfChosenFile(*chosen, ProgramFolder);
}

void ConfirmSpriteProp(const TSpritePropModel& model, TDocument& doc, int index) {
  if (index < 0 || index >= int(doc.Objects.size())) throw std::out_of_range("No object is selected");
  std::string line = model.BuildLine();
  // Inserted before the old line, which then goes: the object keeps its drawing place.
  doc.Objects.insert(doc.Objects.begin() + index, std::move(line));
  doc.Objects.erase(doc.Objects.begin() + index + 1);
  doc.Modified = true;
}
