#pragma once
// One blocking HTTP GET, as the launcher's version check needs it: a connect
// time-out (name look-up included) as well as a read time-out, an overall
// deadline and a cap on the body, so that a dead network cannot hang the start.
#include <string>
#include <utility>
#include <vector>

#include "platform/net/http_response.h"

namespace platform {

struct HttpGetOptions {
  std::vector<std::pair<std::string, std::string>> headers;  // sent in this order
  int connectTimeoutMs = 1000;
  int readTimeoutMs = 1000;   // longest wait for the next bytes
  int totalTimeoutMs = 2000;  // the whole exchange
  size_t maxBodyBytes = 64 * 1024;
};

// http:// and https:// addresses; anything else fails. Runs on the calling thread.
HttpGetResult httpGet(const std::string& url, const HttpGetOptions& options);

}  // namespace platform
