#pragma once
// The list classes' index check.
#include <stdexcept>
#include <string>

inline void checkListIndex(int index, int count) {
  if (index < 0 || index >= count)
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}
