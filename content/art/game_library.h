#pragma once
// The level image library of the default game ("sprites\game.iml") as an image
// library object, ready to be written.
#include "components/GKILib/TGKImages.h"

namespace art {

TGKImages makeGameLibrary();

}  // namespace art
