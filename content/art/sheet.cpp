#include "content/art/sheet.h"

#include <QImage>
#include <QString>
#include <algorithm>
#include <stdexcept>

namespace art {
namespace {

// Digits of a 3x5 font, one row of three bits per line, top first.
constexpr uint8_t kDigits[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 3, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 2, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};
constexpr int kDigitScale = 2;
constexpr int kLabelHeight = 5 * kDigitScale + 4;
constexpr int kGap = 6;

int labelWidth(const std::string& text) { return static_cast<int>(text.size()) * 4 * kDigitScale; }

void drawLabel(QImage& sheet, int x, int y, const std::string& text) {
  for (char ch : text) {
    const auto& glyph = kDigits[ch - '0'];
    for (int row = 0; row < 5; ++row)
      for (int col = 0; col < 3; ++col)
        if (glyph[row] & (4 >> col))
          for (int dy = 0; dy < kDigitScale; ++dy)
            for (int dx = 0; dx < kDigitScale; ++dx)
              sheet.setPixel(x + col * kDigitScale + dx, y + row * kDigitScale + dy, qRgb(20, 20, 20));
    x += 4 * kDigitScale;
  }
}

struct Cell {
  int x, y, w, h;
};

}  // namespace

void writeContactSheet(const std::vector<SheetImage>& images, const std::array<SheetRgb, 256>& palette,
                       const std::string& pngPath, const SheetOptions& options) {
  const int scale = std::max(1, options.scale);
  // Lay the cells out in rows.
  std::vector<Cell> cells;
  int x = kGap, y = kGap, rowHeight = 0, sheetW = kGap;
  for (size_t i = 0; i < images.size(); ++i) {
    const auto& img = images[i];
    const int w = std::max(img.width * scale, labelWidth(std::to_string(i)));
    const int h = img.height * scale + kLabelHeight;
    if (x + w + kGap > options.sheetWidth && x > kGap) {
      x = kGap;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    cells.push_back({x, y, w, h});
    x += w + kGap;
    sheetW = std::max(sheetW, x);
    rowHeight = std::max(rowHeight, h);
  }
  const int sheetH = y + rowHeight + kGap;
  QImage sheet(std::max(sheetW, 1), std::max(sheetH, 1), QImage::Format_RGB32);
  sheet.fill(qRgb(250, 250, 250));

  for (size_t i = 0; i < images.size(); ++i) {
    const auto& img = images[i];
    const Cell& cell = cells[i];
    if (img.pixels.size() < static_cast<size_t>(img.width) * img.height)
      throw std::runtime_error("image " + std::to_string(i) + " has fewer pixels than its size");
    for (int py = 0; py < img.height * scale; ++py)
      for (int px = 0; px < img.width * scale; ++px) {
        const uint8_t index = img.pixels[static_cast<size_t>(py / scale) * img.width + px / scale];
        QRgb colour;
        if (index == 0) {
          const bool dark = ((px / 4) + (py / 4)) % 2 == 0;
          colour = dark ? qRgb(200, 200, 208) : qRgb(228, 228, 236);
        } else {
          const SheetRgb& c = palette[index];
          colour = qRgb(c.r, c.g, c.b);
        }
        sheet.setPixel(cell.x + px, cell.y + py, colour);
      }
    drawLabel(sheet, cell.x, cell.y + img.height * scale + 2, std::to_string(i));
  }
  if (!sheet.save(QString::fromStdString(pngPath), "PNG"))
    throw std::runtime_error("cannot write " + pngPath);
}

}  // namespace art
