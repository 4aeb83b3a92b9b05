// tqart OUT.iml: draws the level image library of the default game and writes it.
#include <exception>
#include <iostream>

#include "content/art/game_library.h"
#include "content/pixelart/image_library.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: tqart OUT.iml\n";
    return 2;
  }
  try {
    pixelart::writeImageLibrary(argv[1], art::makeGameLibrary());
  } catch (const std::exception& e) {
    std::cerr << "tqart: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
