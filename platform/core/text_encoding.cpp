#include "platform/core/text_encoding.h"

#include <array>
#include <cstdint>

namespace platform {
namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves undefined
// (they map to the same-numbered C1 control, as Windows does).
constexpr std::array<uint16_t, 32> kHigh = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

uint32_t codePointOf(uint8_t byte) {
  if (byte >= 0x80 && byte < 0xA0) {
    uint16_t cp = kHigh[byte - 0x80];
    return cp ? cp : byte;
  }
  return byte;
}

void appendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

char byteOf(uint32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp < 0x100)) return char(cp);
  for (int i = 0; i < 32; ++i) {
    uint32_t mapped = kHigh[i] ? kHigh[i] : uint32_t(0x80 + i);
    if (mapped == cp) return char(0x80 + i);
  }
  return '?';
}

// The UTF-8 sequence at text[i]: its code point and length, or length 0 when
// the bytes there are no well-formed sequence.
size_t decodeUtf8(std::string_view text, size_t i, uint32_t& cp) {
  uint8_t lead = uint8_t(text[i]);
  int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
  cp = extra <= 0 ? lead : lead & (0x3F >> extra);
  bool ok = extra >= 0 && i + extra < text.size();
  for (int k = 1; ok && k <= extra; ++k) {
    uint8_t next = uint8_t(text[i + k]);
    ok = (next & 0xC0) == 0x80;
    cp = (cp << 6) | (next & 0x3F);
  }
  return ok ? size_t(1 + extra) : 0;
}

}  // namespace

std::string cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) appendUtf8(out, codePointOf(uint8_t(c)));
  return out;
}

std::string utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    uint32_t cp = 0;
    const size_t length = decodeUtf8(text, i, cp);
    if (length == 0) {
      out += '?';
      ++i;
      continue;
    }
    out += byteOf(cp);
    i += length;
  }
  return out;
}

bool isUtf8(std::string_view text) {
  uint32_t cp = 0;
  for (size_t i = 0; i < text.size();) {
    const size_t length = decodeUtf8(text, i, cp);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

}  // namespace platform
