#pragma once
// The player's physics after his contacts of one move: the start of a fall, the
// jump frames by power mode, gliding and the flight climb, the media water and
// quicksand with their factors, and the sprite stood on.
struct TPlayerMove;

void PlayerPhysicsAfterContact(TPlayerMove& move);

// Factors of the media, applied on entering and undone on leaving.
constexpr double WaterGravityDivisor = 3.5;
constexpr int WaterAccelerationDivisor = 4;
constexpr int WaterMaxSpeedDivisor = 2;
constexpr int WaterMaxFallDivisor = 3;
constexpr int QuicksandDivisor = 10;
