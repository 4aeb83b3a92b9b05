// The launcher: language file, version check against a server of the test on
// 127.0.0.1, and the buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "game/frmInit/frmInit.h"
#include "game/frmInit/init_dialog.h"
#include "loopback_server.h"
#include "platform/core/paths.h"
#include "platform/qt/net/http_get.h"
#include "tests/support/desktop_hand_off.h"
#include "tests/support/modal_answer.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/stall_inputs.h"

namespace fs = std::filesystem;

namespace {

void ensureQtApp() {
  static int argc = 1;
  static char name[] = "launcher_tests";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) static QApplication app(argc, argv);
}

void writeFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

class Launcher : public ::testing::Test {
 protected:
  void SetUp() override {
    ensureQtApp();
    saved_ = {URL, DownloadURL, VersionURL, strMessageH, strMessageF};
    folder_ = testTempPath("launcher");
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    platform::setProgramFolder(folder_.string() + "/");
  }
  void TearDown() override {
    URL = saved_[0], DownloadURL = saved_[1], VersionURL = saved_[2], strMessageH = saved_[3], strMessageF = saved_[4];
    fs::remove_all(folder_);
  }

  // A launcher whose question box and browser are recorded; the HTTP client is real.
  TfmInit makeLauncher() {
    TfmInit::Services s;
    s.httpGet = fetchVersionFile;
    s.askYesNo = [this](const std::string& title, const std::string& text) {
      questions.push_back({title, text});
      return answerYes;
    };
    s.openWebPage = [this](const std::string& url) {
      opened.push_back(url);
      return true;
    };
    return TfmInit(s);
  }

  // Points the version check at a URL through a language file, as a player could.
  void useLanguageFile(const std::string& body) {
    writeFile(folder_ / "Hopz.ini", "[Options]\r\nLanguage=Test\r\n");
    writeFile(folder_ / "Languages" / "Test.ini", body);
  }

  fs::path folder_;
  std::array<std::string, 5> saved_;
  std::vector<std::pair<std::string, std::string>> questions;
  std::vector<std::string> opened;
  bool answerYes = false;
};

TEST_F(Launcher, VersionFileDecidesWhetherToAsk) {
  const struct {
    const char* name;
    std::string response;
    bool asks;
  } cases[] = {
      {"same tag CR LF", LoopbackServer::response("BETA92\r\nuno\r\ndos\r\ntres\r\n"), false},
      {"same tag LF", LoopbackServer::response("BETA92\nuno\n"), false},
      {"same tag CR", LoopbackServer::response("BETA92\runo\r"), false},
      {"same tag alone", LoopbackServer::response("BETA92"), false},
      {"same tag chunked", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nBET\r\n5\r\nA92\r\n\r\n0\r\n\r\n", false},
      {"lower case", LoopbackServer::response("beta92\r\n"), true},
      {"trailing blank", LoopbackServer::response("BETA92 \r\n"), true},
      {"newer tag", LoopbackServer::response("BETA93\r\n"), true},
      {"not found", LoopbackServer::response("BETA93\r\n", "404 Not Found"), false},
      {"server error", LoopbackServer::response("BETA93", "500 Internal Server Error"), false},
      // Chunk sizes that overflow the reader's arithmetic: a failed answer, silent.
      {"newer tag, chunk size at the top of 63 bits",
       "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n7fffffffffffffff\r\nBETA93\r\n", false},
      {"newer tag, chunk size beyond 64 bits",
       "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1ffffffffffffffff\r\nBETA93\r\n", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    questions.clear();
    LoopbackServer server(LoopbackServer::Answer, c.response);
    VersionURL = server.url();
    TfmInit init = makeLauncher();
    init.VerificarVersion();
    EXPECT_EQ(questions.size(), c.asks ? 1u : 0u);
  }
}

TEST_F(Launcher, QuestionCarriesTheThreeLinesBetweenTheMessages) {
  LoopbackServer server(LoopbackServer::Answer,
                        LoopbackServer::response("BETA93\r\nNuevos niveles\r\nM\xE1s enemigos\r\nArreglos\r\n"));
  VersionURL = server.url();
  TfmInit init = makeLauncher();
  init.VerificarVersion();
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].first, "Information");
  EXPECT_EQ(questions[0].second,
            "\xA1Nueva versi\xF3n disponible!\r\n\r\nNuevos niveles\r\nM\xE1s enemigos\r\nArreglos\r\n\r\n"
            "\xBF" "Deseas descargarla ahora?");
}

TEST_F(Launcher, OneLineFileGivesEmptyMiddleLines) {
  LoopbackServer server(LoopbackServer::Answer, LoopbackServer::response("BETA95"));
  VersionURL = server.url();
  TfmInit init = makeLauncher();
  init.VerificarVersion();
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].second, strMessageH + "\r\n\r\n\r\n\r\n\r\n\r\n" + strMessageF);
}

TEST_F(Launcher, YesOpensTheDownloadPageAndNoOpensNothing) {
  LoopbackServer server(LoopbackServer::Answer, LoopbackServer::response("BETA93\r\n"));
  VersionURL = server.url();
  for (bool yes : {true, false}) {
    opened.clear();
    answerYes = yes;
    TfmInit init = makeLauncher();
    init.VerificarVersion();
    EXPECT_EQ(opened, yes ? std::vector<std::string>{DownloadURL} : std::vector<std::string>{});
  }
}

TEST_F(Launcher, RequestCarriesTheLauncherHeaders) {
  LoopbackServer server(LoopbackServer::Answer, LoopbackServer::response("BETA92\r\n"));
  VersionURL = server.url();
  TfmInit init = makeLauncher();
  init.VerificarVersion();
  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 1u);
  const std::string& r = requests[0];
  EXPECT_EQ(r.rfind("GET /recursos/version/version.txt HTTP/1.1\r\n", 0), 0u) << r;
  for (const char* header : {"User-Agent: Mozilla/3.0 (compatible; Tobbo Quest Studio)\r\n", "Accept: text/html, */*\r\n",
                             "Content-Type: text/html\r\n"})
    EXPECT_NE(r.find(header), std::string::npos) << header;
  EXPECT_NE(r.find("Host: 127.0.0.1:" + std::to_string(server.port()) + "\r\n"), std::string::npos);
}

TEST_F(Launcher, DeadServersGiveTheLauncherWithinTheTimeOutsAndNoMessage) {
  LoopbackServer silent(LoopbackServer::Silent, "");
  const std::string urls[] = {silent.url(), "http://127.0.0.1:" + std::to_string(refusedPort()) + "/version.txt"};
  for (const std::string& url : urls) {
    SCOPED_TRACE(url);
    useLanguageFile("[MainWindow]\r\nVersionURL=" + url + "\r\n");
    TfmInit init = makeLauncher();
    const auto start = std::chrono::steady_clock::now();
    init.FormCreate();
    const auto waited = std::chrono::steady_clock::now() - start;
    // Connect and read time-outs of one second each bound the wait.
    EXPECT_LT(waited, std::chrono::milliseconds(4000));
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(opened.empty());
  }
}

TEST_F(Launcher, LongAndEndlessAnswersStopAtTheirLimits) {
  const std::string endless = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\nBETA93\r\n";
  const struct {
    const char* name;
    LoopbackServer::Mode mode;
    std::string response;
    std::optional<size_t> bodySize;  // nothing: the request fails
  } cases[] = {
      // Only the first 64 KiB are read; the tag on line 0 is among them.
      {"a megabyte", LoopbackServer::Answer,
       LoopbackServer::response("BETA92\r\n" + std::string(1 << 20, 'x')), 64 * 1024},
      // A byte every 100 ms defeats the read time-out; the whole exchange still ends.
      {"never ending", LoopbackServer::Trickle, endless, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LoopbackServer server(c.mode, c.response);
    const auto start = std::chrono::steady_clock::now();
    const std::optional<std::string> body = fetchVersionFile(server.url());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(4000));
    ASSERT_EQ(body.has_value(), c.bodySize.has_value());
    if (body) {
      EXPECT_EQ(body->size(), *c.bodySize);
      EXPECT_EQ(body->rfind("BETA92\r\n", 0), 0u);
    }
    questions.clear();
    VersionURL = server.url();
    makeLauncher().VerificarVersion();
    EXPECT_TRUE(questions.empty());  // the same tag, or a failure: silent either way
  }
}

// A peer that sends as fast as the client reads, chunks of one byte behind the
// longest size lines the parser waits for: every read finds bytes waiting, and
// the overall deadline still ends the exchange, long before the body's cap
// (a gigabyte of them) is reached.
TEST_F(Launcher, AFloodOfBytesEndsAtTheOverallDeadline) {
  LoopbackServer server(LoopbackServer::Flood, "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n",
                        "1;" + std::string(16000, 'e') + "\r\nx\r\n");
  platform::HttpGetOptions options;
  options.totalTimeoutMs = 250;
  const auto start = std::chrono::steady_clock::now();
  const platform::HttpGetResult r = platform::httpGet(server.url(), options);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, "no complete answer in time");
  EXPECT_LT(r.body.size(), options.maxBodyBytes);
}

TEST_F(Launcher, LanguageFileReplacesCaptionsAndAddresses) {
  LoopbackServer server(LoopbackServer::Answer, LoopbackServer::response("BETA93\r\n"));
  useLanguageFile(
      "[Init]\r\nbtnStart=Start Tobbo Quest Studio\r\nlblWebSite=Visit the web site:\r\nbtnWebSite=\r\n"
      "[MainWindow]\r\nURL=http://example.test/\r\nDownloadURL=http://example.test/downloads\r\n"
      "VersionURL=" + server.url() + "\r\nstrMessageH=New version!\r\nstrMessageF=\r\n");
  answerYes = true;
  TfmInit init = makeLauncher();
  init.FormCreate();
  EXPECT_EQ(init.btnStart.Caption, "Start Tobbo Quest Studio");
  EXPECT_EQ(init.lblWebSite.Caption, "Visit the web site:");
  EXPECT_EQ(init.btnWebSite.Caption, "Ir a la web oficial");  // empty key keeps the text
  EXPECT_EQ(init.lblStart.Caption, "Inicia Tobbo Quest Studio con el juego por defecto:");
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].second, "New version!\r\n\r\n\r\n\r\n\r\n\r\n\xBF" "Deseas descargarla ahora?");
  EXPECT_EQ(opened, std::vector<std::string>{"http://example.test/downloads"});
  opened.clear();
  init.btnWebSiteClick();
  init.btnCheckVersionClick();
  EXPECT_EQ(opened, (std::vector<std::string>{"http://example.test/", "http://example.test/downloads"}));
}

TEST_F(Launcher, MissingLanguageFileKeepsEverything) {
  writeFile(folder_ / "Hopz.ini", "[Options]\r\nLanguage=Klingon\r\n");
  VersionURL = "http://127.0.0.1:" + std::to_string(refusedPort()) + "/v.txt";
  const TfmInit reference = makeLauncher();
  TfmInit init = makeLauncher();
  init.FormCreate();
  for (auto member : {&TfmInit::lbl1, &TfmInit::lblStart, &TfmInit::lblOpenGame, &TfmInit::lblWebSite,
                      &TfmInit::lblCheckVersion, &TfmInit::btnWebSite, &TfmInit::btnCheckVersion,
                      &TfmInit::btnOpenGame, &TfmInit::btnStart})
    EXPECT_EQ((init.*member).Caption, (reference.*member).Caption);
  EXPECT_EQ(URL, saved_[0]);
  EXPECT_EQ(DownloadURL, saved_[1]);
  EXPECT_EQ(init.Caption.rfind("Tobbo Quest (Versi\xF3n Editable Beta 9.2) - http", 0), 0u);
}

TEST_F(Launcher, OnlyTheStartButtonGivesOk) {
  TfmInit init = makeLauncher();
  init.btnOpenGameClick();
  init.btnWebSiteClick();
  EXPECT_EQ(init.ModalResult, TfmInit::mrNone);
  init.btnStartClick();
  EXPECT_EQ(init.ModalResult, TfmInit::mrOK);
  EXPECT_FALSE(init.btnOpenGame.Visible);
  EXPECT_FALSE(init.lblOpenGame.Visible);
}

// A progressive logo of hundreds of scans, of a few KB whose scans cover
// the largest picture hundreds of times, or of 200 bytes that say 4096 x 4096,
// held the launcher for seconds before it showed; it is left out, and the
// launcher starts the game as ever. A real logo of a few megapixels shows.
TEST_F(Launcher, AHostileLogoIsLeftOutAndStartStillStarts) {
  std::string arithmetic;
  for (const stallinputs::StallJpeg& f : stallinputs::stallJpegs(2048, 2048, 300))
    if (std::string_view(f.name) == "progressive_arithmetic_dc_restarts") arithmetic = jpegmarkers::write(f.picture);
  ASSERT_FALSE(arithmetic.empty());
  jpegmarkers::Picture fullSize;
  fullSize.width = fullSize.height = 4096;
  fullSize.components.assign(3, jpegmarkers::Component{});
  fullSize.scans.push_back({{0, 1, 2}, 0, 63, 0, 0});
  const std::string photo = stallinputs::compressJpeg(
      2048, 1536, 3, [](jpeg_compress_struct&) {},
      [](int y, unsigned char* row) {
        for (int x = 0; x < 2048; ++x) row[x * 3] = row[x * 3 + 1] = row[x * 3 + 2] = uint8_t(x ^ y);
      });
  const struct {
    const char* what;
    std::string logo;
    bool shown;
  } cases[] = {{"ten scans", stallinputs::manyScanJpeg(320, 200, 10), true},
               {"2048 x 1536", photo, true},
               {"10,000 scans", stallinputs::manyScanJpeg(320, 200, 10000), false},
               {"300 arithmetic-coded scans over 2048 x 2048", arithmetic, false},
               {"4096 x 4096 in 200 bytes", jpegmarkers::write(fullSize), false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    writeFile(folder_ / "bitmaps" / "logo.jpg", c.logo);
    TfmInit init = makeLauncher();
    TfmInitDialog dialog(init);
    const auto* logo = dialog.findChild<QLabel*>("imgLogo");
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->isVisibleTo(&dialog), c.shown);
    QPushButton* start = nullptr;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
      if (button->isDefault()) start = button;
    ASSERT_NE(start, nullptr);
    start->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }
}

// The two web buttons on the desktop's own services: the desktop shell hands
// the page over, and when no browser takes it an error box says so in Spanish,
// as the game's web items do.
TEST_F(Launcher, WebButtonsSayInSpanishWhenNoBrowserOpensThePage) {
  DesktopHandOff desktop;
  TfmInit::Services services = desktopInitServices();
  services.httpGet = nullptr;  // no version check
  TfmInit init(services);
  TfmInitDialog dialog(init);
  QString refusal;
  const ModalAnswer<QMessageBox> closer(20, [&](QMessageBox* box) {
    refusal = box->text();
    box->accept();
  });
  const struct {
    const char* caption;
    const char* url;
  } buttons[] = {{"Ir a la web oficial", "http://www.tobboquest.com.ar/"},
                 {"Buscar nuevas versiones", "http://www.tobboquest.com.ar/descargas"}};
  for (const auto& b : buttons)
    for (bool takes : {true, false}) {
      SCOPED_TRACE(std::string(b.caption) + (takes ? ": a browser opens it" : ": no browser"));
      QPushButton* button = nullptr;
      for (QPushButton* candidate : dialog.findChildren<QPushButton*>())
        if (candidate->text() == QString::fromUtf8(b.caption)) button = candidate;
      ASSERT_NE(button, nullptr);
      desktop.takes = takes;
      desktop.opened.clear();
      refusal.clear();
      button->click();
      ASSERT_EQ(desktop.opened.size(), 1u);
      EXPECT_EQ(desktop.opened[0].toString().toStdString(), b.url);
      if (takes)
        EXPECT_TRUE(refusal.isEmpty()) << refusal.toStdString();
      else
        EXPECT_EQ(refusal.toStdString(), std::string("No se pudo abrir la p\u00E1gina ") + b.url +
                                             ". Compruebe que haya un navegador para abrirla.");
    }
}

}  // namespace
