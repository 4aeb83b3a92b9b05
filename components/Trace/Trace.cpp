#include "components/Trace/Trace.h"

#include <utility>

#include "components/Trace/trace_socket.h"


namespace {
TraceListener& listener() {
  static TraceListener l;
  return l;
}
constexpr size_t kMaxTraceLength = 255;  // the viewer's buffer holds 255 characters and a zero
}  // namespace

void Trace(std::string_view text) {
  const std::string_view line = text.substr(0, kMaxTraceLength);
  if (auto& l = listener()) l(std::string(line));
  sendToTraceViewer(line);
}

void setTraceListener(TraceListener l) { listener() = std::move(l); }

