#pragma once
// What happens in a level when something happens: the end of the level and its
// card bonus, the player's death and hurt, broken bricks, bonus blocks, coins,
// carrying, freezing the sprites, the pooled effects and the level's message box.
// They work on the running level (Level, the main window fmMain and its sprites).
#include <array>
#include <string>
#include <vector>

class TGKSprite;

// --- Level end
// Starts the end sequence once: nearby enemies turn into rising coins, the player
// stops and the end tune plays. The one-second timer counts EndStage down.
void StartLevelEnd();
// Each frame while LevelEnded: the "level complete" texts, the card bonus, the card.
void DrawLevelEndOverlay();
// Lives the three cards give (2, 3 or 5 for three equal faces, else 1); 0 until
// all three slots are taken (the next slot is 0 again and slot 0 holds a card).
int CardBonusFor(const std::array<int, 3>& cards, int nextCardSlot, const std::array<int, 3>& faces);
// Adds the entered node to the main window's finished nodes, once.
void MarkEnteredNodeEnded();
// When the map shows its player once it stands again.
enum class TMapPlayerShows {
  Soon,        // ShowPlayerDelayMs after it stands
  ByMapRules,  // when its own rules say: a node just won, or a new world's intro card, shows first
};
// The one way level play leaves for the world map: at the end of this level
// frame, or of the next one when a key or the timer asks. The map comes up on its
// start node.
void LeaveLevelForMap(TMapPlayerShows show);
// A castle's end block or a chest the player has taken: its wait for the map runs.
bool LevelEndTaken(const TGKSprite& s);

// --- The player's fate
void KillPlayer();
void HurtPlayer();
// Ends the death sequence as the end of the death tune does: the title when no
// lives are left, else back to the map.
void FinishDeathSequence();
// Called each level frame: ends the death sequence when the death tune could not
// be heard (music off, tune missing) once the tune's time has passed.
void CheckDeathSequenceEnd();
// How long the death sequence lasts without its tune (the tune's own length).
constexpr int DeathTuneMs = 4800;

// Picks up (true, sprite) or drops (false, nullptr) a shell or a bomb.
void SetCarrying(bool Flag, TGKSprite* Sprite);

// --- Effects
void ShowStars(int X, int Y);
void ShowCoinPop(int X, int Y);
void BreakBrick(int Index);
void HitBonusBlock(int Index);
void CollectCoin();
// Plays the coin or brick sound through the next buffer of its ring of duplicates.
void PlayCoinSound();
void PlayBrickSound();

// Speed of an item released by a bonus block; the kind is the block's contents.
double BonusItemSpeed(int kind);
// The contents kind of a bonus block: -1 for none (a coin), else the kind in
// 0..363. Contents that are not a level kind give a coin as well.
int BonusContents(const TGKSprite& block);

// --- Freezing. Freezes nest: every UnfreezeSprites undoes the latest
// FreezeSprites still in force and restores exactly the sprites it stopped, so
// callers undo them in the reverse order.
void FreezeSprites(int First);
void UnfreezeSprites(int First);
// Kinds that keep moving while the others are frozen.
bool KeepsMovingWhenFrozen(int kind);
// Whether a freeze in force holds sprite index: such a sprite does not act.
bool IsFrozen(int index);
// Forgets every freeze (a level is built anew).
void ResetLevelEvents();

// --- Message box of the level's AddText
void DrawMessageBox();
// The text cut into the box's lines of 13 characters, a leading space dropped.
std::vector<std::string> MessageBoxLines(const std::string& text);

// --- Tunes that play once (the end, death and switch tunes)
// Plays a tune of the program folder once on the level's music player; false
// when music is off or the tune cannot be played.
bool PlayTuneOnce(const char* storedPath);

// --- The switch effect of kind-52 switches: it runs from the press until the
// level frame ends it at the end of the switch tune, or, when the tune cannot be
// heard, once the tune's time has passed.
bool SwitchEffectRunning();
void StartSwitchEffect();
// Runs on the tune's time (the tune is not heard), whatever the player holds.
bool SwitchEffectTimed();
bool SwitchEffectTimeUp();
void EndSwitchEffect();
constexpr int SwitchTuneMs = 6300;  // the switch tune up to position 63

// Target of the end card taken (program folder + the card's text).
extern std::string LevelEndLink;
