#pragma once
// A JPEG written marker by marker, with no picture in it: a frame of any coding
// (Huffman or arithmetic, sequential or progressive), one quantisation table,
// the Huffman tables the scans name, an optional restart interval, and scans
// whose entropy-coded segments are empty. The decoder reads such a file to the
// end, with warnings only, and walks every block of every scan: what a scan
// costs it is the blocks the scan covers and its restarts, whatever the
// file's size. Used by the
// tests, the benchmarks and the fuzz seeds.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace jpegmarkers {

// The start-of-frame markers.
enum Frame : uint8_t {
  kBaseline = 0xC0,
  kProgressiveHuffman = 0xC2,
  kSequentialArithmetic = 0xC9,
  kProgressiveArithmetic = 0xCA,
};

struct Component {
  int h = 1, v = 1;  // sampling factors
};

struct Scan {
  std::vector<int> components;  // indexes into Picture::components, in order
  int ss = 0, se = 63, ah = 0, al = 0;
};

struct Picture {
  Frame frame = kBaseline;
  int width = 8, height = 8;
  std::vector<Component> components{Component{}};
  int restartInterval = 0;      // in MCUs; 0: none
  bool restartMarkers = false;  // write the markers between the (empty) intervals
  std::vector<Scan> scans;
};

inline bool arithmetic(const Picture& p) { return p.frame == kSequentialArithmetic || p.frame == kProgressiveArithmetic; }

inline uint64_t roundUpDiv(uint64_t a, uint64_t b) { return (a + b - 1) / b; }

// The MCUs of a scan and the blocks of one, as the decoder lays them out: one
// component's blocks one by one, or several components' interleaved in MCUs
// of the largest sampling factors.
struct ScanLayout {
  uint64_t mcus = 0;
  uint64_t blocksPerMcu = 0;
  uint64_t blocks() const { return mcus * blocksPerMcu; }
  // The restart markers between the intervals of `interval` MCUs (0: none).
  uint64_t restarts(int interval) const { return interval > 0 ? roundUpDiv(mcus, uint64_t(interval)) - 1 : 0; }
};

inline ScanLayout scanLayout(const Picture& p, const Scan& s) {
  int maxH = 1, maxV = 1;
  for (const Component& c : p.components) {
    maxH = std::max(maxH, c.h);
    maxV = std::max(maxV, c.v);
  }
  if (s.components.size() == 1) {
    const Component& c = p.components[size_t(s.components[0])];
    const uint64_t across = roundUpDiv(uint64_t(p.width) * uint64_t(c.h), uint64_t(maxH) * 8);
    const uint64_t down = roundUpDiv(uint64_t(p.height) * uint64_t(c.v), uint64_t(maxV) * 8);
    return {across * down, 1};
  }
  ScanLayout layout{roundUpDiv(uint64_t(p.width), uint64_t(maxH) * 8) * roundUpDiv(uint64_t(p.height), uint64_t(maxV) * 8), 0};
  for (int i : s.components) layout.blocksPerMcu += uint64_t(p.components[size_t(i)].h * p.components[size_t(i)].v);
  return layout;
}

// The blocks all the scans cover, and the restarts between their intervals.
inline uint64_t blocksCovered(const Picture& p) {
  uint64_t total = 0;
  for (const Scan& s : p.scans) total += scanLayout(p, s).blocks();
  return total;
}
inline uint64_t restartsIn(const Picture& p) {
  uint64_t total = 0;
  for (const Scan& s : p.scans) total += scanLayout(p, s).restarts(p.restartInterval);
  return total;
}

namespace detail {

inline void put16(std::string& out, int v) {
  out += char((v >> 8) & 0xFF);
  out += char(v & 0xFF);
}

inline void marker(std::string& out, uint8_t code, const std::string& body) {
  out += '\xFF';
  out += char(code);
  put16(out, int(body.size()) + 2);
  out += body;
}

// A table of one code, "0", for symbol 0: DC difference 0, or end of block.
inline std::string oneCodeTable(int tableClass) {
  std::string t;
  t += char(tableClass << 4);
  t += '\x01';
  t += std::string(15, '\0');
  t += '\0';
  return t;
}

}  // namespace detail

inline std::string write(const Picture& p) {
  using detail::marker;
  using detail::put16;
  std::string out("\xFF\xD8", 2);
  marker(out, 0xDB, std::string(1, '\0') + std::string(64, '\x01'));  // table 0, 8-bit, all ones
  if (!arithmetic(p)) marker(out, 0xC4, detail::oneCodeTable(0) + detail::oneCodeTable(1));
  std::string frame;
  frame += '\x08';
  put16(frame, p.height);
  put16(frame, p.width);
  frame += char(p.components.size());
  for (size_t i = 0; i < p.components.size(); ++i) {
    frame += char(i + 1);
    frame += char(p.components[i].h << 4 | p.components[i].v);
    frame += '\0';
  }
  marker(out, p.frame, frame);
  if (p.restartInterval > 0) {
    std::string dri;
    put16(dri, p.restartInterval);
    marker(out, 0xDD, dri);
  }
  for (const Scan& s : p.scans) {
    std::string sos;
    sos += char(s.components.size());
    for (int i : s.components) {
      sos += char(i + 1);
      sos += '\0';  // DC and AC table 0
    }
    sos += char(s.ss);
    sos += char(s.se);
    sos += char(s.ah << 4 | s.al);
    marker(out, 0xDA, sos);
    if (p.restartMarkers) {
      const uint64_t restarts = scanLayout(p, s).restarts(p.restartInterval);
      for (uint64_t i = 0; i < restarts; ++i) {
        out += '\xFF';
        out += char(0xD0 + i % 8);
      }
    }
  }
  out += "\xFF\xD9";
  return out;
}

}  // namespace jpegmarkers
