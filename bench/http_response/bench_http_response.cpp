// The version check's answer parser on the answer that costs it most per byte:
// one-byte chunks, fed whole as a fast peer delivers them, and in 1460-byte
// pieces as a network does. The time per byte stays the same from 60 KB to
// 6 MB (the fitted complexity is linear); the counters give the bytes and the
// parser's own count of its work.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "platform/net/http_response.h"

namespace {

std::string oneByteChunks(int64_t chunks) {
  std::string answer = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
  answer.reserve(answer.size() + size_t(chunks) * 6 + 5);
  for (int64_t i = 0; i < chunks; ++i) answer += "1\r\nx\r\n";
  return answer + "0\r\n\r\n";
}

void parseInPieces(benchmark::State& state, size_t piece) {
  const std::string answer = oneByteChunks(state.range(0));
  uint64_t work = 0;
  for (auto _ : state) {
    platform::HttpResponseParser parser(size_t(state.range(0)));
    const std::string_view bytes(answer);
    for (size_t at = 0; at < bytes.size(); at += piece) parser.feed(bytes.substr(at, piece));
    benchmark::DoNotOptimize(parser.state());
    work = parser.work();
  }
  state.SetComplexityN(int64_t(answer.size()));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(answer.size()));
  state.counters["bytes"] = double(answer.size());
  state.counters["work_per_byte"] = double(work) / double(answer.size());
}

void BM_ParseOneByteChunksWhole(benchmark::State& state) { parseInPieces(state, std::string::npos); }
BENCHMARK(BM_ParseOneByteChunksWhole)->RangeMultiplier(10)->Range(10 * 1000, 1000 * 1000)
    ->Unit(benchmark::kMillisecond)->Complexity();

void BM_ParseOneByteChunksInPackets(benchmark::State& state) { parseInPieces(state, 1460); }
BENCHMARK(BM_ParseOneByteChunksInPackets)->RangeMultiplier(10)->Range(10 * 1000, 1000 * 1000)
    ->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
