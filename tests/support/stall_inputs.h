#pragma once
// Small files that once held a reader for seconds, written by the tests, the
// benchmarks and the fuzz seeds: a MIDI file of a long tempo map and JPEGs of
// many scans; and the JPEG library's compressor the tests' pictures are
// written with. Users of the compressor link the JPEG library.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "tests/sound/midi_fixture.h"
#include "tests/support/jpeg_markers.h"

namespace stallinputs {

// A format 0 file of `tempos` tempo changes (at least one), one a tick, and
// then `events` note events, one a tick, with running status: a reader that
// walks the tempo map for each event walks all of it.
inline std::vector<uint8_t> tempoMapMidi(int events, int tempos) {
  using soundtest::TrackEvent;
  std::vector<TrackEvent> track;
  for (int i = 0; i < tempos; ++i) track.push_back(soundtest::tempo(uint32_t(i), 400000 + uint32_t(i % 200) * 1000));
  const uint32_t first = uint32_t(tempos);
  track.push_back({first, {0xC0, 0x00}});
  for (int i = 0; i < events; ++i) {
    TrackEvent note{first + uint32_t(i), {uint8_t(48 + i / 2 % 24), uint8_t(i % 2 ? 0 : 90)}};  // on, then off
    if (i == 0) note.bytes.insert(note.bytes.begin(), 0x90);
    track.push_back(std::move(note));
  }
  return soundtest::midiFile(0, 96, {soundtest::trackChunk(track, first + uint32_t(events))});
}

// A format 0 file at 120 bpm (96 ticks a quarter) of `notes` note-ons on one
// tick, with running status (3 bytes each), and its end a second later.
inline std::vector<uint8_t> oneTickMidi(int notes) {
  std::vector<soundtest::TrackEvent> track = {{0, {0xC0, 0x00}}};
  for (int i = 0; i < notes; ++i) {
    soundtest::TrackEvent note{0, {uint8_t(24 + i % 84), uint8_t(1 + i % 127)}};
    if (i == 0) note.bytes.insert(note.bytes.begin(), 0x90);
    track.push_back(std::move(note));
  }
  return soundtest::midiFile(0, 96, {soundtest::trackChunk(track, 192)});
}

// A format 0 file at 120 bpm (96 ticks a quarter) whose first tick changes the
// programs of the 16 channels `changes` times (2 bytes each), and then plays a
// note from position 32 (the ninth beat, tick 768) to the end at tick 1536: a
// loop from 32 takes every change in.
inline std::vector<uint8_t> programChangesMidi(int changes) {
  std::vector<soundtest::TrackEvent> track;
  for (int i = 0; i < changes; ++i) {
    // 16 changes a channel in a row, running status.
    soundtest::TrackEvent change{0, {uint8_t(i % 128)}};
    if (i % 16 == 0) change.bytes.insert(change.bytes.begin(), uint8_t(0xC0 | (i / 16 % 16)));
    track.push_back(std::move(change));
  }
  track.push_back({768, {0x90, 60, 100}});
  track.push_back({1536, {0x80, 60, 0}});
  return soundtest::midiFile(0, 96, {soundtest::trackChunk(track, 1536)});
}

// The library's own compressor over a width x height picture of `components`
// (1 grey, 3 RGB): configure(c) sets what differs from the defaults, and
// fillRow(y, row) gives each row.
template <class Configure, class FillRow>
std::string compressJpeg(int width, int height, int components, Configure configure, FillRow fillRow) {
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &out, &size);
  c.image_width = JDIMENSION(width);
  c.image_height = JDIMENSION(height);
  c.input_components = components;
  c.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&c);
  configure(c);
  jpeg_start_compress(&c, TRUE);
  std::vector<unsigned char> row(static_cast<size_t>(width) * size_t(components));
  while (c.next_scanline < c.image_height) {
    fillRow(int(c.next_scanline), row.data());
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&c, &r, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  std::string bytes(reinterpret_cast<char*>(out), size);
  std::free(out);
  return bytes;
}

// A grey width x height progressive picture of `scans` empty scans (at least
// two): the DC scan, then scans of all AC coefficients, repeated as a
// hand-made file may: the library reads each over the whole picture, with a
// warning only.
inline std::string manyScanJpeg(int width, int height, int scans) {
  jpegmarkers::Picture p;
  p.frame = jpegmarkers::kProgressiveHuffman;
  p.width = width;
  p.height = height;
  p.scans.push_back({{0}, 0, 0, 0, 0});
  for (int i = 1; i < scans; ++i) p.scans.push_back({{0}, 1, 63, 0, 0});
  return jpegmarkers::write(p);
}

// Logos of a few KB that cost the decoder far more than their size: `scans`
// empty scans over a width x height picture of three components, in the forms
// slowest per block, Huffman and arithmetic coded: DC scans of all three
// components, sequential scans and AC refinement scans of one, with and
// without a restart interval of one MCU (its markers left out, as the file
// would have no room for them).
struct StallJpeg {
  const char* name;
  jpegmarkers::Picture picture;
};

inline std::vector<StallJpeg> stallJpegs(int width, int height, int scans) {
  using namespace jpegmarkers;
  const auto picture = [&](Frame frame, int restartInterval) {
    Picture p;
    p.frame = frame;
    p.width = width;
    p.height = height;
    p.components.assign(3, Component{});
    p.restartInterval = restartInterval;
    return p;
  };
  const auto dcScans = [&](Frame frame, int restartInterval) {
    Picture p = picture(frame, restartInterval);
    for (int i = 0; i < scans; ++i) p.scans.push_back({{0, 1, 2}, 0, 0, 0, 0});
    return p;
  };
  const auto sequentialScans = [&](Frame frame, int restartInterval) {
    Picture p = picture(frame, restartInterval);
    for (int i = 0; i < scans; ++i) p.scans.push_back({{i % 3}, 0, 63, 0, 0});
    return p;
  };
  // After the DC scan, refinements of one component's AC coefficients.
  const auto refinementScans = [&](Frame frame, int restartInterval) {
    Picture p = picture(frame, restartInterval);
    p.scans.push_back({{0, 1, 2}, 0, 0, 0, 0});
    for (int i = 1; i < scans; ++i) p.scans.push_back({{i % 3}, 1, 63, 1, 0});
    return p;
  };
  return {
      {"progressive_huffman_dc", dcScans(kProgressiveHuffman, 0)},
      {"progressive_huffman_dc_restarts", dcScans(kProgressiveHuffman, 1)},
      {"progressive_huffman_refinement", refinementScans(kProgressiveHuffman, 0)},
      {"sequential_huffman_restarts", sequentialScans(kBaseline, 1)},
      {"progressive_arithmetic_dc", dcScans(kProgressiveArithmetic, 0)},
      {"progressive_arithmetic_dc_restarts", dcScans(kProgressiveArithmetic, 1)},
      {"progressive_arithmetic_refinement_restarts", refinementScans(kProgressiveArithmetic, 1)},
      {"sequential_arithmetic", sequentialScans(kSequentialArithmetic, 0)},
  };
}

}  // namespace stallinputs
