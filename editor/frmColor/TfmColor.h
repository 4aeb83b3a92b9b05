#pragma once
// The background colour pop-up around TfmColorModel: a caption-less window that
// stays on top and closes as soon as it loses activation.
#include <QDialog>
#include <array>
#include <functional>

#include "editor/frmColor/color_model.h"

class QToolButton;

class TfmColor : public QDialog {
 public:
  explicit TfmColor(QWidget* parent = nullptr);

  TfmColorModel Model;  // its OnChooseColor is the full colour dialog unless replaced
  // After a colour was given to the document: the main window renders and repaints it.
  std::function<void(TfmColor& Sender)> OnPicked;

  // Shows the pop-up for a document, its right edge under the right edge of the
  // button and its top at the button's bottom (global coordinates).
  void ShowFor(TDocument& doc, const QRect& button);
  QToolButton* ColorButton(int index) const { return buttons_[index]; }
  QToolButton* tbCustom() const { return custom_; }
  QToolButton* MoreColors() const { return more_; }

 protected:
  bool event(QEvent* e) override;

 private:
  void pick(TColor color);
  void paintCustom();
  std::array<QToolButton*, kColorButtons.size()> buttons_{};
  QToolButton* more_;
  QToolButton* custom_;
  TDocument* doc_ = nullptr;
  bool choosing_ = false;  // the full colour dialog is open: losing activation is expected
};
