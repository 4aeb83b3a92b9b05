#include "platform/net/http_response.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <utility>

namespace platform {

namespace {

// Longest head, and longest chunk-size line, waited for.
constexpr size_t kMaxHeaderBytes = 16 * 1024;

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

bool containsNoCase(std::string_view text, std::string_view word) {
  if (word.size() > text.size()) return false;
  for (size_t i = 0; i + word.size() <= text.size(); ++i)
    if (equalsNoCase(text.substr(i, word.size()), word)) return true;
  return false;
}

// A whole field of digits in the given base; false for anything else, an
// empty field or a value beyond 64 bits.
bool parseNumber(std::string_view field, int base, uint64_t& value) {
  if (field.empty()) return false;
  const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value, base);
  return ec == std::errc() && end == field.data() + field.size();
}

}  // namespace

HttpResponseParser::State HttpResponseParser::feed(std::string_view bytes) {
  if (state_ != State::NeedMore) return state_;
  if (start_ > 0 && start_ >= buffer_.size() - start_) {
    work_ += buffer_.size() - start_;
    buffer_.erase(0, start_);
    start_ = 0;
  }
  work_ += bytes.size();
  buffer_.append(bytes);
  return advance();
}

HttpResponseParser::State HttpResponseParser::closed() {
  if (state_ != State::NeedMore) return state_;
  if (part_ == Part::Plain && !hasLength_) return done();
  return fail(part_ == Part::Head ? "no complete answer" : "body incomplete");
}

HttpGetResult HttpResponseParser::result() const {
  HttpGetResult r;
  r.status = status_;
  r.body = body_;
  r.error = error_;
  r.ok = state_ == State::Done && status_ >= 200 && status_ < 300;
  if (state_ == State::Done && !r.ok) r.error = "HTTP status " + std::to_string(status_);
  return r;
}

HttpResponseParser::State HttpResponseParser::fail(std::string why) {
  state_ = State::Failed;
  error_ = std::move(why);
  buffer_.clear();
  start_ = 0;
  return state_;
}

HttpResponseParser::State HttpResponseParser::done() {
  state_ = State::Done;
  part_ = Part::End;
  buffer_.clear();
  start_ = 0;
  return state_;
}

size_t HttpResponseParser::findUnread(std::string_view end) {
  const std::string_view rest = unread();
  // A match may begin in the last bytes searched, before the new ones arrived.
  const size_t from = searched_ >= end.size() ? searched_ - (end.size() - 1) : 0;
  const size_t at = rest.find(end, from);
  work_ += (at == std::string_view::npos ? rest.size() : at + end.size()) - std::min(from, rest.size());
  searched_ = at == std::string_view::npos ? rest.size() : 0;
  return at;
}

void HttpResponseParser::skip(size_t n) {
  start_ += std::min(n, buffer_.size() - start_);
  searched_ = 0;
}

void HttpResponseParser::take(size_t n) {
  n = std::min(n, buffer_.size() - start_);
  const size_t room = maxBodyBytes_ - std::min(maxBodyBytes_, body_.size());
  const size_t kept = std::min(room, n);
  work_ += kept;
  body_.append(buffer_, start_, kept);
  skip(n);
}

HttpResponseParser::State HttpResponseParser::advance() {
  for (;;) {
    switch (part_) {
      case Part::Head: {
        const size_t end = findUnread("\r\n\r\n");
        if (end == std::string::npos) {
          if (unread().size() > kMaxHeaderBytes) return fail("header too long");
          return state_;
        }
        if (end > kMaxHeaderBytes || !parseHead(unread().substr(0, end))) return fail("malformed answer");
        skip(end + 4);
        break;
      }
      case Part::Plain: {
        const size_t n = hasLength_ ? size_t(std::min<uint64_t>(left_, unread().size())) : unread().size();
        take(n);
        if (hasLength_) left_ -= n;
        if (full() || (hasLength_ && left_ == 0)) return done();  // enough of it: the rest is never read
        return state_;
      }
      case Part::ChunkSize: {
        const size_t end = findUnread("\r\n");
        if (end == std::string::npos) {
          if (unread().size() > kMaxHeaderBytes) return fail("body incomplete");
          return state_;
        }
        if (!parseChunkSize(unread().substr(0, end))) return fail("body incomplete");
        skip(end + 2);
        if (left_ == 0) return done();  // the last chunk; trailers are not needed
        part_ = Part::ChunkData;
        break;
      }
      case Part::ChunkData: {
        const size_t n = size_t(std::min<uint64_t>(left_, unread().size()));
        take(n);
        left_ -= n;
        if (full()) return done();
        if (left_ > 0) return state_;
        part_ = Part::ChunkEnd;
        break;
      }
      case Part::ChunkEnd:
        if (unread().size() < 2) return state_;
        if (unread().substr(0, 2) != "\r\n") return fail("body incomplete");
        skip(2);
        part_ = Part::ChunkSize;
        break;
      case Part::End:
        return state_;
    }
  }
}

bool HttpResponseParser::parseHead(std::string_view head) {
  const size_t firstEnd = head.find('\n');
  const std::string_view statusLine = trimmed(head.substr(0, firstEnd));
  // "HTTP/1.1 200 OK": the version, then a status of three digits.
  const size_t space = statusLine.find(' ');
  if (space == std::string_view::npos || statusLine.substr(0, 5) != "HTTP/") return false;
  const std::string_view rest = statusLine.substr(space + 1);
  const std::string_view code = rest.substr(0, rest.find(' '));
  uint64_t status = 0;
  if (code.size() != 3 || !parseNumber(code, 10, status)) return false;
  status_ = int(status);

  bool chunked = false;
  std::string_view lines = firstEnd == std::string_view::npos ? std::string_view() : head.substr(firstEnd + 1);
  while (!lines.empty()) {
    const size_t end = lines.find('\n');
    const std::string_view line = lines.substr(0, end);
    lines = end == std::string_view::npos ? std::string_view() : lines.substr(end + 1);
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0) continue;
    const std::string_view name = trimmed(line.substr(0, colon)), value = trimmed(line.substr(colon + 1));
    if (equalsNoCase(name, "content-length")) {
      if (!parseNumber(value, 10, left_)) return false;
      hasLength_ = true;
    } else if (equalsNoCase(name, "transfer-encoding") && containsNoCase(value, "chunked")) {
      chunked = true;
    }
  }
  if (chunked) {
    hasLength_ = false;
    left_ = 0;
  }
  part_ = chunked ? Part::ChunkSize : Part::Plain;
  return true;
}

bool HttpResponseParser::parseChunkSize(std::string_view line) {
  // "1a2b; name=value": hexadecimal digits, any extension after a semicolon.
  return parseNumber(trimmed(line.substr(0, line.find(';'))), 16, left_);
}

HttpGetResult parseHttpResponse(std::string_view bytes, size_t maxBodyBytes) {
  HttpResponseParser parser(maxBodyBytes);
  if (parser.feed(bytes) == HttpResponseParser::State::NeedMore) parser.closed();
  return parser.result();
}

}  // namespace platform
