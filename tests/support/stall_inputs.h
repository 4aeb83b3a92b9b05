#pragma once
// Small files that once held a reader for seconds, written by the tests, the
// benchmarks and the fuzz seeds: a MIDI file of a long tempo map and a
// progressive JPEG of many scans. Users link content_audio and the JPEG library.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "content/audio/midi_writer.h"

namespace stallinputs {

// A format 1 file: `events` note events (a note on and off every eighth) and as
// many tempo changes, one at each event's tick.
inline std::vector<uint8_t> tempoMapMidi(int events) {
  content::midi::Song song(96);
  song.addTrack("tempo");
  song.addTrack("notes");  // after this the tracks stay where they are
  content::midi::Track& conductor = song.tracks()[0];
  content::midi::Track& notes = song.tracks()[1];
  notes.program(0, 0, 0);
  for (int i = 0; i < events / 2; ++i) {
    const uint32_t tick = uint32_t(i) * 48;
    notes.note(tick, 24, 0, 48 + i % 24, 90);
    conductor.tempo(tick, 100 + i % 80);
    conductor.tempo(tick + 24, 110 + i % 70);
  }
  return song.encode();
}

// A grey width x height progressive picture of `scans` scans (at least two):
// the library's compressor writes the DC scan and one of all AC coefficients,
// and then the AC scan is repeated empty, as a hand-made file may: the library
// reads each over the whole picture, with a warning only.
inline std::string manyScanJpeg(int width, int height, int scans) {
  jpeg_scan_info script[2] = {{1, {0}, 0, 0, 0, 0}, {1, {0}, 1, 63, 0, 0}};
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &out, &size);
  c.image_width = JDIMENSION(width);
  c.image_height = JDIMENSION(height);
  c.input_components = 1;
  c.in_color_space = JCS_GRAYSCALE;
  jpeg_set_defaults(&c);
  c.scan_info = script;
  c.num_scans = 2;
  c.optimize_coding = TRUE;  // progressive scans need tables of their own
  jpeg_start_compress(&c, TRUE);
  std::vector<unsigned char> row(static_cast<size_t>(width));
  while (c.next_scanline < c.image_height) {
    for (int x = 0; x < width; ++x) row[size_t(x)] = uint8_t((x + int(c.next_scanline)) * 255 / (width + height));
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&c, &r, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  std::string bytes(reinterpret_cast<char*>(out), size);
  std::free(out);
  // Start of scan: component 1 with table 0, coefficients 1..63, no point transform.
  const std::string emptyScan("\xFF\xDA\x00\x08\x01\x01\x00\x01\x3F\x00", 10);
  std::string repeats;
  for (int i = 2; i < scans; ++i) repeats += emptyScan;
  bytes.insert(bytes.size() - 2, repeats);  // before the end of image
  return bytes;
}

}  // namespace stallinputs
