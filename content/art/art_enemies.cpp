// Enemies: the round Wumpets, the shelled Turvos and their shells, stars,
// ghosts, fishes, plants and the crushing Blokk. One family look: a dark ink
// outline, a shaded body and big white eyes looking where they go.
#include "content/art/art_common.h"
#include "content/art/families.h"

namespace art {
namespace {

// Wumpet: a round grumpy body on two feet; frame 0/1 moves the feet.
Canvas wumpet(const Ramp& body, int frame, int w = 16, int h = 16) {
  Canvas c(w, h);
  const int fy = h - 3;
  const int step = frame % 2;
  c.fillEllipse(2 + step, fy, 5, 3, pal::Brown[0]);
  c.fillEllipse(w - 7 - step, fy, 5, 3, pal::Brown[0]);
  shadedEllipse(c, 1, 1, w - 2, h - 3, body);
  c.fillRect(w / 2 - 1, 0, 2, 2, body[1]);  // tuft
  drawEyes(c, w / 2, h / 3, 1, true, true);
  c.hline(w / 2 + 1, w - 4, h - 6, pal::Ink);
  c.set(w - 4, h - 7, pal::White);  // fang
  c.outline(pal::Ink);
  return c;
}

Canvas squashed(const Ramp& body) {
  Canvas c(16, 8);
  c.fillEllipse(1, 2, 14, 6, body[2]);
  c.hline(2, 13, 6, body[1]);
  c.line(4, 3, 6, 5, pal::Ink);
  c.line(6, 3, 4, 5, pal::Ink);
  c.line(9, 3, 11, 5, pal::Ink);
  c.line(11, 3, 9, 5, pal::Ink);
  c.outline(pal::Ink);
  return c;
}

// Wings on the back of a body, up or down.
void wings(Canvas& c, int x, int y, bool up) {
  if (up)
    c.fillPolygon({{x, y + 6}, {x - 4, y - 2}, {x + 4, y + 2}}, pal::White);
  else
    c.fillPolygon({{x, y + 2}, {x - 5, y + 6}, {x + 3, y + 6}}, pal::White);
  c.set(x - 1, y + 3, pal::Grey[3]);
}

// Turvo: a walking beetle with a domed shell; 16 x 24, facing right.
Canvas turvo(const Ramp& shell, const Ramp& skin, int frame, bool winged = false, bool helmet = false) {
  Canvas c(16, 24);
  const int step = frame % 2;
  // legs
  c.fillRect(4 - step, 19, 3, 4, skin[1]);
  c.fillRect(9 + step, 19, 3, 4, skin[1]);
  c.hline(3 - step, 6 - step, 23, pal::Brown[0]);
  c.hline(9 + step, 13 + step, 23, pal::Brown[0]);
  // head and neck in front
  c.fillRect(10, 8, 3, 6, skin[2]);
  shadedEllipse(c, 8, 1, 8, 9, skin);
  drawEye(c, 12, 3, true);
  c.hline(13, 15, 7, pal::Ink);
  if (helmet) {
    c.fillEllipse(8, 0, 8, 5, pal::Grey[2]);
    c.hline(8, 15, 3, pal::Grey[1]);
  }
  // shell on the back
  shadedEllipse(c, 1, 8, 12, 13, shell);
  c.hline(2, 11, 18, pal::Cream);  // rim
  c.hline(2, 11, 19, shell[0]);
  c.set(5, 12, shell[0]);
  c.set(8, 11, shell[0]);
  c.set(6, 15, shell[0]);
  if (winged) wings(c, 3, 4 + step, step == 0);
  c.outline(pal::Ink);
  return c;
}

// A shell, seen from the side; spin frames move its stripe round.
Canvas shell(const Ramp& r, int spin) {
  Canvas c(16, 16);
  c.fillEllipse(1, 2, 14, 12, r[1]);
  c.fillEllipse(1, 2, 13, 10, r[2]);
  c.hline(1, 14, 11, pal::Cream);
  c.hline(2, 13, 12, r[0]);
  const int sx = 3 + (spin % 4) * 3;
  c.vline(sx, 4, 10, r[3]);
  c.vline(sx + 1, 5, 9, r[3]);
  c.set(4, 4, r[3]);
  c.outline(pal::Ink);
  return c;
}

Canvas star(const Ramp& r, int frame, bool lookRight) {
  Canvas c(16, 16);
  const int squash = frame % 2;
  c.fillPolygon({{8, 0 + squash}, {10, 5 + squash}, {16, 6 + squash}, {11, 10}, {13, 16}, {8, 13},
                 {3, 16}, {5, 10}, {0, 6 + squash}, {6, 5 + squash}},
                r[2]);
  c.fillPolygon({{8, 2 + squash}, {9, 6}, {6, 6}}, r[3]);
  drawEyes(c, lookRight ? 7 : 4, 6, 1, lookRight, true);
  c.hline(6, 9, 11, pal::Ink);
  c.outline(pal::Ink);
  return c;
}

Canvas ghost(bool lookRight, bool chasing) {
  Canvas c(16, 16);
  c.fillEllipse(1, 1, 14, 12, pal::GhostWhite);
  c.fillRect(1, 7, 14, 6, pal::GhostWhite);
  for (int x = 1; x < 15; x += 4) c.fillRect(x, 13, 2, 2, pal::GhostWhite);
  c.vline(14, 4, 12, pal::Grey[3]);
  if (chasing) {
    drawEyes(c, lookRight ? 7 : 3, 4, 1, lookRight, true);
    c.fillRect(lookRight ? 8 : 4, 9, 4, 3, pal::Ink);
    c.set(lookRight ? 9 : 5, 11, pal::Red[2]);
  } else {
    // hiding its face in its hands
    c.fillRect(lookRight ? 7 : 3, 5, 6, 3, pal::Grey[3]);
    c.set(lookRight ? 8 : 4, 9, pal::Pink[2]);
    c.set(lookRight ? 11 : 7, 9, pal::Pink[2]);
  }
  c.outline(pal::Ink);
  return c;
}

Canvas fish(const Ramp& r, int frame, bool angry) {
  Canvas c(16, 16);
  const int flap = frame % 2;
  c.fillPolygon({{0, 3 + flap}, {4, 8}, {0, 13 - flap}}, r[1]);  // tail
  shadedEllipse(c, 3, 3, 13, 10, r);
  c.fillPolygon({{8, 3}, {11, 0}, {12, 4}}, r[1]);  // fin
  drawEye(c, 11, 5, true, angry);
  if (angry) {
    c.hline(11, 15, 10, pal::Ink);
    c.set(12, 9, pal::White);
    c.set(14, 9, pal::White);
  } else {
    c.set(14, 9, pal::Ink);
  }
  c.line(6, 7, 7, 10, r[0]);
  c.outline(pal::Ink);
  return c;
}

// A snapping plant head with a stem, its mouth towards +y (down) or -y (up).
Canvas plantVertical(int w, int h, const Ramp& head, bool open, bool mouthUp) {
  Canvas c(w, h);
  const int headH = 12;
  const int hy = mouthUp ? 0 : h - headH;
  const int stemY0 = mouthUp ? headH - 1 : 0, stemY1 = mouthUp ? h - 1 : h - headH;
  c.fillRect(w / 2 - 1, stemY0, 3, stemY1 - stemY0 + 1, pal::PlantGreen[1]);
  const int leafY = (stemY0 + stemY1) / 2;
  c.fillEllipse(w / 2 - 6, leafY - 1, 6, 3, pal::PlantGreen[2]);
  c.fillEllipse(w / 2 + 1, leafY + 1, 6, 3, pal::PlantGreen[2]);
  shadedEllipse(c, 1, hy, w - 2, headH, head);
  for (int i = 0; i < 3; ++i) c.set(3 + i * 4, hy + headH / 2 + (i % 2 ? -2 : 1), pal::White);
  const int my = mouthUp ? hy : hy + headH - 1;
  const int gape = open ? 4 : 1;
  c.fillRect(w / 2 - gape / 2 - 1, mouthUp ? my : my - gape + 1, gape + 2, gape, pal::Red[0]);
  c.outline(pal::Ink);
  return c;
}

Canvas plantHorizontal(int w, int h, const Ramp& head, bool open, bool mouthLeft) {
  return plantVertical(h, w, head, open, mouthLeft).transposed();
}

// A fire plant aiming diagonally: its head leans to the side it looks at.
Canvas firePlant(int h, const Ramp& head, bool open, bool right, bool up) {
  Canvas c(16, h);
  c.fillRect(7, 10, 3, h - 10, pal::PlantGreen[1]);
  c.fillEllipse(1, h - 10, 6, 3, pal::PlantGreen[2]);
  c.fillEllipse(10, h - 7, 6, 3, pal::PlantGreen[2]);
  shadedEllipse(c, 1, 0, 14, 12, head);
  c.set(4, 6, pal::White);
  c.set(11, 4, pal::White);
  const int mx = right ? 10 : 2, my = up ? 1 : 7;
  c.fillRect(mx, my, 4, open ? 4 : 2, pal::Red[0]);
  if (open) c.set(mx + 1, my + 1, pal::LavaHi);
  c.outline(pal::Ink);
  return c;
}

Canvas blackPlant(int frame) {
  Canvas c(16, 16);
  c.fillRect(4, 12, 8, 4, pal::Brown[1]);  // pot
  c.hline(3, 12, 12, pal::Brown[2]);
  c.fillRect(7, 8, 2, 4, pal::Green[0]);
  const int open = frame;  // 0 closed .. 2 wide open
  c.fillEllipse(2, 1, 12, 9, pal::Shadow);
  c.fillEllipse(3, 2, 9, 6, pal::Grey[0]);
  c.fillRect(4, 4 - open, 8, 1 + open, pal::Red[0]);
  for (int x = 4; x < 12; x += 2) c.set(x, 4 - open, pal::White);
  c.outline(pal::Ink);
  return c;
}

Canvas jumpingPlant(int frame, bool air) {
  Canvas c(16, 16);
  if (air) {
    c.line(6, 11, 4, 15, pal::Brown[1]);
    c.line(9, 11, 11, 15, pal::Brown[1]);
  } else {
    c.fillEllipse(2, 12, 12, 4, pal::PlantGreen[1]);
  }
  shadedEllipse(c, 2, 1, 12, 11, pal::Orange);
  c.fillRect(9, 4, 6, frame % 2 ? 4 : 2, pal::Red[0]);
  drawEye(c, 6, 2, true, true);
  c.outline(pal::Ink);
  return c;
}

Canvas boomerang(int turn) {
  Canvas c(16, 16);
  c.fillPolygon({{1, 2}, {5, 1}, {8, 9}, {15, 12}, {14, 15}, {4, 11}}, pal::Gold[2]);
  c.line(2, 3, 6, 10, pal::Gold[3]);
  c.outline(pal::Ink);
  switch (turn % 4) {
    case 1: return c.mirrored();
    case 2: return c.mirrored().flipped();
    case 3: return c.flipped();
    default: return c;
  }
}

Canvas zaddo(bool blink) {
  Canvas c(16, 24);
  c.fillPolygon({{8, 0}, {15, 22}, {1, 22}}, pal::Teal);
  shadedEllipse(c, 2, 5, 12, 18, pal::Cyan);
  c.fillEllipse(5, 7, 9, 7, pal::Shadow);
  if (!blink) {
    c.fillRect(7, 9, 2, 2, pal::Gold[3]);
    c.fillRect(11, 9, 2, 2, pal::Gold[3]);
  } else {
    c.hline(7, 12, 10, pal::Gold[3]);
  }
  c.hline(4, 12, 18, pal::Gold[2]);
  c.outline(pal::Ink);
  return c;
}

Canvas urchin(int frame) {
  Canvas c(16, 16);
  const int spike = frame == 1 ? 1 : 0;
  for (int i = 0; i < 8; ++i) {
    static const int dx[8] = {0, 5, 7, 5, 0, -5, -7, -5}, dy[8] = {-7, -5, 0, 5, 7, 5, 0, -5};
    c.line(8, 8, 8 + dx[i] + (dx[i] > 0 ? spike : dx[i] < 0 ? -spike : 0),
           8 + dy[i] + (dy[i] > 0 ? spike : dy[i] < 0 ? -spike : 0), pal::Purple[3]);
  }
  shadedEllipse(c, 3, 3, 10, 10, pal::Purple);
  drawEyes(c, 5, 6, 1, true, frame == 2);
  c.outline(pal::Ink);
  return c;
}

Canvas blokk() {
  Canvas c(24, 24);
  shadedRect(c, 0, 0, 24, 24, pal::Granite);
  for (int x = 2; x < 22; x += 5) c.fillPolygon({{x, 0}, {x + 2, -3}, {x + 4, 0}}, pal::Grey[3]);
  c.fillRect(4, 6, 5, 5, pal::White);
  c.fillRect(15, 6, 5, 5, pal::White);
  c.fillRect(6, 8, 2, 3, pal::Ink);
  c.fillRect(16, 8, 2, 3, pal::Ink);
  c.line(3, 4, 9, 6, pal::Ink);
  c.line(20, 4, 14, 6, pal::Ink);
  c.fillRect(6, 15, 12, 4, pal::Shadow);
  for (int x = 7; x < 18; x += 3) c.vline(x, 15, 16, pal::White);
  c.frameRect(0, 0, 24, 24, pal::Ink);
  return c;
}

// A walking bomb with a fuse; lit bombs spark, exploding ones flash.
Canvas bomb(int frame, int state) {
  Canvas c(16, 16);
  const int step = frame % 2;
  c.fillRect(3 + step, 13, 3, 3, pal::Gold[1]);
  c.fillRect(10 - step, 13, 3, 3, pal::Gold[1]);
  const Ramp body = state == 2 ? Ramp{{pal::Red[0], pal::Red[1], pal::Red[3], pal::White}} : pal::Metal;
  shadedEllipse(c, 1, 2, 14, 12, body);
  c.fillRect(7, 0, 2, 3, pal::Grey[2]);
  if (state > 0) sparkle(c, 8, 1, pal::LavaHi);
  drawEyes(c, 8, 6, 1, true, state > 0);
  c.outline(pal::Ink);
  return c;
}

}  // namespace

void drawEnemies(ImageSet& set) {
  // Wumpets
  set.put(82, "Wumpet", wumpet(pal::Purple, 0));
  set.put(83, "Wumpet", wumpet(pal::Purple, 1));
  set.put(288, "Wumpet flat", squashed(pal::Purple));
  for (int f = 0; f < 2; ++f) {
    Canvas w(20, 24);
    w.stamp(wumpet(pal::Red, f), 3, 8);
    wings(w, 5, 1 + f * 2, f == 0);
    wings(w, 16, 1 + f * 2, f == 0);
    w.outline(pal::Ink);
    set.put(283 + f, "Wumpet wing", w);
    set.put(285 + f, "Wumpet red", wumpet(pal::Red, f));
  }
  set.put(287, "Wumpet flat", squashed(pal::Red));
  for (int f = 0; f < 2; ++f) {
    Canvas s = wumpet(pal::Brown, f);
    s.fillEllipse(10, 3, 6, 12, pal::Blue[2]);  // a round shield held in front
    s.vline(15, 4, 13, pal::Blue[1]);
    s.set(12, 8, pal::Gold[3]);
    putFacing(set, 374 + f, 376 + f, "Wumpet shld", s);
    Canvas h = wumpet(pal::Green, f);
    h.fillEllipse(2, 0, 12, 7, pal::Grey[2]);
    h.hline(2, 13, 4, pal::Grey[1]);
    h.outline(pal::Ink);
    putFacing(set, 391 + f, 393 + f, "Wumpet helm", h);
    Canvas p = wumpet(pal::Skin, f);
    for (int x = 2; x < 14; x += 3) p.fillPolygon({{x, 4}, {x + 1, -1}, {x + 3, 4}}, pal::White);
    putFacing(set, 403 + f, 405 + f, "Wumpet spik", p);
  }
  // the shield alone, spinning edge-on
  {
    Canvas s(16, 16);
    shadedEllipse(s, 1, 1, 14, 14, pal::Blue);
    s.fillEllipse(5, 5, 6, 6, pal::Gold[2]);
    s.outline(pal::Ink);
    set.put(378, "Shield", s);
    for (int i = 0; i < 3; ++i) {
      Canvas e(16, 16);
      const int w = 10 - i * 4;
      shadedEllipse(e, 8 - w / 2 - 1, 1, w + 2, 14, pal::Blue);
      e.outline(pal::Ink);
      set.put(379 + i, "Shield spin", e);
    }
  }
  for (int f = 0; f < 2; ++f) {
    Canvas t(24, 16);
    t.fillRect(0, 0, 24, 4, pal::Grey[2]);  // a flat shell to ride on
    t.hline(0, 23, 0, pal::Grey[3]);
    t.stamp(wumpet(pal::Cyan, f).crop(0, 4, 16, 12), 4, 4);
    wings(t, 3, 3 + f, f == 0);
    wings(t, 21, 3 + f, f == 0);
    t.outline(pal::Ink);
    set.put(456 + f, "Wumpet fly", t.crop(0, 0, 24, 16));
  }

  // stars
  set.put(84, "Star jump", star(pal::Gold, 0, true));
  set.put(85, "Star jump", star(pal::Gold, 1, true));
  for (int f = 0; f < 2; ++f) {
    set.put(88 + f, "Star walk r", star(pal::Pink, f, true));
    set.put(86 + f, "Star walk l", star(pal::Pink, f, true).mirrored());
  }

  // Turvos and shells
  const Ramp celeste = pal::Cyan;
  for (int f = 0; f < 2; ++f) {
    putFacing(set, 90 + f, 92 + f, "Turvo red", turvo(pal::Red, pal::Gold, f));
    putFacing(set, 176 + f, 178 + f, "Turvo grn", turvo(pal::Green, pal::Gold, f));
    putFacing(set, 180 + f, 182 + f, "Turvo cel", turvo(celeste, pal::Gold, f));
    putFacing(set, 387 + f, 389 + f, "Turvo wing", turvo(pal::Green, pal::Gold, f, true));
    putFacing(set, 586 + f, 588 + f, "Turvo boom", turvo(pal::Purple, pal::Skin, f, false, true));
    Canvas bone = turvo({{13, 14, 15, 15}}, {{13, 14, 15, 15}}, f);
    bone.replace(pal::Cream, pal::Grey[1]);
    putFacing(set, 112 + f, 114 + f, "Turvo bone", bone);
  }
  {
    Canvas pile(16, 8);
    pile.fillEllipse(1, 3, 14, 5, pal::Grey[3]);
    pile.fillEllipse(4, 0, 7, 6, pal::White);
    pile.set(6, 2, pal::Ink);
    pile.set(8, 2, pal::Ink);
    pile.line(2, 6, 13, 4, pal::Grey[1]);
    pile.outline(pal::Ink);
    set.put(116, "Bone pile", pile);
  }
  for (int i = 0; i < 4; ++i) {
    set.put(94 + i, "Shell red", shell(pal::Red, i));
    set.put(184 + i, "Shell grn", shell(pal::Green, i));
    set.put(188 + i, "Shell cel", shell(celeste, i));
    set.put(590 + i, "Boomerang", boomerang(i));
  }

  // ghosts: 164/166 look left, 165/167 look right
  set.put(164, "Ghost shy", ghost(false, false));
  set.put(165, "Ghost shy", ghost(true, false));
  set.put(166, "Ghost come", ghost(false, true));
  set.put(167, "Ghost come", ghost(true, true));

  // fishes
  for (int f = 0; f < 2; ++f) {
    putFacing(set, 577 + f, 579 + f, "Fish", fish(pal::Orange, f, false));
    set.put(600 + f, "Fish calm", fish(pal::Blue, f, false));
    putFacing(set, 602 + f, 604 + f, "Fish angry", fish(pal::Red, f, true));
  }
  for (int f = 0; f < 3; ++f) set.put(608 + f, "Urchin", urchin(f));
  putFacing(set, 617, 619, "Zaddo", zaddo(false));
  putFacing(set, 618, 620, "Zaddo", zaddo(true));

  // plants
  for (int f = 0; f < 3; ++f) set.put(192 + f, "Plant black", blackPlant(f));
  struct PipePlant {
    int first, w, h;
    bool red, vertical, towardsMinus;  // mouth up (vertical) or left (horizontal)
  };
  const PipePlant plants[8] = {
      {342, 16, 24, false, true, true},  {344, 16, 16, false, false, false},
      {346, 16, 24, false, true, false}, {348, 24, 16, false, false, true},
      {350, 16, 32, true, true, true},   {352, 24, 16, true, false, false},
      {354, 16, 32, true, true, false},  {356, 32, 16, true, false, true},
  };
  for (const auto& p : plants)
    for (int f = 0; f < 2; ++f) {
      const Ramp& head = p.red ? pal::Red : pal::PlantGreen;
      set.put(p.first + f, p.red ? "Plant red" : "Plant green",
              p.vertical ? plantVertical(p.w, p.h, head, f == 1, p.towardsMinus)
                         : plantHorizontal(p.w, p.h, head, f == 1, p.towardsMinus));
    }
  // fire plants: per aim, the odd frame open (it stops there to shoot)
  struct Aim {
    int offset;
    bool right, up;
  };
  const Aim aims[4] = {{0, false, true}, {2, true, true}, {4, false, false}, {6, true, false}};
  for (const Aim& a : aims)
    for (int f = 0; f < 2; ++f) {
      set.put(358 + a.offset + f, "Fireplant g", firePlant(24, pal::PlantGreen, f == 1, a.right, a.up));
      set.put(366 + a.offset + f, "Fireplant r", firePlant(32, pal::Red, f == 1, a.right, a.up));
    }
  for (int f = 0; f < 2; ++f) {
    putFacing(set, 395 + f, 397 + f, "Jump plant", jumpingPlant(f, false));
    putFacing(set, 399 + f, 401 + f, "Jump plant", jumpingPlant(f, true));
  }
  set.put(407, "Blokk", blokk());

  // bombs: 145/146 and 149/151 face left, 147/148 and 150/152 right
  for (int f = 0; f < 2; ++f) putFacing(set, 147 + f, 145 + f, "Bomb", bomb(f, 0));
  putFacing(set, 150, 149, "Bomb lit", bomb(0, 1));
  putFacing(set, 152, 151, "Bomb flash", bomb(1, 2));
}

}  // namespace art
