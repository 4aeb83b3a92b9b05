#pragma once
// The map library: named blocks of bytes with two numbers each, kept in the
// owner window's stored data as the raw property "MapLib".
//
// Stream (little-endian): "ML01", int32 LastIndex (-1: no maps), then per map
// a 32-byte head (length byte and 15 name characters, int32 Value1, Value2,
// DataSize, and 4 bytes without meaning) followed by DataSize data bytes.
#include <cstdint>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

// A stream that does not hold the maps it announces.
class EGKMaps : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TGKMap {
  std::string Name;  // at most 15 characters
  int32_t Value1 = 0;
  int32_t Value2 = 0;
  std::vector<uint8_t> Data;
};

class TGKMaps {
 public:
  static constexpr size_t kMaxNameLength = 15;
  static constexpr size_t kHeadSize = 32;

  TGKMaps() = default;
  TGKMaps(const TGKMaps& other) { other.AssignTo(*this); }
  TGKMaps& operator=(const TGKMaps& other) {
    if (this != &other) other.AssignTo(*this);
    return *this;
  }

  // Clears, then reads. The signature is not checked. Throws EGKMaps when a
  // count or size does not fit in the rest of the stream (or a name is longer
  // than 15 characters); the library is then left empty.
  void ReadFromStream(std::istream& stream);
  void WriteToStream(std::ostream& stream) const;
  void Clear() { maps_.clear(); }
  // Dest becomes a copy; "TGKMaps.AssignTo failed (GetMem)" when memory runs out.
  void AssignTo(TGKMaps& dest) const;
  // The "MapLib" property is stored only when there are maps.
  bool HasMaps() const { return !maps_.empty(); }

  int32_t LastIndex() const { return int32_t(maps_.size()) - 1; }
  const std::vector<TGKMap>& Maps() const { return maps_; }
  // Adds a map (the name cut to 15 characters); returns its index.
  int Add(TGKMap map);

 private:
  std::vector<TGKMap> maps_;
};

// The component: owns one map library, published as MapLib.
class TGKMapLib {
 public:
  TGKMaps MapLib;
};
