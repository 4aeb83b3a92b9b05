#include "components/gkspts/animations.h"

#include "components/gkspts/list_index.h"

void TGKAnimation::DefineSequence(int direction, int delay, std::span<const uint16_t> frames) {
  checkDirection(direction);
  if (frames.empty() || frames.size() > kMaxSequenceFrames)
    throw EGKSprite("A sequence holds 1 to 32 frames, not " + std::to_string(frames.size()));
  auto& seq = Sequences[static_cast<size_t>(direction)];
  if (!seq) seq = std::make_unique<TGKSequence>();
  seq->Count = static_cast<int32_t>(frames.size());
  seq->Delay = delay;
  seq->Frames.fill(0);
  for (size_t i = 0; i < frames.size(); ++i) seq->Frames[i] = frames[i];
}

void TGKAnimation::DefineAllSequences(int delay, std::span<const uint16_t> frames) {
  for (int d = 0; d < kDirectionCount; ++d) DefineSequence(d, delay, frames);
}

int32_t TGKAnimation::GetFrame(int direction, int frame) const {
  const TGKSequence* seq = Sequence(direction);
  if (!seq || frame < 0 || frame >= seq->Count) return -1;
  return seq->Frames[static_cast<size_t>(frame)];
}

int32_t TGKAnimation::GetDelay(int direction) const {
  const TGKSequence* seq = Sequence(direction);
  return seq ? seq->Delay : 0;
}

int32_t TGKAnimation::GetFrameCount(int direction) const {
  const TGKSequence* seq = Sequence(direction);
  return seq ? seq->Count : 0;
}

int TGKAnimations::Add(const std::string& name, bool looping) {
  items_.push_back(std::make_unique<TGKAnimation>(name, looping));
  return Count() - 1;
}

TGKAnimation& TGKAnimations::GetAnimation(int index) {
  checkListIndex(index, Count());
  return *items_[static_cast<size_t>(index)];
}

const TGKAnimation& TGKAnimations::GetAnimation(int index) const {
  checkListIndex(index, Count());
  return *items_[static_cast<size_t>(index)];
}
