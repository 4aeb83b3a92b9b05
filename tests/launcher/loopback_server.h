#pragma once
// A tiny HTTP server on 127.0.0.1 for the version-check tests: it answers one
// canned response per connection, accepts and never answers, sends the
// response and then one more byte every 100 ms without ever ending, or sends
// it and then the flood text again and again as fast as the client reads. It
// runs on its own thread and stops when destroyed.
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LoopbackServer {
 public:
  enum Mode { Answer, Silent, Trickle, Flood };
  LoopbackServer(Mode mode, std::string response, std::string flood = "");
  ~LoopbackServer();

  int port() const { return port_; }
  std::string url(const std::string& path = "/recursos/version/version.txt") const;
  // The raw requests received so far.
  std::vector<std::string> requests();

  // A full response with the given status line text and body.
  static std::string response(const std::string& body, const std::string& status = "200 OK",
                              const std::string& extraHeaders = "");

 private:
  void run();
  Mode mode_;
  std::string response_;
  std::string flood_;
  int listenFd_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::string> requests_;
  std::vector<int> openClients_;
  std::thread thread_;
};

// A port on 127.0.0.1 where nothing listens: connecting is refused.
int refusedPort();
