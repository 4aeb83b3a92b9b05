#include "game/Game/level_reader.h"

#include <algorithm>

#include "components/GKILib/TGKImageLib.h"
#include "components/ZEZ/TGKScreen.h"
#include "components/ZEZStar/star_field.h"
#include "components/gkspts/animations.h"
#include "game/Game/level_state.h"
#include "game/LevelAnimations/level_animations.h"
#include "platform/core/ini_file.h"
#include "platform/core/paths.h"

namespace {

constexpr const char* options = "Options";

std::unique_ptr<platform::IniFile> openIni(const std::string& storedPath) {
  return std::make_unique<platform::IniFile>(platform::resolvePath(storedPath));
}

// A path of the file relative to the program folder; nothing stays nothing.
std::string programPath(const std::string& exeDir, const std::string& value) {
  return value.empty() ? std::string() : exeDir + value;
}

// An absolute path that exists is taken as it is.
std::string backgroundPath(const std::string& exeDir, const std::string& value) {
  if (!value.empty() && value.front() == '/' && platform::fileExists(value)) return value;
  return programPath(exeDir, value);
}

// Sizes and offsets stay within the 16-bit range of sprite positions (the
// editor's own limits lie inside it), so that the level's pixel arithmetic
// (cells times ResFactor, twice the level's height, the view's margins) cannot
// overflow whatever a hand-edited file holds.
constexpr int kMaxLevelNumber = 32767;
// The level clock is counted down once a second; a time far beyond any clock
// keeps it from running under the int range.
constexpr int kMaxLevelTime = 999999999;

int sizeValue(int value) { return std::clamp(value, 0, kMaxLevelNumber); }
int offsetValue(int value) { return std::clamp(value, -kMaxLevelNumber, kMaxLevelNumber); }

void limitOptions(TLevelOptions& o) {
  o.Width = sizeValue(o.Width);
  o.Height = sizeValue(o.Height);
  o.ResFactor = sizeValue(o.ResFactor);
  o.AutoScrollX = offsetValue(o.AutoScrollX);
  o.AutoScrollY = offsetValue(o.AutoScrollY);
  o.BgX = offsetValue(o.BgX);
  o.BgY = offsetValue(o.BgY);
  o.BgWidth = offsetValue(o.BgWidth);
  o.BgHeight = offsetValue(o.BgHeight);
  o.Time = std::clamp(o.Time, -kMaxLevelTime, kMaxLevelTime);
}

void readOptions(const platform::IniFile& ini, const std::string& exeDir, TLevelOptions& o) {
  const TLevelOptions d;
  o.Width = ini.readInteger(options, "Width", d.Width);
  o.Height = ini.readInteger(options, "Height", d.Height);
  o.AddText = ini.readString(options, "AddText", "");
  o.HAutoScroll = ini.readBool(options, "HAutoScroll", d.HAutoScroll);
  o.AutoScrollX = ini.readInteger(options, "AutoScrollX", d.AutoScrollX);
  o.AutoScrollY = ini.readInteger(options, "AutoScrollY", d.AutoScrollY);
  o.Name = ini.readString(options, "Name", "");
  o.ShortName = ini.readString(options, "ShortName", o.Name);
  if (KeepsTheClock(Level.Rebuild, Level.LevelTime, Level.PlayerDying))
    o.Time = Level.LevelTime;
  else
    o.Time = ini.readInteger(options, "Time", d.Time);
  o.BgColor = ini.readInteger(options, "BgColor", d.BgColor);
  o.WaterColor = ini.readInteger(options, "WaterColor", d.WaterColor);
  o.Water2Color = ini.readInteger(options, "Water2Color", d.Water2Color);
  o.ShipColor = ini.readInteger(options, "ShipColor", d.ShipColor);
  o.Ship2Color = ini.readInteger(options, "Ship2Color", d.Ship2Color);
  o.BorderColor = ini.readInteger(options, "BorderColor", d.BorderColor);
  o.GrassColor = ini.readInteger(options, "GrassColor", d.GrassColor);
  o.Grass2Color = ini.readInteger(options, "Grass2Color", d.Grass2Color);
  o.Ice1Color = ini.readInteger(options, "Ice1Color", d.Ice1Color);
  o.Ice2Color = ini.readInteger(options, "Ice2Color", d.Ice2Color);
  o.Pl1Color = ini.readInteger(options, "Pl1Color", d.Pl1Color);
  o.Pl2Color = ini.readInteger(options, "Pl2Color", d.Pl2Color);
  o.SPipe1Color = ini.readInteger(options, "SPipe1Color", d.SPipe1Color);
  o.SPipe2Color = ini.readInteger(options, "SPipe2Color", d.SPipe2Color);
  o.FillColor = ini.readInteger(options, "FillColor", d.FillColor);
  o.BgImage = backgroundPath(exeDir, ini.readString(options, "BgImage", ""));
  o.BgX = ini.readInteger(options, "BgX", d.BgX);
  o.BgY = ini.readInteger(options, "BgY", d.BgY);
  o.BgWidth = ini.readInteger(options, "BgWidth", d.BgWidth);
  o.BgHeight = ini.readInteger(options, "BgHeight", d.BgHeight);
  o.MIDIFile = programPath(exeDir, ini.readString(options, "MIDIFile", ""));
  o.ResFactor = ini.readInteger(options, "ResFactor", d.ResFactor);
  o.PaletteFX = ini.readInteger(options, "PaletteFX", d.PaletteFX);
  o.AnimSpeed = ini.readInteger(options, "AnimSpeed", d.AnimSpeed);
  o.Rain = ini.readBool(options, "Rain", d.Rain);
  o.Wrap = ini.readBool(options, "Wrap", d.Wrap);
  o.RainDensity = ini.readInteger(options, "RainDensity", d.RainDensity);
  o.RainSpeed = ini.readInteger(options, "RainSpeed", d.RainSpeed);
  o.ImageLib = programPath(exeDir, ini.readString(options, "ImageLib", ""));
  o.SoundLib = programPath(exeDir, ini.readString(options, "SoundLib", ""));
  limitOptions(o);
}

void loadImages(TLevelReadTarget& target, const std::string& file) {
  if (target.Screen) target.Screen->FreeImageSurfaces();
  if (!target.Images) return;
  // A level without a readable library goes on without images.
  target.Images->Images().Clear();
  target.Images->FileName.clear();
  if (!file.empty()) {
    try {
      target.Images->LoadFromFile(file);
    } catch (const EGKImages&) {
    }
  }
  if (target.Screen) target.Screen->SetImageLibrary(target.Images, true);
}

}  // namespace

void ReadLevelFile(TLevelReadTarget& target) {
  Level.LevelIni = openIni(Level.LevelFileName);
  TLevelOptions& o = Level.Options;
  readOptions(*Level.LevelIni, target.ExeDir, o);
  Level.AutoScrollOn = Level.AutoScrollActive = o.AutoScrollX != 0 || o.AutoScrollY != 0;
  if (target.Rain1) {
    target.Rain1->SetNumberOfStars(o.Rain1Stars());
    target.Rain1->Velocity = o.Rain1Velocity();
  }
  if (target.Rain2) {
    target.Rain2->SetNumberOfStars(o.Rain2Stars());
    target.Rain2->Velocity = o.Rain2Velocity();
  }

  loadImages(target, o.ImageLib);
  if (target.LoadSoundLibrary && !o.SoundLib.empty()) target.LoadSoundLibrary(o.SoundLib);
  // The whole key list, however large the level.
  if (target.SpriteKeys) *target.SpriteKeys = Level.LevelIni->readSection("Sprites");
  if (target.Animations) {
    target.Animations->Clear();
    AddLevelAnimations(*target.Animations);
    SetAnimationFrames(*target.Animations, o.AnimSpeed, target.PlayerMode);
  }
}

void ReadGameOptions(const std::string& GameFileName, const std::string& ExeDir, TGameShellFields shell) {
  shell.Cards.fill(0);
  shell.NextCardSlot = 0;
  Level.MaxFallSpeed = 7;
  std::string ext = platform::lowerCase(platform::extractFileExt(GameFileName));
  if (ext != ".tqg") {
    Level.Lives = 5;
    // No world of an earlier game stays behind; a level played as a game names its own.
    shell.WorldFileName.clear();
    return;
  }
  Level.GameIni = openIni(GameFileName);
  Level.Lives = LivesFromFile(Level.GameIni->readInteger(options, "Lifes", 5));
  shell.WorldFileName = ExeDir + Level.GameIni->readString(options, "MapFile", "");
  shell.RunningGameFile = GameFileName;
}

void OpenGameFiles(const std::string& GameFileName, TGameShellFields shell, TLevelReadTarget& target) {
  ReadGameOptions(GameFileName, target.ExeDir, shell);
  if (platform::lowerCase(platform::extractFileExt(GameFileName)) != ".tql") return;
  Level.LevelFileName = GameFileName;
  ReadLevelFile(target);
  shell.WorldFileName = GameFileName;
}
