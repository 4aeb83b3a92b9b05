#pragma once
// Scrolling background layers: each layer picture becomes a surface at the
// screen's start and, while auto-scrolling, wraps around horizontally inside
// its scroll region, drawn onto the back buffer before every OnFlip. Beside it
// the hi-colour image library of ordinary pictures.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "components/ZEZ/TGKSurface.h"
#include "components/ZEZ/ZEZSeams.h"
#include "platform/draw/gdi_bitmap.h"

class TGKScreen;

// The scrolled part of a layer picture (Left, Top, Width, Height) and where it
// is drawn on the back buffer (X, Y).
class TScrollregion {
 public:
  enum Index : int { iLeft = 0, iTop = 1, iHeight = 2, iX = 3, iY = 4, iWidth = 5 };

  uint16_t Left = 0, Top = 0, Height = 100;
  uint16_t X = 0, Y = 0;
  uint16_t Width = 100;

  // The indexed setter of Left, Top, Height and Width; other indices do nothing.
  void SetValue(int index, uint16_t value);
};

enum TScrolldirection : uint8_t { Scrollleft, Scrollright };

class TGKBackgroundImageItem {
 public:
  TGKScreen* Screen = nullptr;  // set by Prepare
  uint16_t Step = 1;
  TScrolldirection Direction = Scrollleft;
  TScrollregion Scrollregion;
  bool Autoscroll = true;
  std::unique_ptr<TGKSurface> Surface;  // made by Prepare
  bool Stretch = true;
  int Offset = 0;  // current source x of the scroll

  const platform::GdiBitmap& GetImage() const { return image_; }
  void SetImage(const platform::GdiBitmap& picture) { image_ = picture; }

  // Makes the surface for Screen: the picture stretched to the front surface or
  // at its own size, colour key 0.
  void Prepare();
  // One frame: steps Offset and draws the region wrapped onto the back buffer.
  void ScrollAndDraw();

 private:
  platform::GdiBitmap image_;
};

class TGKBackground : public TGKScreenBackground {
 public:
  TGKScreen* ZEZScreen = nullptr;
  std::string Version = "1.0";

  TGKBackgroundImageItem& AddImage();
  int Count() const { return int(images_.size()); }
  TGKBackgroundImageItem& Item(int index) { return *images_.at(size_t(index)); }
  // Assigning the collection copies its items' published values.
  void AssignImages(const TGKBackground& source);

  void Prepare() override;
  void Update() override;
  // The component is going away: a reference to it as ZEZScreen is cleared.
  void Notification(const void* removed);

 private:
  std::vector<std::unique_ptr<TGKBackgroundImageItem>> images_;
};

// A library of ordinary pictures that the screen turns into its image surfaces
// in hi-colour modes.
class TGKHiColorImageLib : public TGKHiColorSource {
 public:
  struct TGKImageItem {
    platform::GdiBitmap Image;
    int Width = 0, Height = 0;  // recorded when the picture is set
    void SetImage(const platform::GdiBitmap& picture);
  };

  TGKScreen* ZEZScreen = nullptr;
  bool UseTransparent = false;  // stored only
  std::vector<TGKImageItem> Images;

  TGKImageItem& AddImage(const platform::GdiBitmap& picture);
  int GetCount() const override { return int(Images.size()); }
  // Throws std::out_of_range for an index outside the library.
  const platform::GdiBitmap& GetPicture(int index) const override;
};
