#include "content/mapart/status_art.h"

#include "content/mapart/toolkit.h"

namespace mapart {
namespace {

using namespace ui;

// The picture is drawn two pixels below the bar's top, so a place the game
// writes at bar offset dy lies at picture row dy - 2.
constexpr int row(int barOffset) { return barOffset - 2; }

void recess(Canvas& img, int x, int y, int w, int h, uint8_t inside) {
  img.fillRect(x, y, w, h, kInk);
  img.fillRect(x + 1, y + 1, w - 2, h - 2, inside);
  img.hline(x + 1, x + w - 2, y + h - 1, kPanelEdge);
}

}  // namespace

platform::Bitmap buildStatusPicture() {
  Canvas img(kStatusWidth, kStatusHeight, kPanel);
  img.hline(0, kStatusWidth - 1, 0, kPanelEdge);
  img.hline(0, kStatusWidth - 1, 1, kPanelLight);
  img.hline(0, kStatusWidth - 1, kStatusHeight - 1, kPanelDark);
  for (int x = 0; x < kStatusWidth; x += 4) img.set(x, kStatusHeight - 2, kPanelDark);

  // World flag before the map name, Tobbo's head before the lives.
  img.vline(26, row(7), row(7) + 8, kInk);
  img.fillRect(27, row(7), 6, 4, kRed);
  img.set(28, row(7) + 1, kWhite);
  img.pattern(9, row(15) - 1,
              {"..bbbbb...", ".bbbwbbb..", "BBBBBBBBB.", ".sssssss..", ".sksssks..", ".sssssss..",
               "..ssSss...", "...sss...."},
              "bBwsSk", {kBlue, kBlueDark, kWhite, kSkin, kSkinDark, kInk});
  img.pattern(20, row(15) + 2, {"k.k", ".k.", "k.k"}, "k", {kInk});

  // Run meter: six empty arrow slots and the place of the "P" badge.
  recess(img, 67, row(8) - 2, 70, 11, kPanelDark);
  for (int k = 0; k < 6; ++k) {
    const int x = 70 + 8 * k, y = row(8);
    for (int i = 0; i < 7; ++i) {
      const int half = i < 4 ? i : 6 - i;
      img.hline(x, x + half, y + i, kPanel);
    }
  }
  img.frameRect(119, row(8), 16, 8, kPanel);

  // Coin before the coin count, clock before the time.
  img.fillEllipse(139, row(7), 8, 8, kGoldDark);
  img.fillEllipse(139, row(7), 7, 7, kGold);
  img.vline(142, row(7) + 2, row(7) + 4, kTextHi);
  img.fillEllipse(131, row(15), 9, 9, kInk);
  img.fillEllipse(132, row(15) + 1, 7, 7, kWhite);
  img.vline(135, row(15) + 2, row(15) + 4, kInk);
  img.hline(135, 137, row(15) + 4, kInk);

  // Three card slots under the cards at x 177, 201 and 225.
  for (int x : {176, 200, 224}) {
    recess(img, x, 0, 24, kStatusHeight, kPanelDark);
    img.frameRect(x + 4, 5, 16, 16, kPanel);
  }
  // A lighter box for the object count and frame rate, whose labels are black.
  recess(img, 254, 2, 64, 22, kPanelLight);

  platform::Bitmap bmp(kStatusWidth, kStatusHeight, 8);
  Palette palette;
  addUiColours(palette);
  for (int i = 0; i < 256; ++i) bmp.colors[size_t(i)] = palette[i].rgb;
  bmp.pixels = img.pixels();
  return bmp;
}

}  // namespace mapart
