#pragma once
// The transport to a trace viewer in another process: a local datagram socket
// in the file system, bound by the viewer. Each line is one datagram of the
// text and its terminating zero (at most 256 bytes).
#include <string>
#include <string_view>

// "$XDG_RUNTIME_DIR/TfrmZEZTrace.ZEZ Trace", or the same name under /tmp with
// the user id when there is no runtime folder.
std::string defaultTraceSocketPath();
// Where Trace sends; an empty path sends nothing.
void setTraceSocketPath(std::string path);
const std::string& traceSocketPath();

// Sends one line without waiting; returns false (and nothing happens) when no
// viewer listens at the path.
bool sendToTraceViewer(std::string_view text);
