// Tobbo, the player: a round-headed kid in a knitted cap, drawn from parts in
// every pose of every power mode. Drawn facing right; the left frames mirror.
#include <algorithm>

#include "content/art/families.h"
#include "content/art/palette.h"

namespace art {
namespace {

struct Look {
  Ramp cap, shirt, pants;
  bool cape = false;
};

const Look kNormal{pal::Purple, pal::Gold, pal::Blue};
const Look kFlying{pal::Purple, pal::Gold, pal::Blue, true};
const Look kFire{pal::Red, {{13, 14, 15, 15}}, pal::Red};

enum class Pose { Stand, StepA, StepB, Jump, Fall, Crouch, Swim1, Swim2, Swim3, Carry, CarryStep,
                  CarryStepB, Throw, Dead };

// Proportions of the two body sizes.
struct Build {
  int w, h;       // canvas (without cape room)
  int headW, headH, bodyH, legH;
};
const Build kSmall{12, 16, 9, 8, 4, 3};
const Build kBig{16, 26, 11, 10, 8, 6};

void drawHead(Canvas& c, int x, int y, int w, int h, const Look& look, bool front) {
  c.fillEllipse(x, y, w, h, pal::Skin[2]);
  // cap: the upper part of the head, with a darker brim and a pompom
  const int capRows = (h - 1) / 2 + 1;
  for (int yy = y; yy < y + capRows; ++yy)
    for (int xx = x - 1; xx <= x + w; ++xx)
      if (c.at(xx, yy) == pal::Skin[2] || (yy == y + capRows - 1 && xx >= x && xx < x + w))
        c.set(xx, yy, yy == y + capRows - 1 ? look.cap[1] : look.cap[2]);
  c.hline(x + 2, x + w - 3, y + 1, look.cap[3]);
  c.fillRect(x + w / 2 - 1, y - 1, 2, 2, pal::Cream);
  const int eyeY = y + capRows;
  if (front) {
    c.vline(x + w / 2 - 2, eyeY, eyeY + 1, pal::Ink);
    c.vline(x + w / 2 + 1, eyeY, eyeY + 1, pal::Ink);
    c.hline(x + w / 2 - 1, x + w / 2, y + h - 2, pal::Red[0]);
    return;
  }
  // facing right: hair at the back, the eye near the front, nose and cheek
  c.hline(x, x + 1, eyeY, pal::Brown[1]);
  c.set(x, eyeY + 1, pal::Brown[1]);
  c.vline(x + w - 4, eyeY, eyeY + 1, pal::White);
  c.vline(x + w - 3, eyeY, eyeY + 1, pal::Ink);
  c.set(x + w, eyeY + 1, pal::Skin[2]);
  c.set(x + w - 5, eyeY + 2, pal::Pink[2]);
  c.set(x + w - 2, y + h - 2, pal::Red[0]);
  if (w > 9) c.set(x + w - 3, y + h - 2, pal::Red[0]);
}

// A leg from the hip at (x, y) of length len, the foot pointing right.
void drawLeg(Canvas& c, int x, int y, int len, const Look& look, int footLen) {
  c.fillRect(x, y, 2, len - 1, look.pants[2]);
  c.hline(x, x + footLen - 1, y + len - 1, pal::Brown[0]);
}

Canvas drawPose(const Build& b, Pose pose, const Look& look) {
  const int capeRoom = look.cape ? 4 : 0;
  const bool crouch = pose == Pose::Crouch;
  const int height = crouch ? 17 : b.h + (look.cape ? 1 : 0);
  Canvas c(b.w + capeRoom, height);
  const int ox = capeRoom;  // the cape flies out behind (to the left)
  const bool big = b.h > 16;
  const int legH = crouch ? 2 : b.legH;
  const int bodyH = crouch ? 4 : b.bodyH;
  const int headH = b.headH;
  const int feetY = height - 1;
  const int hipY = feetY - legH + 1;
  const int bodyY = hipY - bodyH;
  const int headY = std::max(1, bodyY - headH + 1);
  const int bodyX = ox + (b.w - (big ? 8 : 6)) / 2;
  const int bodyW = big ? 8 : 6;

  // cape behind everything
  if (look.cape && !crouch) {
    const int flutter = (pose == Pose::StepA || pose == Pose::Jump || pose == Pose::Fall) ? 2 : 0;
    c.fillPolygon({{bodyX + 1, bodyY}, {bodyX - 4, bodyY + bodyH + 2 - flutter},
                   {bodyX - 1, bodyY + bodyH + 3}, {bodyX + 2, bodyY + bodyH}}, pal::Green[1]);
    c.line(bodyX, bodyY + 1, bodyX - 3, bodyY + bodyH + 1 - flutter, pal::Green[2]);
  } else if (look.cape) {
    c.fillPolygon({{bodyX + 1, bodyY}, {bodyX - 4, bodyY + bodyH + 1}, {bodyX + 2, bodyY + bodyH + 1}},
                  pal::Green[1]);
  }

  // legs
  const int foot = big ? 4 : 3;
  const int lx = bodyX + 1, rx = bodyX + bodyW - 3;
  switch (pose) {
    case Pose::StepA: case Pose::CarryStep:
      drawLeg(c, lx - 1, hipY, legH, look, foot);
      drawLeg(c, rx + 1, hipY, legH, look, foot);
      break;
    case Pose::StepB: case Pose::CarryStepB: case Pose::Fall:
      drawLeg(c, lx + 1, hipY, legH, look, foot);
      drawLeg(c, rx, hipY - 1, legH, look, foot);
      break;
    case Pose::Jump:
      drawLeg(c, lx - 1, hipY, legH, look, foot);
      drawLeg(c, rx + 1, hipY - 2, legH - 1, look, foot);
      break;
    case Pose::Swim1: case Pose::Swim2: case Pose::Swim3: {
      const int kick = pose == Pose::Swim2 ? 1 : 0;
      drawLeg(c, lx - 1 - kick, hipY - kick, legH, look, foot);
      drawLeg(c, rx + kick, hipY - 1 + kick, legH, look, foot);
      break;
    }
    default:
      drawLeg(c, lx, hipY, legH, look, foot);
      drawLeg(c, rx, hipY, legH, look, foot);
      break;
  }

  // body: shirt, belt
  c.fillRect(bodyX, bodyY, bodyW, bodyH, look.shirt[2]);
  c.vline(bodyX, bodyY + 1, bodyY + bodyH - 1, look.shirt[1]);
  c.hline(bodyX, bodyX + bodyW - 1, hipY - 1, look.pants[1]);
  if (big && !crouch) {
    c.set(bodyX + bodyW / 2, hipY - 1, pal::Gold[3]);
    c.hline(bodyX, bodyX + bodyW - 1, bodyY + 2, look.cap[2]);  // the jumper's stripe
  }

  // arms
  const int shoulderY = bodyY + 1;
  const int armX = bodyX + bodyW / 2;
  auto hand = [&](int x, int y) { c.fillRect(x, y, 2, 2, pal::Skin[2]); };
  switch (pose) {
    case Pose::Jump: case Pose::Swim1:
      c.fillRect(armX + 1, shoulderY - 2, 2, 3, look.shirt[1]);
      hand(armX + 2, shoulderY - 4);
      break;
    case Pose::Swim2:
      c.fillRect(armX + 1, shoulderY, 3, 2, look.shirt[1]);
      hand(armX + 4, shoulderY);
      break;
    case Pose::Swim3: case Pose::Fall:
      c.fillRect(armX - 3, shoulderY, 3, 2, look.shirt[1]);
      hand(armX - 5, shoulderY + 1);
      break;
    case Pose::Carry: case Pose::CarryStep: case Pose::CarryStepB: case Pose::Throw:
      c.fillRect(armX, shoulderY + 1, bodyW / 2 + 1, 2, look.shirt[1]);
      hand(bodyX + bodyW, shoulderY + 1);
      break;
    case Pose::Dead:
      c.fillRect(bodyX - 1, shoulderY - 2, 2, 3, look.shirt[1]);
      c.fillRect(bodyX + bodyW - 1, shoulderY - 2, 2, 3, look.shirt[1]);
      hand(bodyX - 2, shoulderY - 4);
      hand(bodyX + bodyW, shoulderY - 4);
      break;
    default:
      c.fillRect(armX, shoulderY, 2, bodyH - 2, look.shirt[1]);
      hand(armX, shoulderY + bodyH - 2);
      break;
  }

  // head last, over the collar
  const int headW = b.headW;
  const int headX = ox + (b.w - headW) / 2 + (pose == Pose::Dead ? 0 : 1);
  drawHead(c, headX, headY, headW, headH, look, pose == Pose::Dead);
  if (pose == Pose::Throw) c.fillRect(bodyX + bodyW + 1, shoulderY - 1, 2, 2, pal::LavaHi);

  c.outline(pal::Ink);
  return c;
}

void putPair(ImageSet& set, int right, int left, const char* name, const Canvas& c) {
  set.put(right, std::string(name) + " r", c);
  set.put(left, std::string(name) + " l", c.mirrored());
}

// Standing, two steps, jump and the other poses of one mode at their indices.
struct ModeIndices {
  int stand, stepA, stepB, jump;  // right-facing index; the left one follows
};

void drawMode(ImageSet& set, const Build& b, const Look& look, const char* tag, ModeIndices m) {
  putPair(set, m.stand, m.stand + 1, tag, drawPose(b, Pose::Stand, look));
  putPair(set, m.stepA, m.stepA + 1, tag, drawPose(b, Pose::StepA, look));
  if (m.stepB >= 0) putPair(set, m.stepB, m.stepB + 1, tag, drawPose(b, Pose::StepB, look));
  putPair(set, m.jump, m.jump + 1, tag, drawPose(b, Pose::Jump, look));
}

void drawSwim(ImageSet& set, const Build& b, const Look& look, const char* tag, int first) {
  const Pose poses[3] = {Pose::Swim1, Pose::Swim2, Pose::Swim3};
  for (int i = 0; i < 3; ++i) {
    const Canvas c = drawPose(b, poses[i], look);
    set.put(first + i, std::string(tag) + " swim r", c);
    set.put(first + 3 + i, std::string(tag) + " swim l", c.mirrored());
  }
}

}  // namespace

void drawPlayer(ImageSet& set) {
  // small
  drawMode(set, kSmall, kNormal, "Tob", {0, 2, -1, 4});
  set.put(6, "Tob dead", drawPose(kSmall, Pose::Dead, kNormal));
  putPair(set, 240, 241, "Tob carry", drawPose(kSmall, Pose::Carry, kNormal));
  putPair(set, 242, 243, "Tob carry", drawPose(kSmall, Pose::CarryStep, kNormal));
  drawSwim(set, kSmall, kNormal, "Tob", 472);

  // big: 7 stand, 9 and 11 steps, 13 jump, 11 doubles as the fall
  drawMode(set, kBig, kNormal, "TOB", {7, 9, 11, 13});
  putPair(set, 15, 16, "TOB crouch", drawPose(kBig, Pose::Crouch, kNormal));
  putPair(set, 244, 245, "TOB carry", drawPose(kBig, Pose::Carry, kNormal));
  putPair(set, 246, 247, "TOB carry", drawPose(kBig, Pose::CarryStep, kNormal));
  putPair(set, 248, 249, "TOB carry", drawPose(kBig, Pose::CarryStepB, kNormal));
  drawSwim(set, kBig, kNormal, "TOB", 478);

  // flying: a glider cape; 259/261 flap, 271 jump, 273/275 glide
  drawMode(set, kBig, kFlying, "Fly", {253, 255, 257, 259});
  putPair(set, 261, 262, "Fly flap", drawPose(kBig, Pose::Fall, kFlying));
  putPair(set, 267, 268, "Fly crouch", drawPose(kBig, Pose::Crouch, kFlying));
  putPair(set, 271, 272, "Fly jump", drawPose(kBig, Pose::Jump, kFlying));
  putPair(set, 273, 274, "Fly glide", drawPose(kBig, Pose::Swim2, kFlying));
  putPair(set, 275, 276, "Fly glide", drawPose(kBig, Pose::Swim3, kFlying));
  putPair(set, 277, 278, "Fly carry", drawPose(kBig, Pose::Carry, kFlying));
  putPair(set, 279, 280, "Fly carry", drawPose(kBig, Pose::CarryStep, kFlying));
  putPair(set, 281, 282, "Fly carry", drawPose(kBig, Pose::CarryStepB, kFlying));
  drawSwim(set, kBig, kFlying, "Fly", 484);

  // fire
  drawMode(set, kBig, kFire, "Fire", {553, 555, 557, 559});
  putPair(set, 561, 562, "Fire crouch", drawPose(kBig, Pose::Crouch, kFire));
  putPair(set, 563, 564, "Fire carry", drawPose(kBig, Pose::CarryStep, kFire));
  putPair(set, 565, 566, "Fire carry", drawPose(kBig, Pose::CarryStepB, kFire));
  putPair(set, 567, 568, "Fire carry", drawPose(kBig, Pose::Carry, kFire));
  drawSwim(set, kBig, kFire, "Fire", 569);
  putPair(set, 575, 576, "Fire throw", drawPose(kBig, Pose::Throw, kFire));
}

}  // namespace art
