#pragma once
// Animations of the sprite manager: up to 32 direction sequences of frames each.
// A sprite shows frame `Frame` of sequence `Sequence` of animation `Animation`.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "components/gkspts/directions.h"

constexpr int kMaxSequenceFrames = 32;

struct TGKSequence {
  int32_t Delay = 0;  // milliseconds between frames
  int32_t Count = 0;  // frames in use, 1..32
  std::array<int32_t, kMaxSequenceFrames> Frames{};  // image indexes of the screen's image surfaces
};

class TGKAnimation {
 public:
  TGKAnimation(std::string name, bool looping) : Name(std::move(name)), Looping(looping) {}

  std::string Name;  // given by the game; not used here
  bool Looping;      // wrap to frame 0, else hold the last frame and report the end

  // Defines (or overwrites) the sequence of one direction. Throws EGKSprite for a
  // direction outside 0..31 and for a frame list that is empty or longer than 32.
  void DefineSequence(int direction, int delay, std::span<const uint16_t> frames);
  void DefineSequence(int direction, int delay, std::initializer_list<uint16_t> frames) {
    DefineSequence(direction, delay, std::span<const uint16_t>(frames.begin(), frames.size()));
  }
  // The same sequence for each of the 32 directions.
  void DefineAllSequences(int delay, std::span<const uint16_t> frames);
  void DefineAllSequences(int delay, std::initializer_list<uint16_t> frames) {
    DefineAllSequences(delay, std::span<const uint16_t>(frames.begin(), frames.size()));
  }

  // False for a direction outside 0..31 as for one never defined.
  bool HasSequence(int direction) const { return Sequence(direction) != nullptr; }
  // The sequence of a direction, or nullptr when it has none.
  const TGKSequence* Sequence(int direction) const {
    return validDirection(direction) ? Sequences[static_cast<size_t>(direction)].get() : nullptr;
  }
  // Image index of a frame; -1 when the direction has no sequence or no such frame.
  int32_t GetFrame(int direction, int frame) const;
  // 0 when the direction has no sequence.
  int32_t GetDelay(int direction) const;
  int32_t GetFrameCount(int direction) const;

  std::array<std::unique_ptr<TGKSequence>, kDirectionCount> Sequences;
};

class TGKAnimations {
 public:
  // Returns the index of the new animation, which has no sequences yet.
  int Add(const std::string& name, bool looping);
  // Throws std::out_of_range "List index out of bounds (i)" for a bad index.
  TGKAnimation& GetAnimation(int index);
  const TGKAnimation& GetAnimation(int index) const;
  // nullptr for a bad index.
  const TGKAnimation* Find(int index) const {
    return index >= 0 && index < Count() ? items_[static_cast<size_t>(index)].get() : nullptr;
  }
  int Count() const { return static_cast<int>(items_.size()); }
  void Clear() { items_.clear(); }

 private:
  std::vector<std::unique_ptr<TGKAnimation>> items_;
};
