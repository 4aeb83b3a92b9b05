#pragma once
// "Acerca del Editor del Tobbo Quest": the splash picture, the maker's line
// and the links to the product's page and the author's mail.
#include <QDialog>

#include "editor/GoToWeb/GoToWeb.h"
#include "editor/frmAbout/about_label.h"

class QLabel;
class QPushButton;
class TTextLink;

class TfmAbout : public QDialog {
 public:
  explicit TfmAbout(QWidget* parent = nullptr);

  TGoToWeb GoToWeb;
  QLabel* Image1 = nullptr;
  QLabel* Image2 = nullptr;
  QLabel* Label2 = nullptr;
  TTextLink* TextLink1 = nullptr;
  TTextLink* TextLink2 = nullptr;
  QPushButton* btnOK = nullptr;

  void Label2Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TAboutLabelClicks clicks_;
};
