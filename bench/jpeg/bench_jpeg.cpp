// Decoding the launcher's logo, as it does at every start: the default game's,
// a real progressive picture of the largest accepted area, logos of 200 bytes
// that say the largest area and four times it, and logos of a few KB whose 300
// empty scans cover the largest area many times, in each coding. The hostile
// ones are refused at the decoder's area bound or work budget; the counters
// give the blocks and restarts the decode covered, the pixels it gave and
// whether it gave a picture.
//
// CPU time per decode of an optimised build on the development machine: the
// largest progressive picture 43 ms; the 146-byte logo of the largest area
// 7 ms, and of 4096 x 4096 2 us, refused from its header (43 ms to decode
// 16.8 million pixels before the area was bounded, and the launcher's copies
// of the picture after it); the hostile logos 13 to 75 ms, the arithmetic
// coded sequential scans the slowest.
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
  double pixels = 0;
  for (auto _ : state) {
    try {
      const platform::Bitmap bmp = platform::decodeJpeg(bytes, &work);
      benchmark::DoNotOptimize(bmp.pixels.data());
      pixels = double(bmp.width) * bmp.height;
      decoded = true;
    } catch (const platform::JpegError&) {
      pixels = 0;
      decoded = false;
    }
  }
  state.counters["bytes"] = double(bytes.size());
  state.counters["scans"] = work.scans;
  state.counters["blocks"] = double(work.blocks);
  state.counters["restarts"] = double(work.restarts);
  state.counters["pixels"] = pixels;
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

// The side of the largest square picture decoded.
constexpr int kLargestSide = 2048;
static_assert(uint64_t(kLargestSide) * kLargestSide == platform::kMaxJpegPixels);

// 2048 x 2048 in full colour, progressive: the most a real picture the decoder
// accepts costs it.
void BM_DecodeLargestProgressivePicture(benchmark::State& state) {
  constexpr int kSide = kLargestSide;
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

// A baseline logo of about 200 bytes whose one empty scan covers side x side:
// what it costs is the output of every pixel.
void BM_DecodeSmallFullSizeLogo(benchmark::State& state) {
  jpegmarkers::Picture p;
  p.width = p.height = int(state.range(0));
  p.components.assign(3, jpegmarkers::Component{});
  p.scans.push_back({{0, 1, 2}, 0, 63, 0, 0});
  decodeEachIteration(state, jpegmarkers::write(p));
}
BENCHMARK(BM_DecodeSmallFullSizeLogo)->Arg(kLargestSide)->Arg(2 * kLargestSide)->Unit(benchmark::kMillisecond);

// BM_DecodeHostileLogo/<form>, one per form of the stall inputs.
const bool kHostileLogosRegistered = [] {
  for (const stallinputs::StallJpeg& f : stallinputs::stallJpegs(kLargestSide, kLargestSide, platform::kMaxJpegScans)) {
    const std::string bytes = jpegmarkers::write(f.picture);
    benchmark::RegisterBenchmark((std::string("BM_DecodeHostileLogo/") + f.name).c_str(),
                                 [bytes](benchmark::State& state) { decodeEachIteration(state, bytes); })
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
