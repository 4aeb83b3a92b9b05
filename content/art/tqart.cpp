// tqart OUT.iml: draws the level image library of the default game and writes it.
#include <exception>
#include <iostream>
#include <sstream>

#include "content/art/game_library.h"
#include "platform/core/ini_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: tqart OUT.iml\n";
    return 2;
  }
  try {
    std::ostringstream bytes;
    art::makeGameLibrary().WriteToStream(bytes);
    platform::writeFileAtomically(argv[1], bytes.str());
  } catch (const std::exception& e) {
    std::cerr << "tqart: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
