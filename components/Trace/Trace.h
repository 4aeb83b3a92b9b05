#pragma once
// The one-way debugging channel: a line of text goes to a trace viewer when one
// listens, and nowhere otherwise.
#include <functional>
#include <string>
#include <string_view>


// Sends text (Windows-1252), cut to its first 255 characters, to the listener
// and to a viewer listening on the trace socket (trace_socket.h).
void Trace(std::string_view text);

// An in-process viewer: receives each line as it would arrive (at most 255 characters).
using TraceListener = std::function<void(const std::string& text)>;
// An empty listener stops the channel.
void setTraceListener(TraceListener listener);

