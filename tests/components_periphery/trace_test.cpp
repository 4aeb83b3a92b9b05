#include "components/Trace/Trace.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "components/Trace/trace_socket.h"

namespace {

// A trace viewer bound at a path of the test's own.
class ViewerSocket {
 public:
  explicit ViewerSocket(std::string path) : path_(std::move(path)) {
    unlink(path_.c_str());
    fd_ = socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    std::strncpy(a.sun_path, path_.c_str(), sizeof a.sun_path - 1);
    bound_ = bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
  }
  ~ViewerSocket() {
    close(fd_);
    unlink(path_.c_str());
  }
  bool bound() const { return bound_; }
  // The next datagram, or empty when none is waiting.
  std::string receive() {
    char buffer[1024];
    const ssize_t n = recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
    return n > 0 ? std::string(buffer, size_t(n)) : std::string();
  }

 private:
  std::string path_;
  int fd_ = -1;
  bool bound_ = false;
};

class TraceChannel : public ::testing::Test {
 protected:
  void SetUp() override { setTraceSocketPath(path); }
  void TearDown() override { setTraceSocketPath(defaultTraceSocketPath()); }
  std::string path = ::testing::TempDir() + "zez-trace-" + std::to_string(getpid());
};

}  // namespace

TEST_F(TraceChannel, WithoutViewerNothingIsSent) {
  EXPECT_FALSE(sendToTraceViewer("nobody listens"));
  EXPECT_NO_THROW(Trace("nobody listens"));
  setTraceSocketPath("");
  EXPECT_FALSE(sendToTraceViewer("no path"));
}

TEST_F(TraceChannel, ViewerGetsTextWithItsZeroCutTo255) {
  ViewerSocket viewer(path);
  ASSERT_TRUE(viewer.bound());
  struct Case {
    std::string text;
    std::string arrives;
  } cases[] = {
      {"Flip Failed", std::string("Flip Failed") + '\0'},
      {"", std::string(1, '\0')},
      {std::string(255, 'b'), std::string(255, 'b') + '\0'},
      {std::string(300, 'a'), std::string(255, 'a') + '\0'},  // 256 bytes with the zero
      {"\xe1rbol \xf1", std::string("\xe1rbol \xf1") + '\0'},  // 8-bit text as it is
  };
  std::vector<std::string> heard;
  setTraceListener([&](const std::string& t) { heard.push_back(t); });
  for (const auto& c : cases) {
    Trace(c.text);
    EXPECT_EQ(viewer.receive(), c.arrives);
    EXPECT_EQ(heard.back() + '\0', c.arrives);
  }
  setTraceListener(nullptr);
  EXPECT_EQ(viewer.receive(), "");
}
