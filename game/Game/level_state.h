#pragma once
// The state of level play: one instance, `Level`, seen by level play and the game
// shell alike; the enumerations, sound effects and music files of levels.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "components/gkspts/sprite.h"
#include "game/Game/level_options.h"
#include "platform/core/ini_file.h"

// The player's power mode (the shell holds the current value).
enum TPlayerMode : int { PlayerSmall = 0, PlayerBig = 1, PlayerFlying = 2, PlayerFire = 3 };

// How the player enters a level; any non-zero mode suspends player input.
enum TEntryMode : int {
  EntryNormal = 0,
  EntryFromBottom = 1,  // comes up from the bottom of the screen
  EntryFromPipe = 2,    // comes out of a pipe or door
  EntryFromTop = 3,     // drops from the top of the screen
};

// How the next build of a level is entered. Any but None makes level play build
// again at the end of the level frame; a build from the map or a saved state is
// None: it reads the level's own time and starts its tune.
enum class TRebuild : int {
  None,
  Restart,  // the player's restart of the running level: the time left goes on, the level's own once it ran out
  Passage,  // a pipe, door or warp spring into a level: the clock goes on as it stands, also at 0
};

// Whether a build entered so keeps the running clock rather than read the
// level's time. A restart keeps what is left, also a 0 that kills at the next
// tick; a clock that has run out (-1 after the time-out) or a death with none
// left gives the level's time again. A passage keeps the clock as it stands,
// also at 0: a time-out the player could not die of in a pipe waits for him.
constexpr bool KeepsTheClock(TRebuild entry, int levelTime, bool dying) {
  switch (entry) {
    case TRebuild::None: return false;
    case TRebuild::Restart: return levelTime > 0 || (levelTime == 0 && !dying);
    case TRebuild::Passage: return true;
  }
  return false;
}

// Side on which the player leaves the destination pipe.
enum TEntryDirection : int { EntryUp = 0, EntryRight = 1, EntryDown = 2, EntryLeft = 3 };

// The player's `State` while it travels through a pipe.
enum TPipeDirection : int { PipeNone = 0, PipeUp = 1, PipeRight = 2, PipeDown = 3, PipeLeft = 4 };

// The medium the player is in (`Param4` of the player).
enum TMedium : int { MediumDry = 0, MediumWater = 1, MediumQuicksand = 2 };

// Index of a sound buffer of the audio component.
enum TSoundEffect : int {
  SoundJump = 0,
  SoundCoin = 1,
  SoundPipe = 2,
  SoundBrick = 3,
  SoundPause = 4,
  SoundBump = 5,
  SoundOneUp = 6,
  SoundPoison = 7,
  SoundMapIntro = 8,
  SoundMapMove = 9,
  SoundEnterNode = 10,
  SoundPowerUp = 11,
  SoundTransform = 12,
  SoundFly = 13,  // looped
  SoundFireball = 14,
};
constexpr int SoundEffectCount = 15;
// Coin and brick sounds play through rings of duplicated buffers so they overlap.
constexpr int OverlappingSoundBuffers = 6;

// Music of levels, relative to the program folder. The level's own tune loops
// (player tag 1); the end and death tunes play once (tag 0).
inline constexpr const char* MusicLevelEnd = "music\\Levelend.mid";
inline constexpr const char* MusicDeath = "music\\death.mid";
inline constexpr const char* MusicSwitch = "music\\casa de hongo.mid";
constexpr int MusicTagLooping = 1;
constexpr int MusicTagOnce = 0;

// Sprite index layout of a level: the player, then the effect pools, then one
// sprite per further object line.
struct TEffectPool {
  int kind;
  int first;  // sprite index of the pool's first sprite
  int count;
};
constexpr int PlayerSprite = 0;
constexpr TEffectPool BrickFragPool{40, 1, 12};  // 3 groups of 4, ring steps 0, 4, 8
constexpr TEffectPool DustPool{61, 13, 4};
constexpr TEffectPool StarsPool{101, 17, 4};
constexpr TEffectPool CoinPopPool{50, 21, 3};
constexpr TEffectPool FireballPool{213, 24, 6};
constexpr TEffectPool Kind286Pool{286, 30, 3};
constexpr TEffectPool DropsPool{287, 33, 4};
constexpr TEffectPool PlayerFireballPool{332, 37, 2};
constexpr std::array<TEffectPool, 8> EffectPools{BrickFragPool, DustPool,     StarsPool, CoinPopPool,
                                                 FireballPool,  Kind286Pool, DropsPool, PlayerFireballPool};
constexpr int FirstObjectSprite = 39;
constexpr int BrickFragGroupSize = 4;
constexpr bool EffectPoolsFollowEachOther() {
  int next = PlayerSprite + 1;
  for (const TEffectPool& pool : EffectPools) {
    if (pool.first != next) return false;
    next += pool.count;
  }
  return next == FirstObjectSprite;
}
static_assert(EffectPoolsFollowEachOther(), "the effect pools fill sprites 1..38 in order");

// Lives as a file gives them (the game file's count, a saved state's): any
// negative count shows as none left, and the floor keeps a death from taking
// the count under the int range.
constexpr int FewestLives = -1;
constexpr int LivesFromFile(int lives) { return lives < FewestLives ? FewestLives : lives; }

// Image indexes of the three card faces of a level's end card; a world map
// sets its own, so every level build sets these again.
constexpr std::array<int, 3> LevelCardImages{99, 100, 101};

// Level play's own variables. Every level build stores the per-level ones:
// ResetPlayState once the sprites stand, the build's own steps the rest
// (Crouching, EntryPipe, LevelBuilt; StartLevel clears Rebuild after it). The
// others carry over from level to level.
struct TLevelState {
  TGKJumper* Player = nullptr;  // sprite 0 of the running level
  int Score = 0;                // kept from level to level
  int Lives = 5;                // kept; the game file's "Lifes"
  int Coins = 0;                // kept; the 100th coin gives a life
  int LevelTime = 0;            // seconds left; the one-second timer counts it down
  int StompCombo = 0;
  int MaxFallSpeed = 7;         // pixels per move
  int StandingOnSprite = -1;    // sprite the player stands on, -1 none
  int PrevStandingOnSprite = -1;
  int EnteredPipe = -1;         // pipe or door being travelled through, -1 none
  // The player travels through a pipe or door: nothing kills him meanwhile. Kept
  // apart from the manager's PlayerBehind, which a drop through a white panel or
  // quicksand also sets without making the player immortal.
  bool PipeTravel = false;
  TRebuild Rebuild = TRebuild::None;  // asked for until the level start that carries it out ends
  bool ReturnToMap = false;     // leave for the map at the end of the next level frame
  bool PlayerDying = false;
  int HurtTimer = -1;           // invulnerability seconds, -1 none; the player blinks while >= 0
  bool LevelEnded = false;
  // Its end is taken (end card, castle end, chest): its node is won, and from
  // then on nothing in the level costs the player anything (time, a life, his form).
  bool LevelWon = false;
  int EndStage = -1;            // level-end countdown in seconds, 7 at its start
  int EndCard = 0;              // image index of the card face caught
  TGKSprite* CarriedSprite = nullptr;
  bool Carrying = false;
  bool Crouching = false;
  bool FireHeld = false;        // Fire2 held since the last fireball throw
  int SavedKeyLeft = 0, SavedKeyRight = 0;
  std::string LevelFileName;    // full path of the level being played, or of the next one to build
  std::string BuiltLevelFile;   // the file the running level was built from
  std::array<int, 3> CardImages = LevelCardImages;
  bool ScrollLimits = true;     // the camera is clamped to the level
  bool MayFly = false;          // full run meter in flying mode
  bool UnlimitedFlight = false;
  bool LevelLoaded = false;     // a level was built since the title
  bool AutoScrollOn = false;
  bool AutoScrollActive = false;
  int EntryPipe = 0;            // object line of the next build's destination
  int EncounterFoesLeft = -1;   // kind-335 foes still to beat, minus one; -1 none
  bool LevelBuilt = false;      // entry and pipe travel run only while set

  // Ring indexes of the pools that level play holds itself.
  int BrickFragIndex = 0;
  int StarsIndex = 0;
  int CoinPopIndex = 0;
  int FireballIndex = 0;  // the fire plants' pool, 0..5

  // Text of object lines kept for their sprites (bonus contents, the target file
  // of a pipe or door). A sprite's `Data` names one as 1 + its index; 0 is none.
  std::vector<std::string> SpriteTexts;
  // Keeps a whole copy (a long target path stays whole) and returns the Data
  // value; an empty text gives 0.
  int32_t AddSpriteText(std::string_view text);
  // The text a Data value names, or nullptr for 0 or a value naming none.
  const std::string* SpriteText(int32_t data) const;

  TLevelOptions Options;        // the [Options] of the level that was read last
  // The open level (or world-map) file, kept until the next level start frees it,
  // and the open game file.
  std::unique_ptr<platform::IniFile> LevelIni;
  std::unique_ptr<platform::IniFile> GameIni;

  // The per-level values a build resets once the sprites stand.
  void ResetPlayState();
  // A screen other than a level comes up: the flags of the level that ran (won,
  // dying, in a pipe, carrying, a rebuild asked for...) do not hold back what the
  // next screen does.
  void ForgetRunningLevel();

 private:
  // The level's running sequences (its end, a death, a pipe, a carry, a
  // restart, the invulnerability) end: what a build and a screen change share.
  void EndSequences();
};

extern TLevelState Level;

// Meanings of the game-owned fields of a level sprite, so that callers need not
// remember which slot holds what.
constexpr int CannonFiresFlag = 3248;  // `State` of cannons whose field 2 is "1" and of bullets

// Bonus contents or a pipe's target file: the text of field 2 of the object line.
inline const std::string* SpriteTextOf(const TGKSprite& s) { return Level.SpriteText(s.Data); }
inline int32_t& PipeDestination(TGKSprite& s) { return s.Param3; }  // object number
inline int32_t& PipeExitDirection(TGKSprite& s) { return s.Param4; }
inline int32_t& PlayerPipeDirection(TGKSprite& player) { return player.State; }
inline int32_t& PlayerPipeExitLine(TGKSprite& player) { return player.Param3; }
inline int32_t& PlayerMedium(TGKSprite& player) { return player.Param4; }
inline int32_t& PlantTurningCoordinate(TGKSprite& plant) { return plant.State; }
inline int32_t& FlameValue(TGKSprite& s) { return s.State; }       // kinds 63 and 280
inline int32_t& CoinPopShownY(TGKSprite& s) { return s.Param1; }
inline int32_t& BonusSourceBlock(TGKSprite& s) { return s.Param2; }  // bonus item's block
inline int32_t& BaseSpeed(TGKSprite& s) { return s.Param4; }  // kinds 67, 198, 205, 206
