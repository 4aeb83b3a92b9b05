#pragma once
// The up-down number field of the editor's dialogs. A file may hold a number
// beyond the field's designed range, or text that is no number at all; the
// field shows the number as it stands and gives the stored text back unchanged
// until the author changes the number, so confirming an untouched dialog
// rewrites nothing.
#include <QSpinBox>
#include <string>

class TNumberBox : public QSpinBox {
 public:
  TNumberBox(int min, int max, QWidget* parent = nullptr);

  // The range the up-down offers; a shown number beyond it widens it.
  void SetDesignedRange(int min, int max);
  // Shows a stored number (text that is no number shows 0).
  void Show(const std::string& stored);
  void Show(int value) { Show(std::to_string(value)); }
  // What goes back: the stored text until the number is changed after Show,
  // then the number in decimal.
  std::string Stored() const;

 private:
  int min_, max_;
  std::string stored_;
  bool changed_ = false;
};
