#pragma once
// The level animations: one per object kind, in kind order, so that a sprite's
// animation index is its kind. Held as a constant table (names, looping flags,
// frame lists per direction, delays) and poured into the sprite manager's
// animation list when a level is read.
#include <cstdint>
#include <string>
#include <vector>

class TGKAnimations;

// The object kinds of a level. A name that several kinds share carries the kind
// number (after an underscore when the name itself ends in a digit).
enum SpriteKind : int {
  PlayerIdle = 0, PlayerWalk, PlayerJump,
  Generic3, Generic4, Generic5, Generic6, Generic7, Generic8, Generic9, Generic10,
  Generic11, Generic12, Generic13, Generic14, Generic15, Generic16, Generic17, Generic18,
  Generic19, Generic20, Generic21, Generic22, Generic23, Generic24, Generic25, Generic26,
  Generic27, Generic28, Generic29, Generic30, Generic31, Generic32, Generic33, Generic34,
  Generic35, Generic36, Generic37, Generic38,
  Block = 39, BlockFrag, Movil, Stomp, Metal1, Metal2, Block13, Quest1, Square1, Note,
  Coin, Coin2, Switch, Switch2, Switch3, Wumpet1, BadStar1, BadStar2, TurvoR, Shellr,
  Door, Card, Dust, Mushroom, Lava, Bone1, Bone2,
  Generic66 = 66, Generic67, Generic68, Generic69, Generic70, Generic71, Generic72,
  Generic73, Generic74, Generic75, Generic76, Generic77, Generic78, Generic79, Generic80,
  Generic81, Generic82, Generic83, Generic84, Generic85, Generic86, Generic87, Generic88,
  Generic89, Generic90, Generic91, Generic92, Generic93,
  Bomb = 94, Bomb2, Bomb3, Canyon, Canyon2_98, Canyon3_99, Bullet, Stars, Ghost1, Ghost2,
  Candle, Flame105, Flame2_106, Bridge, Shellr2,
  Turvo109 = 109, Turvo110, Turvo111, Turvo112, Turvo113, Turvo114,
  Plant1 = 115, Shadow1, Shadow2, Shadow3, Shadow4, Shadow5,
  Panel121 = 121, Panel122, Panel123, Panel124, Panel125, Panel126, Panel127, Panel128,
  Panel129, Panel130, Panel131, Panel132, Panel133, Panel134, Panel135, Panel136,
  Panel137, Panel138, Panel139, Panel140, Panel141, Panel142, Panel143, Panel144,
  Panel145, Panel146, Panel147, Panel148, Panel149, Panel150, Panel151, Panel152,
  Panel153, Panel154, Panel155, Panel156,
  Stomp3 = 157, Mush2, Mush3, Glidz, Moon, Leave, WumpetF, WumpetF2, WumpetF3, Wumpet2,
  Metal3, Sculli,
  Generic169 = 169, Generic170, Generic171, Generic172, Generic173, Generic174,
  Generic175, Generic176, Generic177, Generic178, Generic179, Generic180, Generic181,
  Generic182, Generic183, Generic184, Generic185, Generic186, Generic187, Generic188,
  Generic189, Generic190, Generic191, Generic192, Generic193, Generic194, Generic195,
  Generic196, Generic197, Generic198, Generic199, Generic200, Generic201,
  Note2 = 202, RotoB203, Mush4,
  Generic205 = 205, Generic206, Generic207, Generic208, Generic209, Generic210,
  Generic211, Generic212,
  Fireball = 213,
  Plant214 = 214, Plant215, Plant216, Plant217, Plant218, Plant219, Plant220, Plant221,
  Plant222, Plant223,
  Sheltg224 = 224, Sheltg225, Sheltg226,
  Canyon2_227 = 227, Canyon3_228, Bullet2, Canyon4, Canyon5, Turvog2, Sheltg2, Plant11,
  Plant11J, Sculli2, Blokk, Sand1, Sand2,
  Floor240 = 240, Floor241, Floor242,
  End1 = 243, End2, End3,
  Back246 = 246, Back247, Back248, Back249, Back250, Back251, Back252, Back253, Back254,
  Back255, Back256, Back257, Back258, Back259, Back260, Back261, Back262, Back263,
  Back264, Back265, Back266, Back267, Back268, Back269, Back270, Back271, Back272,
  Back273, Back274,
  RotoB275 = 275, Sculli3, FlyingT,
  Water278 = 278, Water279, Water280, Water281, Water282, Water283, Water284, Water285,
  Water286,
  Drops = 287, Coral1, Coral2_289,
  Generic290 = 290, Generic291, Generic292, Generic293, Generic294, Generic295,
  Generic296, Generic297, Generic298, Generic299,
  Ship300 = 300, Ship301, Ship302, Ship303, Ship304, Ship305, Ship306, Ship307, Ship308,
  Ship309, Ship310, Ship311, Ship312, Ship313, Ship314, Ship315, Ship316, Ship317,
  Ship318, Ship319, Ship320, Ship321, Ship322, Ship323, Ship324,
  Fan = 325,
  Ship326 = 326, Ship327, Ship328, Ship329, Ship330, Ship331,
  FBall2 = 332, Fish, Flower2, Turvob2, Boom, Flame2_337, Fish2, Fish3, Post, CoinW,
  Coral2_342,
  Ship343 = 343, Ship344, Ship345, Ship346, Ship347, Ship348,
  Zaddo = 349, Flame350, Flame351, IceSky,
  TQPipe353 = 353, TQPipe354, TQPipe355, TQPipe356, TQPipe357,
  Ship358 = 358, Ship359, Ship360, Ship361, Ship362, Ship363,
};

constexpr int kLevelKindCount = 364;

// A frame list and the directions it is defined for (bit d = direction d).
struct LevelSequence {
  uint32_t directions = 0;
  std::vector<uint16_t> frames;
};

// Delay codes besides a fixed number of milliseconds.
constexpr int kDelayAnimSpeed = -1;      // the level's AnimSpeed
constexpr int kDelayHalfAnimSpeed = -2;  // AnimSpeed div 2

struct LevelAnimation {
  int kind = 0;
  std::string name;
  bool looping = false;
  int delayCode = kDelayAnimSpeed;  // ms, or one of the codes above
  // Defined in this order; a list for all 32 directions has every bit set.
  std::vector<LevelSequence> sequences;

  int delay(int animSpeed) const;
  // Every image index the animation shows, in table order (repeats kept).
  std::vector<uint16_t> allFrames() const;
};

// The player's three animations in one power mode (directions 8 and 24).
struct PlayerModeFrames {
  std::vector<uint16_t> idleRight, idleLeft, walkRight, walkLeft, jumpRight, jumpLeft;
};
constexpr int kPlayerIdleDelay = 150;
constexpr int kPlayerMoveDelay = 75;  // walking and jumping

// All 364 animations in kind order; the player rows hold the small mode's frames.
const std::vector<LevelAnimation>& LevelAnimationTable();
// Throws std::out_of_range for a kind outside 0..363.
const LevelAnimation& LevelAnimationOf(int kind);
// The player frames of a PlayerMode; a mode outside 0..3 is taken as 0 (small).
const PlayerModeFrames& PlayerFramesFor(int playerMode);

// Adds the 364 named animations with their looping flags, in kind order.
void AddLevelAnimations(TGKAnimations& animations);
// Gives every level animation its frame lists and delays. The animations must
// have been added (AddLevelAnimations) and start at index 0.
void SetAnimationFrames(TGKAnimations& animations, int animSpeed, int playerMode);
// The table's frame lists for one kind again (the end of the switch music).
void SetKindFrames(TGKAnimations& animations, int kind, int animSpeed, int playerMode = 0);
