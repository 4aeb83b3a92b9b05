#include "platform/qt/net/http_get.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QSslSocket>
#include <QTcpSocket>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace platform {

namespace {

constexpr qsizetype kMaxHeaderBytes = 16 * 1024;

class Exchange {
 public:
  Exchange(const HttpGetOptions& options) : options_(options) { clock_.start(); }

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

    qsizetype headerEnd = -1;
    while ((headerEnd = buffer_.indexOf("\r\n\r\n")) < 0) {
      if (buffer_.size() > kMaxHeaderBytes) return fail("header too long");
      if (!readMore()) return fail("no complete answer");
    }
    if (!parseHead(buffer_.left(headerEnd))) return fail("malformed answer");
    buffer_.remove(0, headerEnd + 4);

    const bool bodyOk = chunked_ ? readChunked() : readPlain();
    if (!bodyOk) return fail("body incomplete");
    result_.ok = result_.status >= 200 && result_.status < 300;
    if (!result_.ok) result_.error = "HTTP status " + std::to_string(result_.status);
    return result_;
  }

 private:
  int limited(int ms) const {
    const qint64 left = options_.totalTimeoutMs - clock_.elapsed();
    return static_cast<int>(std::clamp<qint64>(std::min<qint64>(ms, left), 0, ms));
  }

  HttpGetResult fail(const QString& why) { return fail(why.toStdString()); }
  HttpGetResult fail(const char* why) { return fail(std::string(why)); }
  HttpGetResult fail(std::string why) {
    result_.ok = false;
    result_.error = std::move(why);
    if (socket_) socket_->abort();
    return result_;
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

  // Appends what arrives within the read time-out; false when nothing more comes.
  bool readMore() {
    if (socket_->bytesAvailable() == 0 && !socket_->waitForReadyRead(limited(options_.readTimeoutMs))) return false;
    const QByteArray data = socket_->readAll();
    buffer_ += data;
    return !data.isEmpty();
  }

  bool parseHead(const QByteArray& head) {
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> status = lines.value(0).trimmed().split(' ');
    if (status.size() < 2 || !status[0].startsWith("HTTP/")) return false;
    bool ok = false;
    result_.status = status[1].toInt(&ok);
    if (!ok) return false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
      const qsizetype colon = lines[i].indexOf(':');
      if (colon <= 0) continue;
      const QByteArray name = lines[i].left(colon).trimmed().toLower();
      const QByteArray value = lines[i].mid(colon + 1).trimmed();
      if (name == "content-length") {
        contentLength_ = value.toLongLong(&ok);
        if (!ok || contentLength_ < 0) return false;
      } else if (name == "transfer-encoding" && value.toLower().contains("chunked")) {
        chunked_ = true;
      }
    }
    return true;
  }

  bool full() const { return result_.body.size() >= options_.maxBodyBytes; }

  void take(qsizetype n) {
    const size_t room = options_.maxBodyBytes - result_.body.size();
    const size_t count = std::min<size_t>(room, static_cast<size_t>(n));
    result_.body.append(buffer_.constData(), count);
    buffer_.remove(0, n);
  }

  bool readPlain() {
    for (;;) {
      qsizetype want = buffer_.size();
      if (contentLength_ >= 0) want = std::min<qint64>(want, contentLength_ - qint64(received_));
      received_ += static_cast<size_t>(want);
      take(want);
      if (full()) return true;  // enough of it: the rest is never read
      if (contentLength_ >= 0 && qint64(received_) >= contentLength_) return true;
      if (!readMore()) return contentLength_ < 0 && socket_->state() != QAbstractSocket::ConnectedState;
    }
  }

  bool readChunked() {
    for (;;) {
      qsizetype lineEnd;
      while ((lineEnd = buffer_.indexOf("\r\n")) < 0) {
        if (buffer_.size() > kMaxHeaderBytes || !readMore()) return false;
      }
      bool ok = false;
      const qint64 size = buffer_.left(lineEnd).split(';').value(0).trimmed().toLongLong(&ok, 16);
      if (!ok || size < 0) return false;
      buffer_.remove(0, lineEnd + 2);
      if (size == 0) return true;
      while (buffer_.size() < size + 2) {
        if (result_.body.size() + static_cast<size_t>(buffer_.size()) >= options_.maxBodyBytes) {
          take(buffer_.size());
          return true;
        }
        if (!readMore()) return false;
      }
      take(size);
      buffer_.remove(0, 2);
      if (full()) return true;
    }
  }

  const HttpGetOptions& options_;
  QElapsedTimer clock_;
  std::unique_ptr<QTcpSocket> socket_;
  QByteArray buffer_;
  HttpGetResult result_;
  qint64 contentLength_ = -1;
  bool chunked_ = false;
  size_t received_ = 0;
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
