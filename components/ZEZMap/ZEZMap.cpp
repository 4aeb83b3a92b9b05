#include "components/ZEZMap/ZEZMap.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <istream>
#include <new>
#include <ostream>

namespace {

constexpr char kSignature[4] = {'M', 'L', '0', '1'};

int32_t getInt32(const uint8_t* p) {
  return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

void putInt32(uint8_t* p, int32_t value) {
  const auto v = uint32_t(value);
  for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

void readExactly(std::istream& stream, void* buffer, size_t size) {
  if (size && !stream.read(static_cast<char*>(buffer), std::streamsize(size)))
    throw EGKMaps("Map library stream is truncated");
}

// Bytes from the current position to the end, or -1 when the stream cannot seek.
int64_t remainingBytes(std::istream& stream) {
  const auto here = stream.tellg();
  if (here < 0) return -1;
  stream.seekg(0, std::ios::end);
  const auto end = stream.tellg();
  stream.seekg(here);
  if (end < 0 || !stream) {
    stream.clear();
    stream.seekg(here);
    return -1;
  }
  return int64_t(end - here);
}

}  // namespace

void TGKMaps::ReadFromStream(std::istream& stream) {
  Clear();
  std::array<uint8_t, 8> start{};
  readExactly(stream, start.data(), start.size());
  const int32_t lastIndex = getInt32(start.data() + 4);
  if (lastIndex < 0) return;

  // Every map needs at least its head: a count the stream cannot hold is refused
  // before anything is allocated.
  const int64_t count = int64_t(lastIndex) + 1;
  int64_t remaining = remainingBytes(stream);
  if (remaining >= 0 && count > remaining / int64_t(kHeadSize))
    throw EGKMaps("Map library stream announces more maps than it holds");

  std::vector<TGKMap> maps;
  try {
    if (remaining >= 0) maps.reserve(size_t(count));
    for (int64_t i = 0; i < count; ++i) {
      std::array<uint8_t, kHeadSize> head{};
      readExactly(stream, head.data(), head.size());
      if (remaining >= 0) remaining -= int64_t(kHeadSize);
      TGKMap map;
      if (head[0] > kMaxNameLength) throw EGKMaps("Map name in the map library stream is too long");
      map.Name.assign(reinterpret_cast<const char*>(head.data() + 1), head[0]);
      map.Value1 = getInt32(head.data() + 16);
      map.Value2 = getInt32(head.data() + 20);
      const int32_t dataSize = getInt32(head.data() + 24);
      if (dataSize < 0) throw EGKMaps("Map data size in the map library stream is negative");
      if (remaining >= 0 && dataSize > remaining)
        throw EGKMaps("Map data in the map library stream is larger than the stream");
      map.Data.resize(size_t(dataSize));
      readExactly(stream, map.Data.data(), map.Data.size());
      if (remaining >= 0) remaining -= dataSize;
      maps.push_back(std::move(map));
    }
  } catch (const std::bad_alloc&) {
    throw EGKMaps("Map library stream is too large");
  }
  maps_ = std::move(maps);
}

void TGKMaps::WriteToStream(std::ostream& stream) const {
  std::array<uint8_t, 8> start{};
  std::memcpy(start.data(), kSignature, 4);
  putInt32(start.data() + 4, LastIndex());
  stream.write(reinterpret_cast<const char*>(start.data()), std::streamsize(start.size()));
  for (const auto& map : maps_) {
    std::array<uint8_t, kHeadSize> head{};  // unused name bytes and the data reference stay 0
    const size_t nameLength = std::min(map.Name.size(), kMaxNameLength);
    head[0] = uint8_t(nameLength);
    std::memcpy(head.data() + 1, map.Name.data(), nameLength);
    putInt32(head.data() + 16, map.Value1);
    putInt32(head.data() + 20, map.Value2);
    putInt32(head.data() + 24, int32_t(map.Data.size()));
    stream.write(reinterpret_cast<const char*>(head.data()), std::streamsize(head.size()));
    stream.write(reinterpret_cast<const char*>(map.Data.data()), std::streamsize(map.Data.size()));
  }
}

void TGKMaps::AssignTo(TGKMaps& dest) const {
  if (&dest == this) return;
  dest.Clear();
  try {
    std::vector<TGKMap> copy = maps_;
    for (auto& map : copy)
      if (map.Name.size() > kMaxNameLength) map.Name.resize(kMaxNameLength);
    dest.maps_ = std::move(copy);
  } catch (const std::bad_alloc&) {
    throw EGKMaps("TGKMaps.AssignTo failed (GetMem)");
  }
}

int TGKMaps::Add(TGKMap map) {
  if (map.Name.size() > kMaxNameLength) map.Name.resize(kMaxNameLength);
  if (map.Data.size() > size_t(INT32_MAX)) throw EGKMaps("Map data is too large");
  maps_.push_back(std::move(map));
  return LastIndex();
}
