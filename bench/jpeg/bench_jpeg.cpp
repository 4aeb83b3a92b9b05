// Decoding the launcher's logo, as it does at every start: the default game's,
// a real progressive picture of the largest accepted size, and logos of a few
// KB whose 300 empty scans cover that size 100 to 300 times, in each coding.
// The hostile ones are refused at the decoder's work budget; the counters give
// the blocks and restarts the decode covered and whether it gave a picture.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/jpeg/jpeg_decoder.h"
#include "tests/support/stall_inputs.h"

namespace {

void decodeEachIteration(benchmark::State& state, const std::string& bytes) {
  platform::JpegWork work;
  bool decoded = false;
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(platform::decodeJpeg(bytes, &work));
      decoded = true;
    } catch (const platform::JpegError&) {
      decoded = false;
    }
  }
  state.counters["bytes"] = double(bytes.size());
  state.counters["scans"] = work.scans;
  state.counters["blocks"] = double(work.blocks);
  state.counters["restarts"] = double(work.restarts);
  state.counters["decoded"] = decoded;
}

void BM_DecodeDefaultLogo(benchmark::State& state) {
  std::ifstream in(std::string(TQ_STAGE_DIR) + "/bitmaps/logo.jpg", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.empty()) {
    state.SkipWithError("no staged logo");
    return;
  }
  decodeEachIteration(state, bytes);
}
BENCHMARK(BM_DecodeDefaultLogo)->Unit(benchmark::kMillisecond);

// 4096 x 4096 in full colour, progressive: the most a real picture the decoder
// accepts costs it.
void BM_DecodeLargestProgressivePicture(benchmark::State& state) {
  constexpr int kSide = 4096;
  const std::string bytes = stallinputs::compressJpeg(
      kSide, kSide, 3,
      [](jpeg_compress_struct& c) {
        for (int i = 0; i < 3; ++i) c.comp_info[i].h_samp_factor = c.comp_info[i].v_samp_factor = 1;
        jpeg_simple_progression(&c);
      },
      [](int y, unsigned char* row) {
        for (int x = 0; x < kSide; ++x) {
          row[x * 3] = uint8_t(x);
          row[x * 3 + 1] = uint8_t(y);
          row[x * 3 + 2] = uint8_t(x ^ y);
        }
      });
  decodeEachIteration(state, bytes);
}
BENCHMARK(BM_DecodeLargestProgressivePicture)->Unit(benchmark::kMillisecond);

// BM_DecodeHostileLogo/<form>, one per form of the stall inputs.
const bool kHostileLogosRegistered = [] {
  for (const stallinputs::StallJpeg& f : stallinputs::stallJpegs(4096, 4096, platform::kMaxJpegScans)) {
    const std::string bytes = jpegmarkers::write(f.picture);
    benchmark::RegisterBenchmark((std::string("BM_DecodeHostileLogo/") + f.name).c_str(),
                                 [bytes](benchmark::State& state) { decodeEachIteration(state, bytes); })
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
