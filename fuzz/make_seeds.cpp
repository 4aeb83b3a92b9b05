// Seeds that no file of the game or the tests holds: the MIDI files and the
// JPEGs the tests write, and inputs that once held a reader for seconds.
//   make_fuzz_seeds midi|jpeg FOLDER
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "tests/sound/midi_fixture.h"
#include "tests/support/stall_inputs.h"

namespace {

void write(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::string_view asText(const std::vector<uint8_t>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_fuzz_seeds midi|jpeg FOLDER\n");
    return 2;
  }
  const std::string kind = argv[1];
  const std::filesystem::path folder = argv[2];
  std::filesystem::create_directories(folder);
  if (kind == "midi") {
    int i = 0;
    for (const soundtest::MidiTestFile& f : soundtest::midiTestFiles())
      write(folder / ("test_" + std::to_string(i++) + ".mid"), asText(f.bytes));
    // Just within the fuzzers' input size (256 KB): 18,000 tempo changes and 43,000 events after them.
    write(folder / "tempo_map.mid", asText(stallinputs::tempoMapMidi(43000, 18000)));
    // A tick of 85,000 notes, and 120,000 program changes before a loop's start.
    write(folder / "one_tick.mid", asText(stallinputs::oneTickMidi(85000)));
    write(folder / "program_changes.mid", asText(stallinputs::programChangesMidi(120000)));
  } else if (kind == "jpeg") {
    write(folder / "many_scans.jpg", stallinputs::manyScanJpeg(2048, 2048, 10000));
    write(folder / "ten_scans.jpg", stallinputs::manyScanJpeg(64, 64, 10));
    // Every coding the decoder reads, arithmetic and restart forms among them,
    // small and as logos of a few KB covering the largest picture 300 times;
    // the restart forms also with their markers written.
    for (stallinputs::StallJpeg f : stallinputs::stallJpegs(64, 48, 10)) {
      write(folder / (std::string(f.name) + ".jpg"), jpegmarkers::write(f.picture));
      if (f.picture.restartInterval == 0) continue;
      f.picture.restartMarkers = true;
      write(folder / (std::string(f.name) + "_marked.jpg"), jpegmarkers::write(f.picture));
    }
    for (const stallinputs::StallJpeg& f : stallinputs::stallJpegs(2048, 2048, 300))
      write(folder / (std::string(f.name) + "_2048.jpg"), jpegmarkers::write(f.picture));
    // Logos of 150 bytes of the largest area, whose cost is the output of every
    // pixel, and of four times it, refused from the header.
    for (const int side : {2048, 4096}) {
      jpegmarkers::Picture p;
      p.width = p.height = side;
      p.components.assign(3, jpegmarkers::Component{});
      p.scans.push_back({{0, 1, 2}, 0, 63, 0, 0});
      write(folder / ("full_size_" + std::to_string(side) + ".jpg"), jpegmarkers::write(p));
    }
  } else {
    std::fprintf(stderr, "make_fuzz_seeds: no seeds of kind %s\n", kind.c_str());
    return 2;
  }
  return 0;
}
