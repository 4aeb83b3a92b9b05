#pragma once
// The kind chooser's widgets, shared by the find, replace and fill windows: the
// label "Animación:", the number with its up-down and the kind's preview.
#include <QWidget>
#include <functional>

#include "editor/frmFind/kind_chooser.h"
#include "editor/frmFind/number_box.h"

class QImage;
class QLabel;

class TKindChooserBox : public QWidget {
 public:
  // The chooser is the dialog's model; it must outlive the widget.
  TKindChooserBox(TKindChooser& chooser, QWidget* parent = nullptr);

  // Draws a kind's first image for the preview; without it the preview stays white.
  std::function<QImage(TKindChooserBox& Sender, int kind)> OnDrawPreview;

  // Takes the chooser's range and number (each showing of the dialog).
  void Refresh();
  QSpinBox* Edit() const { return edit_; }
  QLabel* Preview() const { return preview_; }

 private:
  void repaintPreview();
  TKindChooser& chooser_;
  TNumberBox* edit_;
  QLabel* preview_;
};
