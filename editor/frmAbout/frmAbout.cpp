#include "editor/frmAbout/frmAbout.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/IECtrls/TTextLink.h"
#include "platform/core/bitmap.h"
#include "platform/core/paths.h"
#include "platform/qt/text/qt_text.h"

namespace {

// The splash picture of the program folder, or an empty picture without it.
QPixmap splashPicture() {
  try {
    const platform::Bitmap bmp = platform::readBmp(platform::resolvePath("bitmaps\\splash1.bmp",
                                                                         platform::programFolder()).string());
    QImage image(bmp.width, bmp.height, QImage::Format_RGB32);
    for (int y = 0; y < bmp.height; ++y)
      for (int x = 0; x < bmp.width; ++x) {
        const platform::Rgb c = bmp.color(x, y);
        image.setPixel(x, y, qRgb(c.r, c.g, c.b));
      }
    return QPixmap::fromImage(image);
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace

TfmAbout::TfmAbout(QWidget* parent) : QDialog(parent) {
  setWindowTitle(platform::qt::qs("Acerca del Editor del Tobbo Quest"));
  setFixedSize(350, 378);
  GoToWeb.Url = "https://hopz.example.org/";
  GoToWeb.EMail = "tobbo@hopz.example.org";
  GoToWeb.EMailSubject = "Comentarios";
  GoToWeb.BrowserState = gwMaximized;

  auto* layout = new QVBoxLayout(this);
  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::Box);
  auto* panelLayout = new QVBoxLayout(panel);
  Image1 = new QLabel(panel);
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setPixmap(splashPicture());
  Image2 = new QLabel(panel);
  Image2->setAlignment(Qt::AlignCenter);
  panelLayout->addWidget(Image1, 1);
  panelLayout->addWidget(Image2);
  layout->addWidget(panel, 1);

  Label2 = new QLabel(platform::qt::qs("Tobbo Quest Studio - editor de niveles y mundos"), this);
  Label2->installEventFilter(this);
  layout->addWidget(Label2);

  auto addLink = [&](const char* caption, const std::string& shown) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(platform::qt::qs(caption), this));
    auto* link = new TTextLink(this);
    link->setText(platform::qt::qs(shown));
    row->addWidget(link, 1);
    layout->addLayout(row);
    return link;
  };
  TextLink1 = addLink("P\xE1gina oficial:", GoToWeb.Url);
  TextLink2 = addLink("E-Mail:", GoToWeb.EMail);
  TextLink1->OnClick = [this](TTextLink&) { GoToWeb.OpenURL(); };
  TextLink2->OnClick = [this](TTextLink&) { GoToWeb.SendEMail(); };

  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  layout->addWidget(line);
  btnOK = new QPushButton(platform::qt::qs("&Aceptar"), this);
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(btnOK, 0, Qt::AlignCenter);
}

void TfmAbout::Label2Click() {
  const TAboutLabelState state = clicks_.Click();
  QFont f = Label2->font();
  f.setBold(true);
  Label2->setFont(f);
  Label2->setText(platform::qt::qs(state.Caption));
  QPalette p = Label2->palette();
  p.setColor(QPalette::WindowText, QColor(platform::GetRValue(state.Color),
                                          platform::GetGValue(state.Color),
                                          platform::GetBValue(state.Color)));
  Label2->setPalette(p);
}

bool TfmAbout::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label2 && event->type() == QEvent::MouseButtonRelease) Label2Click();
  return QDialog::eventFilter(watched, event);
}
