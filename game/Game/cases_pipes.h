#pragma once
// The player's pipes and his own checks before the loop over the other sprites:
// entering a pipe by holding a direction against it, the end of the walk into
// it, the run meter that grants flight, the shooting side pipe and the release
// of a carried object (PlayerOwnChecks in sprite_moved.h).
class TGKSprite;

// The run meter steps up once per this many ms of running flat out.
constexpr int RunMeterStepMs = 200;
// A full meter keeps its flight this long from the moment it filled.
constexpr int RunMeterHoldMs = 5000;
// A shooting side pipe fires once per this many ms.
constexpr int PipeBulletIntervalMs = 5000;
constexpr int KindPipeBullet = 363;

// The pipe leads somewhere: its target text names a file of the program folder
// that is there. A pipe without one cannot be entered, since the travel would
// end inside it with the player stuck behind it.
bool PipeHasTarget(const TGKSprite& pipe);
