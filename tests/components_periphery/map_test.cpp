#include "components/ZEZMap/ZEZMap.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string write(const TGKMaps& maps) {
  std::ostringstream out;
  maps.WriteToStream(out);
  return out.str();
}

void putInt(std::string& s, int32_t v) {
  for (int i = 0; i < 4; ++i) s.push_back(char(uint32_t(v) >> (8 * i)));
}

// A map record head as a writer other than ours may leave it: padding and a
// data reference that are not zero.
std::string head(const std::string& name, int32_t v1, int32_t v2, int32_t size, char fill = 0) {
  std::string h(1, char(name.size()));
  h += name;
  h.resize(16, fill);
  putInt(h, v1);
  putInt(h, v2);
  putInt(h, size);
  putInt(h, 0x12345678);
  return h;
}

TGKMaps twoMaps() {
  TGKMaps maps;
  maps.Add({"world", 7, -3, std::vector<uint8_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}});
  maps.Add({"empty", 0, 2147483647, {}});
  return maps;
}

}  // namespace

TEST(MapLibrary, WritesTheStreamByteForByte) {
  EXPECT_EQ(write(TGKMaps{}), std::string("ML01\xff\xff\xff\xff", 8));

  const std::string bytes = write(twoMaps());
  ASSERT_EQ(bytes.size(), 8u + 42u + 32u);
  std::string expected = "ML01";
  putInt(expected, 1);
  std::string h = head("world", 7, -3, 10);
  h.replace(28, 4, std::string(4, '\0'));  // the data reference is written as 0
  expected += h + std::string("\0\1\2\3\4\5\6\7\10\11", 10);
  h = head("empty", 0, 2147483647, 0);
  h.replace(28, 4, std::string(4, '\0'));
  expected += h;
  EXPECT_EQ(bytes, expected);
}

TEST(MapLibrary, ReadsWhatItWroteAndForeignStreams) {
  std::istringstream in(write(twoMaps()));
  TGKMaps read;
  read.ReadFromStream(in);
  EXPECT_EQ(write(read), write(twoMaps()));
  ASSERT_EQ(read.LastIndex(), 1);
  EXPECT_EQ(read.Maps()[0].Name, "world");
  EXPECT_EQ(read.Maps()[1].Value2, 2147483647);

  // Another signature, padding and data reference are read all the same.
  std::string foreign = "XY99";
  putInt(foreign, 0);
  foreign += head("abcdefghijklmno", 1, 2, 3, 'z') + "xyz";
  std::istringstream in2(foreign);
  read.ReadFromStream(in2);
  ASSERT_EQ(read.Maps().size(), 1u);
  EXPECT_EQ(read.Maps()[0].Name, "abcdefghijklmno");
  EXPECT_EQ(read.Maps()[0].Data, (std::vector<uint8_t>{'x', 'y', 'z'}));

  // Any negative index is an empty library.
  std::string none = "ML01";
  putInt(none, -5);
  std::istringstream in3(none);
  read.ReadFromStream(in3);
  EXPECT_FALSE(read.HasMaps());
}

TEST(MapLibrary, MalformedStreamsAreRefusedAndLeaveItEmpty) {
  auto start = [](int32_t lastIndex) {
    std::string s = "ML01";
    putInt(s, lastIndex);
    return s;
  };
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"short signature", "ML0"},
      {"no index", "ML01\x01"},
      {"huge count", start(2147483646)},
      {"count beyond the heads", start(1) + head("a", 0, 0, 0)},
      {"cut head", start(0) + head("a", 0, 0, 0).substr(0, 20)},
      {"negative size", start(0) + head("a", 0, 0, -1)},
      {"size beyond the stream", start(0) + head("a", 0, 0, 2000000000) + "abc"},
      {"cut data", start(0) + head("a", 0, 0, 4) + "ab"},
      {"name length 16", start(0) + [] {
         std::string h = head("a", 0, 0, 0);
         h[0] = 16;
         return h;
       }()},
  };
  for (const auto& c : cases) {
    TGKMaps maps = twoMaps();
    std::istringstream in(c.bytes);
    EXPECT_THROW(maps.ReadFromStream(in), EGKMaps) << c.what;
    EXPECT_FALSE(maps.HasMaps()) << c.what;
  }
}

TEST(MapLibrary, AssignCopiesDataAndCutsNames) {
  TGKMapLib lib;
  lib.MapLib = twoMaps();
  TGKMaps copy;
  copy.Add({"stale", 1, 1, {1}});
  lib.MapLib.AssignTo(copy);
  EXPECT_EQ(write(copy), write(lib.MapLib));
  lib.MapLib.Clear();
  EXPECT_EQ(copy.Maps()[0].Data.size(), 10u);  // the copy owns its own data

  TGKMaps longName;
  longName.Add({"a name of twenty chars", 0, 0, {}});
  EXPECT_EQ(longName.Maps()[0].Name, "a name of twent");
  TGKMaps empty;
  empty.AssignTo(copy);
  EXPECT_FALSE(copy.HasMaps());
}
