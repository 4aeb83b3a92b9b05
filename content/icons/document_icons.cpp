#include "content/icons/document_icons.h"

#include <algorithm>

#include "content/icons/icon_shapes.h"

namespace icons {

namespace {

// Coordinates are given on a 32-pixel grid and scaled to the icon's size.
struct Grid {
  int size;
  int operator()(int v) const { return v * size / 32; }
};

// A document sheet leaving the lower right free for the type's emblem.
void sheet(Canvas& c, Grid g) {
  page(c, g(4), 0, g(22), c.height() - 1);
  if (g.size >= 32)
    for (int y : {12, 15, 18}) c.hline(g(8), g(20), y, ink('s'));
}

// A gamepad: the game file plays the whole game.
void gamepad(Canvas& c, Grid g) {
  const int x = g(10), y = g(16), w = g(22), h = g(13);
  c.fillEllipse(x, y, g(8), h, ink('G'));
  c.fillEllipse(x + w - g(8), y, g(8), h, ink('G'));
  c.fillRect(x + g(3), y, w - g(6), h - g(3), ink('G'));
  c.fillRect(x + g(3), y + g(4), g(6), std::max(1, g(2)), ink('s'));
  c.fillRect(x + g(5), y + g(2), std::max(1, g(2)), g(6), ink('s'));
  c.fillEllipse(x + w - g(9), y + g(5), std::max(2, g(3)), std::max(2, g(3)), ink('r'));
  c.fillEllipse(x + w - g(6), y + g(2), std::max(2, g(3)), std::max(2, g(3)), ink('y'));
}

// A patch of land with a path between two level nodes: a world map.
void worldEmblem(Canvas& c, Grid g) {
  Canvas land(c.width(), c.height());
  land.fillEllipse(g(11), g(14), g(20), g(17), ink('e'));
  land.outline(ink('E'));
  c.stamp(land, 0, 0);
  for (int i = 0; i <= 4; ++i) c.set(g(15) + i * g(3), g(24) - i * g(1), ink('Y'));
  c.fillRect(g(13), g(23), std::max(2, g(4)), std::max(2, g(4)), ink('r'));
  c.fillRect(g(25), g(17), std::max(2, g(4)), std::max(2, g(4)), ink('b'));
}

// Ground bricks under a prize block: a level.
void levelEmblem(Canvas& c, Grid g) {
  const int cell = g(8);
  for (int col = 0; col < 3; ++col) {
    box(c, g(8) + col * cell, c.height() - cell - 1, cell, cell, ink('o'));
    c.hline(g(8) + col * cell + 1, g(8) + col * cell + cell - 2, c.height() - cell / 2 - 1, ink('O'));
  }
  box(c, g(20), g(13), cell, cell, ink('y'));
  c.fillRect(g(23), g(15), std::max(1, g(2)), std::max(1, g(3)), ink('Y'));
}

// A pencil across a block: the editor.
void editorPicture(Canvas& c, Grid g) {
  box(c, g(2), g(10), g(20), g(20), ink('o'));
  for (int y : {15, 20, 25}) c.hline(g(2), g(21), g(y), ink('O'));
  for (int y = 0; y < 4; ++y)
    for (int x : {y % 2 ? 7 : 12, y % 2 ? 17 : 12})
      c.vline(g(x), g(10 + y * 5), g(15 + y * 5), ink('O'));
  Canvas pencil(c.width(), c.height());
  const int s = g.size;
  pencil.fillPolygon({{g(8), g(26)}, {g(26), g(2)}, {g(31), g(6)}, {g(13), g(30)}}, ink('y'),
                     pixelart::PolygonSpans::Closed);
  pencil.fillPolygon({{g(24), g(4)}, {g(26), g(2)}, {g(31), g(6)}, {g(29), g(8)}}, ink('r'),
                     pixelart::PolygonSpans::Closed);
  pencil.fillPolygon({{g(6), g(31)}, {g(8), g(26)}, {g(13), g(30)}}, ink('u'), pixelart::PolygonSpans::Closed);
  pencil.set(g(6), s - 1, ink('k'));
  pencil.outline(ink('k'));
  c.stamp(pencil, 0, 0);
}

Canvas documentIcon(int size, void (*emblem)(Canvas&, Grid)) {
  Canvas c(size, size);
  const Grid g{size};
  sheet(c, g);
  emblem(c, g);
  return c;
}

}  // namespace

std::vector<NamedIcon> buildDocumentIcons() {
  std::vector<NamedIcon> out;
  for (int size : kIconSizes) {
    out.push_back({"application-x-tobbostudio-game", IconContext::MimeType, size, documentIcon(size, gamepad)});
    out.push_back({"application-x-tobbostudio-world", IconContext::MimeType, size, documentIcon(size, worldEmblem)});
    out.push_back({"application-x-tobbostudio-level", IconContext::MimeType, size, documentIcon(size, levelEmblem)});
    Canvas editor(size, size);
    editorPicture(editor, Grid{size});
    out.push_back({"tobbostudio-hopzedit", IconContext::Application, size, std::move(editor)});
  }
  return out;
}

std::vector<unsigned char> rgbaPixels(const Canvas& picture) {
  std::vector<unsigned char> out;
  out.reserve(picture.pixels().size() * 4);
  const pixelart::Palette& palette = iconPalette();
  for (Index i : picture.pixels()) {
    const pixelart::Rgb rgb = palette[i].rgb;
    out.insert(out.end(), {rgb.r, rgb.g, rgb.b, static_cast<unsigned char>(i == pixelart::kClear ? 0 : 255)});
  }
  return out;
}

}  // namespace icons
