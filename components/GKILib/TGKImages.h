#pragma once
// The contents of one image library file (".iml"): a 256-colour palette and a
// list of 8-bit images that use it. Palette index 0 is every image's transparent
// colour.
//
// File layout (little-endian int32): "IL10", Count, Reserved, 256 palette entries
// of red, green, blue, flags; then per image Width, Height, a 12-byte name (a
// length byte and up to 11 characters) and RowBytes x Height pixel bytes, top
// row first, each row padded to RowBytes = Width rounded up to a multiple of 4.
#include <array>
#include <cstdint>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/draw/dd_types.h"

class EGKImages : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TGKImageEntry {
  int32_t Width = 0;
  int32_t Height = 0;
  std::array<uint8_t, 12> Name{};  // as in the file
  std::vector<uint8_t> Bits;       // RowBytes x Height bytes

  // The name as text (the length byte is capped at 11).
  std::string NameText() const;
};

class TGKImages {
 public:
  static constexpr size_t kHeaderSize = 1036;
  static constexpr size_t kRecordHeadSize = 20;

  TGKImages() = default;
  TGKImages(const TGKImages& other) { other.AssignTo(*this); }
  TGKImages& operator=(const TGKImages& other);

  // Reads a whole file; throws EGKImages (or EGKImages "Cannot open file ..." when
  // the file cannot be read). A failed read leaves the library empty.
  void LoadFromFile(const std::string& storedPath);
  void ReadFromStream(std::istream& in);
  void WriteToStream(std::ostream& out) const;
  void Clear();

  // Throws std::out_of_range for an index outside the images.
  const TGKImageEntry& GetImageHeader(int index) const;
  int GetCount() const { return int(images_.size()); }
  // Only to another TGKImages: Dest gets copies of header and images.
  void AssignTo(TGKImages& dest) const;

  // The palette and header fields as held (written back unchanged).
  std::array<char, 4> Signature{'I', 'L', '1', '0'};
  int32_t Reserved = 0;
  std::array<platform::PALETTEENTRY, 256> Palette{};

  // For programs that build libraries: appends an image; bits holds RowBytes x
  // height bytes (or width x height unpadded bytes, which are padded here).
  // Throws EGKImages for a size of 0 or less or a name longer than 11 characters.
  void AddImage(int width, int height, std::string_view name, const std::vector<uint8_t>& bits);

 private:
  std::vector<TGKImageEntry> images_;
};
