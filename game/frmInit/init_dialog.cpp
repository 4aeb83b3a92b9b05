#include "game/frmInit/init_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <QImage>

#include "platform/core/paths.h"
#include "platform/core/shell.h"
#include "platform/jpeg/jpeg_decoder.h"
#include "platform/qt/dialogs/message_box.h"
#include "platform/qt/net/http_get.h"
#include "platform/qt/text/qt_text.h"

namespace {

// The logo, or a null pixmap when the file is missing or cannot be decoded.
QPixmap loadLogo() {
  if (!platform::fileExists(kLauncherLogoFile, platform::programFolder())) return {};
  try {
    const platform::Bitmap bmp =
        platform::readJpeg(platform::resolvePath(kLauncherLogoFile, platform::programFolder()));
    const QImage image(bmp.pixels.data(), bmp.width, bmp.height, bmp.width * 3, QImage::Format_RGB888);
    return QPixmap::fromImage(image.copy());
  } catch (const platform::JpegError&) {
    return {};
  }
}

}  // namespace

std::optional<std::string> fetchVersionFile(const std::string& url) {
  platform::HttpGetOptions options;
  options.headers = versionRequestHeaders();
  options.readTimeoutMs = kVersionReadTimeoutMs;
  platform::HttpGetResult r = platform::httpGet(url, options);
  if (!r.ok) return std::nullopt;
  return std::move(r.body);
}

TfmInit::Services desktopInitServices() {
  TfmInit::Services s;
  s.httpGet = fetchVersionFile;
  s.askYesNo = [](const std::string& title, const std::string& text) {
    return platform::qt::AskYesNo(nullptr, platform::qt::qs(title), platform::qt::qs(text));
  };
  s.openWebPage = [](const std::string& url) { return platform::shell().openWebPage(url); };
  s.showError = [](const std::string& title, const std::string& text) {
    platform::qt::ShowMessageBox(nullptr, QMessageBox::Critical, platform::qt::qs(title), platform::qt::qs(text),
                                 QMessageBox::Ok);
  };
  return s;
}

TfmInitDialog::TfmInitDialog(TfmInit& init, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      init_(init) {
  setObjectName("fmInit");
  setWindowTitle(platform::qt::qs(init.Caption));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  setAutoFillBackground(true);

  auto* column = new QVBoxLayout(this);
  column->setSizeConstraint(QLayout::SetFixedSize);
  auto* logo = new QLabel(this);
  logo->setObjectName("imgLogo");
  logo->setAlignment(Qt::AlignCenter);
  const QPixmap picture = loadLogo();
  if (!picture.isNull()) logo->setPixmap(picture);
  logo->setVisible(!picture.isNull());
  column->addWidget(logo);
  QLabel* version = addLabel(init.lbl1, false);
  version->setAlignment(Qt::AlignRight);
  column->addWidget(version);

  QPushButton* start = nullptr;
  const struct {
    TfmInit::TLabel& label;
    TfmInit::TLabel& button;
    std::function<void()> click;
  } rows[] = {{init.lblStart, init.btnStart, [&init] { init.btnStartClick(); }},
              {init.lblOpenGame, init.btnOpenGame, [&init] { init.btnOpenGameClick(); }},
              {init.lblWebSite, init.btnWebSite, [&init] { init.btnWebSiteClick(); }},
              {init.lblCheckVersion, init.btnCheckVersion, [&init] { init.btnCheckVersionClick(); }}};
  for (const auto& row : rows) {
    column->addSpacing(6);
    column->addWidget(addLabel(row.label, true));
    QPushButton* button = addButton(row.button, row.click);
    auto* line = new QHBoxLayout;
    line->addStretch();
    line->addWidget(button);
    line->addStretch();
    column->addLayout(line);
    if (&row.button == &init.btnStart) start = button;
  }
  start->setDefault(true);
  start->setFocus();
  connect(start, &QPushButton::clicked, this, [this] {
    if (init_.ModalResult == TfmInit::mrOK) accept();
  });
}

QLabel* TfmInitDialog::addLabel(const TfmInit::TLabel& control, bool centred) {
  auto* label = new QLabel(platform::qt::qs(control.Caption), this);
  label->setWordWrap(true);
  label->setFixedWidth(360);
  if (centred) label->setAlignment(Qt::AlignHCenter);
  label->setVisible(control.Visible);
  return label;
}

QPushButton* TfmInitDialog::addButton(const TfmInit::TLabel& control, std::function<void()> click) {
  auto* button = new QPushButton(platform::qt::qs(control.Caption), this);
  button->setMinimumWidth(200);
  button->setVisible(control.Visible);
  connect(button, &QPushButton::clicked, this, [click = std::move(click)] { click(); });
  return button;
}
