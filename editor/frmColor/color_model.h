#pragma once
// The background colour pop-up: sixteen fixed colours and a custom one.
#include <array>
#include <functional>
#include <optional>

#include "editor/Docs/document.h"

inline constexpr const char* kColorCaption = "Elegir color";
inline constexpr const char* kMoreColors = "M\xE1s colores...";

inline constexpr std::array<TColor, 16> kColorButtons = {
    0,       128,     32768,    32896,    8388608, 8388736,  8421376,  8421504,
    12632256, 255,    65280,    65535,    16711680, 16711935, 16776960, 16777215};

class TfmColorModel {
 public:
  TColor Custom = 16777215;  // tbCustom, white at start
  // The full colour dialog starting at a colour; the choice, or nothing on cancel.
  std::function<std::optional<TColor>(TfmColorModel& Sender, TColor start)> OnChooseColor;

  // A colour button: the document takes it as its background and is marked modified.
  static void Pick(TDocument& doc, TColor color);
  // "Más colores...": the custom button takes the chosen colour.
  void MoreColors();
};
