#pragma once
// The one-way debugging channel: a line of text goes to a trace viewer when one
// listens, and nowhere otherwise.
#include <functional>
#include <string>
#include <string_view>


// Sends text (Windows-1252), cut to its first 255 characters.
void Trace(std::string_view text);

// The viewer: receives each line as it would arrive (at most 255 characters).
using TraceListener = std::function<void(const std::string& text)>;
// An empty listener stops the channel.
void setTraceListener(TraceListener listener);

