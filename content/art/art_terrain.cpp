// Terrain: the four ground styles with their ends, walls, ceilings and slopes,
// sand and marble ground, grass plateaus, clouds, wooden floors and platforms,
// the bridge and the panels. Slopes are exact diagonals: their transparent half
// is what walkers and the player climb by pixel test.
#include "content/art/art_common.h"
#include "content/art/families.h"

namespace art {
namespace {

struct Style {
  Ramp cap, body;
  int capRows;
};

const Style kStyle1{pal::GrassTop, pal::Earth, 5};
const Style kStyle2{pal::GrassTop, pal::Brown, 4};
const Style kStyle3{{{11, 12, 13, 14}}, pal::Granite, 3};
const Style kStyle4{pal::Ice, pal::Purple, 4};

enum class Piece { Top, Fill, Ceiling, EndL, EndR, WallL, WallR, CeilEndL, CeilEndR, SlopeL, SlopeR };

void speckle(Canvas& c, const Ramp& r, int seed) {
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) {
      const int h = (x * 7 + y * 13 + seed * 5) % 23;
      if (h == 0) c.set(x, y, r[1]);
      else if (h == 11) c.set(x, y, r[3]);
    }
}

// The grass or snow layer along a surface: rows below `surface(x)`.
template <typename Surface>
void capLayer(Canvas& c, const Style& s, Surface surface) {
  for (int x = 0; x < c.width(); ++x) {
    const int top = surface(x);
    const int depth = s.capRows + ((x * 5) % 3 == 0 ? 1 : 0);
    for (int y = top; y < top + depth && y < c.height(); ++y)
      c.set(x, y, y == top ? s.cap[3] : y == top + depth - 1 ? s.cap[1] : s.cap[2]);
  }
}

Canvas ground(const Style& s, Piece p, int seed) {
  Canvas c(16, 16);
  auto surface = [&](int x) -> int {
    if (p == Piece::SlopeL) return 15 - x;  // rises to the right
    if (p == Piece::SlopeR) return x;       // falls to the right
    return 0;
  };
  for (int x = 0; x < 16; ++x)
    for (int y = surface(x); y < 16; ++y) c.set(x, y, s.body[2]);
  speckle(c, s.body, seed);
  // keep the diagonal exact after the speckle
  if (p == Piece::SlopeL || p == Piece::SlopeR)
    for (int x = 0; x < 16; ++x)
      for (int y = 0; y < surface(x); ++y) c.set(x, y, kClear);

  const bool top = p == Piece::Top || p == Piece::EndL || p == Piece::EndR || p == Piece::SlopeL ||
                   p == Piece::SlopeR;
  if (top) capLayer(c, s, surface);
  if (p == Piece::SlopeL || p == Piece::SlopeR)
    for (int x = 0; x < 16; ++x) c.set(x, surface(x), pal::Border);
  if (p == Piece::Top || p == Piece::EndL || p == Piece::EndR) c.hline(0, 15, 0, pal::Border);
  if (p == Piece::Ceiling || p == Piece::CeilEndL || p == Piece::CeilEndR) {
    c.hline(0, 15, 14, s.body[1]);
    c.hline(0, 15, 15, pal::Border);
  }
  if (p == Piece::EndL || p == Piece::WallL || p == Piece::CeilEndL) {
    c.vline(1, 0, 15, s.body[3]);
    c.vline(0, 0, 15, pal::Border);
  }
  if (p == Piece::EndR || p == Piece::WallR || p == Piece::CeilEndR) {
    c.vline(14, 0, 15, s.body[1]);
    c.vline(15, 0, 15, pal::Border);
  }
  // rounded outer corners
  if (p == Piece::EndL) c.set(0, 0, kClear);
  if (p == Piece::EndR) c.set(15, 0, kClear);
  if (p == Piece::CeilEndL) c.set(0, 15, kClear);
  if (p == Piece::CeilEndR) c.set(15, 15, kClear);
  return c;
}

struct PieceAt {
  Piece piece;
  int image;
};

void putStyle(ImageSet& set, const Style& s, const std::string& name, std::initializer_list<PieceAt> pieces) {
  int seed = 0;
  for (const PieceAt& p : pieces) set.put(p.image, name, ground(s, p.piece, ++seed));
}

Canvas plank(int w, int h, const Ramp& r) {
  Canvas c = tile(w, h, r, true, true, true, true, pal::Ink);
  for (int x = 8; x < w - 1; x += 8) c.vline(x, 1, h - 2, r[1]);
  for (int x = 4; x < w; x += 8) c.set(x, h / 2, r[0]);
  return c;
}

Canvas cloudPiece(bool topSide, int side) {  // side -1 left, 0 middle, 1 right
  Canvas c(16, 16);
  if (topSide) {
    c.fillRect(0, 6, 16, 10, pal::Cloud);
    c.fillEllipse(side < 0 ? 2 : -2, 1, 12, 12, pal::Cloud);
    c.fillEllipse(side > 0 ? 2 : 7, 2, 11, 10, pal::Cloud);
    if (side < 0) c.fillRect(0, 0, 3, 16, kClear);
    if (side > 0) c.fillRect(13, 0, 3, 16, kClear);
    c.hline(0, 15, 15, pal::Cloud);
  } else {
    c.fillRect(0, 0, 16, 10, pal::CloudShade);
    c.fillEllipse(0, 4, 9, 10, pal::CloudShade);
    c.fillEllipse(7, 5, 9, 9, pal::CloudShade);
    if (side < 0) c.fillRect(0, 0, 2, 16, kClear);
    if (side > 0) c.fillRect(14, 0, 2, 16, kClear);
  }
  Canvas out = c;
  out.outline(pal::Border);
  // the joins to the neighbours stay open
  if (side >= 0) for (int y = 0; y < 16; ++y) if (c.at(0, y) != kClear) out.set(0, y, c.at(0, y));
  if (side <= 0) for (int y = 0; y < 16; ++y) if (c.at(15, y) != kClear) out.set(15, y, c.at(15, y));
  return out;
}

// Panel pieces in the order top-left, top, left, centre, right, top-right,
// bottom-left, bottom, bottom-right.
Canvas panelPiece(const Ramp& r, int piece) {
  Canvas c(16, 16, r[2]);
  const bool top = piece == 0 || piece == 1 || piece == 5;
  const bool bottom = piece >= 6;
  const bool left = piece == 0 || piece == 2 || piece == 6;
  const bool right = piece == 4 || piece == 5 || piece == 8;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if ((x + y) % 8 == 0) c.set(x, y, r[3]);
  if (top) {
    c.fillRect(0, 0, 16, 3, r[3]);
    c.hline(0, 15, 0, pal::White);
    c.hline(0, 15, 3, r[1]);
  }
  if (bottom) c.fillRect(0, 13, 16, 3, r[1]);
  if (left) c.fillRect(0, 0, 2, 16, r[3]);
  if (right) c.fillRect(14, 0, 2, 16, r[1]);
  if (top && left) c.set(3, 5, r[0]);
  if (top && right) c.set(12, 5, r[0]);
  if (bottom && left) c.set(3, 11, r[0]);
  if (bottom && right) c.set(12, 11, r[0]);
  if (top) c.hline(0, 15, 0, pal::Border);
  if (bottom) c.hline(0, 15, 15, pal::Border);
  if (left) c.vline(0, 0, 15, pal::Border);
  if (right) c.vline(15, 0, 15, pal::Border);
  return c;
}

// A dithered shadow falling on the panel's right and lower side.
Canvas shadowPiece(int piece) {
  Canvas c(16, 16);
  auto dither = [&](int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x)
        if ((x + y) % 2 == 0) c.set(x, y, pal::Shadow);
  };
  switch (piece) {
    case 0: dither(0, 0, 5, 15); break;            // right of a panel
    case 1: dither(0, 0, 15, 5); break;            // below a panel
    case 2: dither(0, 0, 5, 5); break;             // the lower right corner
    case 3: dither(0, 6, 5, 15); break;            // the start on the right
    default: dither(6, 0, 15, 5); break;           // the start below
  }
  return c;
}

}  // namespace

void drawTerrain(ImageSet& set) {
  putStyle(set, kStyle1, "Ground 1", {{Piece::Top, 17}, {Piece::EndL, 18}, {Piece::EndR, 19}});
  putStyle(set, kStyle2, "Ground 2",
           {{Piece::Top, 20}, {Piece::Fill, 21}, {Piece::Ceiling, 130}, {Piece::SlopeL, 128},
            {Piece::SlopeR, 129}, {Piece::SlopeL, 22}, {Piece::SlopeR, 23}, {Piece::WallL, 334},
            {Piece::WallR, 335}, {Piece::EndL, 336}, {Piece::EndR, 337}});
  putStyle(set, kStyle3, "Ground 3",
           {{Piece::Top, 24}, {Piece::Fill, 25}, {Piece::Ceiling, 133}, {Piece::SlopeL, 26},
            {Piece::SlopeR, 27}, {Piece::EndL, 132}, {Piece::EndR, 305}, {Piece::CeilEndL, 303},
            {Piece::CeilEndR, 134}, {Piece::WallL, 131}, {Piece::WallR, 304}});
  putStyle(set, kStyle4, "Ground 4",
           {{Piece::Top, 293}, {Piece::EndL, 292}, {Piece::EndR, 294}, {Piece::SlopeL, 291},
            {Piece::SlopeR, 295}, {Piece::WallL, 300}, {Piece::WallR, 296}, {Piece::CeilEndL, 299},
            {Piece::CeilEndR, 297}, {Piece::Ceiling, 298}, {Piece::Fill, 301}});
  // banks of ground 2 have a darker face
  {
    Canvas sand = tile(16, 16, pal::Sand, true, false, false, false);
    for (int x = 0; x < 16; x += 3) sand.set(x, 3 + x % 5, pal::Sand[1]);
    set.put(28, "Sand ground", sand);
    Canvas marble = tile(16, 16, pal::Marble);
    marble.line(2, 10, 9, 4, pal::Marble[1]);
    marble.line(9, 4, 14, 7, pal::Marble[1]);
    set.put(29, "Marble", marble);
  }

  // grass plateaus: tops stood on from above, walls behind
  for (int side = -1; side <= 1; ++side) {
    Canvas t(16, 16, pal::Green[1]);
    for (int x = 0; x < 16; x += 4) t.vline(x + 1, 7, 15, pal::Green[0]);
    capLayer(t, kStyle1, [](int) { return 0; });
    t.hline(0, 15, 0, pal::Border);
    if (side < 0) t.vline(0, 0, 15, pal::Border);
    if (side > 0) t.vline(15, 0, 15, pal::Border);
    set.put(310 + side, "Plateau", t);
    Canvas w(16, 16, pal::Green[1]);
    for (int x = 0; x < 16; x += 4) w.vline(x + 1, 0, 15, pal::Green[0]);
    if (side < 0) w.vline(0, 0, 15, pal::Border);
    if (side > 0) w.vline(15, 0, 15, pal::Border);
    set.put(313 + side, "Plateau wall", w);
  }
  {
    Canvas sky = tile(16, 16, {{pal::Blue[1], pal::Blue[2], pal::SkyFloor, pal::Cloud}});
    sky.fillEllipse(2, 3, 6, 3, pal::Cloud);
    sky.fillEllipse(9, 9, 5, 3, pal::Cloud);
    set.put(315, "Sky floor", sky);
  }
  for (int side = -1; side <= 1; ++side) {
    set.put(140 + side, "Cloud", cloudPiece(true, side));
    set.put(143 + side, "Cloud", cloudPiece(false, side));
  }
  for (int side = -1; side <= 1; ++side) {
    Canvas f = plank(16, 16, pal::Wood);
    for (int y = 5; y < 16; y += 5) f.hline(1, 14, y, pal::Wood[1]);
    if (side < 0) f.vline(1, 1, 14, pal::Wood[3]);
    if (side > 0) f.vline(14, 1, 14, pal::Wood[0]);
    set.put(417 + side, "Wood floor", f);
  }
  // platforms that move
  set.put(118, "Wood base", plank(48, 16, pal::Wood));
  set.put(330, "Wood thick", plank(48, 24, pal::Wood));
  set.put(331, "Wood long", plank(64, 16, pal::Wood));
  {
    Canvas cloud(48, 16);
    for (int x = 0; x < 48; x += 10) cloud.fillEllipse(x, 0, 14, 14, pal::Cloud);
    cloud.fillRect(3, 6, 42, 9, pal::Cloud);
    cloud.hline(3, 44, 14, pal::CloudShade);
    cloud.outline(pal::Border);
    set.put(320, "Cloud base", cloud.crop(0, 0, 48, 16));
  }
  {
    Canvas trunk(16, 16);
    shadedRect(trunk, 3, 0, 10, 16, pal::Wood);
    for (int y = 2; y < 16; y += 5) trunk.hline(5, 10, y, pal::Wood[1]);
    trunk.outline(pal::Ink);
    set.put(250, "Trunk", trunk);
  }
  {
    Canvas bridge(16, 16);
    bridge.hline(0, 15, 2, pal::Brown[1]);  // the rope rail
    for (int x = 1; x < 16; x += 5) bridge.vline(x, 2, 7, pal::Brown[0]);
    shadedRect(bridge, 0, 8, 16, 5, pal::Wood);
    for (int x = 4; x < 16; x += 4) bridge.vline(x, 8, 12, pal::Wood[0]);
    bridge.hline(0, 15, 8, pal::Border);
    set.put(175, "Bridge", bridge);
    Canvas post(16, 16);
    shadedRect(post, 5, 0, 6, 16, pal::Wood);
    post.hline(4, 11, 2, pal::Wood[0]);
    post.outline(pal::Ink);
    set.put(332, "Bridge post", post);
    Canvas hook(16, 16);
    hook.line(0, 2, 8, 9, pal::Brown[1]);
    hook.line(15, 2, 8, 9, pal::Brown[1]);
    hook.fillEllipse(6, 7, 5, 5, pal::Grey[2]);
    hook.outline(pal::Ink);
    set.put(333, "Bridge hook", hook);
  }

  // panels: reddish, green, light blue and white, nine pieces each
  const Ramp panelColours[4] = {pal::Pink, pal::Green, pal::Cyan, {{13, 14, 15, 15}}};
  for (int colour = 0; colour < 4; ++colour)
    for (int piece = 0; piece < 9; ++piece)
      set.put(200 + colour * 9 + piece, "Panel", panelPiece(panelColours[colour], piece));
  for (int piece = 0; piece < 9; ++piece)
    set.put(508 + piece, "Panel water", panelPiece({{pal::Teal, 43, 44, 45}}, piece));
  for (int piece = 0; piece < 5; ++piece) set.put(195 + piece, "Shadow", shadowPiece(piece));
}

}  // namespace art
