#pragma once
// The level and world properties dialog without its window: the fields of every
// page, filled for a new level, a new map or the active document, and copied
// into a document on "Aceptar". The dialog widget mirrors this state.
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "editor/Docs/document.h"
#include "editor/Docs/editor_settings.h"

inline constexpr int kModeNewLevel = 0, kModeNewMap = 1, kModeProperties = 10;

inline constexpr const char* kPasswordMismatch =
    "La contrase\xF1" "a y la confirmaci\xF3" "n de contrase\xF1" "a escritas no son id\xE9" "nticas. "
    "Reescr\xED" "balas correctamente.";
inline constexpr const char* kErrorTitle = "Error";

// The palette page's swatches, top to bottom.
struct TSwatch {
  const char* Name;   // the swatch component
  const char* Label;
  TColor TDocument::*Field;
  TColor Default;
};
inline constexpr int kSwatchCount = 15;
extern const std::array<TSwatch, kSwatchCount> kSwatches;

// The palette effect radios: Tag is the PaletteFX value.
extern const std::array<const char*, 8> kPaletteFXCaptions;

// The world maps' and properties' first background colour (red 255, green 220, blue 150).
inline constexpr TColor kMapBgColor = 9886975;

class TLevelPropModel {
 public:
  // Shows the message box of a refused confirmation.
  std::function<void(TLevelPropModel& Sender, const std::string& text, const std::string& title)> OnError;

  int Tag = kModeNewLevel;

  // Fills the fields for Tag; active is the active document (used in mode 10 only).
  void FormShow(const TDocument* active, const TNewLevelSettings& newLevel);
  // The rain box and its dependent fields.
  void cbRainClick(bool checked);
  // "Predeterminado" beside a swatch.
  void SetDefaultColor(int swatch);
  void RadioFXClick(int tag) { PaletteFX = tag; }

  // "Aceptar": false (fields emptied, focus on the password) when the password
  // and its confirmation differ. Otherwise true, once every number is known to
  // be whole (else EConvertError); the caller then copies into the document.
  bool CheckConfirm();
  // Copies every field into the document, marking it modified when a value
  // changed (an untouched "Aceptar" changes nothing). Numbers beyond
  // an up-down's range are taken at the range's end, unless the document holds
  // that very number. Throws EConvertError, with the document untouched, for a
  // field that holds no whole number.
  void ApplyTo(TDocument& doc) const;

  // Selector start file of a file field (the disk's name of its link, found in
  // the program folder), and the field text for a chosen file.
  static std::string SelectorStart(const std::string& field, const std::filesystem::path& programFolder);
  // Throws platform::EUnstorableLink for a file whose link the level cannot hold.
  static std::string FieldOfChosenFile(const std::filesystem::path& chosen, const std::filesystem::path& programFolder);

  std::string Caption;
  int Panel4Top = 8;
  bool RainFieldsEnabled = false;
  bool PasswordFocused = false;

  // General.
  std::string Edit1, edShortName, Edit2 = "300", Edit3 = "128", Edit4 = "13", Edit5 = "16", Edit8 = "150";
  std::string edPass, edConfPass, Edit15 = "0", Edit16 = "0";
  bool cbHalfAutoScroll = false;
  // Graphics.
  std::string Edit6, Edit11 = "0", Edit12 = "0", Edit13 = "0", Edit14 = "0";
  bool cbRain = false;
  std::string edRainDensity = "0", edRainSpeed = "0";
  // Palette, in the order of kSwatches.
  std::array<TColor, kSwatchCount> Colors{};
  // Files.
  std::string Edit7, Edit9, Edit10;
  // Advanced.
  std::string edAddText;
  int PaletteFX = 0;
  bool cbWrap = false, cbInitialInfo = false;

  TLevelPropModel();
};
