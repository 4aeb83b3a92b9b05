#pragma once
// The object properties dialog without its window: the state of every control,
// filled from an object line and turned back into one. The dialog widget mirrors
// this state; tests drive it directly.
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/Docs/document.h"
#include "editor/Docs/object_fields.h"

inline constexpr const char* kSpritePropCaption = "Propiedades de objeto";
inline constexpr const char* kLinkDialogTitle = "Seleccionar enlace";
inline constexpr const char* kLinkDialogFilter = "Archivos HOPZ (.tqw; .tql)|*.tqw; *.tql|Todos los archivos|*.*";
inline constexpr const char* kLinkDialogExt = "tql";

// The numbers of the radio buttons of the block's contents and the bomb's action,
// in the dialog's order; the last radio of each group is "other" (kOtherRadio).
inline constexpr int kQuestRadioKinds[] = {49, 162, 52, 51, 158, 159, 334, -1};
inline constexpr int kBombRadioKinds[] = {61, -1, -2};
inline constexpr int kOtherRadio = -100;
inline constexpr int kOtherKindMax = 362;

// A link (a pipe's or a node's file) that holds a comma, which would split it
// into two fields of the line. what() is the system's English; the author reads
// LinkWithCommaText.
class ELinkWithComma : public std::invalid_argument {
 public:
  explicit ELinkWithComma(std::string link)
      : std::invalid_argument("link holds a comma: " + link), Link(std::move(link)) {}
  std::string Link;
};
std::string LinkWithCommaText(const ELinkWithComma& e);

class TSpritePropModel {
 public:
  // Chooses a file for a link, starting at the given text; the file as the disk
  // names it, or nothing on cancel. Set by the dialog; without it the browse
  // buttons do nothing.
  std::function<std::optional<std::filesystem::path>(TSpritePropModel& Sender, const std::string& start)>
      OnBrowseLink;
  // After a preview's kind changed: 0 contents, 1 bomb, 2 key lock; kind -1 is a white preview.
  std::function<void(TSpritePropModel& Sender, int preview, int kind)> OnPreviewChange;

  // Fills every control from the line of an object of a document of docKind.
  void FormShow(TDocKind docKind, const std::string& line);
  // The line the controls describe: the old key and field 0, the visible flag
  // and the page's fields. Throws EConvertError for a number field that holds no
  // number, ELinkWithComma for a link with a comma.
  std::string BuildLine() const;

  // Control handlers.
  void RadioButtonClick(int number);  // a contents radio; kOtherRadio for "Otro:"
  void Edit1Change(const std::string& text);
  void RadioButton2Click(int number);  // a bomb radio; kOtherRadio for "En otro:"
  void Edit2Change(const std::string& text);
  void edKeyReplaceChange(const std::string& text);
  void cbPlantClick(bool checked);
  void PlantRbClick(int radio);  // 1..4 rbPlant1..rbPlant4
  void cbPlantDirChange(int index);
  void RD1Click(bool checked);
  void RD2Click(bool checked);
  void RD1rb1Click(int direction);  // 1 right, 2 left
  void RD2rb1Click(int direction);
  void TurvoRbClick(int action);    // 1..3
  void cbFlameClick(bool checked);
  void cbCanyonFlameClick(bool checked);
  void cbHammerClick(bool checked);
  void SpeedButton1Click();  // browse for edPipeLink
  void SpeedButton2Click();  // browse for edHammer
  // The link to store for a chosen file: relative to the program folder when it
  // lies in it (letter case aside), else the whole path. Throws
  // platform::EUnstorableLink, with the field as it was, for a file whose link
  // the document cannot hold.
  static std::string LinkOfChosenFile(const std::filesystem::path& chosen, const std::filesystem::path& programFolder);
  // Where the browse dialog starts for a link as typed: the file it names under
  // the program folder (found as the game finds it), or the folder itself.
  static std::filesystem::path BrowseStart(const std::string& link, const std::filesystem::path& programFolder);

  std::filesystem::path ProgramFolder;  // for the browse buttons

  // What was shown.
  TDocKind DocKind = DocLevel;
  std::string Key, KindText;  // key and field 0 as they stand in the line
  int Kind = -1;              // field 0 as a number, -1 when it is none
  TSpritePropPage Page = TSpritePropPage::None;
  bool PageSetVisible = false;

  bool cbVisible = true;
  // The line's fields after the last one the page offers, from the first that
  // follows it ("1" of a cannon 227 "227,1,1"); written back as they were.
  std::string FieldsKept;

  // Pipe (level pipes and world nodes).
  bool LinkGroupVisible = true, PlantGroupVisible = false;
  std::string edPipeLink, edPipeIndex = "0";
  int cbPipeDir = 0;  // item index, -1 none
  std::string PipeDirKept;  // a field 5 (world: 4) naming no direction, written back while none is chosen
  bool cbPlant = false, PlantControlsEnabled = false, PlantDirEnabled = false;
  int PlantRadio = 0;  // 0 none, 1..4
  int cbPlantDir = -1;
  int PlantCode = 0;
  bool cbSBulletVisible = false, cbSBullet = false;

  // Quest.
  int ContentsKind = -1;
  int QuestRadio = -1;  // a number of kQuestRadioKinds, kOtherRadio, or 0 for none
  std::string Edit1;
  bool Edit1Enabled = false;

  // Bomb.
  int TurnIntoKind = 61;
  int BombRadio = 61;  // a number of kBombRadioKinds or kOtherRadio
  std::string Edit2;
  bool Edit2Enabled = false;

  std::string edJump = "8";  // Jumper

  // Lava.
  bool cbFlame = false, FlameEnabled = false;
  std::string edFlame = "0";

  // Base.
  std::string edBaseSpeed = "0";
  bool cbBaseGoBack = false, cbBaseActivePlayer = false;

  // Canyon.
  bool cbCanyon1 = false, cbCanyonFlame = false, FlameDirEnabled = false;
  int cbFlameDir = 0;
  std::string FlameDirKept;  // likewise for field 4

  // Turvo.
  std::string edKJump = "8";
  int TurvoRadio = 1;       // 0 none, 1..3
  std::string TurvoField3;  // field 3 as read, kept when no radio is chosen

  // Box.
  bool cbDown16 = false, cbBoxShow = false;

  // RotoDisk.
  bool RD1 = false, RD2 = false, RD1Enabled = false, RD2Enabled = false;
  int RD1Radio = 0, RD2Radio = 0;  // 0 none, 1 right, 2 left
  int Disc1Direction = 0, Disc2Direction = 0;

  // KeyLock.
  std::string edKeyReplace = "43";

  // Hammer.
  bool cbHammer = false, HammerEnabled = false;
  std::string edHammer;

  bool cbBullet = false;  // SPipe

 private:
  void showLevel(const std::string& line);
  void showWorld(const std::string& line);
  void showPipe(const std::string& line);
  // The fields the page edits: the kind's fields, none without a page.
  std::span<const TObjectField> pageFields() const;
  // The text of a field at its place in the line; empty when the kind has none.
  std::string shown(const std::string& line, TObjectField field) const;
  // A field as the controls give it; nothing when the field is left out.
  std::optional<std::string> fieldText(TObjectField field) const;
  void preview(int which, int kind);
  void previewText(int which, const std::string& text);
};

// Replaces the line at index by the dialog's line, keeping its place in the
// drawing order, and marks the document modified. Throws std::out_of_range for
// an index outside the list and EConvertError (line unchanged) for a bad number.
void ConfirmSpriteProp(const TSpritePropModel& model, TDocument& doc, int index);
