#include "loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>

namespace {

int listenOnLoopback(int& port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) throw std::runtime_error("socket");
  const int one = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) throw std::runtime_error("bind");
  socklen_t len = sizeof addr;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  port = ntohs(addr.sin_port);
  return fd;
}

}  // namespace

LoopbackServer::LoopbackServer(Mode mode, std::string response, std::string flood)
    : mode_(mode), response_(std::move(response)), flood_(std::move(flood)) {
  listenFd_ = listenOnLoopback(port_);
  ::listen(listenFd_, 8);
  thread_ = std::thread([this] { run(); });
}

LoopbackServer::~LoopbackServer() {
  stop_ = true;
  thread_.join();
  for (int fd : openClients_) ::close(fd);
  ::close(listenFd_);
}

std::string LoopbackServer::url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> LoopbackServer::requests() {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

std::string LoopbackServer::response(const std::string& body, const std::string& status,
                                     const std::string& extraHeaders) {
  return "HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\n" + extraHeaders + "Connection: close\r\n\r\n" + body;
}

void LoopbackServer::run() {
  // Bounded: the server stops with its test, and never after 30 s.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!stop_ && std::chrono::steady_clock::now() < deadline) {
    pollfd p{listenFd_, POLLIN, 0};
    if (::poll(&p, 1, 20) <= 0) continue;
    const int client = ::accept(listenFd_, nullptr, nullptr);
    if (client < 0) continue;
    if (mode_ == Silent) {
      openClients_.push_back(client);  // held open, never answered
      continue;
    }
    std::string request;
    char buf[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
      pollfd c{client, POLLIN, 0};
      if (::poll(&c, 1, 2000) <= 0) break;
      const ssize_t n = ::recv(client, buf, sizeof buf, 0);
      if (n <= 0) break;
      request.append(buf, static_cast<size_t>(n));
    }
    {
      std::lock_guard<std::mutex> lock(mutex_);
      requests_.push_back(request);
    }
    ::send(client, response_.data(), response_.size(), MSG_NOSIGNAL);
    // Trickle: a byte now and then keeps every read time-out from firing.
    while (mode_ == Trickle && !stop_ && std::chrono::steady_clock::now() < deadline) {
      if (::send(client, "x", 1, MSG_NOSIGNAL) != 1) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    // Flood: the client's every read finds bytes waiting, until it hangs up.
    // Sends block (for 100 ms at most, to see the stop) while its buffer is full.
    const timeval wait{0, 100 * 1000};
    if (mode_ == Flood) ::setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    for (size_t sent = 0; mode_ == Flood && !flood_.empty() && !stop_ && std::chrono::steady_clock::now() < deadline;) {
      const ssize_t n = ::send(client, flood_.data() + sent, flood_.size() - sent, MSG_NOSIGNAL);
      if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) break;
      if (n > 0) sent = (sent + size_t(n)) % flood_.size();
    }
    ::shutdown(client, SHUT_WR);
    ::close(client);
  }
}

int refusedPort() {
  int port = 0;
  const int fd = listenOnLoopback(port);
  ::close(fd);  // bound but never listening, and now closed: connections are refused
  return port;
}
