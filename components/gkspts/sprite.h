#pragma once
// A sprite: one moving picture on the back buffer, with a 16.16 position and
// velocity, a speed along one of 32 directions, the frames of an animation and
// the actions taken when it crosses the edges of its bounds. Sprites live in the
// list of a TGKSpriteMgr, which moves them once per frame and then draws them.
#include <cstdint>

#include "components/gkspts/fixed16.h"

class TGKSpriteMgr;
class TGKAnimation;
struct TGKSequence;

// What crossing one side of the bounds does (one byte per side; any other value
// does nothing).
enum TEdgeAction : uint8_t {
  eaNone = 0,         // nothing
  eaReverse = 1,      // clamp to the edge and turn round
  eaStop = 2,         // clamp and stop
  eaStopOutside = 3,  // stop once wholly outside
  eaWrap = 4,         // jump to the opposite edge once wholly outside
  eaEvent = 5,        // report only
  eaBounce = 6,       // clamp and mirror the direction on that side's axis
};

// The side passed with an edge event.
enum TLimitsSide : uint8_t { lsLeft = 0, lsTop = 1, lsRight = 2, lsBottom = 3 };

struct TGKBounds {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

class TGKSprite {
 public:
  virtual ~TGKSprite() = default;
  TGKSprite(const TGKSprite&) = delete;
  TGKSprite& operator=(const TGKSprite&) = delete;

  // One frame's motion; Tick is the manager's tick count of this frame.
  virtual void Move(uint32_t tick) = 0;

  // Position: GetX/GetY are the signed 16-bit whole part, rounded half up by the
  // fraction; SetX/SetY set the whole part (16 bits) and drop the fraction.
  int GetX() const { return X.round(); }
  int GetY() const { return Y.round(); }
  void SetX(int v) { X = Fixed16(v); }
  void SetY(int v) { Y = Fixed16(v); }

  double GetVelocityX() const { return VelocityX.toDouble(); }
  double GetVelocityY() const { return VelocityY.toDouble(); }
  void SetVelocityX(double v) { VelocityX = Fixed16(v); }
  void SetVelocityY(double v) { VelocityY = Fixed16(v); }
  double GetSpeed() const { return Speed.toDouble(); }
  // Speed := v, unclamped (the game sets speeds beyond MaxSpeed); the velocity
  // follows along Direction.
  void SetSpeed(double v);
  double GetMaxSpeed() const { return MaxSpeed.toDouble(); }
  void SetMaxSpeed(double v) { MaxSpeed = Fixed16(v); }
  void SetMinSpeed(double v) { MinSpeed = Fixed16(v); }
  double GetAcceleration() const { return Acceleration.toDouble(); }
  void SetAcceleration(double v) { Acceleration = Fixed16(v); }
  void SetDeceleration(double v) { Deceleration = Fixed16(v); }

  // Speed towards MaxSpeed / MinSpeed by one step, then the velocity follows.
  void Accelerate();
  void Decelerate();

  void Stop() { Stopped = true; }
  void Start() { Stopped = false; }
  void Hide() { Visible = false; }
  void Show() { Visible = true; }
  void Disable() { Enabled = false; }
  void Enable() { Enabled = true; }
  void SetLayer(uint8_t layer) { Layer = layer; }
  void SetEdgeActions(uint8_t action) { LeftAction = RightAction = TopAction = BottomAction = action; }

  void Attach(TGKSprite* s) { Attached = s; }
  void Detach() { Attached = nullptr; }
  // Moves the attached sprite by the two 16.16 amounts.
  void MoveAttached(Fixed16 dx, Fixed16 dy);

  // Direction := d (0..31, else EGKSprite) and the velocity follows; the frames of
  // direction d are shown from frame 0 when the animation defines them.
  void SetDirection(int d);
  // As SetDirection, but the velocity stays.
  void SetSequence(int d);
  // Another animation; the direction falls back to 0 when the new one lacks it.
  void SetAnimation(int a);
  // The image of the shown frame; -1 when the animation defines no such frame.
  int GetImageIndex() const;
  // Turns towards a point of the screen (nearest of the 32 directions).
  void PointTo(int px, int py);
  // Mirror the vertical / horizontal component of the direction.
  void BounceVertical();
  void BounceHorizontal();
  // Advances the frame once FrameDelay ms have passed since the last change.
  void Animate(uint32_t tick);

  TGKSpriteMgr* Manager;
  Fixed16 X, Y;  // top-left corner in screen pixels
  Fixed16 VelocityX, VelocityY;
  Fixed16 MaxSpeed, Speed, MinSpeed;
  Fixed16 Acceleration, Deceleration;
  TGKBounds Bounds;  // the screen's clip rectangle at creation
  bool Stopped = false;
  uint8_t LeftAction = eaNone, RightAction = eaNone, TopAction = eaNone, BottomAction = eaNone;
  int32_t Tag;
  int32_t Width = 0, Height = 0;  // size of the current frame's image
  bool Visible = true;
  bool Enabled = true;
  int32_t Animation = 0;  // index into the manager's animations
  int32_t Direction = 0;
  int32_t FrameCount = 0;
  uint32_t LastFrameTime = 0;
  int32_t FrameDelay = 0;
  bool Controlled = true;
  TGKSprite* Attached = nullptr;  // carried along by a bouncer's motion

  // Owned by the game; never read here.
  int32_t Data = 0, StartPos = 0, Timer = -1, State = 0;
  int32_t Param1 = 0, Param2 = 0, Param3 = 0, Param4 = 0, Param5 = 0;
  uint8_t Layer = 0;  // draw pass of sprites from index 40 up
  uint8_t FrozenDormant = 0, FrozenEnabled = 0, Dormant = 0;

  int32_t Sequence = 0;  // the direction whose frames are shown
  int32_t Frame = 0;

 protected:
  TGKSprite(TGKSpriteMgr& manager, int32_t tag);

  // Velocity from Speed along Direction.
  void UpdateVelocity();
  void UpdateVelocityX();
  // Speed one step towards MaxSpeed / MinSpeed; false when already there.
  bool StepSpeedUp();
  bool StepSpeedDown();
  // Shows sequence d of the animation from frame 0, when it is defined.
  void ShowSequence(int d);
  // The edge checks and actions after a position change.
  void CheckEdges();
  bool KeyIsDown(uint16_t vk) const;

 private:
  const TGKAnimation* CurrentAnimation() const;
  const TGKSequence* ShownSequence() const;
  void SizeToImage(int imageIndex);
  void EdgeAction(uint8_t action, TLimitsSide side, bool whollyOutside);
  void ClampTo(TLimitsSide side);
  void WrapFrom(TLimitsSide side);
};

// Moves by its velocity, accelerating while Controlled, and bounces off its bounds.
class TGKBouncer : public TGKSprite {
 public:
  TGKBouncer(TGKSpriteMgr& manager, int32_t tag, int x, int y, int direction, double speed, int animation);
  void Move(uint32_t tick) override;
};

// Stands still and, while Controlled, turns to face the arrow keys.
class TGKStatic : public TGKSprite {
 public:
  TGKStatic(TGKSpriteMgr& manager, int32_t tag, int x, int y, int direction, int animation);
  void Move(uint32_t tick) override;
  // Shows the frames of direction d; Direction and velocity stay.
  void SetStaticSequence(int d);

  uint32_t LastKeyPoll = 0;
  int32_t KeyPollInterval = 50;
  int32_t StaticSequence = 0;
  bool AllowUp = false;
  bool AllowDown = false;
};

enum TJumpState : uint8_t { jsGround = 0, jsRising = 1, jsFalling = 2 };

// Walks with the arrow keys, jumps on the first fire key and falls under gravity.
class TGKJumper : public TGKSprite {
 public:
  TGKJumper(TGKSpriteMgr& manager, int32_t tag, int x, int y, int direction, double speed, int animation);
  void Move(uint32_t tick) override;

  // As Accelerate/Decelerate, but VelocityY belongs to the jump and stays.
  void AccelerateX();
  void DecelerateX();
  // Ends a jump (jsGround) or starts a fall (jsFalling); nothing when unchanged.
  void SetJumpState(uint8_t s);
  double GetGravity() const { return Gravity.toDouble(); }
  void SetGravity(double v) { Gravity = Fixed16(v); }
  double GetMaxFall() const { return MaxFall.toDouble(); }
  void SetMaxFall(double v) { MaxFall = Fixed16(v); }

  int32_t JumpAnimation, WalkAnimation, StandAnimation;
  uint8_t JumpState = jsGround;
  Fixed16 Gravity;
  int32_t JumpStrength = 6;  // whole pixels per move at the start of a jump
  Fixed16 MaxFall;
};
