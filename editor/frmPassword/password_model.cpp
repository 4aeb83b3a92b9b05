#include "editor/frmPassword/password_model.h"

bool TfmPasswordModel::Accept(const std::string& password) {
  if (edPass == password) return true;
  if (OnError) OnError(*this, kPasswordWrong, "Error");
  return false;
}
