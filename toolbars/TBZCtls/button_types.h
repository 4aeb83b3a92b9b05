#pragma once
// Small value types shared by the toolbar button, its glyph and its layout.

namespace tbz {

enum TButtonState { bsUp = 0, bsDisabled = 1, bsDown = 2, bsExclusive = 3, bsHot = 4 };
inline constexpr int kButtonStateCount = 5;
enum TButtonDisplayMode { dmBoth, dmGlyphOnly, dmTextOnly };
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// A dialog's result as the button hands it on; 0 closes nothing.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                              mrYes = 6, mrNo = 7;

}  // namespace tbz
