#pragma once
// An editor document: a level, a world map or a game, with every [Options]
// value, the object list and, for a game, its text.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/ObjectLine/object_line.h"  // CellKey

// A Windows colour value: red in the low byte, then green, then blue.
using TColor = int32_t;

enum TDocKind : uint8_t { DocGame = 0, DocWorldMap = 1, DocLevel = 2 };

// The kind a file name's extension names (".tqg", ".tqw", ".tql", in any letter
// case), or nothing for any other extension.
std::optional<TDocKind> DocKindOfFileName(const std::filesystem::path& fileName);
const char* DocKindExtension(TDocKind kind);

struct TDocument {
  std::filesystem::path FileName;  // as the disk names it; empty for a document never saved
  TDocKind DocKind = DocGame;
  bool Modified = false;

  // [Options]; the initial values are what the editor reads for a missing level key.
  std::string Name, ShortName, AddText;
  bool InitialInfo = true;
  int Time = 300;
  int Width = 128, Height = 13;  // cells
  bool HAutoScroll = false;
  int AutoScrollX = 0, AutoScrollY = 0;
  int ResFactor = 16;   // cell size in pixels
  int AnimSpeed = 150;  // ms
  bool Rain = false;
  int RainDensity = 3000, RainSpeed = 4;
  TColor BgColor = 16776960;
  std::string BgImage;
  int BgX = 0, BgY = 0, BgWidth = 0, BgHeight = 0;
  TColor WaterColor = 16760121, Water2Color = 16770989;
  TColor ShipColor = 3775743, Ship2Color = 543438;
  TColor BorderColor = 0;
  TColor GrassColor = 3394611, Grass2Color = 39168;
  TColor Ice1Color = 16316664, Ice2Color = 13682872;
  TColor Pl1Color = 4906570, Pl2Color = 44288;
  TColor SPipe1Color = 10079487, SPipe2Color = 13369548;
  std::string ImageLib = "sprites\\game.iml", SoundLib, MIDIFile;
  TColor FillColor = 0;
  int PaletteFX = 0;  // 0..7
  bool Wrap = false;
  std::string Password;  // plain text; empty = none
  // [Options] keys the editor does not edit (a level's Name, ShortName,
  // ShowInfo, which the game reads), as read: written back after its own.
  std::vector<std::pair<std::string, std::string>> OtherOptions;

  // A line of a section that the editor writes anew and that holds nothing it
  // reads, as it was read: written back before the line Before of the section
  // (after the last one when Before is past the end).
  struct TKeptLine {
    size_t Before = 0;
    std::string Text;
    bool operator==(const TKeptLine&) const = default;
  };
  // The [Options] lines that are no key the editor reads (a comment, a blank
  // line, a later line of a key), in the order they are written back; Before
  // counts the lines the editor writes: its own keys, then OtherOptions.
  std::vector<TKeptLine> KeptOptionLines;

  // Object lines "CellKey=value" in drawing order; the first is the player's start.
  std::vector<std::string> Objects;
  // The [Sprites] lines that hold no object the editor can show (a comment, a
  // blank line, a line without a key or without a value, a later line of a key
  // already read). The game builds a sprite of every key line, and its first key
  // line is the player's start, so each is written back where it stood; Before
  // counts in Objects.
  std::vector<TKeptLine> KeptSpriteLines;

  // A game document's text, lines ended by CR LF (game files are edited as text).
  std::string Text;

  // The file as the document last read or wrote it (nothing when no file was
  // there): a copy saved under another name carries its other sections, and a
  // save into the same file finds in it whether another program wrote it since.
  std::optional<std::string> FileBytes;
};

// A level or map whose size in cells or pixels cannot be drawn. As every error
// of the editor, what() is the system's English, and the Spanish the author
// reads comes from the text function beside it (LevelSizeText).
class ELevelSize : public std::runtime_error {
 public:
  ELevelSize(TDocKind kind, std::string caption, int width, int height, int resFactor)
      : std::runtime_error(std::string(kind == DocWorldMap ? "Map" : "Level") + " too large to draw: " +
                           std::to_string(width) + " x " + std::to_string(height) + " cells of " +
                           std::to_string(resFactor) + " pixels"),
        Kind(kind), Caption(std::move(caption)), Width(width), Height(height), ResFactor(resFactor) {}
  TDocKind Kind;
  std::string Caption;
  int Width, Height, ResFactor;
};
std::string LevelSizeText(const ELevelSize& e);
// What the author reads when an object line could not be drawn: its kind or
// cell is no number, or a kind beyond the table ("List index out of bounds",
// "'x' is not a valid integer value" in the system's English).
std::string UndrawableObjectText(const std::string& caption);

// The text a new game document starts with.
std::string NewGameText();
