#pragma once
// The star field: up to 10000 single-pixel points moved across a rectangle of the
// screen's back buffer every update and plotted straight into the locked
// surface: streaks moving sideways, falling or rising (the game's rain), or a
// three-dimensional field flying towards or away from the viewer.
#include <array>
#include <cstdint>
#include <string>

class TGKScreen;

enum TStarMode : uint8_t { Horizontal = 0, Vertical = 1, ThreeD = 2 };

struct TGKStar {
  int32_t X = 0, Y = 0, Z = 0;  // Z: depth 0..254, near points move fastest
  int32_t LastX = 0, LastY = 0;  // last projected position (3-D mode)
  int32_t Color = 0;             // 0x00BBGGRR
};

class TGKStarField {
 public:
  static constexpr int kMaxStars = 10000;
  static constexpr int kAuto = 9999;  // centre: half the surface; edges: the surface's size
  static constexpr int32_t kSilver = 0xC0C0C0;

  TGKStarField() = default;
  TGKStarField(const TGKStarField&) = delete;
  TGKStarField& operator=(const TGKStarField&) = delete;

  // Points in use, limited to 0..10000 (a level's rain density has no bound).
  int GetNumberOfStars() const { return numberOfStars_; }
  void SetNumberOfStars(int n) { numberOfStars_ = n < 0 ? 0 : n > kMaxStars ? kMaxStars : n; }

  int Velocity = 2;  // pixels per update; may be negative
  bool Towards = true;
  TGKScreen* ZEZScreen = nullptr;
  int CenterX = kAuto, CenterY = kAuto;
  bool Flashing = false;  // uncoloured points get a new colour every update
  bool Erase = true;      // Update clears the edge rectangle first
  bool Colored = false;   // random colours, else silver
  int EdgeLeft = 0, EdgeRight = kAuto, EdgeTop = 0, EdgeBottom = kAuto;
  TStarMode StarMode = ThreeD;
  std::string Version = "ZEZ Beta 7.6";

  // Takes the back buffer's size, limits the edges to it, resolves an automatic
  // centre and places every point; then one MoveAndDraw. Nothing without a
  // started screen. The points come from the program's shared random source
  // (platform::Random), which this does not reseed.
  void Initialize();
  // Initialize without a screen: the surface size, the edge limits, the centre
  // and the placing of the points.
  void Prepare(int width, int height);
  // Per frame: EraseArea when Erase is set, then MoveAndDraw.
  void Update();
  // The edge rectangle of the back buffer filled with colour 0.
  void EraseArea();
  // Moves every point and plots those inside the edges; skipped when the back
  // buffer cannot be locked.
  void MoveAndDraw();
  // Moves the points and plots them into a locked surface of the given size and
  // depth; points outside the surface are never written.
  void MoveAndDrawInto(uint8_t* bits, int pitch, int bitsPerPixel, int width, int height);

  void Notification(const void* removed) {
    if (removed == ZEZScreen) ZEZScreen = nullptr;
  }

  const TGKStar& Star(int i) const { return stars_.at(static_cast<size_t>(i)); }
  TGKStar& Star(int i) { return stars_.at(static_cast<size_t>(i)); }
  int SurfaceWidth() const { return width_; }
  int SurfaceHeight() const { return height_; }

 private:
  int32_t NewColor() const;
  int32_t BandSpeed(int32_t z) const;
  void PlaceStar(TGKStar& s) const;
  void MoveFlat(TGKStar& s) const;
  bool MoveThreeD(TGKStar& s) const;  // true when it is to be drawn at (LastX, LastY)
  void Reborn3D(TGKStar& s) const;

  int numberOfStars_ = 200;
  int width_ = 0, height_ = 0;
  std::array<TGKStar, kMaxStars> stars_{};
};
