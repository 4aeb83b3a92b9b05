#pragma once
// The launcher's dialog: shows a TfmInit and forwards its buttons.
#include <QDialog>
#include <functional>
#include <string>

#include "game/frmInit/frmInit.h"

class QLabel;
class QPushButton;

// The logo beside the program, relative to the program folder; without it the
// launcher shows no picture.
inline const std::string kLauncherLogoFile = "bitmaps\\logo.jpg";

// GET of the version file with the launcher's headers, a 1000 ms connect and
// read time-out and a 64 KiB cap; nothing on any failure.
std::optional<std::string> fetchVersionFile(const std::string& url);

// The launcher's services on the desktop: the blocking HTTP GET with the
// launcher's headers and time-outs, Qt's question and error boxes, the
// installed shell.
TfmInit::Services desktopInitServices();

class TfmInitDialog : public QDialog {
 public:
  // Builds the controls from the launcher's state (after its FormCreate).
  explicit TfmInitDialog(TfmInit& init, QWidget* parent = nullptr);

 private:
  QPushButton* addButton(const TfmInit::TLabel& control, std::function<void()> click);
  QLabel* addLabel(const TfmInit::TLabel& control, bool centred);

  TfmInit& init_;
};
