#include "editor/frmFind/kind_chooser.h"

#include "editor/Docs/number_fields.h"

void TKindChooser::Change(const std::string& text) {
  Text = text;
  if (auto value = TryStrToInt(text)) Kind = *value;
  if (OnPreviewChange) OnPreviewChange(*this, Kind);
}
