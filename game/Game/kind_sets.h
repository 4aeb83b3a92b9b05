#pragma once
// Constant sets of level object kinds (the sprite's animation number) that the
// terrain, contact and activation rules filter by. Kinds outside 0..363 are in
// no set.
#include <bitset>
#include <initializer_list>

constexpr int LevelKindCount = 364;

class TKindSet {
 public:
  // Single kinds and inclusive ranges {first, last}.
  struct Range {
    int first, last;
    constexpr Range(int kind) : first(kind), last(kind) {}
    constexpr Range(int f, int l) : first(f), last(l) {}
  };
  TKindSet(std::initializer_list<Range> ranges) {
    for (const Range& r : ranges)
      for (int k = r.first; k <= r.last; ++k) bits_.set(static_cast<size_t>(k));
  }
  bool contains(int kind) const {
    return kind >= 0 && kind < LevelKindCount && bits_.test(static_cast<size_t>(kind));
  }

 private:
  std::bitset<LevelKindCount> bits_;
};

extern const TKindSet WalkerKinds;
extern const TKindSet NonSolidKinds;    // never terrain
extern const TKindSet OneWayKinds;      // stood on from above, passed from below and the sides
extern const TKindSet SlopeKinds;       // contact by the pixels of the two frames
extern const TKindSet WaterKinds;
extern const TKindSet ActivatedKinds;   // switched on and off by the activation window
extern const TKindSet WakeFacingKinds;  // turn towards the player when woken
extern const TKindSet ShooterKinds;     // shot timer set back when woken
extern const TKindSet DropThroughKinds; // white panels

// Kinds with rules of their own.
constexpr int KindBridge = 107;
constexpr int KindShipFitting = 313;  // one-way for the player, no side stop for walkers
constexpr int KindPlayerFireball = 332;
