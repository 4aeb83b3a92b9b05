#include "content/icons/toolbar_glyphs.h"

#include "content/icons/icon_shapes.h"

namespace icons {

namespace {

Canvas blank() { return Canvas(kGlyphSize, kGlyphSize); }

Canvas newGlyph() {
  Canvas c = blank();
  page(c, 2, 0, 11, 15);
  c.stamp(art({"..y..", ".yYy.", "yYwYy", ".yYy.", "..y.."}), 11, 0);
  return c;
}

Canvas openGlyph() {
  return art({
      "................",
      "................",
      ".kkkk...........",
      "kYYYYk..........",
      "kYYYYYkkkkkk....",
      "kYYYYYYYYYYk....",
      "kYYYkkkkkkkkkkk.",
      "kYYkyyyyyyyyyyk.",
      "kYYkyyyyyyyyyk..",
      "kYkyyyyyyyyyyk..",
      "kYkyyyyyyyyyk...",
      "kkyyyyyyyyyyk...",
      "kkyyyyyyyyyk....",
      "kkkkkkkkkkkk....",
      "................",
      "................",
  });
}

Canvas saveGlyph() {
  Canvas c = blank();
  c.stamp(art({
              "kkkkkkkkkkkkkk",
              "kbkwwwwwwwwkbk",
              "kbkwwwwwwwwkbk",
              "kbkwggggggwkbk",
              "kbkwwwwwwwwkbk",
              "kbkwggggggwkbk",
              "kbkwwwwwwwwkbk",
              "kbbkkkkkkkkbbk",
              "kbbbbbbbbbbbbk",
              "kbbssssssssbbk",
              "kbbsGGssssbbbk",
              "kbbsGGssssbbbk",
              "kbbssssssssbbk",
              "kkkkkkkkkkkkkk",
          }),
          1, 1);
  return c;
}

Canvas saveAllGlyph() {
  Canvas c = blank();
  c.stamp(smallFloppy(), 4, 0);
  c.stamp(smallFloppy(), 1, 4);
  return c;
}

Canvas closeGlyph() {
  Canvas c = blank();
  page(c, 1, 0, 10, 14);
  cross(c, 8, 8, 6);
  return c;
}

Canvas deleteGlyph() {
  Canvas c = blank();
  cross(c, 2, 2, 12);
  return c;
}

Canvas deleteAllGlyph() {
  Canvas c = blank();
  cross(c, 1, 1, 9);
  cross(c, 6, 5, 9);
  return c;
}

Canvas findGlyph() {
  Canvas c = blank();
  magnifier(c, 1, 1, 10);
  return c;
}

Canvas findNextGlyph() {
  Canvas c = blank();
  magnifier(c, 5, 0, 8);
  arrow(c, 1, 9, Direction::Right, ink('e'), ink('E'));
  return c;
}

Canvas replaceGlyph() {
  Canvas c = blank();
  box(c, 1, 1, 6, 6, ink('b'));
  box(c, 9, 9, 6, 6, ink('r'));
  c.fillRect(3, 7, 2, 5, ink('e'));
  c.fillRect(3, 11, 3, 2, ink('e'));
  c.fillPolygon({{6, 9}, {9, 12}, {6, 15}}, ink('e'), pixelart::PolygonSpans::Closed);
  return c;
}

Canvas gridGlyph() {
  Canvas c = blank();
  c.fillRect(2, 2, 11, 11, ink('w'));
  c.frameRect(1, 1, 13, 13, ink('k'));
  for (int at : {5, 9}) {
    c.vline(at, 2, 12, ink('g'));
    c.hline(2, 12, at, ink('g'));
  }
  return c;
}

Canvas helpGlyph() {
  Canvas c = blank();
  c.fillEllipse(1, 1, 14, 14, ink('B'));
  c.fillEllipse(2, 2, 12, 12, ink('b'));
  c.stamp(art({".wwww.", "ww..ww", "....ww", "...ww.", "..ww..", "..ww..", "......", "..ww.."}), 5, 4);
  return c;
}

Canvas cascadeGlyph() {
  Canvas c = blank();
  window(c, 1, 1, 9, 8);
  window(c, 3, 3, 9, 8);
  window(c, 5, 6, 10, 8);
  return c;
}

Canvas tileHorizontalGlyph() {
  Canvas c = blank();
  window(c, 1, 1, 14, 7);
  window(c, 1, 8, 14, 7);
  return c;
}

Canvas tileVerticalGlyph() {
  Canvas c = blank();
  window(c, 1, 1, 7, 14);
  window(c, 8, 1, 7, 14);
  return c;
}

Canvas arrangeIconsGlyph() {
  Canvas c = blank();
  window(c, 1, 1, 14, 14);
  for (int x : {3, 7, 11}) box(c, x, 10, 3, 3, ink('y'));
  return c;
}

Canvas propertiesGlyph() {
  Canvas c = blank();
  window(c, 1, 1, 14, 14);
  for (int y : {6, 9, 12}) {
    c.hline(3, 5, y, ink('g'));
    c.hline(7, 12, y, ink('B'));
  }
  return c;
}

Canvas runGlyph() {
  Canvas c = blank();
  c.stamp(smallFloppy(), 1, 0);
  Canvas play(kGlyphSize, kGlyphSize);
  play.fillPolygon({{8, 5}, {15, 10}, {8, 15}}, ink('e'), pixelart::PolygonSpans::Closed);
  play.outline(ink('E'));
  c.stamp(play, 0, 0);
  return c;
}

Canvas refreshGlyph() {
  Canvas c = blank();
  Canvas ring(kGlyphSize, kGlyphSize);
  ring.fillEllipse(1, 1, 14, 14, ink('e'));
  ring.fillEllipse(4, 4, 8, 8, pixelart::kClear);
  ring.fillRect(8, 0, 3, 5, pixelart::kClear);
  ring.fillRect(5, 11, 3, 5, pixelart::kClear);
  // Arrow heads at the ends of the gaps, turning clockwise.
  ring.fillPolygon({{8, 0}, {11, 3}, {8, 6}}, ink('e'), pixelart::PolygonSpans::Closed);
  ring.fillPolygon({{8, 10}, {5, 13}, {8, 16}}, ink('e'), pixelart::PolygonSpans::Closed);
  ring.outline(ink('E'));
  c.stamp(ring, 0, 0);
  c.set(0, 15, pixelart::kClear);
  return c;
}

Canvas fillGlyph() {
  Canvas c = blank();
  Canvas bucket(kGlyphSize, kGlyphSize);
  bucket.fillPolygon({{3, 7}, {9, 1}, {15, 7}, {9, 13}}, ink('s'), pixelart::PolygonSpans::Closed);
  bucket.line(4, 7, 9, 2, ink('b'));
  bucket.line(5, 7, 9, 3, ink('b'));
  bucket.outline(ink('k'));
  c.stamp(bucket, 0, 0);
  c.fillRect(1, 8, 2, 5, ink('b'));
  c.set(1, 13, ink('B'));
  c.set(2, 13, ink('B'));
  return c;
}

Canvas bringToFrontGlyph() {
  Canvas c = blank();
  box(c, 1, 1, 9, 9, ink('w'));
  box(c, 6, 6, 9, 9, ink('b'));
  return c;
}

Canvas sendToBackGlyph() {
  Canvas c = blank();
  box(c, 1, 1, 9, 9, ink('b'));
  box(c, 6, 6, 9, 9, ink('w'));
  return c;
}

Canvas backColourGlyph() {
  Canvas c = blank();
  c.fillRect(2, 2, 12, 8, ink('c'));
  c.fillEllipse(9, 3, 4, 4, ink('y'));
  c.fillRect(2, 10, 12, 4, ink('e'));
  c.hline(2, 13, 10, ink('E'));
  c.frameRect(1, 1, 14, 14, ink('k'));
  return c;
}

}  // namespace

std::vector<NamedGlyph> buildToolbarGlyphs() {
  return {
      {"new", newGlyph()},
      {"open", openGlyph()},
      {"save", saveGlyph()},
      {"save_all", saveAllGlyph()},
      {"close", closeGlyph()},
      {"delete", deleteGlyph()},
      {"delete_all", deleteAllGlyph()},
      {"find", findGlyph()},
      {"find_next", findNextGlyph()},
      {"replace", replaceGlyph()},
      {"grid", gridGlyph()},
      {"help", helpGlyph()},
      {"cascade", cascadeGlyph()},
      {"tile_horizontal", tileHorizontalGlyph()},
      {"tile_vertical", tileVerticalGlyph()},
      {"arrange_icons", arrangeIconsGlyph()},
      {"properties", propertiesGlyph()},
      {"run", runGlyph()},
      {"refresh", refreshGlyph()},
      {"fill", fillGlyph()},
      {"bring_to_front", bringToFrontGlyph()},
      {"send_to_back", sendToBackGlyph()},
      {"back_colour", backColourGlyph()},
  };
}

platform::Bitmap glyphBitmap(const Canvas& picture) {
  platform::Bitmap bmp(picture.width(), picture.height(), 8);
  const pixelart::Palette& palette = iconPalette();
  for (int i = 0; i < 256; ++i) bmp.colors[size_t(i)] = palette[i].used ? palette[i].rgb : kGlyphKey;
  bmp.pixels = picture.pixels();
  return bmp;
}

}  // namespace icons
