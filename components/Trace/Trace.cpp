#include "components/Trace/Trace.h"

#include <utility>


namespace {
TraceListener& listener() {
  static TraceListener l;
  return l;
}
constexpr size_t kMaxTraceLength = 255;  // the viewer's buffer holds 255 characters and a zero
}  // namespace

void Trace(std::string_view text) {
  auto& l = listener();
  if (!l) return;
  l(std::string(text.substr(0, kMaxTraceLength)));
}

void setTraceListener(TraceListener l) { listener() = std::move(l); }

