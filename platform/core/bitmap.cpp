#include "platform/core/bitmap.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/core/ini_file.h"

namespace platform {

Bitmap::Bitmap(int w, int h, int bpp) : width(w), height(h), bitsPerPixel(bpp) {
  if (w < 0 || h < 0 || (bpp != 8 && bpp != 24)) throw BmpError("Invalid bitmap size or depth");
  pixels.assign(size_t(w) * size_t(h) * (bpp == 8 ? 1 : 3), 0);
}

Rgb Bitmap::color(int x, int y) const {
  if (bitsPerPixel == 8) return colors[index(x, y)];
  const uint8_t* p = &pixels[(size_t(y) * width + x) * 3];
  return {p[0], p[1], p[2]};
}

namespace {

uint32_t u32(std::string_view b, size_t at) {
  return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
         uint32_t(uint8_t(b[at + 3])) << 24;
}
uint16_t u16(std::string_view b, size_t at) { return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8); }

void put32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += char((v >> (8 * i)) & 0xFF);
}
void put16(std::string& out, uint16_t v) {
  out += char(v & 0xFF);
  out += char(v >> 8);
}

size_t rowBytes(int width, int bpp) { return ((size_t(width) * bpp + 31) / 32) * 4; }

}  // namespace

Bitmap decodeBmp(std::string_view b) {
  // The file header (14 bytes) and the size of the picture header that follows
  // it; only then is the picture header read. Smaller headers (OS/2's of 12
  // bytes) are refused as unsupported, not as strangers.
  if (b.size() < 18 || b[0] != 'B' || b[1] != 'M') throw BmpError("Not a BMP file");
  uint32_t dataOffset = u32(b, 10);
  uint32_t headerSize = u32(b, 14);
  if (headerSize < 40) throw BmpError("Unsupported BMP header");
  if (14 + size_t(headerSize) > b.size()) throw BmpError("Truncated BMP header");
  int32_t width = int32_t(u32(b, 18));
  int32_t rawHeight = int32_t(u32(b, 22));
  uint16_t planes = u16(b, 26), bpp = u16(b, 28);
  uint32_t compression = u32(b, 30);
  uint32_t used = u32(b, 46);
  if (planes != 1 || (bpp != 8 && bpp != 24)) throw BmpError("Only 8-bit and 24-bit BMP files are supported");
  if (compression != 0) throw BmpError("Compressed BMP files are not supported");
  if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN || width > 32768 || std::abs(rawHeight) > 32768)
    throw BmpError("Invalid BMP size");
  bool topDown = rawHeight < 0;
  int height = topDown ? -rawHeight : rawHeight;

  // Everything the header promises is checked against the file before the
  // pixels are allocated: a short file must not cost gigabytes.
  const size_t entries = bpp == 8 ? (used == 0 ? 256 : size_t(used)) : 0;
  if (entries > 256) throw BmpError("Invalid BMP colour table");
  const size_t table = 14 + size_t(headerSize);
  if (table + entries * 4 > b.size()) throw BmpError("Truncated BMP colour table");
  size_t stride = rowBytes(width, bpp);
  if (dataOffset > b.size() || stride * size_t(height) > b.size() - dataOffset) throw BmpError("Truncated BMP pixel data");

  Bitmap bmp(width, height, bpp);
  for (size_t i = 0; i < entries; ++i)
    bmp.colors[i] = {uint8_t(b[table + i * 4 + 2]), uint8_t(b[table + i * 4 + 1]), uint8_t(b[table + i * 4])};
  for (int y = 0; y < height; ++y) {
    size_t src = dataOffset + size_t(topDown ? y : height - 1 - y) * stride;
    if (bpp == 8) {
      std::memcpy(&bmp.pixels[size_t(y) * width], b.data() + src, size_t(width));
    } else {
      for (int x = 0; x < width; ++x) {
        uint8_t* p = &bmp.pixels[(size_t(y) * width + x) * 3];
        p[0] = uint8_t(b[src + x * 3 + 2]);
        p[1] = uint8_t(b[src + x * 3 + 1]);
        p[2] = uint8_t(b[src + x * 3]);
      }
    }
  }
  return bmp;
}

Bitmap readBmp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw BmpError("Cannot open " + path.string());
  std::ostringstream content;
  content << in.rdbuf();
  return decodeBmp(content.str());
}

std::string encodeBmp(const Bitmap& bmp) {
  if (bmp.empty()) throw BmpError("Invalid BMP size");
  const int bpp = bmp.bitsPerPixel;
  size_t stride = rowBytes(bmp.width, bpp);
  uint32_t tableBytes = bpp == 8 ? 256 * 4 : 0;
  uint32_t dataOffset = 14 + 40 + tableBytes;
  uint32_t imageBytes = uint32_t(stride * size_t(bmp.height));
  std::string out;
  out.reserve(dataOffset + imageBytes);
  out += "BM";
  put32(out, dataOffset + imageBytes);
  put32(out, 0);
  put32(out, dataOffset);
  put32(out, 40);
  put32(out, uint32_t(bmp.width));
  put32(out, uint32_t(bmp.height));
  put16(out, 1);
  put16(out, uint16_t(bpp));
  put32(out, 0);
  put32(out, imageBytes);
  put32(out, 2835);
  put32(out, 2835);
  put32(out, bpp == 8 ? 256 : 0);
  put32(out, 0);
  if (bpp == 8) {
    for (const Rgb& c : bmp.colors) {
      out += char(c.b);
      out += char(c.g);
      out += char(c.r);
      out += char(0);
    }
  }
  for (int y = bmp.height - 1; y >= 0; --y) {
    size_t start = out.size();
    if (bpp == 8) {
      out.append(reinterpret_cast<const char*>(&bmp.pixels[size_t(y) * bmp.width]), size_t(bmp.width));
    } else {
      for (int x = 0; x < bmp.width; ++x) {
        const uint8_t* p = &bmp.pixels[(size_t(y) * bmp.width + x) * 3];
        out += char(p[2]);
        out += char(p[1]);
        out += char(p[0]);
      }
    }
    out.append(stride - (out.size() - start), '\0');
  }
  return out;
}

void writeBmp(const std::filesystem::path& path, const Bitmap& bmp) { writeFileAtomically(path, encodeBmp(bmp)); }

}  // namespace platform
