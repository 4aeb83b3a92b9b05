// The version check's HTTP answer, whole and as two pieces from the socket.
#include "fuzz/support/fuzz_support.h"
#include "platform/net/http_response.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view answer = inputText(data, size);
  platform::parseHttpResponse(answer, 64 * 1024);
  platform::HttpResponseParser parser(64);
  const size_t cut = size ? data[0] % size : 0;
  parser.feed(answer.substr(0, cut));
  parser.feed(answer.substr(cut));
  parser.closed();
  parser.result();
  return 0;
}
