// The version check's answer parser, fed bytes: framing by length, by chunks and
// by the end of the connection, the body cap, and answers that lie about sizes.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/net/http_response.h"

namespace {

using platform::HttpResponseParser;
using platform::parseHttpResponse;

const std::string kChunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";

TEST(HttpResponse, AnswersAreFramedOrRefusedWithTheReason) {
  const struct {
    const char* what;
    std::string answer;
    bool ok;
    int status;
    std::string body;
    const char* error;
  } cases[] = {
      {"length", "HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\nBETA93 and more", true, 200, "BETA93", ""},
      {"no length: up to the close", "HTTP/1.0 200 OK\r\n\r\nBETA93\r\n", true, 200, "BETA93\r\n", ""},
      {"chunks with an extension", kChunked + "3;x=y\r\nBET\r\n3\r\nA93\r\n0\r\n\r\n", true, 200, "BETA93", ""},
      {"not found", "HTTP/1.1 404 Not Found\r\nContent-Length: 2\r\n\r\nno", false, 404, "no", "HTTP status 404"},
      {"nothing", "", false, 0, "", "no complete answer"},
      {"no status", "HTTP/1.1\r\n\r\n", false, 0, "", "malformed answer"},
      {"not HTTP", "SMTP 200 OK\r\n\r\n", false, 0, "", "malformed answer"},
      {"status of letters", "HTTP/1.1 2x0 OK\r\n\r\n", false, 0, "", "malformed answer"},
      {"negative length", "HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\nx", false, 200, "", "malformed answer"},
      {"length beyond 64 bits", "HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999\r\n\r\n", false, 200, "",
       "malformed answer"},
      {"length longer than the body", "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nBETA", false, 200, "BETA",
       "body incomplete"},
      // A size whose sum with the line end overflows: the body is three bytes.
      {"chunk size at the top of 63 bits", kChunked + "7fffffffffffffff\r\nabc", false, 200, "abc",
       "body incomplete"},
      {"chunk size at the top of 64 bits", kChunked + "ffffffffffffffff\r\nabc", false, 200, "abc",
       "body incomplete"},
      {"chunk size beyond 64 bits", kChunked + "10000000000000000\r\nabc", false, 200, "", "body incomplete"},
      {"negative chunk size", kChunked + "-3\r\nabc\r\n0\r\n\r\n", false, 200, "", "body incomplete"},
      {"chunk size of letters", kChunked + "zz\r\n", false, 200, "", "body incomplete"},
      {"chunk longer than said", kChunked + "2\r\nabc\r\n0\r\n\r\n", false, 200, "ab", "body incomplete"},
      {"no last chunk", kChunked + "3\r\nabc\r\n", false, 200, "abc", "body incomplete"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const platform::HttpGetResult r = parseHttpResponse(c.answer, 64 * 1024);
    EXPECT_EQ(r.ok, c.ok);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.body, c.body);
    EXPECT_EQ(r.error, c.error);
  }
}

TEST(HttpResponse, BytesMayArriveOneAtATime) {
  // The last chunk's size line ends the answer; trailers are not waited for.
  const std::string answer = kChunked + "6\r\nBETA93\r\n0\r\n";
  HttpResponseParser parser(64 * 1024);
  for (size_t i = 0; i + 1 < answer.size(); ++i)
    ASSERT_EQ(parser.feed(answer.substr(i, 1)), HttpResponseParser::State::NeedMore) << i;
  EXPECT_EQ(parser.feed(answer.substr(answer.size() - 1)), HttpResponseParser::State::Done);
  EXPECT_EQ(parser.result().body, "BETA93");
}

TEST(HttpResponse, TheBodyStopsAtItsCapAndIsTakenAsComplete) {
  const struct {
    const char* what;
    std::string answer;
  } cases[] = {
      {"length", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n" + std::string(100, 'x')},
      {"no length, still open", "HTTP/1.1 200 OK\r\n\r\n" + std::string(100, 'x')},
      {"one big chunk", kChunked + "7fffffffffffffff\r\n" + std::string(100, 'x')},
      {"small chunks", kChunked + "5\r\nxxxxx\r\n5\r\nxxxxx\r\n5\r\nxxxxx\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HttpResponseParser parser(8);
    EXPECT_EQ(parser.feed(c.answer), HttpResponseParser::State::Done);
    EXPECT_TRUE(parser.result().ok);
    EXPECT_EQ(parser.result().body, "xxxxxxxx");
  }
}

// However an answer is cut, each byte costs the parser a few steps at most
// (appended, searched up to four times when it comes alone, moved once, taken
// into the body): a megabyte of one-byte chunks fed whole, and a long head and
// chunk extensions fed a byte at a time.
TEST(HttpResponse, TheParsersWorkGrowsWithTheBytesFedOnly) {
  std::string oneByteChunks = kChunked;
  for (int i = 0; i < 200 * 1000; ++i) oneByteChunks += "1\r\nx\r\n";
  oneByteChunks += "0\r\n\r\n";
  const std::string longHead = "HTTP/1.1 200 OK\r\nX: " + std::string(15 * 1024, 'a') + "\r\n\r\nBETA93";
  std::string longExtensions = kChunked;
  for (int i = 0; i < 8; ++i) longExtensions += "1;" + std::string(15 * 1024, 'e') + "\r\nx\r\n";
  longExtensions += "0\r\n\r\n";
  const struct {
    const char* what;
    const std::string& answer;
    size_t piece;
    size_t body;
  } cases[] = {
      {"one-byte chunks, whole", oneByteChunks, oneByteChunks.size(), 200 * 1000},
      {"one-byte chunks, 1000 bytes at a time", oneByteChunks, 1000, 200 * 1000},
      {"a long head, a byte at a time", longHead, 1, 6},
      {"long chunk extensions, a byte at a time", longExtensions, 1, 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HttpResponseParser parser(1 << 20);
    for (size_t at = 0; at < c.answer.size(); at += c.piece) parser.feed(std::string_view(c.answer).substr(at, c.piece));
    parser.closed();
    ASSERT_TRUE(parser.result().ok) << parser.result().error;
    EXPECT_EQ(parser.result().body.size(), c.body);
    EXPECT_LE(parser.work(), 8 * c.answer.size());
  }
}

TEST(HttpResponse, AHeadThatNeverEndsIsRefused) {
  HttpResponseParser parser(64 * 1024);
  EXPECT_EQ(parser.feed("HTTP/1.1 200 OK\r\nX: " + std::string(20 * 1024, 'a')), HttpResponseParser::State::Failed);
  EXPECT_EQ(parser.result().error, "header too long");
}

}  // namespace
