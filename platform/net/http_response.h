#pragma once
// The reading of an HTTP/1.1 answer, apart from the socket that delivers it:
// the status line, the headers that frame the body (Content-Length, chunked
// transfer encoding) and the body up to a cap. Every size the peer sends is
// checked before it is used, since anyone on the path may answer.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

struct HttpGetResult {
  bool ok = false;        // a complete 2xx answer was read
  int status = 0;         // HTTP status, 0 when none arrived
  std::string body;       // the body, chunked encoding removed
  std::string error;      // why it failed, for diagnostics
};

class HttpResponseParser {
 public:
  enum class State { NeedMore, Done, Failed };

  explicit HttpResponseParser(size_t maxBodyBytes) : maxBodyBytes_(maxBodyBytes) {}

  // Takes the next bytes of the answer; bytes after the end are ignored.
  State feed(std::string_view bytes);
  // The peer closed the connection: an answer without a length ends here,
  // any other unfinished answer fails.
  State closed();
  State state() const { return state_; }

  // The answer so far; ok once it is complete with a 2xx status.
  HttpGetResult result() const;
  // The bytes appended, searched, moved and copied so far: the parser's work,
  // which stays within a few times the bytes fed however they are cut.
  uint64_t work() const { return work_; }

 private:
  enum class Part { Head, Plain, ChunkSize, ChunkData, ChunkEnd, End };

  State fail(std::string why);
  State advance();
  bool parseHead(std::string_view head);
  bool parseChunkSize(std::string_view line);
  // The bytes fed and not yet read.
  std::string_view unread() const { return std::string_view(buffer_).substr(start_); }
  // The offset in unread() of the first `end`, or npos; each byte is searched
  // once however the bytes arrive, since the search resumes where it stopped.
  size_t findUnread(std::string_view end);
  // Marks n unread bytes as read.
  void skip(size_t n);
  // Moves up to n unread bytes into the body (beyond the cap they are dropped).
  void take(size_t n);
  bool full() const { return body_.size() >= maxBodyBytes_; }
  State done();

  size_t maxBodyBytes_;
  State state_ = State::NeedMore;
  Part part_ = Part::Head;
  // The bytes fed; those before start_ are read, and are dropped only once
  // they are at least half of it, so no byte is moved more than once or twice.
  std::string buffer_;
  size_t start_ = 0;
  size_t searched_ = 0;  // unread bytes known not to begin the end searched for
  uint64_t work_ = 0;
  std::string body_;
  std::string error_;
  int status_ = 0;
  bool hasLength_ = false;
  uint64_t left_ = 0;  // bytes still due of the body (Content-Length) or of the chunk
};

// The whole answer at once, as a socket closed after it would deliver it.
HttpGetResult parseHttpResponse(std::string_view bytes, size_t maxBodyBytes);

}  // namespace platform
