#pragma once
// What the game reads from a level file's [Options], with the game's defaults.
#include <cstdint>
#include <string>

// A Windows colour value: red in the low byte, then green, then blue.
using TColorRef = int32_t;

struct TLevelOptions {
  int Width = 0;   // cells
  int Height = 0;  // cells
  std::string AddText;
  bool HAutoScroll = false;  // auto-scroll only every second frame
  int AutoScrollX = 0;       // pixels per frame
  int AutoScrollY = 0;
  std::string Name;
  std::string ShortName;
  int Time = 300;  // seconds
  TColorRef BgColor = 0;
  TColorRef WaterColor = 16760121;
  TColorRef Water2Color = 16770989;
  TColorRef ShipColor = 3775743;
  TColorRef Ship2Color = 543438;
  TColorRef BorderColor = 0;
  TColorRef GrassColor = 3394611;
  TColorRef Grass2Color = 39168;
  TColorRef Ice1Color = 16316664;
  TColorRef Ice2Color = 13682872;
  TColorRef Pl1Color = 4906570;
  TColorRef Pl2Color = 44288;
  TColorRef SPipe1Color = 10079487;
  TColorRef SPipe2Color = 13369548;
  TColorRef FillColor = 0;  // the screen outside the background
  std::string BgImage;      // as given when that file exists, else program folder + value
  int BgX = 0, BgY = 0;
  int BgWidth = 0, BgHeight = 0;  // parallax margins
  std::string MIDIFile;           // program folder + value
  int ResFactor = 16;             // pixels per cell
  int PaletteFX = 0;              // 0..7
  int AnimSpeed = 200;            // ms
  bool Rain = false;
  bool Wrap = false;  // sprites wrap at the left and right edges
  int RainDensity = 3000;
  int RainSpeed = 4;
  std::string ImageLib;  // program folder + value
  std::string SoundLib;  // program folder + value

  // The two rain layers: layer 2 has half the stars and half the speed of layer 1.
  int Rain1Stars() const { return RainDensity; }
  int Rain2Stars() const { return RainDensity / 2; }
  int Rain1Velocity() const { return RainSpeed / 2; }
  int Rain2Velocity() const { return Rain1Velocity() / 2; }
};

// Palette entries that the level's colours replace at 8 bits per pixel.
struct TLevelColorSlot {
  TColorRef TLevelOptions::*color;
  int entry;
};
inline constexpr TLevelColorSlot LevelColorSlots[] = {
    {&TLevelOptions::WaterColor, 49},   {&TLevelOptions::Water2Color, 53}, {&TLevelOptions::ShipColor, 50},
    {&TLevelOptions::Ship2Color, 108},  {&TLevelOptions::BorderColor, 29}, {&TLevelOptions::GrassColor, 61},
    {&TLevelOptions::Grass2Color, 63},  {&TLevelOptions::Ice1Color, 98},   {&TLevelOptions::Ice2Color, 99},
    {&TLevelOptions::Pl1Color, 84},     {&TLevelOptions::Pl1Color, 101},   {&TLevelOptions::Pl2Color, 102},
    {&TLevelOptions::SPipe1Color, 56},  {&TLevelOptions::SPipe2Color, 66},
};
