// Reading a world-map file, opening a game, and loading a world.
#include <algorithm>
#include <memory>

#include "components/GKILib/TGKImageLib.h"
#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_reader.h"
#include "game/Game/level_state.h"
#include "game/Game/palette_effects.h"
#include "game/Map/world_kinds.h"
#include "game/Map/world_map.h"
#include "game/Splash/screen_services.h"
#include "game/Splash/title_screen.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/status_bar.h"
#include "platform/core/paths.h"
#include "platform/core/tick_stamp.h"

TWorldMapState WorldMap;

namespace {

constexpr const char* kOptions = "Options";
// The largest size, cell size and animation speed a world file may give (the
// level files' limit: the 16-bit range of sprite positions).
constexpr int kMaxMapNumber = 32767;

std::string programPath(const std::string& value) { return value.empty() ? std::string() : GameShell.ExeDir + value; }

// A background given as an absolute path that exists is taken as it is;
// anything else lies in the program folder.
std::string backgroundPath(const std::string& value) {
  if (!value.empty() && value.front() == '/' && platform::fileExists(value)) return value;
  return programPath(value);
}

void readWorldOptions(const platform::IniFile& ini) {
  TLevelOptions& o = Level.Options;
  const TLevelOptions d;
  o.ImageLib = programPath(ini.readString(kOptions, "ImageLib", ""));
  o.Width = ini.readInteger(kOptions, "Width", 0);
  o.Height = ini.readInteger(kOptions, "Height", 0);
  o.FillColor = ini.readInteger(kOptions, "FillColor", 0);
  if (WorldMap.InitialInfo) {
    WorldMap.InitialInfo = ini.readBool(kOptions, "InitialInfo", true);
    if (!WorldMap.InitialInfo) WorldMap.ShowPlayerTime = platform::StampIn(ShowPlayerDelayMs);
  }
  o.Name = ini.readString(kOptions, "Name", "");
  o.ShortName = ini.readString(kOptions, "ShortName", o.Name);
  o.BgColor = ini.readInteger(kOptions, "BgColor", 0);
  o.WaterColor = ini.readInteger(kOptions, "WaterColor", d.WaterColor);
  o.Water2Color = ini.readInteger(kOptions, "Water2Color", d.Water2Color);
  o.ShipColor = ini.readInteger(kOptions, "ShipColor", d.ShipColor);
  o.Ship2Color = ini.readInteger(kOptions, "Ship2Color", d.Ship2Color);
  o.BgImage = backgroundPath(ini.readString(kOptions, "BgImage", ""));
  o.MIDIFile = programPath(ini.readString(kOptions, "MIDIFile", ""));
  o.ResFactor = ini.readInteger(kOptions, "ResFactor", 16);
  o.PaletteFX = ini.readInteger(kOptions, "PaletteFX", 0);
  o.AnimSpeed = ini.readInteger(kOptions, "AnimSpeed", 200);
  // A hand-edited file may hold any number: cells times ResFactor, the map's
  // pixel size and twice the animation speed stay within the int range.
  for (int* value : {&o.Width, &o.Height, &o.ResFactor, &o.AnimSpeed}) *value = std::clamp(*value, 0, kMaxMapNumber);
}

// Set by each read: whether the map's image library gave any image.
bool mapImagesLoaded = false;

void loadMapImages(const std::string& file) {
  TGKImageLib& lib = *fmMain->DXImages;
  try {
    if (file.empty()) throw EGKImages("no image library");
    lib.LoadFromFile(platform::resolvePath(file).string());
  } catch (const std::exception&) {
    lib.Images().Clear();
  }
  mapImagesLoaded = lib.GetCount() > 0;
}

bool anythingLoaded() { return Title.TitleLoaded || Title.WorldLoaded || Level.LevelLoaded; }

// The node the player stands on names another world.
bool standingOnWorldLink() {
  if (fmMain->ScreenState() != ssWorldMap) return false;
  const TGKSprites& list = fmMain->DXSprites->Sprites;
  if (WorldMap.MapPosition < 0 || WorldMap.MapPosition >= list.Count()) return false;
  const std::string* link = SpriteTextOf(list.GetSprite(WorldMap.MapPosition));
  return link && platform::sameText(platform::extractFileExt(*link), ".tqw");
}

// Reading marks the world loaded, so a world read is always built and shown,
// whatever was up before (even a title that no game file loaded). Without
// images no map sprite can take its size: a map file that is missing, is no
// world map or names no readable library gives the title back instead.
void showWorld() {
  if (!mapImagesLoaded) {
    ReturnToTitle();
    return;
  }
  SetMapPlayArea();
  BuildWorldMap();
}

}  // namespace

void ReadWorldFile() {
  Level.LevelIni = std::make_unique<platform::IniFile>(platform::resolvePath(WorldMap.WorldFileName));
  const platform::IniFile& ini = *Level.LevelIni;
  fmMain->SetScreenState(ssWorldMap);
  Level.ForgetRunningLevel();
  readWorldOptions(ini);

  TGKScreen& screen = *fmMain->DXScreen;
  TGKSpriteMgr& sprites = *fmMain->DXSprites;
  const bool firstLoad = !anythingLoaded();
  // A running display holds the surfaces and sprites of the screen that was up
  // (also a title that no game file loaded), so they give way to the map's.
  if (!firstLoad || DisplayRunning()) {
    sprites.Sprites.Clear();
    ClearEffectRings(*fmMain);
    screen.FreeImageSurfaces();
    loadMapImages(Level.Options.ImageLib);
    screen.SetImageLibrary(fmMain->DXImages.get(), true);
    sprites.Animations.Clear();
  } else {
    loadMapImages(Level.Options.ImageLib);
  }
  if (firstLoad) screenAudio().LoadSoundLibrary(GameShell.ExeDir + "sounds\\game.sdl");
  Title.WorldLoaded = true;
  sprites.PlayerBehind = false;

  fmMain->SpriteKeys = ini.readSection("Sprites");
  DefineWorldAnimations(sprites.Animations, Level.Options.AnimSpeed);
  Level.CardImages = WorldCardImages;
}

void LoadWorld() {
  // Whatever was paused stays behind with the level.
  fmMain->SetPaused(false);
  if (DisplayRunning()) {
    if (!standingOnWorldLink()) FadeOutPalette(*fmMain->DXScreen, Level.Options.PaletteFX, 20);
    ClearDisplay();
  }
  ReadWorldFile();
  showWorld();
}

void OpenWorldFile(const std::string& Path) {
  WorldMap.WorldFileName = Path;
  LoadWorld();
}

void ForgetWorldProgress() {
  WorldMap.InitialInfo = true;
  WorldMap.NodeToggle = 0;
  fmMain->EndedNodes.clear();
  fmMain->WanderPositions.clear();
  WorldMap.EnteredFromMap = false;
}

void OpenGame() {
  if (fmMain->GameFileName.empty()) return;
  fmMain->SetPaused(false);
  // A new game starts small, whatever form the last one ended in.
  GameShell.PlayerMode = PlayerSmall;
  TGameShellFields shell{fmMain->Cards, fmMain->NextCardSlot, WorldMap.RunningGameFile, WorldMap.WorldFileName};
  TLevelReadTarget target;
  target.ExeDir = GameShell.ExeDir;
  target.Screen = fmMain->DXScreen.get();
  target.Images = fmMain->DXImages.get();
  target.LoadSoundLibrary = [](const std::string& path) { screenAudio().LoadSoundLibrary(path); };
  target.Animations = &fmMain->DXSprites->Animations;
  target.Rain1 = fmMain->DXRain1.get();
  target.Rain2 = fmMain->DXRain2.get();
  target.SpriteKeys = &fmMain->SpriteKeys;
  target.PlayerMode = GameShell.PlayerMode;
  OpenGameFiles(fmMain->GameFileName, shell, target);
  ClearDisplay();
  ReadWorldFile();
  showWorld();
}

void SetMapPlayArea() {
  TGKScreen& s = *fmMain->DXScreen;
  const TRect clip = s.GetClipRect();
  const int bottom = GameShell.FullScreen ? s.ScreenHeight : s.ScreenHeight - StatusBarPictureHeight() - 6;
  s.SetClipRect({0, 0, clip.Right, bottom});
}

int StatusBarPictureHeight() { return fmMain->StatusPicture().Height(); }
