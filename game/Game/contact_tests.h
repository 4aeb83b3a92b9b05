#pragma once
// The tests and steps that many contact cases share: the player's box against
// the other sprite's (Touch, Over, FeetIn), being hurt, the reward of a stomp
// and the flame that lava or water spits. p is the player's box, s the other's.
#include <cstdint>

#include "game/Game/contact_box.h"
#include "game/Game/kind_cases.h"

class TGKSprite;

namespace contact {

TGKSprite& SpriteAt(int i);

// The rectangle (l, t, r, b) shares a pixel with s (right and bottom exclusive).
bool Touch(const TContactBox& s, int l, int t, int r, int b);
// The player's whole box shares a pixel with s.
bool TouchesPlayer(const TContactBox& p, const TContactBox& s);
// The player is over s: their columns meet.
bool Over(const TContactBox& p, const TContactBox& s);
// The player's feet are within s's height.
bool FeetIn(const TContactBox& p, const TContactBox& s);
// s's bottom edge lies within the player's height.
bool BottomWithinPlayer(const TContactBox& p, const TContactBox& s);

// The player is hurt when he may be (Leave); otherwise the case goes on (Solid).
TCaseEnd Hurt();
// Hurt when he may be and s touches his whole box, without ending the call.
void HurtOnTouch(const TContactBox& p, const TContactBox& s);

// The bounce off a stomped enemy: higher while the jump key is held.
void StompBounce();
// The bounce, points x the stomp series, a life from the eighth stomp of a
// series on, and the series one longer.
void StompReward(int points);

// A cannon's shot: a bouncer of the kind at (x, y) flying that way at speed,
// marked like its cannon (State), with a puff of dust and the pipe sound.
TGKSprite& FireShot(const TGKSprite& cannon, int x, int y, int direction, double speed, int kind);

// Lava (and water) with a flame value makes its one leaping flame, waiting
// hidden above it until a random time in the next 4 seconds.
void MakeLavaFlame(int i);

}  // namespace contact
