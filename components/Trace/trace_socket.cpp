#include "components/Trace/trace_socket.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace {

std::string& socketPath() {
  static std::string path = defaultTraceSocketPath();
  return path;
}

}  // namespace

std::string defaultTraceSocketPath() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime) return std::string(runtime) + "/TfrmZEZTrace.ZEZ Trace";
  return "/tmp/TfrmZEZTrace.ZEZ Trace." + std::to_string(getuid());
}

void setTraceSocketPath(std::string path) { socketPath() = std::move(path); }
const std::string& traceSocketPath() { return socketPath(); }

bool sendToTraceViewer(std::string_view text) {
  const std::string& path = socketPath();
  sockaddr_un address{};
  if (path.empty() || path.size() >= sizeof address.sun_path) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.data(), path.size());

  const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  std::string datagram(text);
  datagram.push_back('\0');  // the viewer receives the text with its zero
  const ssize_t sent = sendto(fd, datagram.data(), datagram.size(), MSG_DONTWAIT | MSG_NOSIGNAL,
                              reinterpret_cast<const sockaddr*>(&address), sizeof address);
  close(fd);
  return sent == ssize_t(datagram.size());
}
