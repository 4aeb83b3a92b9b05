#pragma once
// The status bar under the play area and the game's bitmap font: digits,
// capitals and a few signs, 8 pixels a character. The pure parts (glyph layout,
// the texts of the values) are here so that they can be checked without a screen.
#include <string>
#include <vector>

// One glyph of a bitmap text: image `glyph` of the font library at (x, y).
struct TGlyphPlacement {
  int glyph, x, y;
  bool operator==(const TGlyphPlacement&) const = default;
};
// Digits draw one pixel lower than letters; blanks and unknown characters draw
// nothing but take their 8 pixels; the word "PAUSA" (any case) is one glyph.
std::vector<TGlyphPlacement> LayoutBitmapText(int X, int Y, const std::string& Text);

constexpr int MaxShownScore = 9999999;
constexpr int PauseGlyph = 37;

// The texts of the bar's values.
std::string ScoreText(int score);  // 7 digits with leading zeros (score already capped)
std::string LivesText(int lives);  // one leading blank below 10, "XX" when negative
std::string TimeText(int time);    // at least 3 digits with leading zeros; negative unpadded

class TfmMain;
// The dust and drops rings point into the sprite list: whoever clears the list
// empties them too, so that ShowDust and ShowDrops never reach a freed sprite.
void ClearEffectRings(TfmMain& window);
