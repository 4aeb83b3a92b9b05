#pragma once
// The About box's maker line answers clicks with ever crosser texts (it is not
// a link); from the third click on it stays at the last one.
#include <string>

#include "platform/draw/geometry.h"

struct TAboutLabelState {
  std::string Caption;
  platform::TColor Color;
};

class TAboutLabelClicks {
 public:
  static constexpr platform::TColor clMaroon = 0x000080;
  static constexpr platform::TColor clRed = 0x0000FF;

  // The caption and colour after one more click (the font also turns bold).
  TAboutLabelState Click() {
    if (clicks_ < 3) ++clicks_;
    switch (clicks_) {
      case 1: return {"Esto no es un link :)", clMaroon};
      case 2: return {"Te dije que ESTO NO ES UN LINK!!!", clRed};
      default: return {"ANDA A BUSCARLE UN LINK A TU HERMANA!!!!!!!", clRed};
    }
  }
  int Clicks() const { return clicks_; }

 private:
  int clicks_ = 0;
};
