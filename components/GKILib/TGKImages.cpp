#include "components/GKILib/TGKImages.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <limits>

#include "components/BmpUtil/BmpUtil.h"
#include "platform/core/paths.h"

namespace {

constexpr const char* kNotValid = "Not a valid Image Library File";
constexpr const char* kNoImages = "TGKImage: GemMem Failed for FImages";
constexpr const char* kNoBits = "TGKImage: GemMem Failed for ImgHdr.Bits";
constexpr size_t kNameSize = 12;
constexpr uint8_t kMaxNameLength = 11;
// Pixel data is read in pieces of this size, so that a size field larger than
// the file never allocates more than the file holds.
constexpr size_t kReadChunk = 1 << 16;

int32_t getInt32(const uint8_t* p) {
  return int32_t(uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24));
}
void putInt32(uint8_t* p, int32_t v) {
  const uint32_t u = uint32_t(v);
  p[0] = uint8_t(u);
  p[1] = uint8_t(u >> 8);
  p[2] = uint8_t(u >> 16);
  p[3] = uint8_t(u >> 24);
}

char upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool readExactly(std::istream& in, uint8_t* out, size_t n) {
  in.read(reinterpret_cast<char*>(out), std::streamsize(n));
  return size_t(in.gcount()) == n;
}

[[noreturn]] void truncated(int image, int count) {
  throw EGKImages("Image Library File is truncated: image " + std::to_string(image + 1) + " of " +
                  std::to_string(count) + " is incomplete");
}

}  // namespace

std::string TGKImageEntry::NameText() const {
  const size_t length = std::min<size_t>(Name[0], kMaxNameLength);
  return std::string(reinterpret_cast<const char*>(Name.data() + 1), length);
}

TGKImages& TGKImages::operator=(const TGKImages& other) {
  if (this != &other) other.AssignTo(*this);
  return *this;
}

void TGKImages::LoadFromFile(const std::string& storedPath) {
  std::ifstream in(platform::resolvePath(storedPath), std::ios::binary);
  if (!in) {
    Clear();
    throw EGKImages("Cannot open file \"" + storedPath + "\"");
  }
  ReadFromStream(in);
}

void TGKImages::ReadFromStream(std::istream& in) {
  Clear();
  try {
    uint8_t header[kHeaderSize];
    if (!readExactly(in, header, kHeaderSize)) throw EGKImages(kNotValid);
    static constexpr char kSignature[4] = {'I', 'L', '1', '0'};
    for (int i = 0; i < 4; ++i)
      if (upper(char(header[i])) != kSignature[i]) throw EGKImages(kNotValid);
    const int32_t count = getInt32(header + 4);
    if (count <= 0) throw EGKImages(kNoImages);
    std::array<char, 4> signature;
    std::memcpy(signature.data(), header, 4);
    const int32_t reserved = getInt32(header + 8);
    std::array<platform::PALETTEENTRY, 256> palette;
    for (int i = 0; i < 256; ++i) {
      const uint8_t* e = header + 12 + 4 * i;
      palette[i] = {e[0], e[1], e[2], e[3]};
    }

    std::vector<TGKImageEntry> images;
    for (int i = 0; i < count; ++i) {
      uint8_t head[kRecordHeadSize];
      if (!readExactly(in, head, kRecordHeadSize)) truncated(i, count);
      TGKImageEntry entry;
      entry.Width = getInt32(head);
      entry.Height = getInt32(head + 4);
      std::memcpy(entry.Name.data(), head + 8, kNameSize);
      if (entry.Width <= 0 || entry.Height <= 0) throw EGKImages(kNoBits);
      if (entry.Name[0] > kMaxNameLength)
        throw EGKImages("Image Library File: the name of image " + std::to_string(i + 1) +
                        " is longer than 11 characters");
      // DibRowBytes in 64 bits: the width comes from the file.
      const uint64_t rowBytes = (uint64_t(entry.Width) * 8 + 31) / 32 * 4;
      const uint64_t size = rowBytes * uint64_t(entry.Height);
      if (size > uint64_t(std::numeric_limits<int32_t>::max())) truncated(i, count);
      while (entry.Bits.size() < size) {
        const size_t piece = std::min<size_t>(kReadChunk, size - entry.Bits.size());
        const size_t at = entry.Bits.size();
        entry.Bits.resize(at + piece);
        if (!readExactly(in, entry.Bits.data() + at, piece)) truncated(i, count);
      }
      images.push_back(std::move(entry));
    }
    Signature = signature;
    Reserved = reserved;
    Palette = palette;
    images_ = std::move(images);
  } catch (...) {
    Clear();
    throw;
  }
}

void TGKImages::WriteToStream(std::ostream& out) const {
  uint8_t header[kHeaderSize];
  std::memcpy(header, Signature.data(), 4);
  putInt32(header + 4, int32_t(images_.size()));
  putInt32(header + 8, Reserved);
  for (int i = 0; i < 256; ++i) {
    uint8_t* e = header + 12 + 4 * i;
    e[0] = Palette[i].peRed;
    e[1] = Palette[i].peGreen;
    e[2] = Palette[i].peBlue;
    e[3] = Palette[i].peFlags;
  }
  out.write(reinterpret_cast<const char*>(header), kHeaderSize);
  for (const TGKImageEntry& image : images_) {
    uint8_t head[kRecordHeadSize];
    putInt32(head, image.Width);
    putInt32(head + 4, image.Height);
    std::memcpy(head + 8, image.Name.data(), kNameSize);
    out.write(reinterpret_cast<const char*>(head), kRecordHeadSize);
    out.write(reinterpret_cast<const char*>(image.Bits.data()), std::streamsize(image.Bits.size()));
  }
}

void TGKImages::Clear() { images_.clear(); }

const TGKImageEntry& TGKImages::GetImageHeader(int index) const {
  if (index < 0 || index >= GetCount())
    throw std::out_of_range("TGKImages: image index " + std::to_string(index) + " out of range");
  return images_[size_t(index)];
}

void TGKImages::AssignTo(TGKImages& dest) const {
  if (&dest == this) return;
  dest.Clear();
  if (images_.empty()) return;
  dest.Signature = Signature;
  dest.Reserved = Reserved;
  dest.Palette = Palette;
  dest.images_ = images_;
}

void TGKImages::AddImage(int width, int height, std::string_view name, const std::vector<uint8_t>& bits) {
  if (width <= 0 || height <= 0) throw EGKImages(kNoBits);
  if (name.size() > kMaxNameLength) throw EGKImages("TGKImages: image name longer than 11 characters");
  const size_t rowBytes = size_t(DibRowBytes(width));
  TGKImageEntry entry;
  entry.Width = width;
  entry.Height = height;
  entry.Name[0] = uint8_t(name.size());
  std::memcpy(entry.Name.data() + 1, name.data(), name.size());
  if (bits.size() == rowBytes * size_t(height)) {
    entry.Bits = bits;
  } else if (bits.size() == size_t(width) * size_t(height)) {
    entry.Bits.assign(rowBytes * size_t(height), 0);
    for (int y = 0; y < height; ++y)
      std::memcpy(entry.Bits.data() + size_t(y) * rowBytes, bits.data() + size_t(y) * width, size_t(width));
  } else {
    throw EGKImages("TGKImages: image data of " + std::to_string(bits.size()) + " bytes does not fit " +
                    std::to_string(width) + " x " + std::to_string(height));
  }
  images_.push_back(std::move(entry));
}
