#include "editor/frmColor/color_model.h"

void TfmColorModel::Pick(TDocument& doc, TColor color) {
  doc.BgColor = color;
  doc.Modified = true;
}

void TfmColorModel::MoreColors() {
  if (!OnChooseColor) return;
  if (auto chosen = OnChooseColor(*this, Custom)) Custom = *chosen & 0xFFFFFF;
}
