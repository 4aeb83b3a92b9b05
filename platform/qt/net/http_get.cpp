#include "platform/qt/net/http_get.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QSslSocket>
#include <QTcpSocket>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <string_view>

namespace platform {

namespace {

class Exchange {
 public:
  explicit Exchange(const HttpGetOptions& options) : options_(options), parser_(options.maxBodyBytes) {
    clock_.start();
  }

  HttpGetResult run(const QUrl& url) {
    const bool https = url.scheme() == QLatin1String("https");
    if (https) {
      if (!QSslSocket::supportsSsl()) return fail("no TLS support");
      auto ssl = std::make_unique<QSslSocket>();
      ssl->connectToHostEncrypted(url.host(), static_cast<quint16>(url.port(443)));
      socket_ = std::move(ssl);
    } else {
      socket_ = std::make_unique<QTcpSocket>();
      socket_->connectToHost(url.host(), static_cast<quint16>(url.port(80)));
    }
    if (!socket_->waitForConnected(limited(options_.connectTimeoutMs))) return fail("connect: " + socket_->errorString());
    if (https && !static_cast<QSslSocket*>(socket_.get())->waitForEncrypted(limited(options_.connectTimeoutMs)))
      return fail("TLS: " + socket_->errorString());

    socket_->write(request(url));
    while (socket_->bytesToWrite() > 0)
      if (!socket_->waitForBytesWritten(limited(options_.readTimeoutMs))) return fail("write: " + socket_->errorString());

    // A closed connection ends an answer that has no length; a time-out fails it,
    // and so does the overall deadline, however fast the bytes still come.
    while (parser_.state() == HttpResponseParser::State::NeedMore) {
      if (clock_.elapsed() >= options_.totalTimeoutMs) return fail("no complete answer in time");
      if (readMore()) continue;
      if (socket_->state() == QAbstractSocket::ConnectedState) return fail("no complete answer in time");
      parser_.closed();
    }
    socket_->abort();
    return parser_.result();
  }

 private:
  int limited(int ms) const {
    const qint64 left = options_.totalTimeoutMs - clock_.elapsed();
    return static_cast<int>(std::clamp<qint64>(std::min<qint64>(ms, left), 0, ms));
  }

  HttpGetResult fail(const QString& why) { return fail(why.toStdString()); }
  HttpGetResult fail(const char* why) { return fail(std::string(why)); }
  HttpGetResult fail(std::string why) {
    if (socket_) socket_->abort();
    HttpGetResult r = parser_.result();
    r.ok = false;
    r.error = std::move(why);
    return r;
  }

  QByteArray request(const QUrl& url) const {
    QByteArray path = url.path(QUrl::FullyEncoded).toLatin1();
    if (path.isEmpty()) path = "/";
    if (url.hasQuery()) path += "?" + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (url.port() != -1) host += ":" + QByteArray::number(url.port());
    QByteArray r = "GET " + path + " HTTP/1.1\r\nHost: " + host + "\r\n";
    for (const auto& [name, value] : options_.headers)
      r += QByteArray::fromStdString(name) + ": " + QByteArray::fromStdString(value) + "\r\n";
    r += "Connection: close\r\n\r\n";
    return r;
  }

  // Hands what arrives within the read time-out to the parser; false when nothing more comes.
  bool readMore() {
    if (socket_->bytesAvailable() == 0 && !socket_->waitForReadyRead(limited(options_.readTimeoutMs))) return false;
    const QByteArray data = socket_->readAll();
    parser_.feed(std::string_view(data.constData(), size_t(data.size())));
    return !data.isEmpty();
  }

  const HttpGetOptions& options_;
  QElapsedTimer clock_;
  std::unique_ptr<QTcpSocket> socket_;
  HttpResponseParser parser_;
};

}  // namespace

HttpGetResult httpGet(const std::string& url, const HttpGetOptions& options) {
  const QUrl parsed(QString::fromStdString(url), QUrl::TolerantMode);
  if (!parsed.isValid() || parsed.host().isEmpty() ||
      (parsed.scheme() != QLatin1String("http") && parsed.scheme() != QLatin1String("https"))) {
    HttpGetResult r;
    r.error = "not an http or https address";
    return r;
  }
  return Exchange(options).run(parsed);
}

}  // namespace platform
