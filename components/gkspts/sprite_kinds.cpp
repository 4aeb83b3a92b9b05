// The three kinds of sprite: bouncer, static and jumper.
#include "components/gkspts/sprite.h"

#include "components/gkspts/sprite_mgr.h"

// ---- TGKBouncer ------------------------------------------------------------

TGKBouncer::TGKBouncer(TGKSpriteMgr& manager, int32_t tag, int x, int y, int direction, double speed,
                       int animation)
    : TGKSprite(manager, tag) {
  Animation = animation;
  SetX(x);
  SetY(y);
  // Speed itself stays 0: the first move accelerates to full speed in one step.
  MaxSpeed = Acceleration = Deceleration = Fixed16(speed);
  SetDirection(direction);
  SetEdgeActions(eaBounce);
}

void TGKBouncer::Move(uint32_t tick) {
  Animate(tick);
  if (Controlled) Accelerate();
  if (!Stopped) {
    X += VelocityX;
    Y += VelocityY;
    MoveAttached(VelocityX, VelocityY);
  }
  CheckEdges();
  if (Manager->OnSpriteMoved) Manager->OnSpriteMoved(*this);
}

// ---- TGKStatic -------------------------------------------------------------

TGKStatic::TGKStatic(TGKSpriteMgr& manager, int32_t tag, int x, int y, int direction, int animation)
    : TGKSprite(manager, tag) {
  Animation = animation;
  SetX(x);
  SetY(y);
  SetDirection(direction);
  StaticSequence = Sequence;
  SetEdgeActions(eaWrap);
}

void TGKStatic::SetStaticSequence(int d) {
  checkDirection(d);
  StaticSequence = d;
  ShowSequence(d);
}

void TGKStatic::Move(uint32_t tick) {
  Start();
  if (Controlled) {
    if (static_cast<int64_t>(tick - LastKeyPoll) > KeyPollInterval) {
      LastKeyPoll = tick;
      TGKSpriteMgr& m = *Manager;
      struct KeyTurn {
        uint16_t key;
        int sequence;  // -1: the key turns nothing
      };
      const KeyTurn keys[] = {
          {m.KeyRight, 8},
          {m.KeyLeft, 24},
          {m.KeyUp, AllowUp ? 0 : -1},
          {m.KeyDown, AllowDown ? 16 : -1},
          {m.KeyFire1, -1},
          {m.KeyFire2, -1},
      };
      for (const KeyTurn& k : keys) {
        if (!KeyIsDown(k.key)) continue;
        if (k.sequence >= 0) SetStaticSequence(k.sequence);
        if (m.OnKeyPressed) m.OnKeyPressed(k.key);
      }
    }
  }
  Animate(tick);
}

// ---- TGKJumper -------------------------------------------------------------

TGKJumper::TGKJumper(TGKSpriteMgr& manager, int32_t tag, int x, int y, int direction, double speed,
                     int animation)
    : TGKSprite(manager, tag), JumpAnimation(animation), WalkAnimation(animation), StandAnimation(animation) {
  Animation = animation;
  SetX(x);
  SetY(y);
  SetEdgeActions(eaStop);
  MaxSpeed = Acceleration = Deceleration = Fixed16(speed);
  SetDirection(direction);
  Gravity = Fixed16(0.3);
  JumpStrength = 6;
  Acceleration = Deceleration = Fixed16(0.2);
  MaxFall = Fixed16(5.0);
}

void TGKJumper::AccelerateX() {
  if (StepSpeedUp()) UpdateVelocityX();
}

void TGKJumper::DecelerateX() {
  if (StepSpeedDown()) UpdateVelocityX();
}

void TGKJumper::SetJumpState(uint8_t s) {
  if (s == JumpState) return;
  JumpState = s;
  if (s == jsGround) {
    VelocityY = 0;
    SetAnimation(StandAnimation);
  } else if (s == jsFalling) {
    VelocityY = 0;
    SetAnimation(JumpAnimation);
  }
}

void TGKJumper::Move(uint32_t tick) {
  Start();
  TGKSpriteMgr& m = *Manager;
  int wanted = -1;
  bool fire = false;
  if (Controlled) {
    if (KeyIsDown(m.KeyRight)) wanted = 8;  // right wins over left
    else if (KeyIsDown(m.KeyLeft)) wanted = 24;
    fire = KeyIsDown(m.KeyFire1);
  }

  switch (JumpState) {
    case jsGround:
      if (fire) {
        SetAnimation(JumpAnimation);
        JumpState = jsRising;
        VelocityY = Fixed16(-JumpStrength);
        if (m.OnSpriteJump) m.OnSpriteJump(*this);
      }
      break;
    case jsRising:
      Y += VelocityY;
      VelocityY += Gravity;
      if (VelocityY > 0) JumpState = jsFalling;
      break;
    case jsFalling:
      Y += VelocityY;
      VelocityY += Gravity;
      if (VelocityY > MaxFall) VelocityY = MaxFall;
      break;
    default:
      break;
  }

  if (wanted < 0) {
    if (StandAnimation != Animation && JumpState == jsGround) SetAnimation(StandAnimation);
    else Animate(tick);
    DecelerateX();
  } else {
    if (WalkAnimation != Animation && JumpState == jsGround) SetAnimation(WalkAnimation);
    else Animate(tick);
    AccelerateX();
    if (wanted != Direction) {
      SetSequence(wanted);
      Speed = 0;  // the velocity keeps its old value until the next AccelerateX
    }
  }

  if (!Stopped) X += VelocityX;
  CheckEdges();
  if (m.OnSpriteMoved) m.OnSpriteMoved(*this);
}
